// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Namnmatchning.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

// Items with their names in the program's languages, sv en fr de es it da nl.
struct TLand {
    const char* Nyckel;
    std::array<const char*, 8> Namn;
};

const TLand kLander[] = {
    {"AT",
     {"Österrike", "Austria", "Autriche", "Österreich", "Austria", "Austria", "Østrig",
      "Oostenrijk"}},
    {"AU",
     {"Australien", "Australia", "Australie", "Australien", "Australia", "Australia", "Australien",
      "Australië"}},
    {"NE", {"Niger", "Niger", "Niger", "Niger", "Níger", "Niger", "Niger", "Niger"}},
    {"NG",
     {"Nigeria", "Nigeria", "Nigeria", "Nigeria", "Nigeria", "Nigeria", "Nigeria", "Nigeria"}},
    {"SI",
     {"Slovenien", "Slovenia", "Slovénie", "Slowenien", "Eslovenia", "Slovenia", "Slovenien",
      "Slovenië"}},
    {"SK",
     {"Slovakien", "Slovakia", "Slovaquie", "Slowakei", "Eslovaquia", "Slovacchia", "Slovakiet",
      "Slowakije"}},
    {"GN", {"Guinea", "Guinea", "Guinée", "Guinea", "Guinea", "Guinea", "Guinea", "Guinee"}},
    {"GW",
     {"Guinea-Bissau", "Guinea-Bissau", "Guinée-Bissau", "Guinea-Bissau", "Guinea-Bisáu",
      "Guinea-Bissau", "Guinea-Bissau", "Guinee-Bissau"}},
    {"CI",
     {"Elfenbenskusten", "Côte d'Ivoire", "Côte d'Ivoire", "Elfenbeinküste", "Costa de Marfil",
      "Costa d'Avorio", "Elfenbenskysten", "Ivoorkust"}},
    {"NL",
     {"Nederländerna", "Netherlands", "Pays-Bas", "Niederlande", "Países Bajos", "Paesi Bassi",
      "Nederlandene", "Nederland"}},
    {"CZ",
     {"Tjeckien", "Czech Republic", "République tchèque", "Tschechien", "República Checa",
      "Repubblica Ceca", "Tjekkiet", "Tsjechië"}},
    {"MM",
     {"Myanmar", "Myanmar", "Myanmar", "Myanmar", "Myanmar", "Myanmar", "Myanmar", "Myanmar"}},
};

// The game's items as a screen in language (1..8) builds them: its own name
// first.
CNamnmatchning Matchning(int sprak) {
    CNamnmatchning m;
    for (const TLand& land : kLander) {
        QStringList namn{QString::fromUtf8(land.Namn[sprak - 1])};
        for (const char* n : land.Namn)
            namn << QString::fromUtf8(n);
        m.LaggTill(namn);
    }
    return m;
}

QString Nyckel(const CNamnmatchning& m, const QString& text) {
    const int i = m.Matcha(text);
    return i < 0 ? QStringLiteral("-") : QString::fromLatin1(kLander[i].Nyckel);
}

struct TFall {
    int Sprak;
    const char* Skrivet;
    const char* Vantat; // "-": no item
};

} // namespace

TEST(NamnmatchningTest, NormalisingDropsCaseMarksArticlesAndPunctuation) {
    const std::pair<const char*, const char*> fall[] = {
        {"Côte d'Ivoire", "cotedivoire"},   {"GUINÉE-BISSAU", "guineebissau"},
        {"the Netherlands", "netherlands"}, {"l'Autriche", "autriche"},
        {"Die Niederlande", "niederlande"}, {"Straße", "strasse"},
        {"Færøerne", "faeroerne"},          {"El", "el"}, // an article alone is the name
        {"  Los  Angeles ", "angeles"},     {"Ísland", "island"},
    };
    for (const auto& [in, ut] : fall)
        EXPECT_EQ(NormaliseraNamn(QString::fromUtf8(in)), QString::fromUtf8(ut)) << in;
}

TEST(NamnmatchningTest, EditDistanceCountsATranspositionAsOne) {
    const std::tuple<const char*, const char*, int> fall[] = {
        {"nigeria", "nigreia", 1},
        {"austria", "australia", 2},
        {"", "abc", 3},
        {"ca", "abc", 3}, // optimal string alignment: no edit of a transposed pair
        {"slovenia", "slovakia", 2},
        {"same", "same", 0},
    };
    for (const auto& [a, b, d] : fall) {
        EXPECT_EQ(Redigeringsavstand(QString::fromLatin1(a), QString::fromLatin1(b)), d) << a;
        EXPECT_EQ(Redigeringsavstand(QString::fromLatin1(b), QString::fromLatin1(a)), d) << b;
    }
}

