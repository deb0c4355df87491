// SPDX-License-Identifier: GPL-3.0-or-later
// The exceptions of the atlas: every place where a rule names a state, a
// subdivision or a map instead of following from the sources and the map
// tables. Each entry says what it does and why; the stages read this table
// and name no code themselves. (Naming choices live in names.mjs, the map
// settings in tables.mjs.)
export default {
  // ---------- sources ----------
  leftOut: {
    codes: ['AQ'],
    reason: 'Antarctica is left out of every file and picture: it is no state, and every map\'s frame ends north of it (the world map at 60 degrees south)',
  },
  alpha3Extra: {
    codes: { XKX: 'XK', IOA: 'CX', KOS: 'XK' },
    reason: 'the outline source codes Kosovo and Christmas Island with codes that are not ISO 3166 alpha-3; the admin-1 layer codes Kosovo KOS',
  },
  mergeInto: {
    pieces: { SOL: 'SO', CYN: 'CY', KAS: 'IN', ATC: 'AU' },
    reason: 'the outline source draws Somaliland, Northern Cyprus, the Siachen Glacier and the Ashmore and Cartier Islands apart, but each belongs to a state the United Nations recognises as holding it; merged, their shared border disappears',
  },

  // ---------- continents ----------
  continent: {
    codes: { CY: 'EUR' },
    reason: 'a school atlas puts Cyprus in Europe, where CLDR\'s containment puts it in Asia',
  },
  acrossEuropeAsia: {
    codes: ['RU', 'KZ', 'TR', 'GE', 'AZ'],
    reason: 'the boundary of Europe and Asia (europeAsia in tables.mjs) crosses these states: their places take the continent of the side they lie on (Yekaterinburg in Asia, Istanbul in Europe), the places of every other state take their state\'s',
  },

  // ---------- places ----------
  capitals: {
    ids: { IL: '281184', PS: '282239' },
    reason: 'GeoNames does not mark these capitals, or marks others: Israel, Jerusalem, the seat of its government; Palestine, Ramallah, the seat of its government (the capital it names, East Jerusalem, it does not administer). Jerusalem is one place, of Israel',
  },
  pastDateLine: {
    continent: 'AUS',
    capitalWestOf: -150,
    reason: 'states of Oceania whose capital lies east of 180 degrees (Samoa, Tonga) keep longitudes past 180 on every map, places included (Apia at 188.2), so that no map tears them',
  },
  ownTownsExercise: {
    state: 'SE',
    reason: 'on the Nordic map the exercise of Sweden\'s towns asks every Swedish town: a Swedish town is kept when it lies 9 pixels from every Swedish place kept before it in Sweden\'s view, where a town of another state is kept only when the exercise of the Nordic towns can ask it',
  },

  // ---------- maps ----------
  gatherPieces: {
    maps: [1],
    reason: 'the world map shows the whole globe once: a state\'s pieces move a turn next to its capital (Chukotka at 170-190 degrees, the Aleutians past -180), where the continent maps take each piece at the longitude that lies in their frame',
  },
  admin1Seats: {
    countries: ['USA'],
    reason: 'the source\'s codes of the US states are GeoNames\' admin1 codes, so they decide which state a seat is the capital of; elsewhere the outline that holds the seat decides',
  },
  divisionSeats: {
    seats: {
      'PL-LB': '3098722',
      // Norway: each fylkeskommune's seat, as the fylker stand since 2024.
      'NO-31': '3140084', 'NO-33': '3159016', 'NO-34': '3154084', 'NO-39': '3134331', 'NO-40': '3139075',
      'NO-42': '3149318', 'NO-46': '3161732', 'NO-50': '3136947', 'NO-55': '3133895', 'NO-56': '777073',
      // Åland: Mariehamn, which GeoNames files under its own code AX.
      'FI-01': '3041732',
      // Durango: GeoNames marks its capital Victoria de Durango a plain town (PPL).
      'MX-DUR': '4011743',
      // France's overseas regions: GeoNames files each under its own code.
      'FR-971': '3579732', 'FR-972': '3570675', 'FR-973': '3382160', 'FR-974': '935264', 'FR-976': '921815',
      // The Canaries share their capital between Santa Cruz de Tenerife and Las
      // Palmas de Gran Canaria, both PPLA: Santa Cruz, where the parliament sits.
      'ES-CN': '2511174',
      // London: GeoNames marks it the national capital (PPLC) and a village of
      // Berkshire, West Ilsley, the seat of England (PPLA).
      'GB-LN': '2643743',
      // India: Ladakh is governed from Leh (GeoNames marks Kargil, its second
      // seat); the joined Dadra and Nagar Haveli and Daman and Diu from Daman
      // (GeoNames still marks Silvassa too); Andhra Pradesh, whose seat GeoNames
      // lacks since Hyderabad went to Telangana in 2014, from Amaravati
      // (handSeats).
      'IN-LA': '1264976', 'IN-DH': '1273618', 'IN-AP': 'AMARAVATI',
      // Hong Kong and Macao: GeoNames files each under its own code.
      'CN-HK': '1819729', 'CN-MO': '1821274',
    },
    reason: 'the seat of a division where GeoNames marks another town, several or none (PPLA), or a division the layer does not hold as one unit: the seat of the government\'s representative, as the län and the residensstäder of Sweden. Lubusz: GeoNames marks Zielona Góra (the regional assembly\'s seat) and Gorzów Wielkopolski (the voivode\'s); the voivode\'s, as for Kuyavia-Pomerania (Bydgoszcz, not Torun)',
  },
  handSeats: {
    places: { AMARAVATI: { cc: 'IN', name: 'Amaravati', lat: 16.515, lon: 80.52 } },
    reason: 'seats that cities1000 lacks: Amaravati, the capital Andhra Pradesh has built since 2015, where its secretariat, assembly and high court sit (at Velagapudi and Nelapadu in Guntur district), a place of fewer than a thousand people in GeoNames\' table',
  },
  divisionReplace: {
    units: { ALD: { id: '248', key: 'FI-01' } },
    reason: 'the admin-1 layer lacks five of the sixteen municipalities of Åland (the north of its main island: Finström, Geta, Hammarland, Saltvik, Sund); Åland, which has no land border, takes its outline whole from the 1:10m admin-0 layer (world-atlas countries-10m, id 248) on every division map, as the region FI-01 of Finland',
  },
  divisionJoins: {
    units: {
      'NO-01': 'NO-31', 'NO-02': 'NO-32', 'NO-06': 'NO-33', 'NO-07': 'NO-39', 'NO-08': 'NO-40',
      'NO-09': 'NO-42', 'NO-10': 'NO-42', 'NO-04': 'NO-34', 'NO-05': 'NO-34', 'NO-12': 'NO-46', 'NO-14': 'NO-46',
      'NO-16': 'NO-50', 'NO-17': 'NO-50', 'NO-19': 'NO-55', 'NO-20': 'NO-56',
      'MX-DIF': 'MX-CMX', 'MX-X01~': 'MX-YUC', '-99-X06~': 'IN-LA',
      'HK-X01~': 'CN-HK', 'HK-X02~': 'CN-HK', 'HK-X03~': 'CN-HK', 'HK-X04~': 'CN-HK', 'HK-X05~': 'CN-HK', 'HK-X06~': 'CN-HK', 'HK-X07~': 'CN-HK', 'HK-X08~': 'CN-HK', 'HK-X09~': 'CN-HK', 'HK-X10~': 'CN-HK', 'HK-X11~': 'CN-HK', 'HK-X12~': 'CN-HK', 'HK-X13~': 'CN-HK', 'HK-X14~': 'CN-HK', 'HK-X15~': 'CN-HK', 'HK-X16~': 'CN-HK', 'HK-X17~': 'CN-HK', 'HK-X18~': 'CN-HK', 'MO-M': 'CN-MO',
    },
    reason: 'Norway: the layer draws the 19 fylker of before 2018; since 2024 there are 15 (Trøndelag from Sør- and Nord-Trøndelag in 2018; Agder, Innlandet and Vestland joined in 2020; Viken, Vestfold og Telemark and Troms og Finnmark of 2020 split again in 2024 into Østfold, Akershus, Buskerud, Vestfold, Telemark, Troms and Finnmark under new numbers). Each is the sum of the old ones; the few municipalities moved between them since (Jevnaker from Oppland to Akershus, Svelvik from Vestfold to Buskerud, parts of Tjeldsund from Nordland to Troms) stay where the layer draws them. China: the layer keeps Hong Kong (in its 18 districts) and Macao as countries of their own; since 1997 and 1999 they are special administrative regions of China (ISO 3166-2 CN-HK and CN-MO), each one outline here. India: the layer draws the Siachen Glacier (-99-X06~) apart; it belongs to Ladakh, as the world map gives it to India. Mexico: the Distrito Federal became Mexico City (Ciudad de México, ISO 3166-2 MX-CMX) in 2016; the layer draws the Arrecife Alacranes, a reef of Yucatán, as a unit without a name. Further: divisions of the admin-1 layer that have been joined or renumbered since it was drawn: each unit of the layer (its ISO 3166-2 key) goes to the key of the division that holds it today, joined units become one outline named from the hand table',
  },
  seatOutside: {
    divisions: { 'NO-32': 'Oslo', 'IN-PB': 'Chandigarh', 'IN-HR': 'Chandigarh' },
    reason: 'a division whose government sits outside it: Akershus is governed from Oslo, which is a fylke of its own; Punjab and Haryana from Chandigarh, a union territory of its own. They have no seat of their own on the map; their capitals exercise asks Oslo and Chandigarh once, as the capital of Oslo and of Chandigarh',
  },
  noSeat: {
    divisions: ['GB-NE', 'GB-NW', 'GB-YH', 'GB-EM', 'GB-WM', 'GB-EE', 'GB-SE', 'GB-SW'],
    reason: 'divisions with no government of their own: England\'s regions outside London are statistical regions (their assemblies were abolished in 2010), so they have no seat on the map and no capitals exercise asks them; the seat GeoNames gives England, the village of West Ilsley in Berkshire, is no seat at all',
  },
  westOf180: {
    units: ['AK'],
    reason: 'Alaska\'s Aleutians reach past 180 degrees: its rings are taken west of it, for the inset as for matching its capital',
  },

  // ---------- lakes ----------
  lakesLeftOut: {
    lakes: [
      { lat: 46.45, lon: 6.5, reason: 'Lake Geneva: drawn on the world map too, where it takes the pixel of Mont Blanc' },
      { lat: 49.9, lon: -88.55, reason: 'Lake Nipigon on the continent maps: at 2200 x 1200 on the North America map its fill spills into Canada (the Canada map draws it as its own lake)' },
    ],
    reason: 'further lakes of the 1:50m layer that a map would draw by the size rule but should not, each by a point inside it',
  },
};
