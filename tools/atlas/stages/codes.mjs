// SPDX-License-Identifier: GPL-3.0-or-later
// Codes, continents and names of states and territories: the source's
// alpha-3 codes to ISO alpha-2, CLDR's containment to the program's
// continents, CLDR's names in the program's languages.
import { createRequire } from 'node:module';
import tables from '../tables.mjs';
import exceptions from './exceptions.mjs';
import * as names from '../names.mjs';
import { pointInRing } from './geometry.mjs';

const require = createRequire(import.meta.url);
const LANGS = names.LANGS;

const codeMappings = require('cldr-core/supplemental/codeMappings.json').supplemental.codeMappings;
export const a3to2 = {};
for (const [a2, m] of Object.entries(codeMappings)) if (m._alpha3 && /^[A-Z]{2}$/.test(a2)) a3to2[m._alpha3] = a2;
Object.assign(a3to2, exceptions.alpha3Extra.codes);

const containment = require('cldr-core/supplemental/territoryContainment.json').supplemental.territoryContainment;
const parentsOf = {};
for (const [region, v] of Object.entries(containment)) {
  if (region.includes('-status')) continue;
  for (const c of v._contains || []) (parentsOf[c] = parentsOf[c] || []).push(region);
}
export function continentOf(code) {
  if (exceptions.continent.codes[code]) return exceptions.continent.codes[code];
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
export const STATES = new Set(tables.states);

export function countryNames(code) {
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

// A place of a state that the boundary of Europe and Asia crosses lies on
// one side of it (Yekaterinburg in Asia, Istanbul in Europe).
export function placeContinent(cc, lat, lon) {
  if (!exceptions.acrossEuropeAsia.codes.includes(cc)) return continentOf(cc);
  return pointInRing(lon, lat, tables.europeAsia.map(([y, x]) => [x, y])) ? 'EUR' : 'ASI';
}
