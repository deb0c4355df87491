// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing: the records of a map's areas as the atlas tool writes them.
import { ringArea, bbox, extent, seeds, round4 } from './geometry.mjs';

const overlaps = (a, b) => !(a.e < b.w || a.w > b.e || a.n < b.s || a.s > b.n);
const latLon = (r) => r.map(([x, y]) => [round4(y), round4(x)]);

// areas: [{ key, k (rank of the piece), outer, holes, home, marker }]; water:
// the lon/lat rings of the lakes drawn over the map; describe(area, isMain):
// its { g2, names, flag }. Each outline runs counter-clockwise; the pieces of
// a key are numbered in rank order (the first is the key itself, the others
// key.2, key.3 ... with Grupp1 the key); the two seeds keep clear of the
// area's holes and of the lakes over it. Main polygons come first, in key
// order, then the further pieces.
export function finishAreas(areas, water, describe) {
  const out = [];
  const counter = {};
  for (const a of areas.filter((x) => !x.dead).sort((p, q) => (p.key < q.key ? -1 : p.key > q.key ? 1 : p.k - q.k))) {
    if (a.outer.length < 3) continue;
    if (ringArea(a.outer) < 0) a.outer.reverse();
    const n = (counter[a.key] = (counter[a.key] || 0) + 1);
    const ab = bbox(a.outer);
    const lakeHoles = water.filter((l) => overlaps(ab, bbox(l)));
    const sd = seeds(a.outer, [...a.holes, ...lakeHoles]);
    const isMain = n === 1;
    const { g2, names, flag } = describe(a, isMain);
    if (!names) throw new Error(`no names for ${a.key}`);
    out.push({
      key: isMain ? a.key : `${a.key}.${n}`,
      g1: isMain ? '' : a.key,
      g2,
      names,
      flag,
      ring: latLon(a.outer),
      s1: [round4(sd.s1[1]), round4(sd.s1[0])],
      s2: [round4(sd.s2[1]), round4(sd.s2[0])],
      inner: sd.d,
      marker: !!a.marker,
      home: a.home,
    });
  }
  out.sort((p, q) => (p.g1 === '') === (q.g1 === '') ? (p.key < q.key ? -1 : p.key > q.key ? 1 : 0) : p.g1 === '' ? -1 : 1);
  return out;
}

// The outlines of the menu pictures: the whole world, coarse (every ring of
// at least 0.3 degrees), with each unit's continent.
export function pictureOutlines(features, arcCount, build, continentOf) {
  const picture = [];
  const thr = new Float64Array(arcCount).fill(0.05);
  for (const code of Object.keys(features).sort()) {
    for (const poly of features[code]) {
      const r = build(poly[0], thr);
      if (r.length < 3 || extent(r) < 0.3) continue;
      picture.push({ code, cont: continentOf(code), ring: latLon(r) });
    }
  }
  return picture;
}
