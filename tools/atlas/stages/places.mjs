// SPDX-License-Identifier: GPL-3.0-or-later
// Places: the capitals and cities of the continent maps, the seats of the
// close-up maps' subdivisions, the Nordic map's towns, and the move of a place
// that the simplified outlines leave in the water onto its own land.
import exceptions from './exceptions.mjs';
import * as names from '../names.mjs';
import { features as handFeatures } from '../handtables.mjs';
import { a3to2, continentOf, STATES, placeContinent } from './codes.mjs';
import { squeeze, bbox, pointInRing, round4, km } from './geometry.mjs';
import { projectPlaces, homeMaps } from './projection.mjs';

// GeoNames feature codes of towns (not of their districts or ruins).
const okCodes = new Set(['PPL', 'PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLC', 'PPLG']);

// The first point of a spiral round (x, y) (lon, lat) for which ok(x, y)
// holds: rings of 8k points at k steps of `step` degrees, k = 1..rounds;
// round: applied to each candidate before it is tried. Null if none.
function nearestWhere(x, y, ok, { step, rounds, round = (v) => v }) {
  for (let k = 1; k <= rounds; k++) {
    const s = step * k;
    for (let i = 0; i < 8 * k; i++) {
      const a = (2 * Math.PI * i) / (8 * k);
      const px = round(x + (s * Math.cos(a)) / squeeze(y)), py = round(y + s * Math.sin(a));
      if (ok(px, py)) return [px, py];
    }
  }
  return null;
}

// Whether (x, y) lies well inside the rings (lon/lat): one ring holds it and
// the four points 0.03 degrees beside it. At the harbour of Copenhagen, where
// Zealand and Amager meet across a sliver of sea, points on two pieces left
// the capital a pixel from the sea.
function wellInside(rings, x, y) {
  return rings.some((q) => [[0, 0], [0.03, 0], [-0.03, 0], [0, 0.03], [0, -0.03]].every(([dx, dy]) => pointInRing(x + dx / squeeze(y), y + dy, q)));
}

// The lon/lat rings of the areas of a key (its main polygon and pieces).
const ringsOf = (areas, key) => areas.filter((a) => a.key === key || a.g1 === key).map((a) => a.ring.map(([la, lo]) => [lo, la]));

// The capital of every state: the place GeoNames marks PPLC, or the table's.
export function capitalsOf(rows) {
  const byId = Object.fromEntries(rows.map((r) => [r.id, r]));
  const capitals = {};
  for (const r of rows) if (r.fcode === 'PPLC' && STATES.has(r.cc)) capitals[r.cc] = r;
  for (const [cc, id] of Object.entries(exceptions.capitals.ids)) capitals[cc] = byId[id];
  for (const s of STATES) if (!capitals[s]) console.warn('no capital for', s);
  return capitals;
}

// The cities of a million or more that a second source confirms (names.mjs),
// biggest first, without those within 20 km of a bigger one or a capital of
// their state.
export function bigCities(rows, capitals, confirmed) {
  const unconfirmed = [];
  const big = rows.filter((r) => r.pop >= 1000000 && okCodes.has(r.fcode) && STATES.has(r.cc)).filter((r) => confirmed(r) || !unconfirmed.push(r.name)).sort((a, b) => b.pop - a.pop || (a.id < b.id ? -1 : 1));
  const capIds = new Set(Object.values(capitals).map((r) => r.id));
  const kept = [];
  for (const r of big) {
    if (capIds.has(r.id)) continue;
    const near = [...kept, ...Object.values(capitals)].some((o) => o.cc === r.cc && o.id !== r.id && (o.pop >= r.pop || capIds.has(o.id)) && km(o, r) < 20);
    if (!near) kept.push(r);
  }
  console.warn('cities not confirmed by the second source:', unconfirmed.filter((n) => !Object.values(capitals).some((c) => c.name === n)).join(', '));
  return kept;
}

