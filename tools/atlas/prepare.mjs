// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry and names for the atlas: reads the pinned sources and writes one
// JSON file (maps, lakes, places, picture outlines) that the atlas tool turns
// into the data files. Everything here is deterministic: same sources, same
// output byte for byte.
//
// The stages (stages/*.mjs) serve every map: sources, rings,
// simplification, small states, finishing, checks; lakes and places beside
// them. Two builders call them: continentMap for the continent maps (1-6),
// which share one topology of countries and one lake file, and closeUpMap
// for every later map (states, provinces and divisions), each with its own
// topology, lakes and seats. What a map needs beyond that stands in its
// entry of tables.mjs and in the exceptions table, not here.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import tables from './tables.mjs';
import * as names from './names.mjs';
import { subMaps, subLakes } from './tables.mjs';
import { subdivisions, danishDivisions, divisionNames8, features as handFeatures } from './handtables.mjs';
import { worldFeaturePlaces } from './features.mjs';
import { readCatalogue } from './catalogue.mjs';
import { squeeze, bbox, pointInRing, shiftRing, overlapWith, km, ringArea } from './stages/geometry.mjs';
import { a3to2, continentOf, STATES, countryNames } from './stages/codes.mjs';
import { countryOutlines, closeUpOutlines, closeUpUnits, divisionOutlines, divisionUnits, divisionReference, lakeLayers, cityRows } from './stages/sources.mjs';
import { nearPoints, ringBuilder, framePieces, gatherPieces, placeInset, insetBox, insetFrame, giveWayToInsets } from './stages/rings.mjs';
import { simplify } from './stages/simplification.mjs';
import { innerRadius, keptPieces, standIn } from './stages/smallStates.mjs';
import { finishAreas, pictureOutlines } from './stages/finishing.mjs';
import { waterArea, lakeRing, namedLakes, bigLakes, withIslands } from './stages/lakes.mjs';
import { capitalsOf, bigCities, worldPlaces, spaceWorldCities, capitalsOntoLand, seatsOf, closeUpCapitals, nordicPlaces } from './stages/places.mjs';
import { measureReference } from './stages/checks.mjs';
import exceptions from './stages/exceptions.mjs';

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const out = process.argv[2] || path.join(here, 'build', 'atlas.json');
const catalogue = readCatalogue();

// ---------- sources -------------------------------------------------------
const outlines = countryOutlines();
const { features, arcUsers } = outlines;
const layers = lakeLayers();
const lakes = namedLakes(layers);
for (const m of tables.maps) lakes.push(...bigLakes(layers, m.frame, lakes));
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
  if (shown.length) lakes[i] = withIslands(layers, l, shown[0], 16);
});

const placeNames = names.makePlaceNamer(fs, require);
const rows = cityRows();
const capitals = capitalsOf(rows);
const cities = bigCities(rows, capitals, names.makeCityCheck(require, km));
// The longitude of a state's capital as every map takes it (pastDateLine).
function capLon(cap) {
  const e = exceptions.pastDateLine;
  return cap.lon < e.capitalWestOf && continentOf(cap.cc) === e.continent ? cap.lon + 360 : cap.lon;
}
const places = worldPlaces(capitals, cities, placeNames, (cc) => (capLon(capitals[cc]) !== capitals[cc].lon ? 360 : 0));

// The rings of the continent maps keep every point within 0.25 degrees of a
// capital, and fifty times finer detail within 0.6.
const build = ringBuilder(outlines.arcs, nearPoints(Object.values(capitals).map((r) => [r.lon, r.lat]), 0.25, 0.6));

// ---------- the continent maps (1-6) ----------------------------------------
// A map holds the states of its continents (home) and, for context, every
// other state or territory that reaches into its frame.

