// SPDX-License-Identifier: GPL-3.0-or-later
// The program's projection and view fitting, asked of its own code: the
// atlas_project tool (built with the atlas tool; its path in ATLAS_PROJECT,
// else build/bin/atlas_project) reads a batch of requests and answers each
// with the view and the pixels of the points. Each stage asks once for all
// the views it needs, since every call starts the program.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const tool = process.env.ATLAS_PROJECT || path.join(here, '..', '..', '..', 'build', 'bin', 'atlas_project');

// views: per view either { view: [north, south, centre] } or { fit: bounds }
// (the view the program fits to areas with those bounds { n, s, e, w }).
// Returns per view { view: [north, south, centre], at }, where at(place)
// gives the pixel [x, y] of one of the places, unrounded, at w x h.
export function projectPlaces(views, places, w, h) {
  if (!fs.existsSync(tool)) throw new Error(`${tool}: no such program; build the target atlas_project and set ATLAS_PROJECT to it`);
  const points = places.map((p) => [p.lat, p.lon]);
  const requests = views.map((v) => ({
    size: [w, h],
    ...(v.fit ? { fit: v.fit.map((b) => [b.n, b.s, b.e, b.w]) } : { view: v.view }),
    points,
  }));
  const answers = JSON.parse(execFileSync(tool, { input: JSON.stringify(requests), maxBuffer: 1 << 28, stdio: ['pipe', 'pipe', 'inherit'] }));
  const index = new Map(places.map((p, i) => [p, i]));
  return answers.map((a) => ({ view: a.view, at: (p) => a.points[index.get(p)] }));
}

// The program's table of the parts of the world: the world map's number and
// each continent's home map, on which its capitals lie beside the world's.
export function homeMaps() {
  if (!fs.existsSync(tool)) throw new Error(`${tool}: no such program; build the target atlas_project and set ATLAS_PROJECT to it`);
  return JSON.parse(execFileSync(tool, ['--parts'], { stdio: ['ignore', 'pipe', 'inherit'] }));
}
