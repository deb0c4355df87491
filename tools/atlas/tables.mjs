// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-written tables of the atlas. Everything that is a choice rather than a
// fact of the sources lives here, so the README can list it.

// The 193 members of the United Nations plus Vatican City, Palestine, Kosovo
// and Taiwan.
const states = `AD AE AF AG AL AM AO AR AT AU AZ BA BB BD BE BF BG BH BI BJ BN BO BR BS BT BW BY BZ
CA CD CF CG CH CI CL CM CN CO CR CU CV CY CZ DE DJ DK DM DO DZ EC EE EG ER ES ET FI FJ FM FR
GA GB GD GE GH GM GN GQ GR GT GW GY HN HR HT HU ID IE IL IN IQ IR IS IT JM JO JP KE KG KH KI
KM KN KP KR KW KZ LA LB LC LI LK LR LS LT LU LV LY MA MC MD ME MG MH MK ML MM MN MR MT MU MV
MW MX MY MZ NA NE NG NI NL NO NP NR NZ OM PA PE PG PH PK PL PS PT PW PY QA RO RS RU RW SA SB
SC SD SE SG SI SK SL SM SN SO SR SS ST SV SY SZ TD TG TH TJ TL TM TN TO TR TT TV TW TZ UA UG
US UY UZ VA VC VE VN VU WS XK YE ZA ZM ZW`.split(/\s+/);

// CLDR region to the program's continent codes.
const regionContinent = {
  '002': 'AFR', '150': 'EUR', '142': 'ASI', '009': 'AUS',
  '021': 'NOR', '013': 'NOR', '029': 'NOR', '005': 'SYD',
};
// Europe's side of its boundary with Asia (lat, lon), which the maps and the
// menu pictures keep: the Urals along 60 degrees east, the Ural River to the
// Caspian, the Caucasus watershed (Elbrus in Europe), the Black Sea, the
// Bosporus (Istanbul's centre in Europe), the Sea of Marmara, the Dardanelles
// and the Aegean. The places of the states it crosses take the continent of
// the side they lie on (acrossEuropeAsia in stages/exceptions.mjs).
const europeAsia = [[90, 60], [54, 60], [51.2, 58.6], [51.74, 55.1], [51.2, 51.4], [47.1, 51.9], [46.9, 51.9],
  [41.2, 49.3], [42.7, 44.6], [43.2, 41.5], [43.4, 40.0], [41.25, 29.12], [41.0, 29.0], [40.6, 27.3], [40.1, 26.35],
  [39.8, 26.0], [35.5, 27.0], [30, 32], [30, -30], [90, -30]];

