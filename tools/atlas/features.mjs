// SPDX-License-Identifier: GPL-3.0-or-later
// The world's seas, islands, mountains and river mouths as the place file
// Ort2.crp: one record per feature of the hand table (the Nordic ones belong
// to the Nordic map's own file), keyed for the exercises that ask them:
// Grupp1 the kind (HAV O BERG FLOD), Grupp2 the continent, Grupp3 "VARLD" for
// what the world map asks. A sea between two continents gets a second record
// for the other continent's exercise, at level 2 and without a kind, so that
// no exercise asks it twice. Every record carries Klass2: the exercises keep
// every feature they ask 8 pixels from every other one by construction, since
// a feature that would lie closer to one asked before it is left out here.
import { features } from './handtables.mjs';
import { bbox } from './stages/geometry.mjs';
import { projectPlaces } from './stages/projection.mjs';

// The exercises that ask these places, as far as spacing needs them; an entry
// of the catalogue with the same number replaces its line here (its map,
// level, items and view). World exercises fit no areas: they show the whole
// map.
export const featureExercises = [
  { number: 29, map: 1, level: 1, items: ['HAV'] },
  { number: 30, map: 1, level: 1, items: ['O'] },
  { number: 90, map: 1, level: 1, items: ['BERG', 'FLOD'] },
  { number: 74, map: 2, level: 2, items: ['EUR'] },
  { number: 82, map: 3, level: 2, items: ['NOR'] },
  { number: 28, map: 1, level: 2, items: ['SYD'], view: [14, -57, -62] },
  { number: 86, map: 5, level: 2, items: ['ASI'] },
  { number: 89, map: 4, level: 2, items: ['AFR'] },
  { number: 60, map: 6, level: 2, items: ['AUS'] },
];

const W = 1024, H = 700, GAP = 9; // 8 pixels, and one as a margin

function catalogueEntries(catalogue) {
  const byNumber = new Map();
  for (const e of catalogue) {
    if (e.number && e.kind === 'ORT') byNumber.set(+e.number, e);
  }
  return byNumber;
}

// The exercises, each with its view given or, as the program fits it, the
// bounds of the areas of its items (the whole map where no area matches).
function exercisesWithViews(maps, catalogue) {
  const byNumber = catalogueEntries(catalogue);
  return featureExercises.map((base) => {
    const c = byNumber.get(base.number);
    const e = c ? {
      number: base.number, map: +c.map, level: +(c.level || base.level),
      items: (c.items || '').split(/\s+/).filter(Boolean),
      view: c.view ? c.view.split(/\s+/).map(Number) : base.view,
    } : { ...base };
    if (e.view) return { e, view: { view: e.view } };
    const areas = maps[e.map - 1].areas.filter((a) => a.ring.length >= 3);
    const asked = areas.filter((a) => e.items.some((k) => k === a.key || k === a.g1 || k === a.g2));
    return { e, view: { fit: (asked.length ? asked : areas).map((a) => bbox(a.ring.map(([lat, lon]) => [lon, lat]))) } };
  });
}

// As COrter::Valj selects: the level, and an item equal to a group key.
export const asks = (e, p) => p.niva <= e.level && e.items.some((k) => k === p.g1 || k === p.g2 || k === p.g3);

function records() {
  const out = [];
  for (const f of features) {
    if (f.cont === 'NORDEN') continue;
    // surface: where the marker must lie on every map that asks it (checked by
    // the atlas tool on the drawn maps).
    const surface = f.kind === 'HAV' || f.kind === 'FLOD' ? 'sea' : 'land';
    const base = { names: f.names, klass1: false, klass2: true, lat: f.lat, lon: f.lon, surface };
    out.push({ ...base, id: f.key, niva: f.niva, g1: f.kind, g2: f.cont, g3: f.niva === 1 ? 'VARLD' : '' });
    for (const c of f.also) out.push({ ...base, id: `${f.key}.${c}`, niva: 2, g1: '', g2: c, g3: '' });
  }
  return out;
}

// The records of Ort2.crp, and what was left out for spacing or for lying
// outside an exercise's view. The world's features come first, so a crowded
// continent loses its smaller ones.
export function worldFeaturePlaces(maps, catalogue) {
  const withViews = exercisesWithViews(maps, catalogue);
  const all = records();
  const projections = projectPlaces(withViews.map((x) => x.view), all, W, H);
  const exercises = withViews.map(({ e }, i) => ({ ...e, view: e.view || projections[i].view }));
  const kept = exercises.map(() => []);
  const places = [], leftOut = [];
  const order = [...all.filter((p) => p.niva === 1), ...all.filter((p) => p.niva !== 1)];
  for (const p of order) {
    let why = '';
    const spots = [];
    exercises.forEach((e, i) => {
      if (!asks(e, p)) return;
      const [x, y] = projections[i].at(p);
      if (x < 4 || y < 4 || x > W - 4 || y > H - 4) why ||= `outside the view of exercise ${e.number}`;
      const near = kept[i].find((q) => Math.hypot(q.x - x, q.y - y) < GAP);
      if (near) why ||= `within ${GAP} px of ${near.id} in exercise ${e.number}`;
      spots.push([i, x, y]);
    });
    if (why) { leftOut.push(`${p.id} (${why})`); continue; }
    for (const [i, x, y] of spots) kept[i].push({ id: p.id, x, y });
    places.push(p);
  }
  // File order: the hand table's.
  places.sort((a, b) => all.indexOf(a) - all.indexOf(b));
  return { places, leftOut, exercises };
}
