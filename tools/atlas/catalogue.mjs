// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise catalogue (tools/catalogue/catalogue.txt), read once: one
// object per block of "key: value" lines, in file order. Whoever needs
// exercises picks the blocks and fields it needs from this list.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const cataloguePath = path.join(here, '..', 'catalogue', 'catalogue.txt');

function parseCatalogue(text) {
  const blocks = [];
  for (const block of text.split(/\n\s*\n/)) {
    const e = {};
    for (const line of block.split('\n')) {
      const kv = /^(\w+):\s*(.*)$/.exec(line.trim());
      if (kv) e[kv[1]] = kv[2].trim();
    }
    blocks.push(e);
  }
  return blocks;
}

export function readCatalogue(file = cataloguePath) {
  return parseCatalogue(fs.readFileSync(file, 'utf8'));
}