// Lakes kept in the water file: a point inside each, and the names.
// Order: sv, en, fr, de, es, it, da, nl.
// westOf: a meridian that the drawing pinches the lake at; its second seed
// lies west of it.
const L = (key, lat, lon, names, westOf) => ({ key, lat, lon, names: names.split('|'), westOf });
// The name of a lake that no table names (further lakes of the 1:50m layer).
const lakeWord = 'Sjö|Lake|Lac|See|Lago|Lago|Sø|Meer'.split('|');
const lakes = [
  L('SUPERIOR', 47.7, -87.5, 'Övre sjön|Lake Superior|Lac Supérieur|Oberer See|Lago Superior|Lago Superiore|Lake Superior|Bovenmeer'),
  L('MICHIGANHURON', 44.8, -82.4, 'Michigan- och Huronsjön|Lakes Michigan and Huron|Lacs Michigan et Huron|Michigan- und Huronsee|Lagos Míchigan y Hurón|Laghi Michigan e Huron|Michigan- og Huronsøen|Michigan- en Huronmeer', -84.75),
  L('ERIE', 42.2, -81.2, 'Eriesjön|Lake Erie|Lac Érié|Eriesee|Lago Erie|Lago Erie|Eriesøen|Eriemeer'),
  L('ONTARIO', 43.7, -77.9, 'Ontariosjön|Lake Ontario|Lac Ontario|Ontariosee|Lago Ontario|Lago Ontario|Ontariosøen|Ontariomeer'),
  L('GREATBEAR', 66.0, -121.0, 'Stora björnsjön|Great Bear Lake|Grand lac de l\'Ours|Großer Bärensee|Gran Lago del Oso|Grande Lago degli Orsi|Great Bear Lake|Groot Berenmeer'),
  L('GREATSLAVE', 61.7, -114.0, 'Stora slavsjön|Great Slave Lake|Grand lac des Esclaves|Großer Sklavensee|Gran Lago del Esclavo|Grande Lago degli Schiavi|Great Slave Lake|Groot Slavenmeer'),
  L('WINNIPEG', 52.1, -97.3, 'Winnipegsjön|Lake Winnipeg|Lac Winnipeg|Winnipegsee|Lago Winnipeg|Lago Winnipeg|Winnipegsøen|Winnipegmeer'),
  L('ATHABASCA', 59.1, -110.0, 'Athabascasjön|Lake Athabasca|Lac Athabasca|Athabascasee|Lago Athabasca|Lago Athabasca|Athabascasøen|Athabascameer'),
  L('NICARAGUA', 11.5, -85.4, 'Nicaraguasjön|Lake Nicaragua|Lac Nicaragua|Nicaraguasee|Lago de Nicaragua|Lago Nicaragua|Nicaraguasøen|Meer van Nicaragua'),
  L('TITICACA', -15.8, -69.4, 'Titicacasjön|Lake Titicaca|Lac Titicaca|Titicacasee|Lago Titicaca|Lago Titicaca|Titicacasøen|Titicacameer'),
  L('VICTORIA', -1.0, 33.0, 'Victoriasjön|Lake Victoria|Lac Victoria|Victoriasee|Lago Victoria|Lago Vittoria|Victoriasøen|Victoriameer'),
  L('TANGANYIKA', -6.5, 29.8, 'Tanganyikasjön|Lake Tanganyika|Lac Tanganyika|Tanganjikasee|Lago Tanganica|Lago Tanganica|Tanganyikasøen|Tanganyikameer'),
  L('MALAWI', -12.0, 34.6, 'Malawisjön|Lake Malawi|Lac Malawi|Malawisee|Lago Malaui|Lago Malawi|Malawisøen|Malawimeer'),
  L('TURKANA', 3.6, 36.1, 'Turkanasjön|Lake Turkana|Lac Turkana|Turkanasee|Lago Turkana|Lago Turkana|Turkanasøen|Turkanameer'),
  L('LADOGA', 60.9, 31.5, 'Ladoga|Lake Ladoga|Lac Ladoga|Ladogasee|Lago Ladoga|Lago Ladoga|Ladoga|Ladogameer'),
  L('ONEGA', 61.7, 35.4, 'Onega|Lake Onega|Lac Onega|Onegasee|Lago Onega|Lago Onega|Onega|Onegameer'),
  L('VANERN', 58.9, 13.3, 'Vänern|Lake Vänern|Lac Vänern|Vänern|Lago Vänern|Lago Vänern|Vänern|Vänermeer'),
  L('VATTERN', 58.3, 14.5, 'Vättern|Lake Vättern|Lac Vättern|Vättern|Lago Vättern|Lago Vättern|Vättern|Vättermeer'),
  L('PEIPUS', 58.7, 27.5, 'Peipus|Lake Peipus|Lac Peïpous|Peipussee|Lago Peipus|Lago dei Ciudi|Peipus-søen|Peipusmeer'),
  L('BAIKAL', 53.5, 108.0, 'Bajkalsjön|Lake Baikal|Lac Baïkal|Baikalsee|Lago Baikal|Lago Bajkal|Bajkalsøen|Baikalmeer'),
  L('BALKHASH', 46.5, 74.5, 'Balchasjsjön|Lake Balkhash|Lac Balkhach|Balchaschsee|Lago Baljash|Lago Balqaš|Balkhasjsøen|Balkasjmeer'),
  L('ISSYKKUL', 42.4, 77.3, 'Issyk-Kul|Issyk-Kul|Issyk-Koul|Yssykköl|Issyk-Kul|Issyk-Kul|Issyk-Kul|Issyk Koel'),
  L('VAN', 38.6, 42.9, 'Vansjön|Lake Van|Lac de Van|Vansee|Lago de Van|Lago di Van|Vansøen|Vanmeer'),
  L('REINDEER', 57.3, -102.3, 'Reindeer Lake|Reindeer Lake|Lac Reindeer|Reindeer Lake|Lago Reindeer|Lago Reindeer|Reindeer Lake|Reindeer Lake'),
  L('WINNIPEGOSIS', 52.4, -100.0, 'Winnipegosis|Lake Winnipegosis|Lac Winnipegosis|Winnipegosissee|Lago Winnipegosis|Lago Winnipegosis|Winnipegosis|Winnipegosismeer'),
  L('ALBERT', 1.7, 30.9, 'Albertsjön|Lake Albert|Lac Albert|Albertsee|Lago Alberto|Lago Alberto|Albertsøen|Albertmeer'),
  L('TONLESAP', 12.9, 104.1, 'Tonle Sap|Tonlé Sap|Tonlé Sap|Tonle Sap|Tonlé Sap|Tonlé Sap|Tonle Sap|Tonle Sap'),
  L('QINGHAI', 36.9, 100.2, 'Qinghaisjön|Qinghai Lake|Lac Qinghai|Qinghai-See|Lago Qinghai|Lago Qinghai|Qinghai-søen|Qinghaimeer'),
  L('KARIBA', -17.0, 28.0, 'Karibasjön|Lake Kariba|Lac Kariba|Karibasee|Lago Kariba|Lago Kariba|Karibasøen|Karibameer'),
  L('CHAD', 13.0, 14.5, 'Tchadsjön|Lake Chad|Lac Tchad|Tschadsee|Lago Chad|Lago Ciad|Tchadsøen|Tsjaadmeer'),
  L('VOLTA', 7.7, 0.0, 'Voltasjön|Lake Volta|Lac Volta|Volta-Stausee|Lago Volta|Lago Volta|Voltasøen|Voltameer'),
  L('NASSER', 22.5, 31.8, 'Nassersjön|Lake Nasser|Lac Nasser|Nassersee|Lago Nasser|Lago Nasser|Nassersøen|Nassermeer'),
  L('KIVU', -2.1, 29.1, 'Kivusjön|Lake Kivu|Lac Kivu|Kiwusee|Lago Kivu|Lago Kivu|Kivusøen|Kivumeer'),
  L('MWERU', -9.1, 28.7, 'Mwerusjön|Lake Mweru|Lac Moero|Mwerusee|Lago Mweru|Lago Mweru|Mwerusøen|Mwerumeer'),
  L('KHANKA', 45.0, 132.4, 'Chankasjön|Lake Khanka|Lac Khanka|Chankasee|Lago Janka|Lago Chanka|Khankasøen|Chankameer'),
  L('ARAL', 45.6, 59.6, 'Aralsjön|Aral Sea|Mer d\'Aral|Aralsee|Mar de Aral|Lago d\'Aral|Aralsøen|Aralmeer'),
  L('URMIA', 37.7, 45.4, 'Urmiasjön|Lake Urmia|Lac d\'Ourmia|Urmiasee|Lago Urmia|Lago di Urmia|Urmiasøen|Urmiameer'),
  L('EYRE', -28.4, 137.3, 'Eyresjön|Lake Eyre|Lac Eyre|Eyresee|Lago Eyre|Lago Eyre|Eyresøen|Eyremeer'),
  L('TAUPO', -38.8, 175.9, 'Tauposjön|Lake Taupo|Lac Taupo|Tauposee|Lago Taupo|Lago Taupo|Tauposøen|Taupomeer'),
];

