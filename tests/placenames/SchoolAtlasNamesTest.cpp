// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of names by the school-atlas rule: every name in the
// shipped area and place files (whatever AREA*.crp and Ort*.crp there are). A name is not
// empty or garbled, has no administrative form in any language, no English
// form in a language that has its own, no accent that the language does not
// put on a transliteration, keeps the accents of the local name, and has
// straight apostrophes only; and no town takes another language's name where
// its language writes the local names of that state's towns.
#include "data/ByteFile.h"
#include "data/Helpers.h"
#include "maps/Areas.h"
#include "maps/Places.h"
#include "support/MapFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

const char* const kLanguages[] = {"sv", "en", "fr", "de", "es", "it", "da", "nl"};
constexpr int kEnglish = 1; // index into a row's names
constexpr int kFrench = 2;
constexpr int kGerman = 3;

struct TNameRow {
    QString where;       // file and key, for the message
    QStringList names;   // sv en fr de es it da nl
    bool transliterated; // a name from another script (Sachalin, Jenisej)
    QString townOf{};    // file and state of a town (not a capital), else empty
};

// Features whose names are transliterations from another script.
const QSet<QString> kTransliterated = {
    "OKHOTSK", "KARA",    "LAPTEV", "CHUKCHI", "AZOV",   "SAKHALIN", "HOKKAIDO",
    "HONSHU",  "KYUSHU",  "HAINAN", "FUJI",    "ELBRUS", "DAMAVAND", "YANGTZE",
    "OB",      "YENISEI", "LENA",   "AMUR",    "GANGES", "INDUS",    "VOLGA"};

// States whose own names are written in another script: their places' names
// are transliterations.
const QSet<QString> kOtherScript = {
    "AE", "AF", "AM", "BD", "BG", "BH", "BT", "BY", "CN", "CY", "DZ", "EG", "ER", "ET",
    "GE", "GR", "IL", "IN", "IQ", "IR", "JO", "JP", "KG", "KH", "KP", "KR", "KW", "KZ",
    "LA", "LB", "LK", "LY", "MA", "MK", "MM", "MN", "NP", "OM", "PK", "PS", "QA", "RU",
    "SA", "SD", "SY", "TH", "TJ", "TM", "TN", "TW", "UA", "UZ", "YE"};
// The accents each language puts on a transliteration (Pékin, Teherán,
// Pjöngjang, Caïro); none in the others.
const QString kTransliterationAccents[] = {"", "", "éèëïÉ", "äöüÄÖÜ", "áéíóúÁÉÍÓÚ", "", "", "ëï"};

// English forms where the language has its own: French, German, Spanish,
// Italian and Dutch name states, seas, islands and mountains in their own
// words (Caroline du Nord, Lac Vänern); Swedish and Danish keep the English
// names of states and islands (North Carolina, New South Wales) but not of
// seas, lakes, rivers or mountains.
const QRegularExpression kEnglishForms(
    R"(\b(North|South|East|West|Northern|Southern|Western|Eastern|New|Great|Lake|Mount|Cape|Gulf of|Bay of|Sea of) | (Island|Islands|Sea|Ocean|Gulf|Bay|Lake|River|Territory|Territories|Channel|City)\b)");
const QRegularExpression
    kEnglishWaterForms(R"(\b(Lake|Mount|Gulf of|Bay of|Sea of) | (Sea|Gulf|Lake|River|Channel)\b)");
// Proper names that languages write as English does: in every language, or
// in those listed before the colon.
const QStringList kAlsoTheirs =
    QStringLiteral("New York|New Jersey|New Hampshire|New Delhi|Rhode Island|Saint John's|"
                   "Saint George's|Port of Spain|Benin City|Mexico City|Guatemala City|Kuwait "
                   "City|Panama City|Vatican City|Ho Chi Minh City|Jefferson City|Carson City|"
                   "Oklahoma City|Salt Lake City|de da nl sv:New Brunswick|de da sv:Prince Edward "
                   "Island|de da sv:British Columbia|de:New Mexico|de da nl sv:Mount Everest|de "
                   "da nl sv:Mount Kenya|de nl:Mount Kosciuszko|de da nl sv:Mount Wilhelm|de da "
                   "nl sv:Mount Cook|de da sv:Vancouver Island|de nl:East Midlands|de nl:West Midlands")
        .split('|');