TEST(NamnmatchningTest, AcceptsNamesVariantsAndTyposButNotNearMisses) {
    const TFall fall[] = {
        // Swedish
        {1, "österrike", "AT"},
        {1, "Osterike", "AT"},
        {1, "Australien", "AU"},
        {1, "Slovenien", "SI"},
        {1, "Slovakien", "SK"},
        {1, "Nigeri", "-"},
        {1, "Guinea Bissau", "GW"},
        {1, "Elfenbenskusten", "CI"},
        {1, "Austria", "AT"},
        // English
        {2, "the Netherlands", "NL"},
        {2, "Holland", "NL"},
        {2, "Ivory Coast", "CI"},
        {2, "Czechia", "CZ"},
        {2, "Burma", "MM"},
        {2, "Austira", "AT"},
        {2, "Austrlia", "-"},
        {2, "Austral", "-"},
        {2, "Niger", "NE"},
        {2, "Nigera", "-"},
        {2, "Nigreia", "NG"},
        {2, "Slovekia", "-"},
        {2, "Guinea", "GN"},
        {2, "Guinea Bisau", "GW"},
        // French
        {3, "cote divoire", "CI"},
        {3, "Les Pays Bas", "NL"},
        {3, "l'Autriche", "AT"},
        {3, "Slovaquie", "SK"},
        {3, "Slovenie", "SI"},
        {3, "Guinee", "GN"},
        {3, "Guinée Bisau", "GW"},
        {3, "Australie", "AU"},
        {3, "Autralie", "AU"},
        {3, "Autriche", "AT"},
        // German
        {4, "die Niederlande", "NL"},
        {4, "Oesterreich", "AT"},
        {4, "Slowenien", "SI"},
        {4, "Slowakai", "SK"},
        {4, "Elfenbeinkuste", "CI"},
        {4, "Tschechische Republik", "CZ"},
        {4, "Birma", "MM"},
        {4, "Nigerien", "-"},
        {4, "Guinea-Bissau", "GW"},
        // Spanish
        {5, "Níger", "NE"},
        {5, "el Niger", "NE"},
        {5, "Nigeria", "NG"},
        {5, "Eslovenia", "SI"},
        {5, "Eslovaquia", "SK"},
        {5, "Paises Bajos", "NL"},
        {5, "Costa de Marfil", "CI"},
        {5, "Eslovequia", "SK"},
        {5, "Gine", "-"},
        // Italian
        {6, "Slovacchia", "SK"},
        {6, "Slovachia", "SK"},
        {6, "l'Austria", "AT"},
        {6, "Paesi Bassi", "NL"},
        {6, "Olanda", "NL"},
        {6, "Costa d Avorio", "CI"},
        {6, "Australi", "AU"},
        {6, "Austri", "AT"},
        {6, "Nigr", "-"},
        // Danish
        {7, "Østrig", "AT"},
        {7, "Ostrig", "AT"},
        {7, "Holland", "NL"},
        {7, "Slovakiet", "SK"},
        {7, "Elfenbenskysten", "CI"},
        {7, "Tjekiet", "CZ"},
        {7, "Slovniet", "-"},
        // Dutch
        {8, "Oostenrijk", "AT"},
        {8, "Australie", "AU"},
        {8, "het Nederland", "NL"},
        {8, "Slowakije", "SK"},
        {8, "Guinee-Bissau", "GW"},
        {8, "Guinee", "GN"},
        {8, "Ivoorkust", "CI"},
        {8, "Tsjechie", "CZ"},
        {8, "Guin", "-"},
        {8, "", "-"},
    };
    std::map<int, CNamnmatchning> matchningar;
    for (int s = 1; s <= 8; ++s)
        matchningar.emplace(s, Matchning(s));
    for (const TFall& f : fall)
        EXPECT_EQ(Nyckel(matchningar.at(f.Sprak), QString::fromUtf8(f.Skrivet)),
                  QString::fromLatin1(f.Vantat))
            << "language " << f.Sprak << ": " << f.Skrivet;
}

TEST(NamnmatchningTest, CompletesFromTwoLettersWithTheShownNames) {
    const std::tuple<int, const char*, QStringList> fall[] = {
        {2, "G", {}},
        {2, "gu", {"Guinea", "Guinea-Bissau"}},
        {4, "SLOW", {"Slowakei", "Slowenien"}},
        {5, "ni", {"Níger", "Nigeria"}},
        // A variant leads to the shown name.
        {3, "elfen", {"Côte d'Ivoire"}},
        {2, "Hol", {"Netherlands"}},
        {1, "xy", {}},
    };
    for (const auto& [sprak, text, vantat] : fall)
        EXPECT_EQ(Matchning(sprak).Kompletteringar(QString::fromUtf8(text)), vantat) << text;
}
