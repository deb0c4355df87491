// Hand tables of names and facts that no open source gives in eight
// languages: the states and provinces of the subdivision maps, and the world's
// seas, islands, mountains and river mouths (with the lakes, islands and peaks
// of the Nordic map). Each name is the form a current school atlas of the
// language uses; where that is in doubt, the form of the language's major
// encyclopedia. Order of the names: sv en fr de es it da nl. Windows-1252 only.

const N = (s) => {
  const names = s.split('|');
  if (names.length !== 8) throw new Error(`handtables: not 8 names: ${s}`);
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
  'US-NC': N('North Carolina|North Carolina|Caroline du Nord|Nord-Carolina|Carolina del Norte|Carolina del Nord|North Carolina|Noord-Carolina'),
  'US-ND': N('North Dakota|North Dakota|Dakota du Nord|Nord-Dakota|Dakota del Norte|Dakota del Nord|North Dakota|Noord-Dakota'),
  'US-OH': N('Ohio|Ohio|Ohio|Ohio|Ohio|Ohio|Ohio|Ohio'),
  'US-OK': N('Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma|Oklahoma'),
  'US-OR': N('Oregon|Oregon|Oregon|Oregon|Oregón|Oregon|Oregon|Oregon'),
  'US-PA': N('Pennsylvania|Pennsylvania|Pennsylvanie|Pennsylvania|Pensilvania|Pennsylvania|Pennsylvania|Pennsylvania'),
  'US-RI': N('Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island|Rhode Island'),
  'US-SC': N('South Carolina|South Carolina|Caroline du Sud|Süd-Carolina|Carolina del Sur|Carolina del Sud|South Carolina|Zuid-Carolina'),
  'US-SD': N('South Dakota|South Dakota|Dakota du Sud|Süd-Dakota|Dakota del Sur|Dakota del Sud|South Dakota|Zuid-Dakota'),
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
// Filled below.
export const features = [];

export default { subdivisions, features };