// Rings, simplification and the frame: per code the pieces its frame keeps
// ({outer, area, cut, holes, shared}), each ring at the longitude that lies in
// the frame, or gathered next to the capital (gatherPieces).
function continentPieces(m) {
  const thr = new Float64Array(outlines.arcs.length).fill(m.weight);
  const polyList = [];
  for (const code of Object.keys(features).sort()) features[code].forEach((poly) => polyList.push({ code, poly }));
  // What the frame keeps of a ring is what must fit (Russia held to the limit
  // as a whole left its coast on the Europe map coarse).
  const rings = simplify(polyList.map((p) => ({ arcs: p.poly[0] })), thr, build, { maxRing: m.maxRing, keepPiece: m.keepPiece, countIn: m.frame, coarsenCutAbove: 0.85 });
  const byCode = {};
  polyList.forEach((r, i) => {
    if (rings[i].length < 3) return;
    const { dx, pieces } = framePieces(rings[i], m.frame);
    const holes = r.poly.slice(1).map((h) => shiftRing(build(h, thr), dx)).filter((h) => h.length >= 3);
    const shared = r.poly[0].some((a) => arcUsers[a >= 0 ? a : ~a] > 1);
    for (const p of pieces) (byCode[r.code] = byCode[r.code] || []).push({ ...p, holes, shared });
  });
  if (exceptions.gatherPieces.maps.includes(m.id)) {
    for (const code of Object.keys(byCode)) {
      const ps = byCode[code].sort((a, b) => b.area - a.area);
      const b0 = bbox(ps[0].outer);
      gatherPieces(ps, capitals[code] ? capLon(capitals[code]) : (b0.w + b0.e) / 2, m.frame);
    }
  }
  return byCode;
}

// Small states: the pieces each unit keeps by the size rule, and a stand-in
// for every state of the map's continents that has none in its frame.
function continentAreas(m, byCode) {
  const areas = [];
  for (const code of Object.keys(byCode).sort()) {
    const ps = byCode[code].sort((a, b) => b.area - a.area);
    const isState = STATES.has(code);
    const home = isState && m.home.includes(continentOf(code));
    if (!isState && !m.territories) continue;
    if (isState && !home && !m.context) continue;
    for (const p of ps) p.inner = innerRadius(p.outer);
    // A territory keeps its outline as context land where it is still some
    // pixels across (keepTerritory: the Falklands, New Caledonia on the world
    // map); one smaller than that, or than the smallest island kept, is left out.
    if (!isState && ps[0].inner < (m.keepTerritory ?? m.keepPiece)) continue;
    const cap = capitals[code];
    const kept = keptPieces(ps, {
      capital: cap ? { x: capLon(cap), y: cap.lat } : null,
      named: (p) => (m.keepIslands ?? []).some(([lat, lon]) => pointInRing(lon, lat, p.outer)),
      keepPiece: m.keepPiece, maxPieces: m.maxPieces, capitalSlack: 0.3, bordersStay: true, countKept: true,
    });
    for (const k of kept) areas.push({ key: code, k, outer: ps[k].outer, holes: ps[k].holes, isState, home });
  }
  let standIns = 0;
  for (const code of [...STATES].sort()) {
    const cap = capitals[code];
    if (byCode[code] || !cap || !m.home.includes(continentOf(code))) continue;
    const f = m.frame;
    const x = capLon(cap) + overlapWith(f, { w: capLon(cap), e: capLon(cap) });
    if (!(x > f.w && x < f.e && cap.lat > f.s && cap.lat < f.n)) continue;
    areas.push({ key: code, k: 0, outer: standIn(x, cap.lat), holes: [], isState: true, home: true, marker: true });
    standIns++;
  }
  return { areas, standIns };
}

function continentMap(m) {
  const { areas, standIns } = continentAreas(m, continentPieces(m));
  const water = (m.lakes ? lakes : []).map((l) => l.lonLat);
  const finalAreas = finishAreas(areas, water, (a) => ({
    g2: a.isState ? continentOf(a.key) : '',
    names: countryNames(a.key),
    flag: a.isState ? a.key.toLowerCase() + '.gif' : '',
  }));
  console.warn(`map ${m.id}: ${finalAreas.length} areas, ${standIns} stand-ins`);
  return { id: m.id, name: m.name, frame: m.frame, view: m.view, finish: m.finish, areas: finalAreas, leftOut: [], seaHints: m.seaHints || [] };
}
const maps = tables.maps.map(continentMap);
spaceWorldCities(places, maps, catalogue, capitals, cities);
const picture = pictureOutlines(features, outlines.arcs.length, build, continentOf);
capitalsOntoLand(places, maps);

