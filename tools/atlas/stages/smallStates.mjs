// SPDX-License-Identifier: GPL-3.0-or-later
// Small states and islands: which pieces of a unit (a state, a territory, a
// subdivision) a map keeps, and the stand-in for a state the source lacks.
// Every state keeps its own outline however small: the program rings a
// state too small to click at the view, so nothing is cut out of its
// neighbours and nothing is laid over its land.
import { bbox, extent, pointInRing, pole, octagon } from './geometry.mjs';

// The radius of the largest circle inside a piece, in degrees of latitude in
// the map's proportions: the measure of the size rule.
export function innerRadius(ring) {
  return pole([ring], Math.max(extent(ring) / 200, 0.0005)).d;
}

// The size rule, over the pieces of one unit, largest first ({outer, inner,
// shared, cut}). The largest piece is kept, and a further one (an island)
// whose inner circle reaches keepPiece, up to maxPieces; whatever its size,
// the piece that holds the capital ({x, y}) and a named island. Options where
// the maps differ:
//   capitalSlack  where no piece holds the capital, the first whose box lies
//                 within this many degrees of it holds it
//   bordersStay   a piece with a land border (the Gaza Strip, Musandam,
//                 Ceuta) is kept however small: leaving it out would leave a
//                 gap in the land
//   cutsStay      a sliver that the frame cuts off a larger coast is that
//                 coast's land up to the frame's edge (Yucatán at 21.5 N)
//   countKept     maxPieces counts the pieces kept rather than those ranked
// Returns the indices of the pieces kept.
export function keptPieces(pieces, { capital = null, named = () => false, keepPiece, maxPieces, capitalSlack = 0, bordersStay = false, cutsStay = false, countKept = false }) {
  let capPiece = capital ? pieces.findIndex((p) => pointInRing(capital.x, capital.y, p.outer)) : -1;
  if (capital && capPiece < 0 && capitalSlack) {
    const d = capitalSlack;
    capPiece = pieces.findIndex((p) => { const b = bbox(p.outer); return capital.x > b.w - d && capital.x < b.e + d && capital.y > b.s - d && capital.y < b.n + d; });
  }
  const kept = [];
  pieces.forEach((p, k) => {
    const always = k === 0 || k === capPiece || named(p) || (cutsStay && p.cut);
    const small = p.inner < keepPiece && !(bordersStay && p.shared);
    const tooMany = (countKept ? kept.length : k) >= maxPieces;
    if (!always && (small || tooMany)) return;
    kept.push(k);
  });
  return kept;
}

// Radius (degrees) of the outline that stands in for a state the source
// lacks: about a kilometre across, smaller than any state's own outline.
const standInRadius = 0.005;

// A state whose outline the source lacks at a map (or loses under the size
// limit) is a ring of about a kilometre round its capital, so that it can
// still be marked and ringed.
export function standIn(x, y) {
  return octagon(x, y, standInRadius);
}