// German atlases now print the English names of the US states (North
// Carolina, West Virginia) where older ones wrote Nord-Carolina.
bool UsState(const TNameRow& row) {
    return row.where.contains(QLatin1String(" US-"));
}
const QRegularExpression kCompassOrNew(R"(^(North|South|West|New) )");
// The states whose own script is Latin-based in their own transliteration
// (pinyin, Hepburn): French and German write those names as they stand.
const QSet<QString> kOwnRomanisation = {"CN", "TW", "JP", "KR", "KP"};
// Names French or German write with the English "sh" all the same: the
// Hepburn names of Japan's islands, and the forms their atlases print.
const QStringList kShKept = {"fr de:Honshu", "fr de:Kyushu", "fr de:Nashik", "fr:Peshawar"};
// Whether a "languages:name" list holds the name for the language.
bool Listed(const QStringList& list, const QString& name, const char* language) {
    return std::any_of(list.begin(), list.end(), [&](const QString& a) {
        const QStringList parts = a.split(':'); // no name holds a colon
        return parts.last() == name &&
               (parts.size() == 1 || parts[0].split(' ').contains(QLatin1String(language)));
    });
}

// Names that languages write without the local name's accents as their own.
const QStringList kWrittenWithoutAccents = {"fr es it nl:Brasilia", "fr nl:Bogota",
                                            "en es nl:Quebec",      "es:Rondonia",
                                            "nl:Sao Tomé",          "sv en fr da nl:Reykjavik",
                                            "en de es da:Montreal", "fr:Zurich"};
// Exonyms that two languages share (so the one is not copied from the other).
const QStringList kSharedExonyms = {"fr it:Canton", "es it:Filadelfia", "fr de es nl:San José"};

// The language column (0 = Swedish) in which a state writes its own names, for
// the states with five towns or more in a place file.
const std::map<QString, int> kOwnColumn = {{"SE", 0}, {"US", 1}, {"MX", 4}, {"DK", 6}};