// ---------- the close-up maps (7-11): states and provinces, and Norden -------
// One topology (Natural Earth 1:50m subunits and countries), so the borders
// of the subdivisions and of the neighbours drawn for context match. Each
// map is built apart from the six continent maps above and leaves them as
// they are.
const closeUp = closeUpOutlines();
function lakeOf(key) {
  const known = lakes.find((l) => l.key === key);
  if (known) return known;
  const e = subLakes.find((l) => l.key === key) ?? handFeatures.find((l) => l.key === key && l.kind === 'SJO');
  const ring = lakeRing(layers, key, e.lat, e.lon);
  return ring ? waterArea(key, e.names, ring) : null;
}

// Rings and simplification of a close-up map's units, then its insets moved
// into place: each unit with its rings, and the move of each inset.
const westOf180 = (unit) => exceptions.westOf180.units.includes(unit);
function closeUpRings(m, topo, units, buildHere) {
  const insetOf = (u) => m.insets.find((ins) => ins.unit === u.unit);
  // An inset drawn at a fraction of its size needs that much less detail;
  // what the frame keeps of a ring is what must fit (the whole of Russia held
  // to the limit left its coast inside the frame coarse).
  const thr = new Float64Array(topo.arcs.length).fill(m.weight);
  for (const ins of m.insets)
    for (const u of units.filter((x) => x.unit === ins.unit))
      for (const p of u.polys) for (const i of p.flat()) thr[i >= 0 ? i : ~i] = m.weight / ins.scale ** 2;
  const items = units.flatMap((u) => u.polys.map((p) => ({ arcs: p[0], inset: !!insetOf(u) })));
  const rings = simplify(items, thr, buildHere, { maxRing: m.maxRing, keepPiece: m.keepPiece, countIn: m.frame, coarsenAbove: 0.85, refineBelow: 0.6, checkFullDetail: true });
  let next = 0;
  // The admin-1 layer's holes are enclaves (Berlin in Brandenburg): the seeds
  // of the land round them keep clear of them.
  const built = units.map((u) => ({ ...u, rings: u.polys.map(() => rings[next++]), holes: m.source === 'admin1' ? u.polys.flatMap((p) => p.slice(1).map((h) => buildHere(h, thr))) : [] }));
  const moves = {};
  for (const ins of m.insets) moves[ins.unit] = placeInset(built.find((x) => x.unit === ins.unit), ins, { west: westOf180(ins.unit) });
  return { built, moves };
}

// The capital of each subdivision: its seat, matched to the subdivision whose
// outline holds it (the smallest such: an enclave, Berlin, lies inside the
// outline of the land round it) or else the nearest (an inset at its own place
// and full detail); where the source's unit codes are the admin1 codes
// (admin1Seats), they decide. A seat (PPLA) wins over the national capital (PPLC).
function seatsToUnits(m, topo, cc, seats, byKey, built, buildHere) {
  const full = new Float64Array(topo.arcs.length);
  const byAdmin1 = exceptions.admin1Seats.countries.includes(m.country);
  const capitalOf = {};
  for (const r of seats) {
    let best = byAdmin1 && byKey[`${cc}-${r.admin1}`] ? `${cc}-${r.admin1}` : null, bd = best ? -Infinity : Infinity;
    for (const [key, { u }] of Object.entries(byKey)) {
      if (!u.home || bd === -Infinity) continue;
      const back = u.inset ? built.find((x) => x.key === key).polys.map((p) => buildHere(p[0], full)).map((rr) => rr.map(([x, y]) => [x > 0 && westOf180(u.unit) ? x - 360 : x, y])) : byKey[key].pieces.map((p) => p.outer);
      for (const ring of back) {
        const d = pointInRing(r.lon, r.lat, ring) ? -1 / Math.abs(ringArea(ring)) : Math.min(...ring.map(([x, y]) => Math.hypot((x - r.lon) * squeeze(r.lat), y - r.lat)));
        if (d < bd) { bd = d; best = key; }
      }
    }
    if (best && (!capitalOf[best] || capitalOf[best].fcode === 'PPLC')) capitalOf[best] = r;
  }
  return capitalOf;
}