// The records of Ort1.crp: the capitals in code order, then the cities by
// state, biggest first. turnOf(state) gives the turn of the globe that the
// state's places take (Samoa past 180).
export function worldPlaces(capitals, cities, placeNames, turnOf) {
  const places = [];
  for (const cc of Object.keys(capitals).sort()) {
    const r = capitals[cc];
    places.push({ id: r.id, names: placeNames(r), niva: 1, capital: true, cc, cont: placeContinent(cc, r.lat, r.lon), lat: r.lat, lon: r.lon });
  }
  for (const r of cities.sort((a, b) => (a.cc < b.cc ? -1 : a.cc > b.cc ? 1 : b.pop - a.pop))) {
    places.push({ id: r.id, names: placeNames(r), niva: 2, capital: false, cc: r.cc, cont: placeContinent(r.cc, r.lat, r.lon), lat: r.lat, lon: r.lon });
  }
  for (const p of places) if (capitals[p.cc]) p.lon += turnOf(p.cc);
  return places;
}

// The city exercises of the catalogue (level 2) keep their markers 8 pixels
// apart at 1024 x 700 (the map screen on a 1024 x 768 desktop), a pixel more
// as a margin against later changes of the outlines that fit a view. Places
// they ask carry `Klass2`, which those exercises require. Only the exercises
// of Ort1.crp: the other place files space their own.
export function spaceWorldCities(places, maps, catalogue, capitals, cities) {
  const exercises = names.placeExercises(catalogue).filter((e) => e.places === 1);
  const viewOf = (e) => {
    if (e.view) return { view: e.view };
    const areas = maps[e.map - 1].areas.filter((a) => a.ring.length && e.items.some((k) => k === a.key || k === a.g1 || k === a.g2));
    return { fit: areas.map((a) => bbox(a.ring.map(([lat, lon]) => [lon, lat]))) };
  };
  const pop = Object.fromEntries([...Object.values(capitals), ...cities].map((r) => [r.id, r.pop]));
  const asked = names.spaceCities(places.map((p) => ({ ...p, pop: pop[p.id] })), exercises, viewOf);
  for (const p of places) p.cities = asked.has(p.id);
  console.warn('places left to the capital exercises or a closer view, for spacing:', places.filter((p) => !p.cities).map((p) => p.names[1]).join(', '));
}

// A capital that the simplified outlines leave in the water (a coast, an
// estuary, an atoll) is moved to the nearest point within 1 degree that lies
// in its country on the world map and on its continent's map.
export function capitalsOntoLand(places, maps) {
  const { world, byContinent } = homeMaps();
  const moved = [];
  for (const p of places) {
    if (!p.capital) continue;
    const rings = [world, byContinent[p.cont]].map((id) => maps[id - 1].areas.filter((a) => a.key === p.cc || a.g1 === p.cc).map((a) => a.ring));
    if (rings.some((rs) => !rs.length)) continue;
    const ok = (lat, lon) => rings.every((rs) => rs.some((r) => pointInRing(lat, lon, r)));
    if (ok(p.lat, p.lon)) continue;
    const best = nearestWhere(p.lon, p.lat, (lon, lat) => ok(lat, lon), { step: 0.02, rounds: 50, round: round4 });
    if (best) { const [lon, lat] = best; moved.push(`${p.names[1]} ${Math.round(km(p, { lat, lon }))} km`); p.lat = lat; p.lon = lon; }
  }
  console.warn('capitals moved onto land:', moved.join(', '));
}

// The seat of each first-order division of a country: the place GeoNames
// marks as its seat (PPLA), else the country's capital (PPLC: the District of
// Columbia, the Australian Capital Territory).
export function seatsOf(rows, cc) {
  const byAdmin = {};
  for (const r of rows) {
    if (r.cc !== cc || (r.fcode !== 'PPLA' && r.fcode !== 'PPLC')) continue;
    const prev = byAdmin[r.admin1];
    if (!prev || (prev.fcode === 'PPLC' && r.fcode === 'PPLA')) byAdmin[r.admin1] = r;
  }
  return Object.values(byAdmin);
}

