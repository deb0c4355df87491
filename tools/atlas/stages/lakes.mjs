// SPDX-License-Identifier: GPL-3.0-or-later
// Lakes: the water areas drawn over the land, from the lake layers (sources).
import { createRequire } from 'node:module';
import tables from '../tables.mjs';
import exceptions from './exceptions.mjs';
import { squeeze, ringArea, bbox, dedupe, selfCrossings, pointInRing, seeds, round4, simplifyDP } from './geometry.mjs';

const require = createRequire(import.meta.url);
const pc = require('polygon-clipping');

// The pixels per degree of latitude that a map drawn at 1920 x 1048 gives its
// frame (estimated generously from the frame; the atlas tool measures the
// drawn maps).
const perDegree = (f) => 1048 / ((f.n - f.s) * 1.08);

// A water area from a source ring: simplified, with its two seeds (the
// second, where the table gives a meridian, at the pole of the part west of
// it: a lake the drawing pinches in two, Michigan beside Huron).
export function waterArea(key, names, source, westOf) {
  const ring = dedupe(source);
  let tol = 0.01;
  let r2 = simplifyDP([...ring, ring[0]], tol).slice(0, -1);
  while (r2.length > 400) { tol *= 1.5; r2 = simplifyDP([...ring, ring[0]], tol).slice(0, -1); }
  while (selfCrossings(r2).length && tol > 0.001) { tol /= 1.5; r2 = simplifyDP([...ring, ring[0]], tol).slice(0, -1); }
  const sd = seeds(r2, []);
  if (westOf !== undefined) {
    const part = pc.intersection([[[...r2, r2[0]]]], [[[-360, -90], [westOf, -90], [westOf, 90], [-360, 90], [-360, -90]]]);
    part.sort((p, q) => Math.abs(ringArea(q[0])) - Math.abs(ringArea(p[0])));
    sd.s2 = seeds(part[0][0].slice(0, -1), []).s1;
  }
  return { key, source, names, lonLat: r2, ring: r2.map(([x, y]) => [round4(y), round4(x)]), s1: [round4(sd.s1[1]), round4(sd.s1[0])], s2: [round4(sd.s2[1]), round4(sd.s2[0])], inner: sd.d, areaKm2: Math.abs(ringArea(r2)) * 111.2 * 111.2 };
}

// The source ring of a lake given by a point inside it: from the first layer
// that has one there; null (with a warning) unless exactly one ring holds it.
export function lakeRing(layers, key, lat, lon) {
  let hit = [];
  for (const polys of layers.outers) if (!hit.length) hit = polys.filter((r) => pointInRing(lon, lat, r));
  if (hit.length !== 1) { console.warn('lake', key, 'matches', hit.length, 'polygons'); return null; }
  return hit[0];
}

// The lakes of the shared table, drawn on every map.
export function namedLakes(layers) {
  const lakes = [];
  for (const t of tables.lakes) {
    const ring = lakeRing(layers, t.key, t.lat, t.lon);
    if (!ring) continue;
    if (lakes.some((l) => l.source === ring)) { console.warn('lake', t.key, 'is the polygon of another entry'); continue; }
    lakes.push(waterArea(t.key, t.names, ring, t.westOf));
  }
  return lakes;
}

// Every further lake of the 1:50m layer that would cover some 36 pixels of a
// map drawn at 1920 x 1048 is water on it too, named by the word for a lake.
// A ring holding a named sea (the Caspian) is sea.
export function bigLakes(layers, f, known) {
  const found = [];
  layers.outers[0].forEach((r, i) => {
    if (known.some((l) => l.source === r) || [...tables.seas, ...exceptions.lakesLeftOut.lakes].some((s) => pointInRing(s.lon, s.lat, r))) return;
    const b = bbox(r);
    if (b.e < f.w || b.w > f.e || b.n < f.s || b.s > f.n) return;
    if (Math.abs(ringArea(r)) * perDegree(f) * perDegree(f) < 18) return;
    // A shore that still crosses itself once simplified would be filled where
    // its outline says land.
    const lake = waterArea(`SJO${i}`, tables.lakeWord, r);
    if (!selfCrossings(lake.lonLat).length) found.push(lake);
  });
  return found;
}

// Water areas have no holes, and the water is a fill up to the lake's own
// shore colour: an island drawn inside a lake would be flooded with it. So
// each island of a lake that covers a few pixels joins the shore by a slit,
// walked there and back, and the fill stops at its coast (Isle Royale,
// Manitoulin). The slit's two edges cancel for the even-odd rule. A lake that
// already has the islands of another map starts again from its own shore
// (plain).
export function withIslands(layers, lake, f, minPixels = 4) {
  const l = lake.plain ?? lake;
  const islands = (layers.islands.get(l.source) ?? [])
    .map((h) => simplifyDP([...dedupe(h), dedupe(h)[0]], 0.01).slice(0, -1))
    .filter((h) => h.length >= 3 && Math.abs(ringArea(h)) * perDegree(f) * perDegree(f) >= minPixels)
    .sort((a, b) => Math.abs(ringArea(b)) - Math.abs(ringArea(a)));
  let ring = l.lonLat;
  for (const h of islands) {
    if (ring.length + h.length + 2 > 495) continue;
    let bi = 0, bj = 0, bd = Infinity;
    ring.forEach(([x, y], i) => h.forEach(([u, v], j) => { const d = Math.hypot((x - u) * squeeze(y), y - v); if (d < bd) { bd = d; bi = i; bj = j; } }));
    ring = [...ring.slice(0, bi + 1), ...h.slice(bj), ...h.slice(0, bj + 1), ...ring.slice(bi)];
  }
  if (ring === l.lonLat) return l;
  const sd = seeds(ring, []);
  const keep = (s) => pointInRing(s[1], s[0], ring);
  return { ...l, plain: l, lonLat: ring, ring: ring.map(([x, y]) => [round4(y), round4(x)]),
    s1: keep(l.s1) ? l.s1 : [round4(sd.s1[1]), round4(sd.s1[0])], s2: keep(l.s2) ? l.s2 : [round4(sd.s2[1]), round4(sd.s2[0])] };
}