// A seat that cities1000 lacks (handSeats), as a row of its own.
const handSeat = (id) => {
  const h = exceptions.handSeats.places[id];
  return h && { id, ascii: h.name, alt: '', fcode: 'PPLA', admin1: '', pop: 0, tz: '', ...h };
};

function closeUpMap(m) {
  const f = m.frame;
  const cc = m.country ? a3to2[m.country] : '';
  // The seats the exceptions table names (divisionSeats) take the place of
  // GeoNames' choice for their divisions.
  const ownSeats = Object.entries(exceptions.divisionSeats.seats).filter(([key]) => [m.country, ...(m.also ?? [])].some((a3) => a3 && key.startsWith(`${a3to2[a3]}-`)))
    .map(([key, id]) => [key, rows.find((r) => r.id === id) ?? handSeat(id)]);
  for (const [key, r] of ownSeats) if (!r) throw new Error(`no GeoNames place for the seat of ${key}`);
  // A map may ask the divisions of a further country (`also`: Austria beside
  // Switzerland); each division is keyed, grouped and seated by its own.
  const homeCodes = m.country ? [m.country, ...(m.also ?? [])].map((a3) => a3to2[a3]) : [];
  const seats = m.country ? [...homeCodes.flatMap((c) => seatsOf(rows, c)), ...ownSeats.map(([, r]) => r)] : m.states.map((s) => capitals[a3to2[s]]);
  // The maps of the 1:50m subunits share one topology; a division map has
  // its own, from the admin-1 layer.
  const topo = m.source === 'admin1' ? divisionOutlines(m) : closeUp;
  const units = m.source === 'admin1' ? divisionUnits(topo.src, m) : closeUpUnits(closeUp.src, m);
  const unitNames = m.source === 'admin1' ? Object.fromEntries(units.filter((u) => u.home).map((u) => [u.key, names.divisionNames(u.key, u.layer, danishDivisions, divisionNames8)])) : subdivisions;
  // Every point within 0.25 degrees of a seat is kept.
  const buildHere = ringBuilder(topo.arcs, nearPoints(seats.map((c) => [c.lon, c.lat]), 0.25));
  const { built, moves } = closeUpRings(m, topo, units, buildHere);
  const byKey = {};
  for (const u of built) {
    const pieces = [];
    for (const r of u.rings) if (r.length >= 3) pieces.push(...framePieces(r, f, { inPlace: u.inset }).pieces);
    pieces.sort((a, b) => b.area - a.area);
    for (const p of pieces) p.inner = innerRadius(p.outer);
    byKey[u.key] = { u, pieces };
  }
  const capitalOf = m.states ? Object.fromEntries(seats.map((r) => [r.cc, r])) : seatsToUnits(m, topo, cc, seats, byKey, built, buildHere);
  for (const [key, r] of ownSeats) capitalOf[key] = r;
  // A division governed from outside it (seatOutside), or not governed at all
  // (noSeat), has no seat of its own.
  for (const key of [...Object.keys(exceptions.seatOutside.divisions), ...exceptions.noSeat.divisions]) delete capitalOf[key];
  const at = (key, r) => { const mv = moves[byKey[key].u.unit]; const [x, y] = mv ? mv([r.lon, r.lat]) : [r.lon, r.lat]; return { x, y }; };
  // Small states: every subdivision keeps its own outline, however small.
  const areas = [];
  const insetBoxes = [];
  for (const key of Object.keys(byKey).sort()) {
    const { u, pieces } = byKey[key];
    if (!pieces.length) continue;
    const cap = capitalOf[key];
    const kept = keptPieces(pieces, { capital: cap ? at(key, cap) : null, keepPiece: m.keepPiece, maxPieces: m.maxPieces, cutsStay: true, countKept: true });
    for (const k of kept) areas.push({ key, k, outer: pieces[k].outer, holes: u.holes.filter((h) => h.length >= 3), home: u.home });
    if (u.inset) insetBoxes.push({ key, ring: insetBox(kept.map((k) => pieces[k].outer)) });
  }
  giveWayToInsets(areas, insetBoxes.map((b) => b.ring));
  // Each inset's frame belongs to the subdivision it holds, as its last record
  // (rank 100, after the pieces and the parts that gave way, rank 99).
  for (const { key, ring } of insetBoxes) areas.push({ key, k: 100, outer: insetFrame(ring), holes: [], home: false, frame: true });
  // A lake that reaches into the frame is drawn whole (beyond the frame it
  // lies on the sea).
  const named = m.lakes.map(lakeOf).filter((l) => {
    if (!l) return false;
    const b = bbox(l.lonLat);
    return !(b.e < f.w || b.w > f.e || b.n < f.s || b.s > f.n);
  });
  const water = [...named, ...bigLakes(layers, f, named)].map((l) => withIslands(layers, l, f));
  const finalAreas = finishAreas(areas, water.map((l) => l.lonLat), (a) => ({
    g2: m.states ? (STATES.has(a.key) ? continentOf(a.key) : '') : a.home || a.frame ? a.key.split('-')[0] : '',
    names: (a.home || a.frame) && !m.states ? unitNames[a.key] : countryNames(a.key),
    flag: m.states && STATES.has(a.key) ? a.key.toLowerCase() + '.gif' : '',
  }));
  const movedHere = [];
  const placesHere = closeUpCapitals(m, finalAreas, capitalOf, at, placeNames, movedHere);
  if (m.towns) placesHere.push(...nordicPlaces(m, finalAreas, placesHere, movedHere, rows, placeNames));
  console.warn(`map ${m.id}: ${finalAreas.length} areas, ${water.length} lakes, ${placesHere.length} capitals; moved onto land: ${movedHere.join(', ')}`);
  return { id: m.id, name: m.name, frame: m.frame, insets: insetBoxes.map((b) => bbox(b.ring)), areas: finalAreas, leftOut: [], water: water.map(({ key, names, ring, s1, s2 }) => ({ key, names, ring, s1, s2 })), places: placesHere, placeFile: m.placeFile ?? 3,
    ...(m.source === 'admin1' ? { reference: divisionReference(topo.src, m) } : {}) };
}
const subMapsOut = subMaps.map(closeUpMap);
// The items of the catalogue's exercises of each of these maps: the atlas
// tool closes the patches at their views too.
for (const e of catalogue) {
  const m = subMapsOut.find((x) => x.id === +e.map);
  if (m && e.items) (m.exercises = m.exercises || []).push(e.items.split(/\s+/));
}

// ---------- further place files ---------------------------------------------
// Each is written by the atlas tool as it is: { file, places: [{ id, names,
// niva, klass1, klass2, g1, g2, g3, lat, lon }], exercises (for its checks) }.
const placeFiles = [];
{
  const { places: featurePlaces, leftOut, exercises } = worldFeaturePlaces(maps, catalogue);
  placeFiles.push({ file: 'Ort2.crp', places: featurePlaces, exercises });
  console.warn(`Ort2.crp: ${featurePlaces.length} places; left out for spacing or view: ${leftOut.join(', ') || 'none'}`);
}

// ---------- checks: the reference the drawn maps are measured against -------
const reference = measureReference(outlines, build, layers, [...lakes, ...subMapsOut.flatMap((m) => m.water)]);

fs.mkdirSync(path.dirname(out), { recursive: true });
fs.writeFileSync(out, JSON.stringify({ seas: tables.seas, maps, lakes: lakes.map(({ source, plain, ...l }) => l), places, placeFiles, picture, reference, states: [...STATES].sort().map((c) => ({ code: c, cont: continentOf(c), names: countryNames(c) })), subMaps: subMapsOut }));
console.warn(`wrote ${out}: ${places.length} places, ${lakes.length} lakes`);
