// SPDX-License-Identifier: GPL-3.0-or-later
// Hand tables of names and facts that no open source gives in eight
// languages: the states and provinces of the subdivision maps, and the world's
// seas, islands, mountains and river mouths (with the lakes, islands and peaks
// of the Nordic map). Each name is the form a current school atlas of the
// language uses; where that is in doubt, the form of the language's major
// encyclopedia. Order of the names: sv en fr de es it da nl. Windows-1252 only.

// Windows-1252: Latin-1 without its control block, and the 27 letters and
// signs the code page puts at 0x80..0x9F.
const CP1252 = /^[\x20-\x7E\xA0-\xFF\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178]+$/;
const N = (s) => {
  const names = s.split('|');
  if (names.length !== 8) throw new Error(`handtables: not 8 names: ${s}`);
  for (const n of names) if (!CP1252.test(n) || n !== n.trim()) throw new Error(`handtables: not a Windows-1252 name: "${n}"`);
  return names;
};

// ---------- states, provinces and territories (ISO 3166-2) --------------------
export const subdivisions = {
  // United States: 50 states and the District of Columbia.
  'US-AL': N('Alabama|Alabama|Alabama|Alabama|Alabama|Alabama|Alabama|Alabama'),
  'US-AK': N('Alaska|Alaska|Alaska|Alaska|Alaska|Alaska|Alaska|Alaska'),
  'US-AZ': N('Arizona|Arizona|Arizona|Arizona|Arizona|Arizona|Arizona|Arizona'),
  'US-AR': N('Arkansas|Arkansas|Arkansas|Arkansas|Arkansas|Arkansas|Arkansas|Arkansas'),
  'US-CA': N('Kalifornien|California|Californie|Kalifornien|California|California|Californien|Californië'),
  'US-CO': N('Colorado|Colorado|Colorado|Colorado|Colorado|Colorado|Colorado|Colorado'),
  'US-CT': N('Connecticut|Connecticut|Connecticut|Connecticut|Connecticut|Connecticut|Connecticut|Connecticut'),
  'US-DE': N('Delaware|Delaware|Delaware|Delaware|Delaware|Delaware|Delaware|Delaware'),
  'US-DC': N('District of Columbia|District of Columbia|District de Columbia|District of Columbia|Distrito de Columbia|Distretto di Columbia|District of Columbia|District of Columbia'),
  'US-FL': N('Florida|Florida|Floride|Florida|Florida|Florida|Florida|Florida'),
  'US-GA': N('Georgia|Georgia|Géorgie|Georgia|Georgia|Georgia|Georgia|Georgia'),
  'US-HI': N('Hawaii|Hawaii|Hawaï|Hawaii|Hawái|Hawaii|Hawaii|Hawaï'),
  'US-ID': N('Idaho|Idaho|Idaho|Idaho|Idaho|Idaho|Idaho|Idaho'),
  'US-IL': N('Illinois|Illinois|Illinois|Illinois|Illinois|Illinois|Illinois|Illinois'),
  'US-IN': N('Indiana|Indiana|Indiana|Indiana|Indiana|Indiana|Indiana|Indiana'),
  'US-IA': N('Iowa|Iowa|Iowa|Iowa|Iowa|Iowa|Iowa|Iowa'),
  'US-KS': N('Kansas|Kansas|Kansas|Kansas|Kansas|Kansas|Kansas|Kansas'),
  'US-KY': N('Kentucky|Kentucky|Kentucky|Kentucky|Kentucky|Kentucky|Kentucky|Kentucky'),
  'US-LA': N('Louisiana|Louisiana|Louisiane|Louisiana|Luisiana|Louisiana|Louisiana|Louisiana'),
  'US-ME': N('Maine|Maine|Maine|Maine|Maine|Maine|Maine|Maine'),
  'US-MD': N('Maryland|Maryland|Maryland|Maryland|Maryland|Maryland|Maryland|Maryland'),
  'US-MA': N('Massachusetts|Massachusetts|Massachusetts|Massachusetts|Massachusetts|Massachusetts|Massachusetts|Massachusetts'),
  'US-MI': N('Michigan|Michigan|Michigan|Michigan|Míchigan|Michigan|Michigan|Michigan'),
  'US-MN': N('Minnesota|Minnesota|Minnesota|Minnesota|Minnesota|Minnesota|Minnesota|Minnesota'),
  'US-MS': N('Mississippi|Mississippi|Mississippi|Mississippi|Misisipi|Mississippi|Mississippi|Mississippi'),
  'US-MO': N('Missouri|Missouri|Missouri|Missouri|Misuri|Missouri|Missouri|Missouri'),
  'US-MT': N('Montana|Montana|Montana|Montana|Montana|Montana|Montana|Montana'),
  'US-NE': N('Nebraska|Nebraska|Nebraska|Nebraska|Nebraska|Nebraska|Nebraska|Nebraska'),
  'US-NV': N('Nevada|Nevada|Nevada|Nevada|Nevada|Nevada|Nevada|Nevada'),
  'US-NH': N('New Hampshire|New Hampshire|New Hampshire|New Hampshire|Nuevo Hampshire|New Hampshire|New Hampshire|New Hampshire'),
  'US-NJ': N('New Jersey|New Jersey|New Jersey|New Jersey|Nueva Jersey|New Jersey|New Jersey|New Jersey'),
  'US-NM': N('New Mexico|New Mexico|Nouveau-Mexique|New Mexico|Nuevo México|Nuovo Messico|New Mexico|Nieuw-Mexico'),
  'US-NY': N('New York|New York|New York|New York|Nueva York|New York|New York|New York'),
  'US-NC': N('North Carolina|North Carolina|Caroline du Nord|North Carolina|Carolina del Norte|Carolina del Nord|North Carolina|Noord-Carolina'),
  'US-ND': N('North Dakota|North Dakota|Dakota du Nord|North Dakota|Dakota del Norte|Dakota del Nord|North Dakota|Noord-Dakota'),
  'US-OH': N('Ohio|Ohio|Ohio|Ohio|Ohio|Ohio|Ohio|Ohio'),
  'US-OK': N('Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma'),
  'US-OR': N('Oregon|Oregon|Oregon|Oregon|Oregón|Oregon|Oregon|Oregon'),
  'US-PA': N('Pennsylvania|Pennsylvania|Pennsylvanie|Pennsylvania|Pensilvania|Pennsylvania|Pennsylvania|Pennsylvania'),
  'US-RI': N('Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island'),
  'US-SC': N('South Carolina|South Carolina|Caroline du Sud|South Carolina|Carolina del Sur|Carolina del Sud|South Carolina|Zuid-Carolina'),
  'US-SD': N('South Dakota|South Dakota|Dakota du Sud|South Dakota|Dakota del Sur|Dakota del Sud|South Dakota|Zuid-Dakota'),
  'US-TN': N('Tennessee|Tennessee|Tennessee|Tennessee|Tennessee|Tennessee|Tennessee|Tennessee'),
  'US-TX': N('Texas|Texas|Texas|Texas|Texas|Texas|Texas|Texas'),
  'US-UT': N('Utah|Utah|Utah|Utah|Utah|Utah|Utah|Utah'),
  'US-VT': N('Vermont|Vermont|Vermont|Vermont|Vermont|Vermont|Vermont|Vermont'),
  'US-VA': N('Virginia|Virginia|Virginie|Virginia|Virginia|Virginia|Virginia|Virginia'),
  'US-WA': N('Washington|Washington|Washington|Washington|Washington|Washington|Washington|Washington'),
  'US-WV': N('West Virginia|West Virginia|Virginie-Occidentale|West Virginia|Virginia Occidental|Virginia Occidentale|West Virginia|West-Virginia'),
  'US-WI': N('Wisconsin|Wisconsin|Wisconsin|Wisconsin|Wisconsin|Wisconsin|Wisconsin|Wisconsin'),
  'US-WY': N('Wyoming|Wyoming|Wyoming|Wyoming|Wyoming|Wyoming|Wyoming|Wyoming'),

  // Canada: 10 provinces, 3 territories.
  'CA-AB': N('Alberta|Alberta|Alberta|Alberta|Alberta|Alberta|Alberta|Alberta'),
  'CA-BC': N('British Columbia|British Columbia|Colombie-Britannique|British Columbia|Columbia Británica|Columbia Britannica|British Columbia|Brits-Columbia'),
  'CA-MB': N('Manitoba|Manitoba|Manitoba|Manitoba|Manitoba|Manitoba|Manitoba|Manitoba'),
  'CA-NB': N('New Brunswick|New Brunswick|Nouveau-Brunswick|New Brunswick|Nuevo Brunswick|Nuovo Brunswick|New Brunswick|New Brunswick'),
  'CA-NL': N('Newfoundland och Labrador|Newfoundland and Labrador|Terre-Neuve-et-Labrador|Neufundland und Labrador|Terranova y Labrador|Terranova e Labrador|Newfoundland og Labrador|Newfoundland en Labrador'),
  'CA-NS': N('Nova Scotia|Nova Scotia|Nouvelle-Écosse|Nova Scotia|Nueva Escocia|Nuova Scozia|Nova Scotia|Nova Scotia'),
  'CA-NT': N('Northwest Territories|Northwest Territories|Territoires du Nord-Ouest|Nordwest-Territorien|Territorios del Noroeste|Territori del Nord-Ovest|Northwest Territories|Noordwestterritoria'),
  'CA-NU': N('Nunavut|Nunavut|Nunavut|Nunavut|Nunavut|Nunavut|Nunavut|Nunavut'),
  'CA-ON': N('Ontario|Ontario|Ontario|Ontario|Ontario|Ontario|Ontario|Ontario'),
  'CA-PE': N('Prince Edward Island|Prince Edward Island|Île-du-Prince-Édouard|Prince Edward Island|Isla del Príncipe Eduardo|Isola del Principe Edoardo|Prince Edward Island|Prins Edwardeiland'),
  'CA-QC': N('Québec|Quebec|Québec|Québec|Quebec|Québec|Québec|Quebec'),
  'CA-SK': N('Saskatchewan|Saskatchewan|Saskatchewan|Saskatchewan|Saskatchewan|Saskatchewan|Saskatchewan|Saskatchewan'),
  'CA-YT': N('Yukon|Yukon|Yukon|Yukon|Yukón|Yukon|Yukon|Yukon'),

  // Brazil: 26 states and the Federal District.
  'BR-AC': N('Acre|Acre|Acre|Acre|Acre|Acre|Acre|Acre'),
  'BR-AL': N('Alagoas|Alagoas|Alagoas|Alagoas|Alagoas|Alagoas|Alagoas|Alagoas'),
  'BR-AP': N('Amapá|Amapá|Amapá|Amapá|Amapá|Amapá|Amapá|Amapá'),
  'BR-AM': N('Amazonas|Amazonas|Amazonas|Amazonas|Amazonas|Amazonas|Amazonas|Amazonas'),
  'BR-BA': N('Bahia|Bahia|Bahia|Bahia|Bahía|Bahia|Bahia|Bahia'),
  'BR-CE': N('Ceará|Ceará|Ceará|Ceará|Ceará|Ceará|Ceará|Ceará'),
  'BR-DF': N('Distrito Federal|Federal District|District fédéral|Bundesdistrikt|Distrito Federal|Distretto Federale|Distrito Federal|Federaal District'),
  'BR-ES': N('Espírito Santo|Espírito Santo|Espírito Santo|Espírito Santo|Espírito Santo|Espírito Santo|Espírito Santo|Espírito Santo'),
  'BR-GO': N('Goiás|Goiás|Goiás|Goiás|Goiás|Goiás|Goiás|Goiás'),
  'BR-MA': N('Maranhão|Maranhão|Maranhão|Maranhão|Maranhão|Maranhão|Maranhão|Maranhão'),
  'BR-MT': N('Mato Grosso|Mato Grosso|Mato Grosso|Mato Grosso|Mato Grosso|Mato Grosso|Mato Grosso|Mato Grosso'),
  'BR-MS': N('Mato Grosso do Sul|Mato Grosso do Sul|Mato Grosso do Sul|Mato Grosso do Sul|Mato Grosso del Sur|Mato Grosso do Sul|Mato Grosso do Sul|Mato Grosso do Sul'),
  'BR-MG': N('Minas Gerais|Minas Gerais|Minas Gerais|Minas Gerais|Minas Gerais|Minas Gerais|Minas Gerais|Minas Gerais'),
  'BR-PA': N('Pará|Pará|Pará|Pará|Pará|Pará|Pará|Pará'),
  'BR-PB': N('Paraíba|Paraíba|Paraíba|Paraíba|Paraíba|Paraíba|Paraíba|Paraíba'),
  'BR-PR': N('Paraná|Paraná|Paraná|Paraná|Paraná|Paraná|Paraná|Paraná'),
  'BR-PE': N('Pernambuco|Pernambuco|Pernambouc|Pernambuco|Pernambuco|Pernambuco|Pernambuco|Pernambuco'),
  'BR-PI': N('Piauí|Piauí|Piauí|Piauí|Piauí|Piauí|Piauí|Piauí'),
  'BR-RJ': N('Rio de Janeiro|Rio de Janeiro|Rio de Janeiro|Rio de Janeiro|Río de Janeiro|Rio de Janeiro|Rio de Janeiro|Rio de Janeiro'),
  'BR-RN': N('Rio Grande do Norte|Rio Grande do Norte|Rio Grande do Norte|Rio Grande do Norte|Río Grande del Norte|Rio Grande do Norte|Rio Grande do Norte|Rio Grande do Norte'),
  'BR-RS': N('Rio Grande do Sul|Rio Grande do Sul|Rio Grande do Sul|Rio Grande do Sul|Río Grande del Sur|Rio Grande do Sul|Rio Grande do Sul|Rio Grande do Sul'),
  'BR-RO': N('Rondônia|Rondônia|Rondônia|Rondônia|Rondonia|Rondônia|Rondônia|Rondônia'),
  'BR-RR': N('Roraima|Roraima|Roraima|Roraima|Roraima|Roraima|Roraima|Roraima'),
  'BR-SC': N('Santa Catarina|Santa Catarina|Santa Catarina|Santa Catarina|Santa Catarina|Santa Catarina|Santa Catarina|Santa Catarina'),
  'BR-SP': N('São Paulo|São Paulo|São Paulo|São Paulo|São Paulo|San Paolo|São Paulo|São Paulo'),
  'BR-SE': N('Sergipe|Sergipe|Sergipe|Sergipe|Sergipe|Sergipe|Sergipe|Sergipe'),
  'BR-TO': N('Tocantins|Tocantins|Tocantins|Tocantins|Tocantins|Tocantins|Tocantins|Tocantins'),

  // Australia: 6 states, 2 territories.
  'AU-NSW': N('Nya Sydwales|New South Wales|Nouvelle-Galles du Sud|Neusüdwales|Nueva Gales del Sur|Nuovo Galles del Sud|New South Wales|Nieuw-Zuid-Wales'),
  'AU-VIC': N('Victoria|Victoria|Victoria|Victoria|Victoria|Victoria|Victoria|Victoria'),
  'AU-QLD': N('Queensland|Queensland|Queensland|Queensland|Queensland|Queensland|Queensland|Queensland'),
  'AU-SA': N('Sydaustralien|South Australia|Australie-Méridionale|Südaustralien|Australia Meridional|Australia Meridionale|South Australia|Zuid-Australië'),
  'AU-WA': N('Västaustralien|Western Australia|Australie-Occidentale|Westaustralien|Australia Occidental|Australia Occidentale|Western Australia|West-Australië'),
  'AU-TAS': N('Tasmanien|Tasmania|Tasmanie|Tasmanien|Tasmania|Tasmania|Tasmanien|Tasmanië'),
  'AU-NT': N('Northern Territory|Northern Territory|Territoire du Nord|Nordterritorium|Territorio del Norte|Territorio del Nord|Northern Territory|Noordelijk Territorium'),
  'AU-ACT': N('Australian Capital Territory|Australian Capital Territory|Territoire de la capitale australienne|Australisches Hauptstadtterritorium|Territorio de la Capital Australiana|Territorio della Capitale Australiana|Australian Capital Territory|Australisch Hoofdstedelijk Territorium'),
};

