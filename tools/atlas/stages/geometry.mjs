// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the atlas on lon/lat rings ([lon, lat] points, the last point
// not repeated): areas and sizes in the program's projection, boxes,
// crossings, containment, inner circles and seeds, simplification of a
// single ring, and the frame's cuts.
import polylabel from 'polylabel';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const pc = require('polygon-clipping');

// Horizontal squeeze of the program's projection: a degree of longitude at
// latitude lat is as wide as sqrt(1 - (lat/90)^2) degrees of latitude, times
// a factor of the view (90 over its longitude scale) that the shapes and
// sizes measured in degrees leave out.
export const squeeze = (lat) => Math.sqrt(Math.max(0, 1 - (lat / 90) ** 2));
export function ringArea(r) { // in projected square degrees, signed
  let a = 0;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
    const sq = squeeze((r[i][1] + r[j][1]) / 2);
    a += (r[j][0] * sq) * r[i][1] - (r[i][0] * sq) * r[j][1];
  }
  return a / 2;
}
export function bbox(r) {
  let w = Infinity, e = -Infinity, s = Infinity, n = -Infinity;
  for (const [x, y] of r) { if (x < w) w = x; if (x > e) e = x; if (y < s) s = y; if (y > n) n = y; }
  return { w, e, s, n };
}
export function extent(r) { // projected size in degrees: larger side of the box
  const b = bbox(r);
  return Math.max(b.n - b.s, (b.e - b.w) * squeeze((b.n + b.s) / 2));
}
export function shiftRing(r, dx) { return dx ? r.map(([x, y]) => [x + dx, y]) : r; }
// Without repeated points, the closing one included.
export function dedupe(r) {
  const o = [];
  for (const p of r) {
    const q = o[o.length - 1];
    if (!q || q[0] !== p[0] || q[1] !== p[1]) o.push(p);
  }
  while (o.length > 1 && o[0][0] === o[o.length - 1][0] && o[0][1] === o[o.length - 1][1]) o.pop();
  return o;
}
function segIntersect(a, b, c, d) {
  const o = (p, q, r) => Math.sign((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]));
  const o1 = o(a, b, c), o2 = o(a, b, d), o3 = o(c, d, a), o4 = o(c, d, b);
  return o1 * o2 < 0 && o3 * o4 < 0;
}
// Index pairs of crossing edges; edges sharing a point do not count.
export function selfCrossings(r) {
  const n = r.length, bad = [];
  for (let i = 0; i < n; i++) {
    const a = r[i], b = r[(i + 1) % n];
    const minx = Math.min(a[0], b[0]), maxx = Math.max(a[0], b[0]);
    for (let j = i + 2; j < n; j++) {
      if (i === 0 && j === n - 1) continue;
      const c = r[j], d = r[(j + 1) % n];
      if (Math.max(c[0], d[0]) < minx || Math.min(c[0], d[0]) > maxx) continue;
      if (segIntersect(a, b, c, d)) bad.push(i, j);
    }
  }
  return bad;
}
export function pointInRing(x, y, r) { // even-odd, ray to the east, half-open in y
  let inside = false;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
    const [xi, yi] = r[i], [xj, yj] = r[j];
    if ((yi <= y && y < yj) || (yj <= y && y < yi)) {
      const cx = (y - yi) * (xj - xi) / (yj - yi) + xi;
      if (x < cx) inside = !inside;
    }
  }
  return inside;
}
// Pole of inaccessibility in the projection's proportions.
export function pole(rings, precision) {
  const lat0 = bbox(rings[0]);
  const sq = squeeze((lat0.n + lat0.s) / 2);
  const pr = rings.map((r) => r.map(([x, y]) => [x * sq, y]));
  const p = polylabel(pr, precision);
  return { x: p[0] / sq, y: p[1], d: p.distance };
}
// Two seeds: the pole, and the pole of what is left outside the first
// inscribed circle (a second lobe), or the first again where none is worth it.
export function seeds(outer, holesIn) {
  const e = extent(outer);
  const ob = bbox(outer);
  const holes = [];
  for (const h of holesIn) {
    const hb = bbox(h);
    if (hb.e < ob.w || hb.w > ob.e || hb.n < ob.s || hb.s > ob.n) continue;
    if (h.every(([x, y]) => pointInRing(x, y, outer))) { holes.push(h); continue; }
    try {
      for (const part of pc.intersection([[...h, h[0]]], [[...outer, outer[0]]])) holes.push(dedupe(part[0].slice(0, -1)));
    } catch (err) { /* a hole the clipper cannot cut is left out */ }
  }
  const prec = Math.max(e / 400, 0.0005);
  const p1 = pole([outer, ...holes], prec);
  const r = p1.d / squeeze(p1.y);
  const box = [[p1.x - r, p1.y - p1.d], [p1.x + r, p1.y - p1.d], [p1.x + r, p1.y + p1.d], [p1.x - r, p1.y + p1.d]];
  const p2 = pole([outer, ...holes, box], prec);
  let s1 = [p1.x, p1.y];
  if (!pointInRing(p1.x, p1.y, outer)) { const q = pole([outer], prec); s1 = [q.x, q.y]; }
  const s2 = p2.d > p1.d * 0.35 && pointInRing(p2.x, p2.y, outer) ? [p2.x, p2.y] : s1;
  return { s1, s2, d: p1.d };
}
// Eight points round (cx, cy), r degrees of latitude: round in the projection.
export function octagon(cx, cy, r) {
  const pts = [];
  const sq = squeeze(cy);
  for (let k = 0; k < 8; k++) {
    const a = (Math.PI / 8) * (2 * k + 1);
    pts.push([cx + (r * Math.cos(a)) / sq, cy + r * Math.sin(a)]);
  }
  return pts;
}
export const round4 = (v) => Math.round(v * 10000) / 10000;
// Douglas-Peucker on an open line at tolerance tol (degrees); both ends stay.
export function simplifyDP(pts, tol) {
  if (pts.length < 4) return pts;
  const keep = new Uint8Array(pts.length);
  keep[0] = keep[pts.length - 1] = 1;
  const stack = [[0, pts.length - 1]];
  while (stack.length) {
    const [a, b] = stack.pop();
    let best = -1, bd = tol;
    for (let i = a + 1; i < b; i++) {
      const d = segDist(pts[i], pts[a], pts[b]);
      if (d > bd) { bd = d; best = i; }
    }
    if (best >= 0) { keep[best] = 1; stack.push([a, best], [best, b]); }
  }
  return pts.filter((_, i) => keep[i]);
}
function segDist(p, a, b) {
  const dx = b[0] - a[0], dy = b[1] - a[1];
  const l = dx * dx + dy * dy;
  let t = l ? ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / l : 0;
  t = Math.max(0, Math.min(1, t));
  return Math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy);
}
// A ring that the source carries across 180 degrees continues past it.
export function across180(r) {
  let off = 0;
  for (let k = 1; k < r.length; k++) {
    const x = r[k][0] + off, prev = r[k - 1][0];
    if (x - prev > 180) off -= 360;
    else if (prev - x > 180) off += 360;
    if (off) r[k] = [r[k][0] + off, r[k][1]];
  }
  return r;
}
// The turn of the globe (0, 360 or -360 degrees) that puts box b furthest
// into frame f.
export function overlapWith(f, b) {
  let best = 0, bestOv = -Infinity;
  for (const dx of [0, 360, -360]) {
    const ov = Math.min(b.e + dx, f.e) - Math.max(b.w + dx, f.w);
    if (ov > bestOv + 1e-9) { bestOv = ov; best = dx; }
  }
  return best;
}

// A cut along a meridian of the frame is a curve in the program's projection:
// points every half degree keep the drawn edge on it, so the sea flooded
// beyond the frame stays out of the land.
export function densifyEdges(r, f) {
  const o = [];
  r.forEach((p, i) => {
    const q = r[(i + 1) % r.length];
    o.push(p);
    if (p[0] === q[0] && (p[0] === f.w || p[0] === f.e)) {
      const n = Math.floor(Math.abs(q[1] - p[1]) / 0.5);
      for (let k = 1; k < n; k++) o.push([p[0], p[1] + ((q[1] - p[1]) * k) / n]);
    }
  });
  return o;
}

// Distance in kilometres between two places ({lat, lon}), flat near them.
export const km = (a, b) => {
  const p = Math.PI / 180;
  const x = (b.lon - a.lon) * p * Math.cos(((a.lat + b.lat) / 2) * p), y = (b.lat - a.lat) * p;
  return Math.hypot(x, y) * 6371;
};