// The six maps. frame: the box (degrees) that land is clipped to; weight:
// the simplification level (Visvalingam triangle area, square degrees);
// keepPiece: the smallest further piece (island) kept, by the radius of the
// largest circle inside it (degrees of latitude, in the map's proportions);
// every state keeps its largest piece and the
// piece that holds its capital, however small; home: the continents whose
// states the map is for (other states appear as context when `context` is set);
// keepTerritory: a territory (not a state) whose largest circle is at least
// that keeps its outline as context land (keepPiece where not given);
// keepIslands: islands kept whatever their size, by a point on each (lat,
// lon): long thin islands that a school map shows although no circle of
// keepPiece fits in them.
// finish: how the atlas tool finishes the map: seaPoints, the spread sea
// points it starts with before the patches fill the rest (10 where not
// given, as on the maps of divisions); refine, the size its second seeds are
// placed at (1024 x 700 where not given); seaView, a further view its sea
// points must serve.
const M = (o) => ({ maxRing: 480, maxPieces: 40, territories: true, context: true, lakes: true, finish: { seaPoints: 25 }, ...o });
const maps = [
  M({ id: 1, name: 'world', frame: { w: -200, e: 200, s: -60, n: 85 }, weight: 0.01, keepPiece: 0.2, home: ['EUR', 'NOR', 'SYD', 'ASI', 'AFR', 'AUS'], lakes: true, maxPieces: 40, keepTerritory: 0.1,
     finish: { seaPoints: 31, refine: [1920, 1048], seaView: { n: 84, s: -58, e: 190, w: -170 } },
     // Banks Island: asked among the world's largest islands; Martinique and
     // Guadeloupe (France), in the chain of the Lesser Antilles.
     keepIslands: [[72.8, -121.5], [14.65, -61.02], [16.15, -61.68], [16.35, -61.4]] }),
  M({ id: 2, name: 'Europe', frame: { w: -25, e: 70, s: 30, n: 72 }, weight: 0.0008, keepPiece: 0.05, home: ['EUR'], maxPieces: 90 }),
  M({ id: 3, name: 'North America', frame: { w: -190, e: -10, s: 0, n: 84 }, weight: 0.003, keepPiece: 0.1, home: ['NOR'], maxPieces: 80, finish: { seaPoints: 8 },
     // Grand Bahama, Abaco, Eleuthera; Martinique and Guadeloupe.
     keepIslands: [[26.62, -78.4], [26.45, -77.15], [24.77, -76.23], [14.65, -61.02], [16.15, -61.68], [16.35, -61.4]] }),
  M({ id: 4, name: 'Africa', frame: { w: -40, e: 80, s: -42, n: 45 }, weight: 0.003, keepPiece: 0.1, home: ['AFR'] }),
  M({ id: 5, name: 'Asia', frame: { w: 20, e: 160, s: -15, n: 62 }, weight: 0.003, keepPiece: 0.12, home: ['ASI'] }),
  M({ id: 6, name: 'Oceania', frame: { w: 105, e: 240, s: -50, n: 25 }, weight: 0.002, keepPiece: 0.12, home: ['AUS'] }),
];

