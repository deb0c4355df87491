// SPDX-License-Identifier: GPL-3.0-or-later
// Simplification: Visvalingam per shared arc, so that shared borders stay
// shared. Every arc starts at the map's level (thr); the arcs of a ring with
// too many points are coarsened, those of a ring that crosses itself refined,
// until nothing changes. A ring that collapses is taken at full detail.
import { bbox, extent, selfCrossings, shiftRing, overlapWith } from './geometry.mjs';

// items: [{ arcs (the outer ring's arc list), inset }], in a fixed order;
// build: a ringBuilder. Returns the ring of every item. Options:
//   maxRing, keepPiece  the point limit of a ring; rings smaller than twice
//                       keepPiece may cross themselves (they are dropped or
//                       ringed anyway)
//   countIn             a frame: count only the points the frame keeps (inset
//                       rings count whole), so a large neighbour is not
//                       coarsened as a whole for the part the map shows
//   coarsenAbove        coarsen above this share of maxRing
//   coarsenCutAbove     the same for a ring that the frame cuts, which leaves
//                       room for the points along the cut (coarsenAbove where
//                       not given)
//   refineBelow         refine only below this share of maxRing (a margin, so
//                       the two do not undo each other)
//   checkFullDetail     a ring taken at full detail is checked too
export function simplify(items, thr, build, { maxRing, keepPiece, countIn = null, coarsenAbove = 1, coarsenCutAbove = coarsenAbove, refineBelow = Infinity, checkFullDetail = false }) {
  const full = new Float64Array(thr.length);
  const counted = (r, item) => {
    if (!countIn || item.inset) return r.length;
    const f = countIn, sh = shiftRing(r, overlapWith(f, bbox(r)));
    return sh.filter(([x, y]) => x >= f.w - 0.5 && x <= f.e + 0.5 && y >= f.s - 0.5 && y <= f.n + 0.5).length;
  };
  let rings;
  for (let iter = 0; iter < 25; iter++) {
    let changed = false;
    rings = items.map((item) => build(item.arcs, thr));
    items.forEach((item, k) => {
      if (rings[k].length < 4) {
        rings[k] = build(item.arcs, full);
        if (!checkFullDetail) return;
      }
      const r = rings[k];
      const idx = item.arcs.map((i) => (i >= 0 ? i : ~i));
      const n = counted(r, item);
      if (n > maxRing * (n < r.length ? coarsenCutAbove : coarsenAbove)) { for (const i of idx) thr[i] *= 1.6; changed = true; }
      else if (n < maxRing * refineBelow && extent(r) >= keepPiece * 2 && selfCrossings(r).length) { for (const i of idx) thr[i] /= 2; changed = true; }
    });
    if (!changed) break;
  }
  return rings;
}