// The local form of a name: the one most columns give, English on a tie.
QString MostGiven(const QStringList& names) {
    QString best = names[kEnglish];
    for (const QString& n : names)
        if (names.count(n) > names.count(best))
            best = n;
    return best;
}
QString Unaccented(const QString& s) {
    QString out;
    for (const QChar c : s.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c == QChar(0xF8) ? QChar('o') : c == QChar(0xD8) ? QChar('O') : c;
    return out;
}
int Accents(const QString& s) {
    return std::count_if(s.begin(), s.end(),
                         [](QChar c) { return c.isLetter() && c.unicode() > 127; });
}

const QRegularExpression kAdministrative(
    R"(^(State|Province|Commonwealth|City|Town|Municipality) of |^Estado d[eo] |^État d[eu] |^Stato d[ei] |^Provincia d[ei] |^Province d[eu] |^(Commune|Comune|Municipio|Municipalité|Gemeente|Gemeinde|Kommune|Kommun|Stadt|Stad) | (State|Province|Oblast|Prefecture|Municipality|County|Governorate|[Kk]ommune?|[Gg]emeente)$| City$|^Ciudad de |^Ville de |^Città di |-si$|-shi$|-gun$| Shi$|Mukarramah)");
// Names whose administrative word is part of the name: the cities of the
// first list, and their forms in other languages.
bool NamedSo(const QString& name) {
    static const QStringList others = {
        "Ciudad de México", "Ciudad de Guatemala", "Ciudad de Panamá", "Città di Ho Chi Minh",
        "State of Mexico",  "État de Mexico",      "Estado de México"};
    return (name.endsWith(" City") && kAlsoTheirs.contains(name)) || others.contains(name);
}

// Every name of the shipped area and place files beside the program.
std::vector<TNameRow> ShippedRows() {
    std::vector<TNameRow> rows;
    const QDir dir(ProgramFolder());
    for (const QString& f : dir.entryList({"AREA*.crp"}, QDir::Files)) {
        CAreor areas;
        areas.LasAreor(dir.filePath(f));
        for (const CArea& a : AreasOf(areas))
            if (a.Antal > 1) // a seed-only record names nothing the player sees
                rows.push_back(
                    {f + " " + a.Nyckel, QStringList(a.Namn.begin() + 1, a.Namn.end()), false});
    }
    for (const QString& f : dir.entryList({"Ort*.crp"}, QDir::Files)) {
        COrter places;
        places.LasOrter(dir.filePath(f));
        // The records in the same order, for their ids: a feature's key, or key.continent.
        TByteFile file(dir.filePath(f));
        for (const COrt* p : PlacesOf(places)) {
            const QString id = TPlaceRecord::Read(file).Id.section('.', 0, 0);
            // A town: no capital, and a state's code as its group (not a lake's
            // or an island's kind).
            static const QRegularExpression state("^[A-Z]{2}$");
            const bool town = !p->Klass1 && state.match(p->Grupp1).hasMatch();
            rows.push_back({f + " " + p->Grupp1 + " " + p->Namn[2],
                            QStringList(p->Namn.begin() + 1, p->Namn.end()),
                            kOtherScript.contains(p->Grupp1) || kTransliterated.contains(id),
                            town ? f + " " + p->Grupp1 : QString()});
        }
    }
    return rows;
}

// What is wrong with the name in language l (0 = Swedish) of a row.
QStringList Faults(const TNameRow& row, int l) {
    QStringList faults;
    const QString& name = row.names[l];
    if (name.isEmpty() || name != name.simplified())
        return {"empty, or stray spaces"};
    static const QRegularExpression garbled("[0-9?()]"), curly("[’‘ʼ`´“”]"), words("[ -]");
    if (!name[0].isUpper() || (name.contains(garbled) && name != "K2"))
        faults << "lower-case or garbled";
    if (name.contains(curly))
        faults << "curly apostrophe or quote";
    if (name.contains(kAdministrative) && !NamedSo(name))
        faults << "administrative form";
    const bool ownForms = l != 0 && l != kEnglish && l != 6;
    const bool germanUsState = l == kGerman && UsState(row);
    if (l != kEnglish && !germanUsState && !Listed(kAlsoTheirs, name, kLanguages[l]) &&
        name.contains(ownForms ? kEnglishForms : kEnglishWaterForms))
        faults << "English name";
    if (germanUsState && name != row.names[kEnglish] && row.names[kEnglish].contains(kCompassOrNew))
        faults << "older German form of a US state";
    // French writes "ch" (Mechhed), German "sch" (Maschhad) for the English "sh".
    if ((l == kFrench || l == kGerman) && row.transliterated &&
        !Listed(kShKept, name, kLanguages[l]) &&
        !kOwnRomanisation.contains(row.where.section(' ', 1, 1)) &&
        name.contains(QLatin1String("sh"), Qt::CaseInsensitive))
        faults << "English transliteration";
    // Only the capitalised words are the transliteration ("Azovska sjön").
    const auto stray = [&](QChar c) {
        return c.isLetter() && c.unicode() > 127 && !row.names[kEnglish].contains(c) &&
               !kTransliterationAccents[l].contains(c);
    };
    if (row.transliterated)
        for (const QString& word : name.split(words, Qt::SkipEmptyParts))
            if (word[0].isUpper() && std::any_of(word.begin(), word.end(), stray)) {
                faults << "accent the language does not put on a transliteration";
                break;
            }
    const QString local = MostGiven(row.names);
    if (!row.transliterated && name != local && Unaccented(name) == Unaccented(local) &&
        Accents(name) < Accents(local) && !Listed(kWrittenWithoutAccents, name, kLanguages[l]))
        faults << "accents of " + local + " stripped";
    return faults;
}

// Towns named in a language as another language names them, where that
// language writes the local names of the state's towns: the local name is the
// one in the state's own column, else the one most columns give; a language
// writes local names when it does so for at least half of five or more towns.
QStringList CopiedTownNames(const std::vector<TNameRow>& rows) {
    std::map<QString, std::vector<const TNameRow*>> byState;
    for (const TNameRow& row : rows)
        if (!row.townOf.isEmpty() && !row.transliterated)
            byState[row.townOf].push_back(&row);
    QStringList wrong;
    for (const auto& [state, towns] : byState) {
        const auto own = kOwnColumn.find(state.section(' ', -1));
        const auto local = [&](const TNameRow* t) {
            return own != kOwnColumn.end() ? t->names[own->second] : MostGiven(t->names);
        };
        for (int l = 0; l < 8; ++l) {
            const auto localCount =
                std::count_if(towns.begin(), towns.end(),
                              [&](const TNameRow* t) { return t->names[l] == local(t); });
            if (towns.size() < 5 || 2 * localCount < std::ssize(towns))
                continue;
            for (const TNameRow* t : towns) {
                const QString& name = t->names[l];
                const auto from = t->names.indexOf(name) != l ? t->names.indexOf(name)
                                                              : t->names.indexOf(name, l + 1);
                if (name != local(t) && from >= 0 && !Listed(kSharedExonyms, name, kLanguages[l]))
                    wrong << QStringLiteral("%1 %2 \"%3\": copied from %4, not %5")
                                 .arg(t->where, kLanguages[l], name, kLanguages[from], local(t));
            }
        }
    }
    return wrong;
}

// A Swedish name made from a state's name spells the state as Swedish does:
// Kalifornien, so Kaliforniska viken, not Californiska.
QStringList EnglishSpellingsInSwedish(const std::vector<TNameRow>& rows) {
    // The English name less its last letter, where Swedish spells the start
    // of the name otherwise (California, Kalifornien; not Liguria, Ligurien).
    QStringList stems;
    for (const TNameRow& row : rows) {
        const QString& en = row.names[kEnglish];
        if (row.where.startsWith(QLatin1String("AREA")) && en.size() > 5 && !en.contains(' ') &&
            !row.names[0].startsWith(en.chopped(1)))
            stems << en.chopped(1);
    }
    static const QRegularExpression adjective(R"(\b(\w+)ska\b)");
    QStringList wrong;
    for (const TNameRow& row : rows)
        for (auto m = adjective.globalMatch(row.names[0]); m.hasNext();) {
            const QString word = m.next().captured(1);
            if (std::any_of(stems.begin(), stems.end(),
                            [&](const QString& stem) { return word.startsWith(stem); }))
                wrong << QStringLiteral("%1 sv \"%2\": English spelling of a name Swedish spells "
                                        "its own way")
                             .arg(row.where, row.names[0]);
        }
    return wrong;
}

QStringList Check(const std::vector<TNameRow>& rows) {
    QStringList wrong = EnglishSpellingsInSwedish(rows);
    for (const TNameRow& row : rows)
        for (int l = 0; l < 8; ++l)
            for (const QString& f : Faults(row, l))
                wrong << QStringLiteral("%1 %2 \"%3\": %4")
                             .arg(row.where, kLanguages[l], row.names[l], f);
    return wrong;
}

} // namespace