// ---------- world features ---------------------------------------------------
// kind: HAV sea or ocean, O island, BERG mountain, FLOD river (the marker lies
// in open water off its mouth), SJO lake. cont: the continent whose exercise
// asks it (EUR NOR SYD ASI AFR AUS), '' for what only the world map asks (the
// oceans, the Arctic seas off Siberia, the rivers that reach them), NORDEN for
// the Nordic map. niva 1: asked on the world map too; 2: only on the continent
// map. also: further continents whose exercise asks it (a sea between two).
// lat, lon: a point on the feature as the maps draw it (seas in open water,
// islands and peaks on land); height in metres for the mountains.
const F = (key, kind, cont, lat, lon, niva, names, extra = {}) => ({
  key, kind, cont, lat, lon, height: 0, niva, names: N(names), also: [], ...extra,
});
const B = (key, cont, lat, lon, height, niva, names) => F(key, 'BERG', cont, lat, lon, niva, names, { height });

// Danish names of the divisions of the admin-1 maps (the layer has none), as
// Danish atlases print them: the German Länder mostly in German, with the
// Danish forms of the Danish-speaking past (Slesvig-Holsten, Hamborg); the
// Swedish län in Swedish; the Polish voivodeships as Danish reference works
// name them, "voivodskab" after the region's name; the Austrian Länder as the
// German ones, in German but Tyrol; the Norwegian fylker in Norwegian; the
// Finnish regions in Finnish, as Danish writes Finland's towns, but Lapland
// and the Swedish-speaking Österbotten; the Mexican states in Spanish; the
// Indian states and territories in English but West Bengal and the
// conjunctions; the Chinese provinces in pinyin, but Inner Mongolia.
const DA = (s) => Object.fromEntries(s.trim().split(/\n/).map((l) => l.trim().split(' ')).map(([k, ...n]) => [k, N(Array(8).fill(n.join(' ')).join('|'))[0]]));
export const danishDivisions = DA(`
  DE-BB Brandenburg
  DE-BE Berlin
  DE-BW Baden-Württemberg
  DE-BY Bayern
  DE-HB Bremen
  DE-HE Hessen
  DE-HH Hamborg
  DE-MV Mecklenburg-Vorpommern
  DE-NI Niedersachsen
  DE-NW Nordrhein-Westfalen
  DE-RP Rheinland-Pfalz
  DE-SH Slesvig-Holsten
  DE-SL Saarland
  DE-SN Sachsen
  DE-ST Sachsen-Anhalt
  DE-TH Thüringen
  SE-AB Stockholms län
  SE-AC Västerbottens län
  SE-BD Norrbottens län
  SE-C Uppsala län
  SE-D Södermanlands län
  SE-E Östergötlands län
  SE-F Jönköpings län
  SE-G Kronobergs län
  SE-H Kalmar län
  SE-I Gotlands län
  SE-K Blekinge län
  SE-M Skåne län
  SE-N Hallands län
  SE-O Västra Götalands län
  SE-S Värmlands län
  SE-T Örebro län
  SE-U Västmanlands län
  SE-W Dalarnas län
  SE-X Gävleborgs län
  SE-Y Västernorrlands län
  SE-Z Jämtlands län
  PL-DS Nedre Schlesiens voivodskab
  PL-KP Kujavien-Pommerns voivodskab
  PL-LB Lubusz voivodskab
  PL-LD Lódz voivodskab
  PL-LU Lublin voivodskab
  PL-MA Lillepolens voivodskab
  PL-MZ Masoviens voivodskab
  PL-OP Opole voivodskab
  PL-PD Podlasiens voivodskab
  PL-PK Karpatforlandets voivodskab
  PL-PM Pommerns voivodskab
  PL-SK Swietokrzyskie voivodskab
  PL-SL Schlesiens voivodskab
  PL-WN Ermland-Masurens voivodskab
  PL-WP Storpolens voivodskab
  PL-ZP Vestpommerns voivodskab
  AT-1 Burgenland
  AT-2 Kärnten
  AT-3 Niederösterreich
  AT-4 Oberösterreich
  AT-5 Salzburg
  AT-6 Steiermark
  AT-7 Tyrol
  AT-8 Vorarlberg
  AT-9 Wien
  NO-03 Oslo
  NO-11 Rogaland
  NO-15 Møre og Romsdal
  NO-18 Nordland
  NO-31 Østfold
  NO-32 Akershus
  NO-33 Buskerud
  NO-39 Vestfold
  NO-40 Telemark
  NO-55 Troms
  NO-56 Finnmark
  FI-02 Etelä-Karjala
  FI-03 Etelä-Pohjanmaa
  FI-04 Etelä-Savo
  FI-05 Kainuu
  FI-06 Kanta-Häme
  FI-07 Keski-Pohjanmaa
  FI-08 Keski-Suomi
  FI-09 Kymenlaakso
  FI-10 Lapland
  FI-11 Pirkanmaa
  FI-12 Österbotten
  FI-13 Pohjois-Karjala
  FI-14 Pohjois-Pohjanmaa
  FI-15 Pohjois-Savo
  FI-16 Päijät-Häme
  FI-17 Satakunta
  FI-18 Uusimaa
  FI-19 Varsinais-Suomi
  DK-81 Nordjylland
  DK-82 Midtjylland
  DK-83 Syddanmark
  DK-84 Hovedstaden
  DK-85 Sjælland
  MX-AGU Aguascalientes
  MX-BCN Baja California
  MX-BCS Baja California Sur
  MX-CAM Campeche
  MX-CHH Chihuahua
  MX-CHP Chiapas
  MX-COA Coahuila
  MX-COL Colima
  MX-DUR Durango
  MX-GRO Guerrero
  MX-GUA Guanajuato
  MX-HID Hidalgo
  MX-JAL Jalisco
  MX-MIC Michoacán
  MX-MOR Morelos
  MX-NAY Nayarit
  MX-NLE Nuevo León
  MX-OAX Oaxaca
  MX-PUE Puebla
  MX-QUE Querétaro
  MX-ROO Quintana Roo
  MX-SIN Sinaloa
  MX-SLP San Luis Potosí
  MX-SON Sonora
  MX-TAB Tabasco
  MX-TAM Tamaulipas
  MX-TLA Tlaxcala
  MX-VER Veracruz
  MX-ZAC Zacatecas
  IN-AN Andamanerne og Nikobarerne
  IN-AP Andhra Pradesh
  IN-AR Arunachal Pradesh
  IN-AS Assam
  IN-BR Bihar
  IN-CH Chandigarh
  IN-CT Chhattisgarh
  IN-DH Dadra og Nagar Haveli og Daman og Diu
  IN-DL Delhi
  IN-GA Goa
  IN-GJ Gujarat
  IN-HP Himachal Pradesh
  IN-HR Haryana
  IN-JH Jharkhand
  IN-JK Jammu og Kashmir
  IN-KA Karnataka
  IN-KL Kerala
  IN-LD Lakshadweep
  IN-MH Maharashtra
  IN-ML Meghalaya
  IN-MN Manipur
  IN-MP Madhya Pradesh
  IN-MZ Mizoram
  IN-NL Nagaland
  IN-PB Punjab
  IN-RJ Rajasthan
  IN-SK Sikkim
  IN-TG Telangana
  IN-TN Tamil Nadu
  IN-TR Tripura
  IN-UP Uttar Pradesh
  IN-UT Uttarakhand
  IN-WB Vestbengalen
  CN-AH Anhui
  CN-BJ Beijing
  CN-CQ Chongqing
  CN-FJ Fujian
  CN-GD Guangdong
  CN-GS Gansu
  CN-GX Guangxi
  CN-GZ Guizhou
  CN-HA Henan
  CN-HB Hubei
  CN-HE Hebei
  CN-HI Hainan
  CN-HL Heilongjiang
  CN-HN Hunan
  CN-JL Jilin
  CN-JS Jiangsu
  CN-JX Jiangxi
  CN-LN Liaoning
  CN-NM Indre Mongoliet
  CN-QH Qinghai
  CN-SC Sichuan
  CN-SD Shandong
  CN-SH Shanghai
  CN-SN Shaanxi
  CN-SX Shanxi
  CN-YN Yunnan
  CN-ZJ Zhejiang
`);