// Seas that outlines cut off at small sizes: each sea-point file starts with
// those of these points that lie on its map.
const S = (name, lat, lon) => ({ name, lat, lon });
const seas = [
  S('Mediterranean Sea', 35.5, 17.0), S('Adriatic Sea', 42.5, 16.0), S('Aegean Sea', 38.5, 25.0),
  S('Black Sea', 43.2, 34.5), S('Sea of Azov', 46.0, 36.5), S('Caspian Sea', 41.5, 50.8),
  S('Baltic Sea', 57.5, 19.8), S('Gulf of Bothnia', 62.5, 19.8), S('Gulf of Finland', 59.8, 25.5),
  S('White Sea', 65.5, 38.0), S('North Sea', 56.5, 3.5), S('Red Sea', 20.5, 38.3),
  S('Persian Gulf', 27.2, 50.8), S('Gulf of Oman', 24.5, 58.5), S('Hudson Bay', 59.5, -85.5),
  S('Gulf of Mexico', 25.5, -90.5), S('Caribbean Sea', 15.5, -74.5), S('Gulf of California', 27.5, -111.3),
  S('Gulf of St. Lawrence', 48.5, -62.0), S('Sea of Okhotsk', 55.0, 150.0), S('Sea of Japan', 40.5, 134.5),
  S('Yellow Sea', 36.0, 123.5), S('South China Sea', 12.5, 113.5), S('Bay of Bengal', 15.5, 88.5),
  S('Arabian Sea', 15.5, 64.5), S('Gulf of Carpentaria', -14.0, 139.0), S('Tasman Sea', -38.5, 160.5),
  S('Java Sea', -5.0, 111.0), S('Baffin Bay', 73.0, -65.0), S('Beaufort Sea', 72.0, -140.0),
  S('Bering Sea', 58.0, -178.0), S('Gulf of Guinea', 2.0, 3.0), S('Mozambique Channel', -18.0, 41.0),
];

export default { seas, states, regionContinent, lakes, lakeWord, europeAsia, maps };