TEST(SchoolAtlasNames, TheRulesCatchTheFormsNoAtlasUses) {
    auto row = [](const char* all, bool translit = false, const char* town = "",
                  const char* where = "sample") {
        return TNameRow{where, QString::fromUtf8(all).split('|'), translit, town};
    };
    // Danish writes the Finnish names of Finland's towns, Swedish its own.
    std::vector<TNameRow> towns;
    for (const char* names : {"Tammerfors|Tampere|Tampere|Tampere|Tampere|Tampere|Tampere|Tampere",
                              "Åbo|Turku|Turku|Turku|Turku|Turku|Åbo|Turku",
                              "Uleåborg|Oulu|Oulu|Oulu|Oulu|Oulu|Oulu|Oulu",
                              "Kuopio|Kuopio|Kuopio|Kuopio|Kuopio|Kuopio|Kuopio|Kuopio",
                              "Lahtis|Lahti|Lahti|Lahti|Lahti|Lahti|Lahti|Lahti"})
        towns.push_back(row(names, false, "Ort4.crp FI"));
    const QStringList bad =
        CopiedTownNames(towns) +
        Check({
            row("North Carolina|North Carolina|North Carolina|North Carolina|Carolina del "
                "Norte|Carolina del Nord|North Carolina|Noord-Carolina",
                false, "", "AREA7.crp US-NC"),
            row("West Virginia|West Virginia|Virginie-Occidentale|West-Virginia|Virginia "
                "Occidental|Virginia Occidentale|West Virginia|West-Virginia",
                false, "", "AREA7.crp US-WV"),
            row("Californiska viken|Gulf of California|Golfe de Californie|Golf von Kalifornien|"
                "Golfo de California|Golfo di California|Californiske Bugt|Golf van Californië"),
            row("Mashhad|Mashhad|Mechhed|Mashhad|Mashhad|Mashhad|Mashhad|Masjhad", true, "",
                "Ort2.crp IR"),
            row("Sapporo|Sapporo|Sapporo|Sapporo|Sapporo|Sapporo|Sapporo|Sapporo", true, "",
                "Ort2.crp JP"),
            row("Vänern|Lake Vänern|Lac Vänern|Vänern|Lago Vänern|Lago Vänern|Lake "
                "Vänern|Vänermeer"),
            row("Sachalin|Sakhalin|Sakhaline|Sachalin|Sajalín|Sachalin|Sakhalin|Sachalîn", true),
            row("Quebec|Quebec|Québec|Québec|Quebec|Québec|Québec|quebec"),
            row("Saint John’s|St John's|Saint John's|Saint John's|Saint John's|Saint John's|Saint "
                "John's|Saint John's"),
            row("Kalifornien|California|State of "
                "California|Kalifornien|California|California|Californien|Californië",
                false, "", "AREA7.crp US-CA"),
            row("Malmö|Malmo|Malmö|Malmö|Malmö|Malmö|Malmø|Malmö"),
            row("Motala|Motala|Commune de Motala|Motala|Motala|Motala|Motala kommune|Motala"),
        });
    const QStringList expected = {"da \"Åbo\": copied from sv, not Turku",
                                  "fr \"North Carolina\": English name",
                                  "de \"West-Virginia\": older German form of a US state",
                                  "sv \"Californiska viken\": English spelling",
                                  "de \"Mashhad\": English transliteration",
                                  "da \"Lake Vänern\": English name",
                                  "nl \"Sachalîn\": accent the language",
                                  "nl \"quebec\": lower-case",
                                  "sv \"Saint John’s\": curly apostrophe",
                                  "fr \"State of California\": administrative form",
                                  "sv \"Quebec\": accents of Québec stripped",
                                  "en \"Malmo\": accents of Malmö stripped",
                                  "fr \"Commune de Motala\": administrative form",
                                  "da \"Motala kommune\": administrative form"};
    for (const QString& e : expected)
        EXPECT_TRUE(bad.join('\n').contains(e)) << e.toStdString();
    // New South Wales is Swedish and Danish too; Sajalín carries a Spanish accent;
    // English and Spanish write Quebec, Danish Malmø.
    EXPECT_EQ(bad.size(), expected.size()) << bad.join('\n').toStdString();
}

TEST(SchoolAtlasNames, EveryShippedAreaAndPlaceNameFollowsTheRule) {
    const auto rows = ShippedRows();
    ASSERT_GE(rows.size(), 1000u);
    const QStringList wrong = Check(rows) + CopiedTownNames(rows);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << " names:\n" << wrong.join('\n').toStdString();
}