// The divisions of the admin-1 maps whose names the layer gives in no form
// an atlas prints (the Swiss cantons: "canton de Schaffhouse", "los Grisones",
// "Canton Sciaffusa"): the eight names by hand, each as the language's atlases
// and encyclopedias name the canton.
// Divisions that every language names alike: "KEY Name, KEY Name, ...".
const ALIKE = (s) => Object.fromEntries(s.split(',').map((e) => e.trim().split(' ')).map(([k, ...n]) => [k, N(Array(8).fill(n.join(' ')).join('|'))]));
export const divisionNames8 = {
  'CH-AG': N('Aargau|Aargau|Argovie|Aargau|Argovia|Argovia|Aargau|Aargau'),
  'CH-AI': N('Appenzell Innerrhoden|Appenzell Innerrhoden|Appenzell Rhodes-Intérieures|Appenzell Innerrhoden|Appenzell Rodas Interiores|Appenzello Interno|Appenzell Innerrhoden|Appenzell Innerrhoden'),
  'CH-AR': N('Appenzell Ausserrhoden|Appenzell Ausserrhoden|Appenzell Rhodes-Extérieures|Appenzell Ausserrhoden|Appenzell Rodas Exteriores|Appenzello Esterno|Appenzell Ausserrhoden|Appenzell Ausserrhoden'),
  'CH-BE': N('Bern|Bern|Berne|Bern|Berna|Berna|Bern|Bern'),
  'CH-BL': N('Basel-Landschaft|Basel-Landschaft|Bâle-Campagne|Basel-Landschaft|Basilea-Campiña|Basilea Campagna|Basel-Landschaft|Bazel-Landschaft'),
  'CH-BS': N('Basel-Stadt|Basel-Stadt|Bâle-Ville|Basel-Stadt|Basilea-Ciudad|Basilea Città|Basel-Stadt|Bazel-Stad'),
  'CH-FR': N('Fribourg|Fribourg|Fribourg|Freiburg|Friburgo|Friburgo|Fribourg|Fribourg'),
  'CH-GE': N('Genève|Geneva|Genève|Genf|Ginebra|Ginevra|Genève|Genève'),
  'CH-GL': N('Glarus|Glarus|Glaris|Glarus|Glaris|Glarona|Glarus|Glarus'),
  'CH-GR': N('Graubünden|Graubünden|Grisons|Graubünden|Grisones|Grigioni|Graubünden|Graubünden'),
  'CH-JU': N('Jura|Jura|Jura|Jura|Jura|Giura|Jura|Jura'),
  'CH-LU': N('Luzern|Lucerne|Lucerne|Luzern|Lucerna|Lucerna|Luzern|Luzern'),
  'CH-NE': N('Neuchâtel|Neuchâtel|Neuchâtel|Neuenburg|Neuchâtel|Neuchâtel|Neuchâtel|Neuchâtel'),
  'CH-NW': N('Nidwalden|Nidwalden|Nidwald|Nidwalden|Nidwalden|Nidvaldo|Nidwalden|Nidwalden'),
  'CH-OW': N('Obwalden|Obwalden|Obwald|Obwalden|Obwalden|Obvaldo|Obwalden|Obwalden'),
  'CH-SG': N('Sankt Gallen|St. Gallen|Saint-Gall|St. Gallen|San Galo|San Gallo|Sankt Gallen|Sankt Gallen'),
  'CH-SH': N('Schaffhausen|Schaffhausen|Schaffhouse|Schaffhausen|Schaffhausen|Sciaffusa|Schaffhausen|Schaffhausen'),
  'CH-SO': N('Solothurn|Solothurn|Soleure|Solothurn|Soleura|Soletta|Solothurn|Solothurn'),
  'CH-SZ': N('Schwyz|Schwyz|Schwytz|Schwyz|Schwyz|Svitto|Schwyz|Schwyz'),
  'CH-TG': N('Thurgau|Thurgau|Thurgovie|Thurgau|Turgovia|Turgovia|Thurgau|Thurgau'),
  'CH-TI': N('Ticino|Ticino|Tessin|Tessin|Tesino|Ticino|Ticino|Ticino'),
  'CH-UR': N('Uri|Uri|Uri|Uri|Uri|Uri|Uri|Uri'),
  'CH-VD': N('Vaud|Vaud|Vaud|Waadt|Vaud|Vaud|Vaud|Vaud'),
  'CH-VS': N('Valais|Valais|Valais|Wallis|Valais|Vallese|Valais|Wallis'),
  'CH-ZG': N('Zug|Zug|Zoug|Zug|Zug|Zugo|Zug|Zug'),
  'CH-ZH': N('Zürich|Zürich|Zurich|Zürich|Zúrich|Zurigo|Zürich|Zürich'),
  // The fylker of Norway joined since the layer was drawn (divisionJoins):
  // every language writes their Norwegian names.
  'NO-34': N('Innlandet|Innlandet|Innlandet|Innlandet|Innlandet|Innlandet|Innlandet|Innlandet'),
  'NO-42': N('Agder|Agder|Agder|Agder|Agder|Agder|Agder|Agder'),
  'NO-46': N('Vestland|Vestland|Vestland|Vestland|Vestland|Vestland|Vestland|Vestland'),
  'NO-50': N('Trøndelag|Trøndelag|Trøndelag|Trøndelag|Trøndelag|Trøndelag|Trøndelag|Trøndelag'),
  // Åland, from the admin-0 layer (divisionReplace), which names no region.
  'FI-01': N('Åland|Åland|Åland|Åland|Åland|Åland|Åland|Åland'),
  // Mexico City (the layer's Distrito Federal) and the State of Mexico, whose
  // names carry the word for city or state; Yucatán with its reef.
  'MX-CMX': N('Mexico City|Mexico City|Mexico|Mexiko-Stadt|Ciudad de México|Città del Messico|Mexico City|Mexico-Stad'),
  'MX-MEX': N('Mexiko|State of Mexico|État de Mexico|México|Estado de México|Stato del Messico|Mexico|Staat Mexico'),
  'MX-YUC': N('Yucatán|Yucatán|Yucatán|Yucatán|Yucatán|Yucatán|Yucatán|Yucatán'),
  // France's régions, joined from the layer's départements (joinBy).
  'FR-ARA': N('Auvergne-Rhône-Alpes|Auvergne-Rhône-Alpes|Auvergne-Rhône-Alpes|Auvergne-Rhône-Alpes|Auvergne-Ródano-Alpes|Alvernia-Rodano-Alpi|Auvergne-Rhône-Alpes|Auvergne-Rhône-Alpes'),
  'FR-BFC': N('Bourgogne-Franche-Comté|Bourgogne-Franche-Comté|Bourgogne-Franche-Comté|Bourgogne-Franche-Comté|Borgoña-Franco Condado|Borgogna-Franca Contea|Bourgogne-Franche-Comté|Bourgogne-Franche-Comté'),
  'FR-BRE': N('Bretagne|Brittany|Bretagne|Bretagne|Bretaña|Bretagna|Bretagne|Bretagne'),
  'FR-CVL': N('Centre-Val de Loire|Centre-Val de Loire|Centre-Val de Loire|Centre-Val de Loire|Centro-Valle de Loira|Centro-Valle della Loira|Centre-Val de Loire|Centre-Val de Loire'),
  'FR-20R': N('Korsika|Corsica|Corse|Korsika|Córcega|Corsica|Korsika|Corsica'),
  'FR-GES': N('Grand Est|Grand Est|Grand Est|Grand Est|Gran Este|Grand Est|Grand Est|Grand Est'),
  'FR-HDF': N('Hauts-de-France|Hauts-de-France|Hauts-de-France|Hauts-de-France|Alta Francia|Alta Francia|Hauts-de-France|Hauts-de-France'),
  'FR-IDF': N('Île-de-France|Île-de-France|Île-de-France|Île-de-France|Isla de Francia|Île-de-France|Île-de-France|Île-de-France'),
  'FR-NOR': N('Normandie|Normandy|Normandie|Normandie|Normandía|Normandia|Normandiet|Normandië'),
  'FR-NAQ': N('Nouvelle-Aquitaine|Nouvelle-Aquitaine|Nouvelle-Aquitaine|Nouvelle-Aquitaine|Nueva Aquitania|Nuova Aquitania|Nouvelle-Aquitaine|Nouvelle-Aquitaine'),
  'FR-OCC': N('Occitanien|Occitania|Occitanie|Okzitanien|Occitania|Occitania|Occitanien|Occitanië'),
  'FR-PDL': N('Pays de la Loire|Pays de la Loire|Pays de la Loire|Pays de la Loire|Países del Loira|Paesi della Loira|Pays de la Loire|Pays de la Loire'),
  'FR-PAC': N("Provence-Alpes-Côte d'Azur|Provence-Alpes-Côte d'Azur|Provence-Alpes-Côte d'Azur|Provence-Alpes-Côte d'Azur|Provenza-Alpes-Costa Azul|Provenza-Alpi-Costa Azzurra|Provence-Alpes-Côte d'Azur|Provence-Alpes-Côte d'Azur"),
  'FR-971': N('Guadeloupe|Guadeloupe|Guadeloupe|Guadeloupe|Guadalupe|Guadalupa|Guadeloupe|Guadeloupe'),
  'FR-972': N('Martinique|Martinique|Martinique|Martinique|Martinica|Martinica|Martinique|Martinique'),
  'FR-973': N('Franska Guyana|French Guiana|Guyane|Französisch-Guayana|Guayana Francesa|Guyana francese|Fransk Guyana|Frans-Guyana'),
  'FR-974': N('Réunion|Réunion|La Réunion|Réunion|Reunión|Riunione|Réunion|Réunion'),
  'FR-976': N('Mayotte|Mayotte|Mayotte|Mayotte|Mayotte|Mayotte|Mayotte|Mayotte'),
  // Italy's regions, joined from the layer's provinces (joinBy).
  'IT-21': N('Piemonte|Piedmont|Piémont|Piemont|Piamonte|Piemonte|Piemonte|Piëmont'),
  'IT-23': N("Valle d'Aosta|Aosta Valley|Vallée d'Aoste|Aostatal|Valle de Aosta|Valle d'Aosta|Valle d'Aosta|Valle d'Aosta"),
  'IT-25': N('Lombardiet|Lombardy|Lombardie|Lombardei|Lombardía|Lombardia|Lombardiet|Lombardije'),
  'IT-32': N('Trentino-Alto Adige|Trentino-Alto Adige|Trentin-Haut-Adige|Trentino-Südtirol|Trentino-Alto Adigio|Trentino-Alto Adige|Trentino-Alto Adige|Trentino-Zuid-Tirol'),
  'IT-34': N('Veneto|Veneto|Vénétie|Venetien|Véneto|Veneto|Veneto|Veneto'),
  'IT-36': N('Friuli-Venezia Giulia|Friuli-Venezia Giulia|Frioul-Vénétie Julienne|Friaul-Julisch Venetien|Friuli-Venecia Julia|Friuli-Venezia Giulia|Friuli-Venezia Giulia|Friuli-Venezia Giulia'),
  'IT-42': N('Ligurien|Liguria|Ligurie|Ligurien|Liguria|Liguria|Ligurien|Ligurië'),
  'IT-45': N('Emilia-Romagna|Emilia-Romagna|Émilie-Romagne|Emilia-Romagna|Emilia-Romaña|Emilia-Romagna|Emilia-Romagna|Emilia-Romagna'),
  'IT-52': N('Toscana|Tuscany|Toscane|Toskana|Toscana|Toscana|Toscana|Toscane'),
  'IT-55': N('Umbrien|Umbria|Ombrie|Umbrien|Umbría|Umbria|Umbrien|Umbrië'),
  'IT-57': N('Marche|Marche|Marches|Marken|Marcas|Marche|Marche|Marche'),
  'IT-62': N('Lazio|Lazio|Latium|Latium|Lacio|Lazio|Lazio|Lazio'),
  'IT-65': N('Abruzzo|Abruzzo|Abruzzes|Abruzzen|Abruzos|Abruzzo|Abruzzo|Abruzzen'),
  'IT-67': N('Molise|Molise|Molise|Molise|Molise|Molise|Molise|Molise'),
  'IT-72': N('Kampanien|Campania|Campanie|Kampanien|Campania|Campania|Campanien|Campanië'),
  'IT-75': N('Apulien|Apulia|Pouilles|Apulien|Apulia|Puglia|Apulien|Apulië'),
  'IT-77': N('Basilicata|Basilicata|Basilicate|Basilikata|Basilicata|Basilicata|Basilicata|Basilicata'),
  'IT-78': N('Kalabrien|Calabria|Calabre|Kalabrien|Calabria|Calabria|Calabrien|Calabrië'),
  'IT-82': N('Sicilien|Sicily|Sicile|Sizilien|Sicilia|Sicilia|Sicilien|Sicilië'),
  'IT-88': N('Sardinien|Sardinia|Sardaigne|Sardinien|Cerdeña|Sardegna|Sardinien|Sardinië'),
  // Japan's prefectures, which the layer names in mixed forms ("Kagoshima
  // prefektur", "Préfecture d'Ōita", Kagoshima): every language's atlases
  // print the name alone, in Hepburn without macrons (Hyogo, Kochi, Oita),
  // Tokyo and Kyoto as each language writes the city.
  ...ALIKE(`JP-01 Hokkaido, JP-02 Aomori, JP-03 Iwate, JP-04 Miyagi, JP-05 Akita, JP-06 Yamagata, JP-07 Fukushima,
    JP-08 Ibaraki, JP-09 Tochigi, JP-10 Gunma, JP-11 Saitama, JP-12 Chiba, JP-14 Kanagawa, JP-15 Niigata,
    JP-16 Toyama, JP-17 Ishikawa, JP-18 Fukui, JP-19 Yamanashi, JP-20 Nagano, JP-21 Gifu, JP-22 Shizuoka,
    JP-23 Aichi, JP-24 Mie, JP-25 Shiga, JP-27 Osaka, JP-28 Hyogo, JP-29 Nara, JP-30 Wakayama,
    JP-31 Tottori, JP-32 Shimane, JP-33 Okayama, JP-34 Hiroshima, JP-35 Yamaguchi, JP-36 Tokushima,
    JP-37 Kagawa, JP-38 Ehime, JP-39 Kochi, JP-40 Fukuoka, JP-41 Saga, JP-42 Nagasaki, JP-43 Kumamoto,
    JP-44 Oita, JP-45 Miyazaki, JP-46 Kagoshima, JP-47 Okinawa`),
  'JP-13': N('Tokyo|Tokyo|Tokyo|Tokio|Tokio|Tokyo|Tokyo|Tokio'),
  'JP-26': N('Kyoto|Kyoto|Kyoto|Kyoto|Kioto|Kyoto|Kyoto|Kyoto'),
  // Spain's autonomous communities, joined from the layer's provinces (joinBy).
  'ES-AN': N('Andalusien|Andalusia|Andalousie|Andalusien|Andalucía|Andalusia|Andalusien|Andalusië'),
  'ES-AR': N('Aragonien|Aragon|Aragon|Aragonien|Aragón|Aragona|Aragonien|Aragón'),
  'ES-AS': N('Asturien|Asturias|Asturies|Asturien|Asturias|Asturie|Asturien|Asturië'),
  'ES-CN': N('Kanarieöarna|Canary Islands|Îles Canaries|Kanarische Inseln|Canarias|Canarie|De Kanariske Øer|Canarische Eilanden'),
  'ES-CB': N('Kantabrien|Cantabria|Cantabrie|Kantabrien|Cantabria|Cantabria|Cantabrien|Cantabrië'),
  'ES-CL': N('Kastilien och León|Castile and León|Castille-et-León|Kastilien und León|Castilla y León|Castiglia e León|Castilla og León|Castilië en León'),
  'ES-CM': N('Kastilien-La Mancha|Castilla-La Mancha|Castille-La Manche|Kastilien-La Mancha|Castilla-La Mancha|Castiglia-La Mancia|Castilla-La Mancha|Castilië-La Mancha'),
  'ES-CT': N('Katalonien|Catalonia|Catalogne|Katalonien|Cataluña|Catalogna|Catalonien|Catalonië'),
  'ES-EX': N('Extremadura|Extremadura|Estrémadure|Extremadura|Extremadura|Estremadura|Extremadura|Extremadura'),
  'ES-GA': N('Galicien|Galicia|Galice|Galicien|Galicia|Galizia|Galicien|Galicië'),
  'ES-IB': N('Balearerna|Balearic Islands|Îles Baléares|Balearen|Islas Baleares|Isole Baleari|Balearerne|Balearen'),
  'ES-RI': N('La Rioja|La Rioja|La Rioja|La Rioja|La Rioja|La Rioja|La Rioja|La Rioja'),
  'ES-MD': N('Madrid|Madrid|Madrid|Madrid|Madrid|Madrid|Madrid|Madrid'),
  'ES-MC': N('Murcia|Murcia|Murcie|Murcia|Murcia|Murcia|Murcia|Murcia'),
  'ES-NC': N('Navarra|Navarre|Navarre|Navarra|Navarra|Navarra|Navarra|Navarra'),
  'ES-PV': N('Baskien|Basque Country|Pays basque|Baskenland|País Vasco|Paesi Baschi|Baskerlandet|Baskenland'),
  'ES-VC': N('Valencia|Valencia|Communauté valencienne|Valencia|Comunidad Valenciana|Comunità Valenciana|Valencia|Valencia'),
  'ES-CE': N('Ceuta|Ceuta|Ceuta|Ceuta|Ceuta|Ceuta|Ceuta|Ceuta'),
  'ES-ML': N('Melilla|Melilla|Melilla|Melilla|Melilla|Melilla|Melilla|Melilla'),
  // The United Kingdom's nations and England's regions, joined from the
  // layer's counties (joinBy). England's regions have no ISO 3166-2 code:
  // GB- and two letters of the region's name, which no ISO code of the
  // kingdom uses (those have three).
  'GB-SCT': N('Skottland|Scotland|Écosse|Schottland|Escocia|Scozia|Skotland|Schotland'),
  'GB-WLS': N('Wales|Wales|Pays de Galles|Wales|Gales|Galles|Wales|Wales'),
  'GB-NIR': N('Nordirland|Northern Ireland|Irlande du Nord|Nordirland|Irlanda del Norte|Irlanda del Nord|Nordirland|Noord-Ierland'),
  'GB-NE': N("Nordöstra England|North East England|Nord-Est de l'Angleterre|Nordostengland|Nordeste de Inglaterra|Inghilterra nord-orientale|Nordøstengland|Noordoost-Engeland"),
  'GB-NW': N("Nordvästra England|North West England|Nord-Ouest de l'Angleterre|Nordwestengland|Noroeste de Inglaterra|Inghilterra nord-occidentale|Nordvestengland|Noordwest-Engeland"),
  'GB-YH': N('Yorkshire and the Humber|Yorkshire and the Humber|Yorkshire-et-Humber|Yorkshire and the Humber|Yorkshire y Humber|Yorkshire e Humber|Yorkshire and the Humber|Yorkshire and the Humber'),
  'GB-EM': N('East Midlands|East Midlands|Midlands de l\'Est|East Midlands|Midlands del Este|Midlands orientali|East Midlands|East Midlands'),
  'GB-WM': N('West Midlands|West Midlands|Midlands de l\'Ouest|West Midlands|Midlands del Oeste|Midlands occidentali|West Midlands|West Midlands'),
  'GB-EE': N("Östra England|East of England|Est de l'Angleterre|Ostengland|Este de Inglaterra|Inghilterra orientale|Østengland|Oost-Engeland"),
  'GB-LN': N('London|London|Londres|London|Londres|Londra|London|Londen'),
  'GB-SE': N("Sydöstra England|South East England|Sud-Est de l'Angleterre|Südostengland|Sudeste de Inglaterra|Inghilterra sud-orientale|Sydøstengland|Zuidoost-Engeland"),
  // India: Ladakh with the Siachen Glacier (divisionJoins); Odisha, as the
  // state is named since 2011, where the layer keeps Orissa; Puducherry.
  'IN-LA': N('Ladakh|Ladakh|Ladakh|Ladakh|Ladakh|Ladakh|Ladakh|Ladakh'),
  'IN-OR': N('Odisha|Odisha|Odisha|Odisha|Odisha|Odisha|Odisha|Odisha'),
  'IN-PY': N('Puducherry|Puducherry|Pondichéry|Puducherry|Puducherry|Puducherry|Puducherry|Puducherry'),
  // China: Hong Kong and Macao, joined from the layer's districts
  // (divisionJoins), by the names of the world map; Tibet and Xinjiang,
  // Ningxia and Tianjin, which the layer gives as formal or old forms
  // ("Autonoma regionen Tibet", Sinkiang, Ningsia, Tientsin) in some languages.
  'CN-HK': N('Hongkong|Hong Kong|Hong Kong|Hongkong|Hong Kong|Hong Kong|Hongkong|Hongkong'),
  'CN-MO': N('Macao|Macao|Macao|Macao|Macao|Macao|Macao|Macau'),
  'CN-XZ': N('Tibet|Tibet|Tibet|Tibet|Tíbet|Tibet|Tibet|Tibet'),
  'CN-XJ': N('Xinjiang|Xinjiang|Xinjiang|Xinjiang|Xinjiang|Xinjiang|Xinjiang|Xinjiang'),
  'CN-NX': N('Ningxia|Ningxia|Ningxia|Ningxia|Ningxia|Ningxia|Ningxia|Ningxia'),
  'CN-TJ': N('Tianjin|Tianjin|Tianjin|Tianjin|Tianjin|Tianjin|Tianjin|Tianjin'),
  'GB-SW': N("Sydvästra England|South West England|Sud-Ouest de l'Angleterre|Südwestengland|Sudoeste de Inglaterra|Inghilterra sud-occidentale|Sydvestengland|Zuidwest-Engeland"),
};