// ---------- maps of states and provinces (maps 7 onwards) --------------------
// country: the source's code of the country whose subdivisions are asked;
// code: its ISO code (Grupp2 of every subdivision); context: neighbours drawn
// as land that no exercise asks (ISO alpha-3 of the source); frame: the box
// that land is clipped to; insets: subdivisions moved and scaled into the
// frame (to: the centre they move to, lat and lon), as maps of the country
// draw them; weight: simplification level (square degrees); keepPiece: the
// smallest island kept (radius of its largest inner circle, degrees); every
// subdivision keeps its largest piece however small; lakes: keys of the shared lake table and
// of `subLakes` drawn as water on the map; drop: source units left out.
const SM = (o) => ({ maxRing: 480, maxPieces: 40, insets: [], drop: [], lakes: [], ...o });
export const subMaps = [
  SM({ id: 7, name: 'United States', country: 'USA', code: 'US', frame: { w: -127, e: -66.3, s: 21.5, n: 50 }, context: ['CAN', 'MEX', 'CUB', 'BHS'],
       // Both insets lie on the Pacific west of Baja California, clear of Mexico's land,
       // framed, and no further west or south than the frames need: a view fitted to the
       // whole country keeps Washington, D.C. and Annapolis 8 pixels apart at 1024 x 700.
       insets: [{ unit: 'AK', scale: 0.3, to: [25.2, -120.9557] }, { unit: 'HI', scale: 1, to: [29.48, -120.67] }],
       weight: 0.0004, keepPiece: 0.06,
       // Lake Nipigon's south half lies inside the frame, on Canada's land.
       lakes: ['SUPERIOR', 'MICHIGANHURON', 'ERIE', 'ONTARIO', 'GREATSALT', 'OKEECHOBEE', 'WOODS', 'CHAMPLAIN', 'NIPIGON'] }),
  SM({ id: 8, name: 'Canada', country: 'CAN', code: 'CA', frame: { w: -142, e: -52, s: 41.0, n: 83.5 }, context: ['USA', 'GRL'],
       weight: 0.003, keepPiece: 0.06, maxPieces: 90,
       lakes: ['SUPERIOR', 'MICHIGANHURON', 'ERIE', 'ONTARIO', 'GREATBEAR', 'GREATSLAVE', 'WINNIPEG', 'ATHABASCA', 'REINDEER', 'WINNIPEGOSIS', 'WOODS', 'NIPIGON', 'MISTASSINI', 'NETTILLING', 'DUBAWNT', 'GREATSALT'] }),
  // The Nordic map: the five states are asked (Åland belongs to Finland);
  // towns of at least `towns.minPop` people are candidates for its place file.
  SM({ id: 9, name: 'Norden', states: ['SWE', 'NOR', 'DNK', 'FIN', 'ISL'], merge: { ALA: 'FIN' }, frame: { w: -25, e: 33, s: 54, n: 71.5 },
       context: ['RUS', 'EST', 'LVA', 'LTU', 'BLR', 'POL', 'DEU', 'GBR', 'IRL', 'FRO', 'IMN', 'GRL'],
       weight: 0.0008, keepPiece: 0.03, maxPieces: 90, placeFile: 4, towns: { minPop: 15000 },
       lakes: ['VANERN', 'VATTERN', 'MALAREN', 'HJALMAREN', 'STORSJON', 'SILJAN', 'MJOSA', 'SAIMAA', 'PAIJANNE', 'INARI', 'LADOGA', 'ONEGA', 'PEIPUS'] }),
  SM({ id: 10, name: 'Brazil', country: 'BRA', code: 'BR', frame: { w: -75, e: -33.5, s: -34.5, n: 6 }, context: ['ARG', 'URY', 'PRY', 'BOL', 'PER', 'COL', 'VEN', 'GUY', 'SUR', 'FRA', 'ECU', 'CHL'],
       weight: 0.002, keepPiece: 0.05, lakes: ['PATOS', 'MIRIM', 'TITICACA'] }),
  SM({ id: 11, name: 'Australia', country: 'AUS', code: 'AU', frame: { w: 111, e: 155, s: -44.5, n: -9 }, context: ['PNG', 'IDN', 'TLS'],
       // The Jervis Bay Territory, some 70 square kilometres on the coast of New South Wales,
       // is no unit a school atlas asks among the states and territories, and at this map's
       // scale it lies within a pixel of that coast.
       drop: ['JB'], unitKeys: { QL: 'QLD', TS: 'TAS', VI: 'VIC', CT: 'ACT', NS: 'NSW' },
       weight: 0.002, keepPiece: 0.05, lakes: ['EYRE', 'TORRENS', 'GAIRDNER'] }),
  // The divisions that schools teach, from the 1:10m admin-1 layer (source
  // 'admin1'): the country whole, its neighbours as context; their capitals go
  // to their own place file. The frames stop short of Lake Geneva (left out of
  // every map's lakes, so it would lie dry) and, on the Swedish map, of Saimaa
  // and of Norway's west coast, whose 1:10m fjords the simplified coast leaves
  // blobs of at 1920 x 1048.
  SM({ id: 12, name: 'Germany', source: 'admin1', country: 'DEU', code: 'DE', frame: { w: 0, e: 21, s: 46.6, n: 56 },
       context: ['DNK', 'NLD', 'BEL', 'LUX', 'FRA', 'GBR', 'CHE', 'LIE', 'AUT', 'ITA', 'SVN', 'HRV', 'HUN', 'SVK', 'CZE', 'POL', 'RUS', 'LTU', 'SWE'],
       weight: 0.0001, keepPiece: 0.004, maxPieces: 90, placeFile: 5 }),
  SM({ id: 13, name: 'Sweden', source: 'admin1', country: 'SWE', code: 'SE', frame: { w: 9.0, e: 26.6, s: 54.7, n: 69.6 },
       context: ['NOR', 'FIN', 'DNK', 'DEU', 'POL', 'RUS', 'LTU', 'LVA', 'EST'], merge: { ALD: 'FIN' },
       weight: 0.0003, keepPiece: 0.006, maxPieces: 90, placeFile: 5,
       lakes: ['VANERN', 'VATTERN', 'MALAREN', 'HJALMAREN', 'STORSJON', 'SILJAN'] }),
  SM({ id: 14, name: 'Poland', source: 'admin1', country: 'POL', code: 'PL', frame: { w: 9.5, e: 29, s: 47.8, n: 56.2 },
       context: ['DEU', 'CZE', 'SVK', 'UKR', 'BLR', 'LTU', 'RUS', 'LVA', 'SWE', 'DNK', 'AUT', 'HUN', 'ROU', 'MDA'],
       weight: 0.0001, keepPiece: 0.004, maxPieces: 90, placeFile: 5 }),
  // Switzerland's cantons and Austria's Länder on one map (`also`): each
  // exercise asks one country's divisions, fitted to it. Lake Geneva, which
  // the further lakes leave out (lakesLeftOut), is drawn here by name.
  SM({ id: 15, name: 'Switzerland and Austria', source: 'admin1', country: 'CHE', also: ['AUT'], code: 'CH', frame: { w: 4.0, e: 19.0, s: 44.6, n: 50.2 },
       context: ['FRA', 'DEU', 'ITA', 'LIE', 'CZE', 'SVK', 'HUN', 'SVN', 'HRV', 'POL', 'BIH'],
       weight: 0.00005, keepPiece: 0.004, maxPieces: 90, placeFile: 5, lakes: ['GENEVA'] }),
  // Norway's 15 fylker as in force since 2024, joined from the layer's 19
  // (divisionJoins); Svalbard and Bouvet Island are no fylke. Saimaa, at the
  // frame's south-east, is drawn by name: the further lakes leave it out.
  SM({ id: 16, name: 'Norway', source: 'admin1', country: 'NOR', code: 'NO', frame: { w: 3.0, e: 32.5, s: 57.3, n: 71.6 },
       context: ['SWE', 'FIN', 'RUS', 'DNK'], drop: ['NO-21', 'NO-X01~'],
       weight: 0.0002, keepPiece: 0.01, maxPieces: 90, placeFile: 5, lakes: ['SAIMAA'] }),
  // Finland's 19 regions (maakunnat), Åland among them (merged into Finland,
  // its outline whole from divisionReplace).
  SM({ id: 17, name: 'Finland', source: 'admin1', country: 'FIN', code: 'FI', frame: { w: 17.0, e: 33.0, s: 58.8, n: 70.4 },
       context: ['SWE', 'NOR', 'RUS', 'EST'], merge: { ALD: 'FIN' },
       weight: 0.0003, keepPiece: 0.006, maxPieces: 90, placeFile: 5, lakes: ['SAIMAA'] }),
  // Denmark's five regions, Bornholm with the capital region.
  SM({ id: 18, name: 'Denmark', source: 'admin1', country: 'DNK', code: 'DK', frame: { w: 6.0, e: 17.0, s: 53.4, n: 58.3 },
       context: ['DEU', 'SWE', 'NOR', 'POL'],
       weight: 0.00005, keepPiece: 0.004, maxPieces: 90, placeFile: 5 }),
  // Italy's 20 regions, joined from the layer's provinces by their region
  // (joinBy: the layer's field and the ISO 3166-2 key of each value). Lake
  // Geneva, in the frame's north-west corner, is drawn by name. The frame
  // holds the exercise's view at 1920 x 1048 (the Balearics to the Ionian
  // Sea).
  SM({ id: 19, name: 'Italy', source: 'admin1', country: 'ITA', code: 'IT', frame: { w: -1.5, e: 24.5, s: 35.0, n: 47.8 },
       context: ['FRA', 'CHE', 'AUT', 'SVN', 'HRV', 'SMR', 'VAT', 'MLT', 'LIE', 'DEU', 'BIH', 'MNE', 'ALB', 'TUN', 'DZA', 'GRC', 'HUN', 'SRB', 'MCO',
                 'ESP', 'AND', 'MAR', 'MKD', 'BGR', 'ROU', 'KOS', 'SVK', 'CZE', 'UKR'],
       joinBy: { field: 'region', keys: {
         'Piemonte': 'IT-21', "Valle d'Aosta": 'IT-23', 'Lombardia': 'IT-25', 'Trentino-Alto Adige': 'IT-32', 'Veneto': 'IT-34',
         'Friuli-Venezia Giulia': 'IT-36', 'Liguria': 'IT-42', 'Emilia-Romagna': 'IT-45', 'Toscana': 'IT-52', 'Umbria': 'IT-55',
         'Marche': 'IT-57', 'Lazio': 'IT-62', 'Abruzzo': 'IT-65', 'Molise': 'IT-67', 'Campania': 'IT-72', 'Apulia': 'IT-75',
         'Basilicata': 'IT-77', 'Calabria': 'IT-78', 'Sicily': 'IT-82', 'Sardegna': 'IT-88' } },
       weight: 0.0003, keepPiece: 0.008, maxPieces: 90, placeFile: 5, lakes: ['GENEVA'] }),
  // Mexico's 31 states and Mexico City (the layer's Distrito Federal, see
  // divisionJoins).
  SM({ id: 20, name: 'Mexico', source: 'admin1', country: 'MEX', code: 'MX', frame: { w: -120.5, e: -83.3, s: 13.3, n: 33.7 },
       context: ['USA', 'GTM', 'BLZ', 'HND', 'SLV', 'CUB'],
       weight: 0.0005, keepPiece: 0.01, maxPieces: 90, placeFile: 5 }),
  // France's 13 metropolitan régions joined from the départements (joinBy
  // region), the five overseas in insets on the Atlantic west of France, as
  // French maps draw them; Lake Geneva by name.
  SM({ id: 21, name: 'France', source: 'admin1', country: 'FRA', code: 'FR', frame: { w: -13.0, e: 18.0, s: 40.3, n: 52.2 },
       context: ['ESP', 'AND', 'PRT', 'MCO', 'ITA', 'CHE', 'DEU', 'LUX', 'BEL', 'NLD', 'GBR', 'IRL', 'AUT', 'LIE', 'SMR', 'VAT', 'SVN', 'HRV', 'CZE', 'DZA', 'TUN', 'BIH', 'DNK', 'IMN', 'GGY', 'JEY', 'MLT'],
       joinBy: { field: 'region', keys: {
         'Auvergne-Rhône-Alpes': 'FR-ARA', 'Bourgogne-Franche-Comté': 'FR-BFC', 'Bretagne': 'FR-BRE', 'Centre-Val de Loire': 'FR-CVL',
         'Corse': 'FR-20R', 'Grand Est': 'FR-GES', 'Hauts-de-France': 'FR-HDF', 'Île-de-France': 'FR-IDF', 'Normandie': 'FR-NOR',
         'Nouvelle-Aquitaine': 'FR-NAQ', 'Occitanie': 'FR-OCC', 'Pays de la Loire': 'FR-PDL', "Provence-Alpes-Côte-d'Azur": 'FR-PAC',
         'Guadeloupe': 'FR-971', 'Martinique': 'FR-972', 'Guyane française': 'FR-973', 'Réunion': 'FR-974', 'Mayotte': 'FR-976' } },
       // Two columns on the sea, clear of Galicia, Ireland and each other.
       insets: [{ unit: 'FR-973', scale: 0.4, to: [47.5, -11.0] }, { unit: 'FR-971', scale: 1, to: [44.9, -11.0] },
                { unit: 'FR-972', scale: 1, to: [49.8, -10.5] }, { unit: 'FR-974', scale: 1, to: [46.6, -8.0] },
                { unit: 'FR-976', scale: 1, to: [44.8, -8.0] }],
       weight: 0.0002, keepPiece: 0.008, maxPieces: 90, placeFile: 5, lakes: ['GENEVA'] }),
  // Japan's 47 prefectures where they lie, Okinawa and the Ogasawara Islands
  // (Tokyo) in the frame; the Kurils as the layer draws them, in Russia.
  SM({ id: 22, name: 'Japan', source: 'admin1', country: 'JPN', code: 'JP', frame: { w: 122.6, e: 148.0, s: 23.9, n: 46.0 },
       context: ['RUS', 'KOR', 'PRK', 'CHN'],
       weight: 0.0003, keepPiece: 0.008, maxPieces: 90, placeFile: 5 }),
  // Spain's 17 autonomous communities and the autonomous cities of Ceuta and
  // Melilla, joined from the layer's provinces (joinBy region, which names
  // the Canaries twice); the Canaries in an inset on the Atlantic west of
  // Portugal, as Spanish maps draw them.
  SM({ id: 23, name: 'Spain', source: 'admin1', country: 'ESP', code: 'ES', frame: { w: -16.0, e: 5.0, s: 34.8, n: 44.4 },
       context: ['PRT', 'FRA', 'AND', 'MAR', 'DZA', 'GIB'],
       joinBy: { field: 'region', keys: {
         'Andalucía': 'ES-AN', 'Aragón': 'ES-AR', 'Asturias': 'ES-AS', 'Canarias': 'ES-CN', 'Canary Is.': 'ES-CN', 'Cantabria': 'ES-CB',
         'Castilla y León': 'ES-CL', 'Castilla-La Mancha': 'ES-CM', 'Cataluña': 'ES-CT', 'Extremadura': 'ES-EX', 'Galicia': 'ES-GA',
         'Islas Baleares': 'ES-IB', 'La Rioja': 'ES-RI', 'Madrid': 'ES-MD', 'Murcia': 'ES-MC', 'Foral de Navarra': 'ES-NC',
         'País Vasco': 'ES-PV', 'Valenciana': 'ES-VC', 'Ceuta': 'ES-CE', 'Melilla': 'ES-ML' } },
       insets: [{ unit: 'ES-CN', scale: 1, to: [36.3, -14.6] }],
       weight: 0.0002, keepPiece: 0.008, maxPieces: 90, placeFile: 5 }),
  // The United Kingdom's four nations, England as its nine regions, joined
  // from the layer's counties and unitary authorities by their region (the
  // layer's statistical regions of Scotland, Wales and Northern Ireland go
  // to their nation).
  SM({ id: 24, name: 'United Kingdom', source: 'admin1', country: 'GBR', code: 'GB', frame: { w: -11.0, e: 2.5, s: 49.0, n: 61.0 },
       context: ['IRL', 'IMN', 'GGY', 'JEY', 'FRA'],
       joinBy: { field: 'region', keys: {
         'North East': 'GB-NE', 'North West': 'GB-NW', 'Yorkshire and the Humber': 'GB-YH', 'East Midlands': 'GB-EM',
         'West Midlands': 'GB-WM', 'East': 'GB-EE', 'Greater London': 'GB-LN', 'South East': 'GB-SE', 'South West': 'GB-SW',
         'Eastern': 'GB-SCT', 'South Western': 'GB-SCT', 'Highlands and Islands': 'GB-SCT', 'North Eastern': 'GB-SCT',
         'West Wales and the Valleys': 'GB-WLS', 'East Wales': 'GB-WLS', 'Northern Ireland': 'GB-NIR' } },
       weight: 0.0002, keepPiece: 0.006, maxPieces: 90, placeFile: 5 }),
  // India's 28 states and 8 union territories as they stand since 2020 (the
  // layer already draws Ladakh apart from Jammu and Kashmir, and Dadra and
  // Nagar Haveli with Daman and Diu); the Siachen Glacier, which the layer
  // draws apart, with Ladakh (divisionJoins), as the world map gives it to
  // India.
  SM({ id: 25, name: 'India', source: 'admin1', country: 'IND', code: 'IN', frame: { w: 66.5, e: 98.5, s: 5.8, n: 37.6 },
       context: ['PAK', 'CHN', 'NPL', 'BTN', 'BGD', 'MMR', 'LKA', 'AFG', 'TJK', 'MDV', 'THA', 'IDN'], merge: { KAS: 'IND' },
       weight: 0.0003, keepPiece: 0.008, maxPieces: 90, placeFile: 5 }),
  // China's 22 provinces, 5 autonomous regions and 4 municipalities, with
  // Hong Kong and Macao, which the layer keeps as countries of their own
  // (merged here, their districts joined: divisionJoins), as special
  // administrative regions. Taiwan is drawn as the world map draws it, a
  // state of its own that no exercise of this map asks; the Paracel Islands,
  // which several states claim, are left out, as the Spratlys are. Lake
  // Balkhash, at the frame's north-west, by name (the 1:50m layer lacks it).
  SM({ id: 26, name: 'China', source: 'admin1', country: 'CHN', code: 'CN', frame: { w: 72.5, e: 135.5, s: 17.0, n: 54.0 },
       context: ['MNG', 'RUS', 'KAZ', 'KGZ', 'TJK', 'UZB', 'AFG', 'PAK', 'IND', 'NPL', 'BTN', 'BGD', 'MMR', 'LAO', 'VNM', 'THA', 'PRK', 'KOR', 'TWN', 'JPN', 'PHL'],
       merge: { HKG: 'CHN', MAC: 'CHN', KAS: 'IND' }, drop: ['CN-X01~'],
       weight: 0.002, keepPiece: 0.02, maxPieces: 90, placeFile: 5, lakes: ['BALKHASH'] }),
];

