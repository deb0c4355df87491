// SPDX-License-Identifier: GPL-3.0-or-later
// Checks: what the atlas tool measures the drawn maps against. Every unit of
// the country source and every lake of the 1:50m layer at full detail, so that
// the atlas tool and the tests compare the drawn maps with the sources
// themselves rather than with the simplified outlines.
import { pointInRing } from './geometry.mjs';
import { STATES } from './codes.mjs';

// outlines: countryOutlines(); build: its ringBuilder; layers: lakeLayers();
// waters: every water area the maps draw.
export function measureReference(outlines, build, layers, waters) {
  const full = new Float64Array(outlines.arcs.length);
  const { features } = outlines;
  const reference = {
    countries: Object.keys(features).sort().map((code) => ({ code, state: STATES.has(code), rings: features[code].flatMap((poly) => poly.map((ring) => build(ring, full))) })),
    lakes: layers.geometries[0].flatMap(layers.polygonsOf),
  };
  // The lakes that the maps take from the 10 km layer, which the 1:50m layer
  // lacks (Tanganyika, Balkhash, Eyre, Mirim), are water in the reference too.
  for (const l of waters) {
    const [y, x] = l.s1;
    if (reference.lakes.some((p) => pointInRing(x, y, p[0]))) continue;
    for (const g of layers.geometries[1]) for (const p of layers.polygonsOf(g)) if (pointInRing(x, y, p[0])) reference.lakes.push(p);
  }
  return reference;
}