export const features = [
  // Oceans, placed where they read on the world map.
  F('PACIFIC', 'HAV', '', 8.0, -140.0, 1, 'Stilla havet|Pacific Ocean|Océan Pacifique|Pazifischer Ozean|Océano Pacífico|Oceano Pacifico|Stillehavet|Grote Oceaan'),
  F('ATLANTIC', 'HAV', '', 20.0, -40.0, 1, 'Atlanten|Atlantic Ocean|Océan Atlantique|Atlantischer Ozean|Océano Atlántico|Oceano Atlantico|Atlanterhavet|Atlantische Oceaan'),
  F('INDIAN', 'HAV', '', -20.0, 80.0, 1, 'Indiska oceanen|Indian Ocean|Océan Indien|Indischer Ozean|Océano Índico|Oceano Indiano|Det Indiske Ocean|Indische Oceaan'),
  F('ARCTIC', 'HAV', '', 80.0, -160.0, 1, 'Norra ishavet|Arctic Ocean|Océan Arctique|Nordpolarmeer|Océano Ártico|Mar Glaciale Artico|Det Nordlige Ishav|Noordelijke IJszee'),
  F('SOUTHERN', 'HAV', '', -56.0, 120.0, 1, 'Södra ishavet|Southern Ocean|Océan Austral|Südpolarmeer|Océano Antártico|Oceano Antartico|Det Sydlige Ishav|Zuidelijke Oceaan'),

  // Seas, gulfs and bays (the first 33 at the named sea points of tables.mjs).
  F('MEDITERRANEAN', 'HAV', 'EUR', 35.5, 17.0, 1, 'Medelhavet|Mediterranean Sea|Mer Méditerranée|Mittelmeer|Mar Mediterráneo|Mar Mediterraneo|Middelhavet|Middellandse Zee', { also: ['AFR'] }),
  F('ADRIATIC', 'HAV', 'EUR', 42.5, 16.0, 2, 'Adriatiska havet|Adriatic Sea|Mer Adriatique|Adriatisches Meer|Mar Adriático|Mar Adriatico|Adriaterhavet|Adriatische Zee'),
  F('AEGEAN', 'HAV', 'EUR', 38.5, 25.0, 2, 'Egeiska havet|Aegean Sea|Mer Égée|Ägäisches Meer|Mar Egeo|Mar Egeo|Det Ægæiske Hav|Egeïsche Zee'),
  F('BLACK', 'HAV', 'EUR', 43.2, 34.5, 1, 'Svarta havet|Black Sea|Mer Noire|Schwarzes Meer|Mar Negro|Mar Nero|Sortehavet|Zwarte Zee', { also: ['ASI'] }),
  F('AZOV', 'HAV', 'EUR', 46.0, 36.5, 2, 'Azovska sjön|Sea of Azov|Mer d\'Azov|Asowsches Meer|Mar de Azov|Mar d\'Azov|Det Azovske Hav|Zee van Azov'),
  F('CASPIAN', 'HAV', 'ASI', 41.5, 50.8, 1, 'Kaspiska havet|Caspian Sea|Mer Caspienne|Kaspisches Meer|Mar Caspio|Mar Caspio|Det Kaspiske Hav|Kaspische Zee', { also: ['EUR'] }),
  F('BALTIC', 'HAV', 'EUR', 57.5, 19.8, 1, 'Östersjön|Baltic Sea|Mer Baltique|Ostsee|Mar Báltico|Mar Baltico|Østersøen|Oostzee'),
  F('BOTHNIA', 'HAV', 'EUR', 62.5, 19.8, 2, 'Bottniska viken|Gulf of Bothnia|Golfe de Botnie|Bottnischer Meerbusen|Golfo de Botnia|Golfo di Botnia|Den Botniske Bugt|Botnische Golf'),
  F('FINLAND', 'HAV', 'EUR', 59.8, 25.5, 2, 'Finska viken|Gulf of Finland|Golfe de Finlande|Finnischer Meerbusen|Golfo de Finlandia|Golfo di Finlandia|Den Finske Bugt|Finse Golf'),
  F('WHITE', 'HAV', 'EUR', 65.5, 38.0, 2, 'Vita havet|White Sea|Mer Blanche|Weißes Meer|Mar Blanco|Mar Bianco|Hvidehavet|Witte Zee'),
  F('NORTH', 'HAV', 'EUR', 56.5, 3.5, 1, 'Nordsjön|North Sea|Mer du Nord|Nordsee|Mar del Norte|Mare del Nord|Nordsøen|Noordzee'),
  F('RED', 'HAV', 'AFR', 20.5, 38.3, 1, 'Röda havet|Red Sea|Mer Rouge|Rotes Meer|Mar Rojo|Mar Rosso|Det Røde Hav|Rode Zee', { also: ['ASI'] }),
  F('PERSIAN', 'HAV', 'ASI', 27.3, 51.65, 1, 'Persiska viken|Persian Gulf|Golfe Persique|Persischer Golf|Golfo Pérsico|Golfo Persico|Den Persiske Golf|Perzische Golf'),
  F('OMAN', 'HAV', 'ASI', 24.5, 58.5, 2, 'Omanviken|Gulf of Oman|Golfe d\'Oman|Golf von Oman|Golfo de Omán|Golfo di Oman|Omanbugten|Golf van Oman'),
  F('HUDSON', 'HAV', 'NOR', 59.5, -85.5, 1, 'Hudson Bay|Hudson Bay|Baie d\'Hudson|Hudsonbai|Bahía de Hudson|Baia di Hudson|Hudson Bay|Hudsonbaai'),
  F('MEXICO', 'HAV', 'NOR', 25.5, -90.5, 1, 'Mexikanska golfen|Gulf of Mexico|Golfe du Mexique|Golf von Mexiko|Golfo de México|Golfo del Messico|Den Mexicanske Golf|Golf van Mexico'),
  F('CARIBBEAN', 'HAV', 'NOR', 12.8, -76.0, 1, 'Karibiska havet|Caribbean Sea|Mer des Caraïbes|Karibisches Meer|Mar Caribe|Mar dei Caraibi|Det Caribiske Hav|Caribische Zee', { also: ['SYD'] }),
  F('CALIFORNIA', 'HAV', 'NOR', 27.5, -111.3, 2, 'Kaliforniska viken|Gulf of California|Golfe de Californie|Golf von Kalifornien|Golfo de California|Golfo di California|Den Californiske Bugt|Golf van Californië'),
  F('STLAWRENCEGULF', 'HAV', 'NOR', 48.5, -62.0, 2, 'Sankt Lawrenceviken|Gulf of Saint Lawrence|Golfe du Saint-Laurent|Sankt-Lorenz-Golf|Golfo de San Lorenzo|Golfo di San Lorenzo|Sankt Lawrence-bugten|Golf van Saint Lawrence'),
  F('OKHOTSK', 'HAV', 'ASI', 55.0, 150.0, 1, 'Ochotska havet|Sea of Okhotsk|Mer d\'Okhotsk|Ochotskisches Meer|Mar de Ojotsk|Mare di Ochotsk|Okhotskhavet|Zee van Ochotsk'),
  F('JAPAN', 'HAV', 'ASI', 40.5, 134.5, 1, 'Japanska havet|Sea of Japan|Mer du Japon|Japanisches Meer|Mar de Japón|Mar del Giappone|Det Japanske Hav|Japanse Zee'),
  F('YELLOW', 'HAV', 'ASI', 36.0, 123.5, 2, 'Gula havet|Yellow Sea|Mer Jaune|Gelbes Meer|Mar Amarillo|Mar Giallo|Det Gule Hav|Gele Zee'),
  F('SOUTHCHINA', 'HAV', 'ASI', 12.5, 113.5, 1, 'Sydkinesiska havet|South China Sea|Mer de Chine méridionale|Südchinesisches Meer|Mar de la China Meridional|Mar Cinese Meridionale|Det Sydkinesiske Hav|Zuid-Chinese Zee'),
  F('BENGAL', 'HAV', 'ASI', 15.5, 88.5, 1, 'Bengaliska viken|Bay of Bengal|Golfe du Bengale|Golf von Bengalen|Golfo de Bengala|Golfo del Bengala|Den Bengalske Bugt|Golf van Bengalen'),
  F('ARABIAN', 'HAV', 'ASI', 15.5, 64.5, 1, 'Arabiska havet|Arabian Sea|Mer d\'Arabie|Arabisches Meer|Mar Arábigo|Mar Arabico|Det Arabiske Hav|Arabische Zee'),
  F('CARPENTARIA', 'HAV', 'AUS', -14.0, 139.0, 2, 'Carpentariaviken|Gulf of Carpentaria|Golfe de Carpentarie|Golf von Carpentaria|Golfo de Carpentaria|Golfo di Carpentaria|Carpentariabugten|Golf van Carpentaria'),
  F('TASMAN', 'HAV', 'AUS', -38.5, 160.5, 1, 'Tasmanska havet|Tasman Sea|Mer de Tasman|Tasmansee|Mar de Tasmania|Mar di Tasman|Tasmanhavet|Tasmanzee'),
  F('JAVASEA', 'HAV', 'ASI', -5.0, 111.0, 2, 'Javasjön|Java Sea|Mer de Java|Javasee|Mar de Java|Mar di Giava|Javahavet|Javazee'),
  F('BAFFINBAY', 'HAV', 'NOR', 73.0, -65.0, 1, 'Baffinbukten|Baffin Bay|Baie de Baffin|Baffinbai|Bahía de Baffin|Baia di Baffin|Baffinbugten|Baffinbaai'),
  F('BEAUFORT', 'HAV', 'NOR', 72.0, -140.0, 2, 'Beauforthavet|Beaufort Sea|Mer de Beaufort|Beaufortsee|Mar de Beaufort|Mare di Beaufort|Beauforthavet|Beaufortzee'),
  F('BERING', 'HAV', 'NOR', 58.0, -178.0, 1, 'Berings hav|Bering Sea|Mer de Béring|Beringmeer|Mar de Bering|Mare di Bering|Beringhavet|Beringzee'),
  F('GUINEA', 'HAV', 'AFR', 2.0, 3.0, 1, 'Guineabukten|Gulf of Guinea|Golfe de Guinée|Golf von Guinea|Golfo de Guinea|Golfo di Guinea|Guineabugten|Golf van Guinee'),
  F('MOZAMBIQUE', 'HAV', 'AFR', -18.0, 41.0, 1, 'Moçambiquekanalen|Mozambique Channel|Canal du Mozambique|Straße von Mosambik|Canal de Mozambique|Canale di Mozambico|Mozambiquekanalen|Straat Mozambique'),
  // Further seas.
  F('NORWEGIAN', 'HAV', 'EUR', 68.0, 3.0, 1, 'Norska havet|Norwegian Sea|Mer de Norvège|Europäisches Nordmeer|Mar de Noruega|Mare di Norvegia|Norskehavet|Noorse Zee'),
  F('BARENTS', 'HAV', 'EUR', 71.3, 40.0, 1, 'Barents hav|Barents Sea|Mer de Barents|Barentssee|Mar de Barents|Mare di Barents|Barentshavet|Barentszzee'),
  F('KARA', 'HAV', '', 76.0, 68.0, 1, 'Karahavet|Kara Sea|Mer de Kara|Karasee|Mar de Kara|Mare di Kara|Karahavet|Karazee'),
  F('LAPTEV', 'HAV', '', 76.0, 125.0, 1, 'Laptevhavet|Laptev Sea|Mer des Laptev|Laptewsee|Mar de Láptev|Mare di Laptev|Laptevhavet|Laptevzee'),
  F('EASTSIBERIAN', 'HAV', '', 73.5, 160.0, 1, 'Östsibiriska havet|East Siberian Sea|Mer de Sibérie orientale|Ostsibirische See|Mar de Siberia Oriental|Mare della Siberia Orientale|Det Østsibiriske Hav|Oost-Siberische Zee'),
  F('CHUKCHI', 'HAV', 'NOR', 69.0, -170.0, 1, 'Tjuktjerhavet|Chukchi Sea|Mer des Tchouktches|Tschuktschensee|Mar de Chukotka|Mare dei Ciukci|Tjuktjerhavet|Tsjoektsjenzee'),
  F('LABRADOR', 'HAV', 'NOR', 58.0, -55.0, 1, 'Labradorhavet|Labrador Sea|Mer du Labrador|Labradorsee|Mar de Labrador|Mare del Labrador|Labradorhavet|Labradorzee'),
  F('SARGASSO', 'HAV', 'NOR', 28.0, -62.0, 1, 'Sargassohavet|Sargasso Sea|Mer des Sargasses|Sargassosee|Mar de los Sargazos|Mar dei Sargassi|Sargassohavet|Sargassozee'),
  F('ALASKA', 'HAV', 'NOR', 57.0, -145.0, 2, 'Alaskagolfen|Gulf of Alaska|Golfe d\'Alaska|Golf von Alaska|Golfo de Alaska|Golfo dell\'Alaska|Alaskagolfen|Golf van Alaska'),
  F('CORAL', 'HAV', 'AUS', -15.0, 155.0, 1, 'Korallhavet|Coral Sea|Mer de Corail|Korallenmeer|Mar del Coral|Mar dei Coralli|Koralhavet|Koraalzee'),
  F('ARAFURA', 'HAV', 'AUS', -9.5, 135.0, 2, 'Arafurahavet|Arafura Sea|Mer d\'Arafura|Arafurasee|Mar de Arafura|Mare degli Arafura|Arafurahavet|Arafurazee'),
  F('TIMORSEA', 'HAV', 'AUS', -11.5, 127.0, 2, 'Timorhavet|Timor Sea|Mer de Timor|Timorsee|Mar de Timor|Mar di Timor|Timorhavet|Timorzee'),
  F('BISMARCK', 'HAV', 'AUS', -4.0, 148.5, 2, 'Bismarckhavet|Bismarck Sea|Mer de Bismarck|Bismarcksee|Mar de Bismarck|Mare di Bismarck|Bismarckhavet|Bismarckzee'),
  F('SOLOMON', 'HAV', 'AUS', -8.0, 153.0, 2, 'Salomonhavet|Solomon Sea|Mer des Salomon|Salomonensee|Mar de Salomón|Mar delle Salomone|Salomonhavet|Salomonzee'),
  F('PHILIPPINE', 'HAV', 'ASI', 20.0, 132.0, 1, 'Filippinska havet|Philippine Sea|Mer des Philippines|Philippinensee|Mar de Filipinas|Mar delle Filippine|Filippinerhavet|Filipijnenzee'),
  F('EASTCHINA', 'HAV', 'ASI', 29.0, 125.5, 1, 'Östkinesiska havet|East China Sea|Mer de Chine orientale|Ostchinesisches Meer|Mar de la China Oriental|Mar Cinese Orientale|Det Østkinesiske Hav|Oost-Chinese Zee'),
  F('CELEBES', 'HAV', 'ASI', 4.0, 122.0, 2, 'Celebeshavet|Celebes Sea|Mer de Célèbes|Celebessee|Mar de Célebes|Mare di Celebes|Celebeshavet|Celebeszee'),
  F('BANDA', 'HAV', 'ASI', -5.5, 127.0, 2, 'Bandahavet|Banda Sea|Mer de Banda|Bandasee|Mar de Banda|Mare di Banda|Bandahavet|Bandazee'),
  F('ANDAMAN', 'HAV', 'ASI', 11.0, 96.0, 2, 'Andamansjön|Andaman Sea|Mer d\'Andaman|Andamanensee|Mar de Andamán|Mare delle Andamane|Andamanhavet|Andamanse Zee'),
  F('THAILAND', 'HAV', 'ASI', 10.0, 102.0, 2, 'Thailandviken|Gulf of Thailand|Golfe de Thaïlande|Golf von Thailand|Golfo de Tailandia|Golfo di Thailandia|Thailandbugten|Golf van Thailand'),
  F('ADEN', 'HAV', 'AFR', 12.5, 48.0, 2, 'Adenviken|Gulf of Aden|Golfe d\'Aden|Golf von Aden|Golfo de Adén|Golfo di Aden|Adenbugten|Golf van Aden'),
  F('IONIAN', 'HAV', 'EUR', 38.0, 18.5, 2, 'Joniska havet|Ionian Sea|Mer Ionienne|Ionisches Meer|Mar Jónico|Mar Ionio|Det Ioniske Hav|Ionische Zee'),
  F('TYRRHENIAN', 'HAV', 'EUR', 40.0, 12.5, 2, 'Tyrrenska havet|Tyrrhenian Sea|Mer Tyrrhénienne|Tyrrhenisches Meer|Mar Tirreno|Mar Tirreno|Det Tyrrhenske Hav|Tyrreense Zee'),
  F('LIGURIAN', 'HAV', 'EUR', 43.6, 8.6, 2, 'Liguriska havet|Ligurian Sea|Mer Ligurienne|Ligurisches Meer|Mar de Liguria|Mar Ligure|Det Liguriske Hav|Ligurische Zee'),
  F('BALEARIC', 'HAV', 'EUR', 40.5, 2.0, 2, 'Baleariska havet|Balearic Sea|Mer des Baléares|Balearisches Meer|Mar Balear|Mar delle Baleari|Det Baleariske Hav|Balearenzee'),
  F('CELTIC', 'HAV', 'EUR', 50.5, -8.0, 2, 'Keltiska havet|Celtic Sea|Mer Celtique|Keltische See|Mar Céltico|Mar Celtico|Det Keltiske Hav|Keltische Zee'),
  F('IRISH', 'HAV', 'EUR', 53.6, -5.4, 2, 'Irländska sjön|Irish Sea|Mer d\'Irlande|Irische See|Mar de Irlanda|Mare d\'Irlanda|Det Irske Hav|Ierse Zee'),
  F('BISCAY', 'HAV', 'EUR', 45.5, -4.5, 2, 'Biscayabukten|Bay of Biscay|Golfe de Gascogne|Golf von Biskaya|Golfo de Vizcaya|Golfo di Biscaglia|Biscayabugten|Golf van Biskaje'),

  // The world's 26 largest islands, largest first (Antarctica's aside; a point
  // on land of each).
  F('GREENLAND', 'O', 'NOR', 74.0, -41.0, 1, 'Grönland|Greenland|Groenland|Grönland|Groenlandia|Groenlandia|Grønland|Groenland'),
  F('NEWGUINEA', 'O', 'AUS', -5.5, 142.5, 1, 'Nya Guinea|New Guinea|Nouvelle-Guinée|Neuguinea|Nueva Guinea|Nuova Guinea|Ny Guinea|Nieuw-Guinea'),
  F('BORNEO', 'O', 'ASI', 0.5, 114.0, 1, 'Borneo|Borneo|Bornéo|Borneo|Borneo|Borneo|Borneo|Borneo'),
  F('MADAGASCAR', 'O', 'AFR', -19.0, 46.7, 1, 'Madagaskar|Madagascar|Madagascar|Madagaskar|Madagascar|Madagascar|Madagaskar|Madagaskar'),
  F('BAFFIN', 'O', 'NOR', 69.0, -72.0, 1, 'Baffinön|Baffin Island|Île de Baffin|Baffininsel|Isla de Baffin|Isola di Baffin|Baffinøen|Baffineiland'),
  F('SUMATRA', 'O', 'ASI', -0.5, 101.5, 1, 'Sumatra|Sumatra|Sumatra|Sumatra|Sumatra|Sumatra|Sumatra|Sumatra'),
  F('HONSHU', 'O', 'ASI', 39.2, 140.9, 1, 'Honshu|Honshu|Honshu|Honshu|Honshu|Honshu|Honshu|Honshu'),
  F('VICTORIAISLAND', 'O', 'NOR', 71.0, -110.0, 1, 'Victoriaön|Victoria Island|Île Victoria|Victoria-Insel|Isla Victoria|Isola Victoria|Victoriaøen|Victoria-eiland'),
  F('GREATBRITAIN', 'O', 'EUR', 53.0, -1.8, 1, 'Storbritannien|Great Britain|Grande-Bretagne|Großbritannien|Gran Bretaña|Gran Bretagna|Storbritannien|Groot-Brittannië'),
  F('ELLESMERE', 'O', 'NOR', 80.0, -80.0, 1, 'Ellesmereön|Ellesmere Island|Île d\'Ellesmere|Ellesmere-Insel|Isla de Ellesmere|Isola di Ellesmere|Ellesmereøen|Ellesmere-eiland'),
  F('SULAWESI', 'O', 'ASI', -3.8, 119.9, 1, 'Sulawesi|Sulawesi|Célèbes|Sulawesi|Célebes|Celebes|Sulawesi|Celebes'),
  F('SOUTHISLAND', 'O', 'AUS', -42.2, 172.3, 1, 'Sydön|South Island|Île du Sud|Südinsel|Isla Sur|Isola del Sud|Sydøen|Zuidereiland'),
  F('JAVA', 'O', 'ASI', -7.3, 110.0, 1, 'Java|Java|Java|Java|Java|Giava|Java|Java'),
  F('NORTHISLAND', 'O', 'AUS', -38.2, 175.5, 1, 'Nordön|North Island|Île du Nord|Nordinsel|Isla Norte|Isola del Nord|Nordøen|Noordereiland'),
  F('LUZON', 'O', 'ASI', 16.5, 121.0, 1, 'Luzon|Luzon|Luçon|Luzon|Luzón|Luzon|Luzon|Luzon'),
  F('NEWFOUNDLAND', 'O', 'NOR', 48.8, -56.0, 1, 'Newfoundland|Newfoundland|Terre-Neuve|Neufundland|Terranova|Terranova|Newfoundland|Newfoundland'),
  F('CUBA', 'O', 'NOR', 21.9, -79.4, 1, 'Kuba|Cuba|Cuba|Kuba|Cuba|Cuba|Cuba|Cuba'),
  F('ICELAND', 'O', 'EUR', 64.9, -18.5, 1, 'Island|Iceland|Islande|Island|Islandia|Islanda|Island|IJsland'),
  F('MINDANAO', 'O', 'ASI', 7.8, 125.0, 1, 'Mindanao|Mindanao|Mindanao|Mindanao|Mindanao|Mindanao|Mindanao|Mindanao'),
  F('IRELAND', 'O', 'EUR', 53.2, -8.0, 1, 'Irland|Ireland|Irlande|Irland|Irlanda|Irlanda|Irland|Ierland'),
  F('HOKKAIDO', 'O', 'ASI', 43.5, 142.8, 1, 'Hokkaido|Hokkaido|Hokkaido|Hokkaido|Hokkaido|Hokkaido|Hokkaido|Hokkaido'),
  F('HISPANIOLA', 'O', 'NOR', 19.0, -71.0, 1, 'Hispaniola|Hispaniola|Hispaniola|Hispaniola|La Española|Hispaniola|Hispaniola|Hispaniola'),
  F('SAKHALIN', 'O', 'ASI', 50.5, 142.8, 1, 'Sachalin|Sakhalin|Sakhaline|Sachalin|Sajalín|Sachalin|Sakhalin|Sachalin'),
  F('BANKS', 'O', 'NOR', 72.8, -121.5, 1, 'Banksön|Banks Island|Île Banks|Banks-Insel|Isla Banks|Isola di Banks|Banksøen|Bankseiland'),
  F('SRILANKA', 'O', 'ASI', 7.8, 80.7, 1, 'Sri Lanka|Sri Lanka|Sri Lanka|Sri Lanka|Sri Lanka|Sri Lanka|Sri Lanka|Sri Lanka'),
  F('TASMANIA', 'O', 'AUS', -42.0, 146.6, 1, 'Tasmanien|Tasmania|Tasmanie|Tasmanien|Tasmania|Tasmania|Tasmanien|Tasmanië'),
  // Further islands, asked on their continent's map.
  F('SICILY', 'O', 'EUR', 37.6, 13.5, 2, 'Sicilien|Sicily|Sicile|Sizilien|Sicilia|Sicilia|Sicilien|Sicilië'),
  F('SARDINIA', 'O', 'EUR', 40.1, 9.0, 2, 'Sardinien|Sardinia|Sardaigne|Sardinien|Cerdeña|Sardegna|Sardinien|Sardinië'),
  F('CORSICA', 'O', 'EUR', 42.15, 9.1, 2, 'Korsika|Corsica|Corse|Korsika|Córcega|Corsica|Korsika|Corsica'),
  F('CRETE', 'O', 'EUR', 35.25, 24.9, 2, 'Kreta|Crete|Crète|Kreta|Creta|Creta|Kreta|Kreta'),
  F('MALLORCA', 'O', 'EUR', 39.6, 2.95, 2, 'Mallorca|Majorca|Majorque|Mallorca|Mallorca|Maiorca|Mallorca|Mallorca'),
  F('HAINAN', 'O', 'ASI', 19.2, 109.7, 2, 'Hainan|Hainan|Hainan|Hainan|Hainan|Hainan|Hainan|Hainan'),
  F('KYUSHU', 'O', 'ASI', 32.6, 131.0, 2, 'Kyushu|Kyushu|Kyushu|Kyushu|Kyushu|Kyushu|Kyushu|Kyushu'),
  F('TIERRADELFUEGO', 'O', 'SYD', -54.0, -68.5, 2, 'Eldslandet|Tierra del Fuego|Terre de Feu|Feuerland|Tierra del Fuego|Terra del Fuoco|Ildlandet|Vuurland'),
  F('VANCOUVER', 'O', 'NOR', 49.6, -125.5, 2, 'Vancouver Island|Vancouver Island|Île de Vancouver|Vancouver Island|Isla de Vancouver|Isola di Vancouver|Vancouver Island|Vancouvereiland'),
  F('NEWCALEDONIA', 'O', 'AUS', -21.3, 165.5, 2, 'Nya Kaledonien|New Caledonia|Nouvelle-Calédonie|Neukaledonien|Nueva Caledonia|Nuova Caledonia|Ny Kaledonien|Nieuw-Caledonië'),
  F('CANARIES', 'O', 'AFR', 28.27, -16.6, 2, 'Kanarieöarna|Canary Islands|Îles Canaries|Kanarische Inseln|Islas Canarias|Isole Canarie|De Kanariske Øer|Canarische Eilanden'),
  F('MARAJO', 'O', 'SYD', -1.0, -49.6, 2, 'Marajó|Marajó|Marajó|Marajó|Marajó|Marajó|Marajó|Marajó'),

  // The highest peak of each continent on the maps, and famous mountains.
  B('EVEREST', 'ASI', 27.988, 86.925, 8849, 1, 'Mount Everest|Mount Everest|Mont Everest|Mount Everest|Monte Everest|Monte Everest|Mount Everest|Mount Everest'),
  B('K2', 'ASI', 35.881, 76.513, 8611, 1, 'K2|K2|K2|K2|K2|K2|K2|K2'),
  B('ACONCAGUA', 'SYD', -32.653, -70.011, 6961, 1, 'Aconcagua|Aconcagua|Aconcagua|Aconcagua|Aconcagua|Aconcagua|Aconcagua|Aconcagua'),
  B('DENALI', 'NOR', 63.069, -151.007, 6190, 1, 'Denali|Denali|Denali|Denali|Denali|Denali|Denali|Denali'),
  B('KILIMANJARO', 'AFR', -3.068, 37.356, 5895, 1, 'Kilimanjaro|Kilimanjaro|Kilimandjaro|Kilimandscharo|Kilimanjaro|Kilimangiaro|Kilimanjaro|Kilimanjaro'),
  B('ELBRUS', 'EUR', 43.355, 42.439, 5642, 1, 'Elbrus|Elbrus|Elbrouz|Elbrus|Elbrus|Elbrus|Elbrus|Elbroes'),
  B('PUNCAKJAYA', 'AUS', -4.079, 137.158, 4884, 1, 'Puncak Jaya|Puncak Jaya|Puncak Jaya|Puncak Jaya|Puncak Jaya|Puncak Jaya|Puncak Jaya|Puncak Jaya'),
  B('MONTBLANC', 'EUR', 45.833, 6.865, 4806, 1, 'Mont Blanc|Mont Blanc|Mont Blanc|Mont Blanc|Mont Blanc|Monte Bianco|Mont Blanc|Mont Blanc'),
  B('FUJI', 'ASI', 35.363, 138.731, 3776, 1, 'Fuji|Mount Fuji|Mont Fuji|Fuji|Monte Fuji|Monte Fuji|Fuji|Fuji'),
  B('KOSCIUSZKO', 'AUS', -36.456, 148.263, 2228, 2, 'Kosciuszko|Mount Kosciuszko|Mont Kosciuszko|Mount Kosciuszko|Monte Kosciuszko|Monte Kosciuszko|Kosciuszko|Mount Kosciuszko'),
  B('MOUNTCOOK', 'AUS', -43.595, 170.142, 3724, 2, 'Mount Cook|Aoraki/Mount Cook|Mont Cook|Mount Cook|Monte Cook|Monte Cook|Mount Cook|Mount Cook'),
  B('OLYMPUS', 'EUR', 40.085, 22.359, 2918, 2, 'Olympos|Mount Olympus|Mont Olympe|Olymp|Monte Olimpo|Monte Olimpo|Olympen|Olympus'),
  B('ETNA', 'EUR', 37.751, 14.994, 3357, 2, 'Etna|Mount Etna|Etna|Ätna|Etna|Etna|Etna|Etna'),
  B('VESUVIUS', 'EUR', 40.821, 14.426, 1281, 2, 'Vesuvius|Mount Vesuvius|Vésuve|Vesuv|Vesubio|Vesuvio|Vesuv|Vesuvius'),
  B('ZUGSPITZE', 'EUR', 47.421, 10.985, 2962, 2, 'Zugspitze|Zugspitze|Zugspitze|Zugspitze|Zugspitze|Zugspitze|Zugspitze|Zugspitze'),
  B('MULHACEN', 'EUR', 37.053, -3.311, 3479, 2, 'Mulhacén|Mulhacén|Mulhacén|Mulhacén|Mulhacén|Mulhacén|Mulhacén|Mulhacén'),
  B('BENNEVIS', 'EUR', 56.797, -5.004, 1345, 2, 'Ben Nevis|Ben Nevis|Ben Nevis|Ben Nevis|Ben Nevis|Ben Nevis|Ben Nevis|Ben Nevis'),
  B('ARARAT', 'ASI', 39.702, 44.298, 5137, 2, 'Ararat|Mount Ararat|Mont Ararat|Ararat|Monte Ararat|Monte Ararat|Ararat|Ararat'),
  B('DAMAVAND', 'ASI', 35.955, 52.110, 5610, 2, 'Damavand|Mount Damavand|Damavand|Damavand|Damavand|Damavand|Damavand|Damavand'),
  B('KINABALU', 'ASI', 6.075, 116.558, 4095, 2, 'Kinabalu|Mount Kinabalu|Mont Kinabalu|Kinabalu|Monte Kinabalu|Monte Kinabalu|Kinabalu|Kinabalu'),
  B('MOUNTKENYA', 'AFR', -0.152, 37.308, 5199, 2, 'Mount Kenya|Mount Kenya|Mont Kenya|Mount Kenya|Monte Kenia|Monte Kenya|Mount Kenya|Mount Kenya'),
  B('TABLEMOUNTAIN', 'AFR', -33.92, 18.49, 1085, 2, 'Taffelberget|Table Mountain|Montagne de la Table|Tafelberg|Montaña de la Mesa|Montagna della Tavola|Taffelbjerget|Tafelberg'),
  B('TOUBKAL', 'AFR', 31.060, -7.915, 4167, 2, 'Toubkal|Toubkal|Toubkal|Toubkal|Toubkal|Toubkal|Toubkal|Toubkal'),
  B('CAMEROON', 'AFR', 4.203, 9.170, 4040, 2, 'Kamerunberget|Mount Cameroon|Mont Cameroun|Kamerunberg|Monte Camerún|Monte Camerun|Kamerunbjerget|Kameroenberg'),
  B('CHIMBORAZO', 'SYD', -1.469, -78.817, 6263, 2, 'Chimborazo|Chimborazo|Chimborazo|Chimborazo|Chimborazo|Chimborazo|Chimborazo|Chimborazo'),
  B('HUASCARAN', 'SYD', -9.122, -77.604, 6768, 2, 'Huascarán|Huascarán|Huascarán|Huascarán|Huascarán|Huascarán|Huascarán|Huascarán'),
  B('POPOCATEPETL', 'NOR', 19.023, -98.622, 5426, 2, 'Popocatépetl|Popocatépetl|Popocatépetl|Popocatépetl|Popocatépetl|Popocatépetl|Popocatépetl|Popocatépetl'),
  B('OJOSDELSALADO', 'SYD', -27.109, -68.541, 6893, 2, 'Ojos del Salado|Ojos del Salado|Ojos del Salado|Ojos del Salado|Ojos del Salado|Ojos del Salado|Ojos del Salado|Ojos del Salado'),
  B('RASDASHEN', 'AFR', 13.236, 38.372, 4550, 2, 'Ras Dashen|Ras Dashen|Ras Dashen|Ras Daschen|Ras Dashen|Ras Dashen|Ras Dashen|Ras Dashen'),
  B('WILHELM', 'AUS', -5.780, 145.030, 4509, 2, 'Mount Wilhelm|Mount Wilhelm|Mont Wilhelm|Mount Wilhelm|Monte Wilhelm|Monte Wilhelm|Mount Wilhelm|Mount Wilhelm'),

  // The great rivers: a marker in open water off the mouth, named after the river.
  F('AMAZON', 'FLOD', 'SYD', 0.6, -49.0, 1, 'Amazonfloden|Amazon|Amazone|Amazonas|Amazonas|Rio delle Amazzoni|Amazonfloden|Amazone'),
  F('NILE', 'FLOD', 'AFR', 32.05, 30.85, 1, 'Nilen|Nile|Nil|Nil|Nilo|Nilo|Nilen|Nijl'),
  F('MISSISSIPPI', 'FLOD', 'NOR', 28.78, -89.79, 1, 'Mississippi|Mississippi|Mississippi|Mississippi|Misisipi|Mississippi|Mississippi|Mississippi'),
  F('YANGTZE', 'FLOD', 'ASI', 31.2, 122.3, 1, 'Yangtze|Yangtze|Yangzi Jiang|Jangtsekiang|Yangtsé|Fiume Azzurro|Yangtze|Jangtsekiang'),
  F('YELLOWRIVER', 'FLOD', 'ASI', 37.9, 119.4, 2, 'Gula floden|Yellow River|Fleuve Jaune|Gelber Fluss|Río Amarillo|Fiume Giallo|Den Gule Flod|Gele Rivier'),
  F('OB', 'FLOD', '', 73.25, 74.3, 1, 'Ob|Ob|Ob|Ob|Obi|Ob|Ob|Ob'),
  F('YENISEI', 'FLOD', '', 72.95, 79.4, 1, 'Jenisej|Yenisei|Ienisseï|Jenissei|Yeniséi|Enisej|Jenisej|Jenisej'),
  F('LENA', 'FLOD', '', 74.2, 127.5, 1, 'Lena|Lena|Lena|Lena|Lena|Lena|Lena|Lena'),
  F('CONGO', 'FLOD', 'AFR', -6.0, 11.5, 1, 'Kongofloden|Congo|Congo|Kongo|Congo|Congo|Congofloden|Kongo'),
  F('NIGER', 'FLOD', 'AFR', 4.0, 6.1, 2, 'Niger|Niger|Niger|Niger|Níger|Niger|Niger|Niger'),
  F('GANGES', 'FLOD', 'ASI', 21.41, 90.32, 1, 'Ganges|Ganges|Gange|Ganges|Ganges|Gange|Ganges|Ganges'),
  F('INDUS', 'FLOD', 'ASI', 23.8, 67.0, 2, 'Indus|Indus|Indus|Indus|Indo|Indo|Indus|Indus'),
  F('MEKONG', 'FLOD', 'ASI', 9.74, 107.22, 1, 'Mekong|Mekong|Mékong|Mekong|Mekong|Mekong|Mekong|Mekong'),
  F('DANUBE', 'FLOD', 'EUR', 45.25, 30.45, 1, 'Donau|Danube|Danube|Donau|Danubio|Danubio|Donau|Donau'),
  F('VOLGA', 'FLOD', 'EUR', 45.1, 48.6, 1, 'Volga|Volga|Volga|Wolga|Volga|Volga|Volga|Wolga'),
  F('RHINE', 'FLOD', 'EUR', 52.0, 3.8, 2, 'Rhen|Rhine|Rhin|Rhein|Rin|Reno|Rhinen|Rijn'),
  F('PLATA', 'FLOD', 'SYD', -35.5, -55.5, 1, 'Río de la Plata|Río de la Plata|Río de la Plata|Río de la Plata|Río de la Plata|Río de la Plata|Río de la Plata|Río de la Plata'),
  F('MACKENZIE', 'FLOD', 'NOR', 70.0, -135.5, 2, 'Mackenzie|Mackenzie|Mackenzie|Mackenzie|Mackenzie|Mackenzie|Mackenzie|Mackenzie'),
  F('STLAWRENCE', 'FLOD', 'NOR', 49.8, -65.3, 1, 'Saint Lawrencefloden|St. Lawrence|Saint-Laurent|Sankt-Lorenz-Strom|San Lorenzo|San Lorenzo|Saint Lawrence-floden|Saint Lawrencerivier'),
  F('ZAMBEZI', 'FLOD', 'AFR', -19.0, 36.6, 2, 'Zambezi|Zambezi|Zambèze|Sambesi|Zambeze|Zambesi|Zambezi|Zambezi'),
  F('ORINOCO', 'FLOD', 'SYD', 9.0, -60.2, 2, 'Orinoco|Orinoco|Orénoque|Orinoco|Orinoco|Orinoco|Orinoco|Orinoco'),
  F('MURRAY', 'FLOD', 'AUS', -36.25, 138.6, 1, 'Murray|Murray|Murray|Murray|Murray|Murray|Murray|Murray'),
  F('AMUR', 'FLOD', 'ASI', 53.35, 141.6, 2, 'Amur|Amur|Amour|Amur|Amur|Amur|Amur|Amoer'),
  F('SAOFRANCISCO', 'FLOD', 'SYD', -10.7, -36.2, 2, 'São Francisco|São Francisco|São Francisco|São Francisco|São Francisco|São Francisco|São Francisco|São Francisco'),
  F('MAGDALENA', 'FLOD', 'SYD', 11.3, -75.0, 2, 'Magdalena|Magdalena|Magdalena|Magdalena|Magdalena|Magdalena|Magdalena|Magdalena'),
  F('ORANGE', 'FLOD', 'AFR', -28.8, 16.2, 2, 'Oranjefloden|Orange|Orange|Oranje|Orange|Orange|Oranjefloden|Oranjerivier'),
  F('SENEGAL', 'FLOD', 'AFR', 15.9, -16.8, 2, 'Senegalfloden|Senegal|Sénégal|Senegal|Senegal|Senegal|Senegalfloden|Senegal'),
  F('FLY', 'FLOD', 'AUS', -8.9, 143.9, 2, 'Fly|Fly|Fly|Fly|Fly|Fly|Fly|Fly'),

  // Norden: the big lakes, the islands and the highest peaks (the Nordic map).
  F('VANERN', 'SJO', 'NORDEN', 58.9, 13.3, 1, 'Vänern|Lake Vänern|Lac Vänern|Vänern|Lago Vänern|Lago Vänern|Vänern|Vänermeer'),
  F('VATTERN', 'SJO', 'NORDEN', 58.3, 14.5, 1, 'Vättern|Lake Vättern|Lac Vättern|Vättern|Lago Vättern|Lago Vättern|Vättern|Vättermeer'),
  F('MALAREN', 'SJO', 'NORDEN', 59.45, 17.2, 1, 'Mälaren|Lake Mälaren|Lac Mälar|Mälaren|Lago Mälaren|Lago Mälaren|Mälaren|Mälarmeer'),
  F('HJALMAREN', 'SJO', 'NORDEN', 59.25, 15.8, 1, 'Hjälmaren|Lake Hjälmaren|Lac Hjälmar|Hjälmaren|Lago Hjälmaren|Lago Hjälmaren|Hjälmaren|Hjälmarmeer'),
  F('STORSJON', 'SJO', 'NORDEN', 63.2, 14.4, 1, 'Storsjön|Storsjön|Storsjön|Storsjön|Storsjön|Storsjön|Storsjön|Storsjön'),
  F('SILJAN', 'SJO', 'NORDEN', 60.85, 14.8, 1, 'Siljan|Siljan|Lac Siljan|Siljan|Lago Siljan|Lago Siljan|Siljan|Siljanmeer'),
  F('MJOSA', 'SJO', 'NORDEN', 60.8, 10.9, 1, 'Mjøsa|Mjøsa|Lac Mjøsa|Mjøsa|Lago Mjøsa|Lago Mjøsa|Mjøsa|Mjøsameer'),
  F('SAIMAA', 'SJO', 'NORDEN', 61.3, 28.2, 1, 'Saimen|Lake Saimaa|Lac Saimaa|Saimaa|Lago Saimaa|Lago Saimaa|Saimaa|Saimaameer'),
  F('PAIJANNE', 'SJO', 'NORDEN', 61.6, 25.5, 1, 'Päijänne|Lake Päijänne|Lac Päijänne|Päijänne|Lago Päijänne|Lago Päijänne|Päijänne|Päijännemeer'),
  F('INARI', 'SJO', 'NORDEN', 69.0, 27.9, 1, 'Enare träsk|Lake Inari|Lac Inari|Inarisee|Lago Inari|Lago Inari|Inarisøen|Inarimeer'),
  F('GOTLAND', 'O', 'NORDEN', 57.5, 18.5, 1, 'Gotland|Gotland|Gotland|Gotland|Gotland|Gotland|Gotland|Gotland'),
  F('OLAND', 'O', 'NORDEN', 56.7, 16.6, 1, 'Öland|Öland|Öland|Öland|Öland|Öland|Öland|Öland'),
  F('BORNHOLM', 'O', 'NORDEN', 55.12, 14.9, 1, 'Bornholm|Bornholm|Bornholm|Bornholm|Bornholm|Bornholm|Bornholm|Bornholm'),
  F('ALAND', 'O', 'NORDEN', 60.2, 19.95, 1, 'Åland|Åland|Åland|Åland|Åland|Åland|Åland|Åland'),
  F('LOFOTEN', 'O', 'NORDEN', 68.2, 13.9, 1, 'Lofoten|Lofoten|Lofoten|Lofoten|Lofoten|Lofoten|Lofoten|Lofoten'),
  F('ZEALAND', 'O', 'NORDEN', 55.45, 11.8, 1, 'Själland|Zealand|Seeland|Seeland|Selandia|Selandia|Sjælland|Seeland'),
  F('FUNEN', 'O', 'NORDEN', 55.3, 10.4, 1, 'Fyn|Funen|Fionie|Fünen|Fionia|Fionia|Fyn|Funen'),
  B('KEBNEKAISE', 'NORDEN', 67.903, 18.528, 2097, 1, 'Kebnekaise|Kebnekaise|Kebnekaise|Kebnekaise|Kebnekaise|Kebnekaise|Kebnekaise|Kebnekaise'),
  B('GALDHOPIGGEN', 'NORDEN', 61.636, 8.312, 2469, 1, 'Galdhøpiggen|Galdhøpiggen|Galdhøpiggen|Galdhøpiggen|Galdhøpiggen|Galdhøpiggen|Galdhøpiggen|Galdhøpiggen'),
  B('HALTI', 'NORDEN', 69.308, 21.270, 1324, 1, 'Halti|Halti|Halti|Halti|Halti|Halti|Halti|Halti'),
];

export default { subdivisions, danishDivisions, divisionNames8, features };
