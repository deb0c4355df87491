// SPDX-License-Identifier: GPL-3.0-or-later
// The fine topologies of the maps of states and provinces, for their detail
// files: the 1:10m admin-1 units of each map's country and of the neighbours
// it draws, one topology per map so that neighbours share their borders.
// The atlas tool reads OUT_DIR/detail<id>.topo.json (object "units").
// Usage: node detail-sources.mjs OUT_DIR
import fs from 'node:fs';
import path from 'node:path';
import { subMaps } from './tables.mjs';
import { divisionOutlines } from './stages/sources.mjs';
import { a3to2 } from './stages/codes.mjs';
import { createRequire } from 'node:module';

const topojson = createRequire(import.meta.url)('topojson-client');

const out = process.argv[2];
if (!out) {
  console.error('usage: node detail-sources.mjs OUT_DIR');
  process.exit(2);
}
fs.mkdirSync(out, { recursive: true });
// The Nordic map asks whole states: its detail comes from the country layer.
for (const m of subMaps.filter((x) => x.country)) {
  const { src } = divisionOutlines(m);
  // What the atlas tool needs of a unit: its name and the key of the record
  // its lone islands belong to (a division's own, or its country's). Each
  // outline is drawn whole, as at the map's own view: the layer's units of
  // one division (Italy's provinces of a region) and of one neighbour are
  // merged, so that no inner border shows when zoomed.
  const homes = [m.country, ...(m.also ?? [])];
  const groups = new Map();
  for (const g of src.objects.units.geometries) {
    const { key, a3, layer } = g.properties;
    const host = (m.merge ?? {})[a3] ?? a3;
    const owner = homes.includes(host) ? key : a3to2[host] ?? '';
    const id = homes.includes(host) ? `1 ${key}` : `2 ${host}`;
    if (!groups.has(id)) groups.set(id, { name: homes.includes(host) ? layer?.name ?? key : host, owner, parts: [] });
    groups.get(id).parts.push(g);
  }
  src.objects.units.geometries = [...groups.keys()].sort().map((id) => {
    const { name, owner, parts } = groups.get(id);
    const geometry = parts.length > 1 ? topojson.mergeArcs(src, parts) : { type: parts[0].type, arcs: parts[0].arcs };
    return { ...geometry, properties: { name, owner } };
  });
  const file = path.join(out, `detail${m.id}.topo.json`);
  fs.writeFileSync(file, JSON.stringify(src));
  console.warn(`wrote ${file}: ${src.objects.units.geometries.length} units`);
}
