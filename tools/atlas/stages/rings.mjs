// SPDX-License-Identifier: GPL-3.0-or-later
// Rings: from a topology's weighted arcs to lon/lat rings at per-arc
// thresholds, and from those to the pieces a map's frame keeps.
import { createRequire } from 'node:module';
import { squeeze, ringArea, bbox, shiftRing, dedupe, across180, overlapWith, densifyEdges } from './geometry.mjs';

const require = createRequire(import.meta.url);
const pc = require('polygon-clipping');

// Points near a capital keep more detail, so that coastal capitals stay on
// land; the rule looks at the point alone, so shared borders stay shared.
// The level of a point: 2 within `inner` degrees of one of the points (every
// point kept), 1 within `outer` (fifty times finer), else 0.
export function nearPoints(points, inner, outer = inner) {
  return (p) => {
    let best = 0;
    for (const c of points) {
      const d = Math.max(Math.abs(c[0] - p[0]), Math.abs(c[1] - p[1]));
      if (d < inner) return 2;
      if (d < outer) best = 1;
    }
    return best;
  };
}

// build(arcList, thr): the ring of a list of arc indices (~i: arc i
// backwards), each arc keeping its ends, its points of weight thr[arc] or
// more and those that detail(p) asks for. A ring that the source carries
// across 180 degrees continues past it.
export function ringBuilder(arcs, detail) {
  return (arcList, thr) => {
    const r = [];
    for (const i of arcList) {
      const a = arcs[i >= 0 ? i : ~i], t = thr[i >= 0 ? i : ~i];
      let pts = a.filter((p, k) => k === 0 || k === a.length - 1 || p[2] >= t || (t > 0 && detail(p) === 2) || (p[2] >= t / 50 && detail(p) === 1)).map((p) => [p[0], p[1]]);
      if (i < 0) pts = pts.reverse();
      for (let k = r.length ? 1 : 0; k < pts.length; k++) r.push(pts[k]);
    }
    return dedupe(across180(r));
  };
}

const inside = (b, f) => b.w >= f.w && b.e <= f.e && b.s >= f.s && b.n <= f.n;
const outside = (b, f) => b.e <= f.w || b.w >= f.e || b.n <= f.s || b.s >= f.n;

// The pieces of a ring that the frame keeps, the ring taken at the turn of the
// globe that lies in the frame (Russia's east past 180): [{outer, area, cut}]
// (cut: a piece the frame cut, with a point on its edge), and the turn (dx).
// A cut along a meridian gets a point every half degree. inPlace: a ring
// already placed (an inset), neither turned nor clipped.
export function framePieces(ring, f, { inPlace = false } = {}) {
  const dx = inPlace ? 0 : overlapWith(f, bbox(ring));
  const r = shiftRing(ring, dx);
  const b = bbox(r);
  let parts = [r];
  let clipped = false;
  if (!inPlace && !inside(b, f)) {
    if (outside(b, f)) return { dx, pieces: [] };
    const box = [[[f.w, f.s], [f.e, f.s], [f.e, f.n], [f.w, f.n], [f.w, f.s]]];
    parts = pc.intersection([[...r, r[0]]], box).map((p) => densifyEdges(dedupe(p[0].slice(0, -1)), f));
    clipped = true;
  }
  const onEdge = (p) => clipped && p.some(([x, y]) => x === f.w || x === f.e || y === f.s || y === f.n);
  const pieces = [];
  for (const p of parts) if (p.length >= 3 && Math.abs(ringArea(p)) > 1e-6) pieces.push({ outer: p, area: Math.abs(ringArea(p)), cut: onEdge(p) });
  return { dx, pieces };
}

// Continuity on the world map: a unit's pieces (largest first) move a turn of
// the globe next to `centre` (its capital's longitude), except where the move
// would take a piece out of the frame (Kiribati's Line Islands: the frame
// ends at 200 degrees).
export function gatherPieces(ps, centre, f) {
  for (const p of ps) {
    const b = bbox(p.outer), c = (b.w + b.e) / 2;
    const dx = c - centre > 180 ? -360 : centre - c > 180 ? 360 : 0;
    if (dx && (b.w + dx < f.w || b.e + dx > f.e)) continue;
    if (dx) { p.outer = shiftRing(p.outer, dx); p.holes = p.holes.map((h) => shiftRing(h, dx)); }
  }
}

// Insets: a subdivision far from the rest is moved into the frame and scaled
// round the middle of its largest ring's box, keeping its shape in the map's
// proportions; west: its rings are taken west of 180 degrees (the Aleutians).
// Returns the move of a point, for its capital.
export function placeInset(u, ins, { west: turn = false } = {}) {
  const west = (x) => (turn && x > 0 ? x - 360 : x);
  u.rings = u.rings.map((r) => r.map(([x, y]) => [west(x), y]));
  const b = bbox(u.rings.reduce((a, r) => (Math.abs(ringArea(r)) > Math.abs(ringArea(a)) ? r : a)));
  const c = [(b.w + b.e) / 2, (b.s + b.n) / 2];
  const move = ([x, y]) => {
    const lat = ins.to[0] + (y - c[1]) * ins.scale;
    return [ins.to[1] + (west(x) - c[0]) * ins.scale * squeeze(y) / squeeze(lat), lat];
  };
  u.rings = u.rings.map((r) => r.map(move));
  u.inset = true;
  return move;
}

// The box an inset is drawn in: its pieces with a margin.
export function insetBox(outers) {
  const b = bbox(outers.flat());
  return [[b.w - 0.8, b.s - 0.5], [b.e + 0.8, b.s - 0.5], [b.e + 0.8, b.n + 0.5], [b.w - 0.8, b.n + 0.5], [b.w - 0.8, b.s - 0.5]];
}

// The frame round an inset, as a printed map draws it: a band `width`
// degrees wide just inside the box, one ring with a slit at its south-west
// corner so that it can be stored as an area without a hole.
export function insetFrame(box, width = 0.02) {
  const { w, e, s, n } = bbox(box);
  const [iw, ie, is, inn] = [w + width, e - width, s + width, n - width];
  return [[w, s], [e, s], [e, n], [w, n], [w, s + width / 2], [iw, is], [iw, inn], [ie, inn], [ie, is], [iw + width / 2, is]];
}

// The neighbours give way to the insets, as on a printed map: each area not
// of the map's own (home) loses what lies under an inset's box; a part it
// falls apart into that is larger than 0.01 square degrees is a piece of its
// own (rank 99, and is cut again itself), one left with nothing is dead.
export function giveWayToInsets(areas, boxes) {
  for (const a of areas) {
    if (a.home) continue;
    let polys = [[[...a.outer, a.outer[0]]]];
    for (const ib of boxes) polys = pc.difference(polys, [ib]);
    if (!polys.length) { a.dead = true; continue; }
    polys.sort((p, q) => Math.abs(ringArea(q[0])) - Math.abs(ringArea(p[0])));
    a.outer = dedupe(polys[0][0].slice(0, -1));
    for (const extra of polys.slice(1)) if (Math.abs(ringArea(extra[0])) > 0.01) areas.push({ key: a.key, k: 99, outer: dedupe(extra[0].slice(0, -1)), holes: [], home: false });
  }
}