// Lakes of the maps of states and provinces that the shared lake table lacks.
export const subLakes = [
  L('GENEVA', 46.45, 6.5, 'Genèvesjön|Lake Geneva|Lac Léman|Genfersee|Lago Lemán|Lago Lemano|Genfersøen|Meer van Genève'),
  L('GREATSALT', 41.1, -112.5, 'Stora Saltsjön|Great Salt Lake|Grand Lac Salé|Großer Salzsee|Gran Lago Salado|Grande Lago Salato|Great Salt Lake|Great Salt Lake'),
  L('OKEECHOBEE', 26.95, -80.8, 'Okeechobeesjön|Lake Okeechobee|Lac Okeechobee|Okeechobeesee|Lago Okeechobee|Lago Okeechobee|Okeechobeesøen|Okeechobeemeer'),
  L('WOODS', 49.3, -94.9, 'Lake of the Woods|Lake of the Woods|Lac des Bois|Lake of the Woods|Lago de los Bosques|Lago dei Boschi|Lake of the Woods|Lake of the Woods'),
  L('CHAMPLAIN', 44.5, -73.3, 'Champlainsjön|Lake Champlain|Lac Champlain|Champlainsee|Lago Champlain|Lago Champlain|Champlainsøen|Champlainmeer'),
  L('NIPIGON', 49.8, -88.5, 'Nipigonsjön|Lake Nipigon|Lac Nipigon|Nipigonsee|Lago Nipigon|Lago Nipigon|Nipigonsøen|Nipigonmeer'),
  L('MISTASSINI', 51.0, -73.6, 'Mistassinisjön|Lake Mistassini|Lac Mistassini|Mistassinisee|Lago Mistassini|Lago Mistassini|Mistassinisøen|Mistassinimeer'),
  L('NETTILLING', 66.5, -70.5, 'Nettillingsjön|Nettilling Lake|Lac Nettilling|Nettilling-See|Lago Nettilling|Lago Nettilling|Nettillingsøen|Nettillingmeer'),
  L('PATOS', -31.0, -51.2, 'Lagoa dos Patos|Lagoa dos Patos|Lagune des Patos|Lagoa dos Patos|Laguna de los Patos|Laguna dos Patos|Lagoa dos Patos|Lagoa dos Patos'),
  L('MIRIM', -32.7, -52.8, 'Mirimlagunen|Lagoa Mirim|Lagune Mirim|Lagoa Mirim|Laguna Merín|Laguna Mirim|Lagoa Mirim|Lagoa Mirim'),
  L('TORRENS', -30.8, 137.9, 'Torrenssjön|Lake Torrens|Lac Torrens|Torrenssee|Lago Torrens|Lago Torrens|Torrenssøen|Torrensmeer'),
  L('GAIRDNER', -31.6, 136.0, 'Gairdnersjön|Lake Gairdner|Lac Gairdner|Gairdnersee|Lago Gairdner|Lago Gairdner|Gairdnersøen|Gairdnermeer'),
  L('DUBAWNT', 63.1, -101.5, 'Dubawntsjön|Dubawnt Lake|Lac Dubawnt|Dubawnt-See|Lago Dubawnt|Lago Dubawnt|Dubawntsøen|Dubawntmeer'),
];