// The capitals of a close-up map, at (x, y) where at(key, r) puts them (moved
// with their insets); one that the outlines leave in the water moves to the
// nearest point well inside its own subdivision. capitalOf: key -> row.
export function closeUpCapitals(m, areas, capitalOf, at, placeNames, moved) {
  const out = [];
  for (const key of Object.keys(capitalOf).sort()) {
    const r = capitalOf[key];
    const own = ringsOf(areas, key);
    let { x, y } = at(key, r);
    if (!wellInside(own, x, y)) {
      const best = nearestWhere(x, y, (px, py) => wellInside(own, px, py), { step: 0.01, rounds: 60 });
      // A seat on a sliver of land (Daman, on a coastal strip of 5 km)
      // stays on it rather than moving into another piece of its division.
      const far = best && km({ lat: y, lon: x }, { lat: best[1], lon: best[0] }) > 12 && own.some((q) => pointInRing(x, y, q));
      if (far) moved.push(`${r.name} (kept on its land)`);
      else if (best) { moved.push(`${r.name} ${Math.round(km({ lat: y, lon: x }, { lat: best[1], lon: best[0] }))} km`); [x, y] = best; }
      else moved.push(`${r.name} (no place found)`);
    }
    out.push({ id: r.id, names: placeNames(r), niva: 1, capital: true, cities: false, cc: key, cont: m.states ? 'STAD' : key.split('-')[0], lat: round4(y), lon: round4(x) });
  }
  return out;
}

// The Nordic map's further places: towns (GeoNames, biggest first), kept 9
// pixels (8 and one as a margin) from every place asked with them at
// 1024 x 700: a Swedish town from the other places of Sweden in Sweden's view
// (ownTownsExercise: the exercise of Sweden's towns asks them all); Klass2 for the places that
// stand as far apart in the view of the five states (the exercise of the
// Nordic towns asks those); a town of another state only with Klass2. Then
// the lakes, islands and peaks of the hand table, each with Klass2 (their
// exercises ask every one of them, 8 pixels apart by construction).
export function nordicPlaces(m, areas, caps, moved, rows, placeNames) {
  const boundsOf = (keys) => areas.filter((a) => keys.includes(a.key) || keys.includes(a.g1)).map((a) => bbox(a.ring.map(([la, lo]) => [lo, la])));
  const home = m.states.map((s) => a3to2[s]);
  const own = exceptions.ownTownsExercise.state;
  const onLand = (cc, x, y) => wellInside(ringsOf(areas, cc), x, y);
  const towns = [];
  for (const r of rows.filter((r) => home.includes(r.cc) && okCodes.has(r.fcode) && r.pop >= m.towns.minPop && !caps.some((c) => c.id === r.id))
    .sort((a, b) => b.pop - a.pop || (a.id < b.id ? -1 : 1))) {
    let { lat, lon } = r;
    let shift = '';
    if (!onLand(r.cc, lon, lat)) {
      const best = nearestWhere(lon, lat, (x, y) => onLand(r.cc, x, y), { step: 0.01, rounds: 30 });
      if (!best) continue;
      shift = `${r.name} ${Math.round(km(r, { lat: best[1], lon: best[0] }))} km`;
      [lon, lat] = best;
    }
    towns.push({ shift, p: { id: r.id, names: placeNames(r), niva: 2, capital: false, cities: false, cc: r.cc, cont: 'STAD', lat: round4(lat), lon: round4(lon) } });
  }
  const [swedish, nordic] = projectPlaces([{ fit: boundsOf([own]) }, { fit: boundsOf(home) }], [...caps, ...towns.map((t) => t.p)], 1024, 700);
  const apart = (view, p, list) => list.every((q) => { const [x1, y1] = view.at(p), [x2, y2] = view.at(q); return Math.hypot(x1 - x2, y1 - y2) >= 9; });
  for (const c of caps) c.cities = apart(nordic, c, caps.filter((q) => q !== c));
  const inSweden = caps.filter((c) => c.cc === own);
  const klass2 = caps.filter((c) => c.cities);
  const out = [];
  for (const { shift, p } of towns) {
    p.cities = apart(nordic, p, klass2);
    if (p.cc === own) {
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
