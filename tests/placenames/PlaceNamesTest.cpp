// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the names in the shipped atlas: every capital as a
// current school atlas writes it in each of the eight languages, no district
// among the cities, and the short country forms of a school atlas. The rule
// that no name has a form no atlas uses is tested over every file in
// SchoolAtlasNamesTest.cpp.
#include "maps/Areas.h"
#include "maps/Places.h"
#include "support/MapFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int kEnglish = 2;
const QStringList kLanguages = {"", "sv", "en", "fr", "de", "es", "it", "da", "nl"};

// The capital of every state in Swedish, English, French, German, Spanish,
// Italian, Danish and Dutch, from the table beside this test.
std::map<QString, QStringList> Capitals() {
    std::map<QString, QStringList> capitals;
    QFile file(QStringLiteral(GLOBINA_CAPITALS_TSV));
    // A table that cannot be read is empty: the first capital then fails.
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList cells = line.split('\t');
        if (!line.startsWith('#') && cells.size() == 9)
            capitals[cells[0]] = cells.mid(1);
    }
    return capitals;
}
const std::map<QString, QStringList> kCapitals = Capitals();

} // namespace

// GeoNames gives the districts the population of the city or county around
// them.
TEST(ShippedNames, EveryCapitalHasItsStandardNameInEveryLanguageAndNoDistrictIsACity) {
    COrter places;
    places.LasOrter("Ort1.crp");
    const QStringList districts = {"Budta", "Dadonghai", "Najafgarh", "Nowrangapur", "Tongshan"};
    QStringList wrong;
    QSet<QString> seen;
    for (const COrt* p : PlacesOf(places)) {
        EXPECT_FALSE(districts.contains(p->Namn[kEnglish])) << p->Namn[kEnglish].toStdString();
        if (!p->Klass1)
            continue;
        const auto row = kCapitals.find(p->Grupp1);
        ASSERT_NE(row, kCapitals.end()) << p->Grupp1.toStdString();
        seen.insert(p->Grupp1);
        for (int l = 1; l <= 8; ++l)
            if (p->Namn[l] != row->second[l - 1])
                wrong << QStringLiteral("%1 %2: %3 instead of %4")
                             .arg(p->Grupp1, kLanguages[l], p->Namn[l], row->second[l - 1]);
    }
    EXPECT_EQ(seen.size(), kCapitals.size());
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join("\n").toStdString();
}

TEST(ShippedCountryNames, AreTheShortFormsOfASchoolAtlas) {
    CAreor maps[6];
    std::map<QString, const CArea*> byKey; // the first map that has the state
    for (int n = 0; n < 6; ++n) {
        maps[n].LasAreor(QStringLiteral("AREA%1.crp").arg(n + 1));
        for (int i = 1; i <= maps[n].Antal; ++i)
            byKey.emplace(maps[n].Area(i).Nyckel, &maps[n].Area(i));
    }
    // State, language and name.
    for (const char* expected :
         {"CI de Elfenbeinküste", "TL de Osttimor", "BN de Brunei", "CI es Costa de Marfil",
          "TL es Timor Oriental", "TL da Østtimor", "KN sv Saint Kitts och Nevis",
          "LC sv Saint Lucia", "VC sv Saint Vincent och Grenadinerna"}) {
        const QString e = QString::fromUtf8(expected);
        const CArea* a = byKey[e.section(' ', 0, 0)];
        ASSERT_TRUE(a) << expected;
        EXPECT_EQ(a->Namn.at(kLanguages.indexOf(e.section(' ', 1, 1))), e.section(' ', 2))
            << expected;
    }
    // Abbreviations and the long official forms stay out of every name.
    for (const auto& [key, a] : byKey)
        for (int l = 1; l <= 8; ++l)
            EXPECT_FALSE(a->Namn[l].contains(QRegularExpression("S:t |Darussalam")))
                << a->Namn[l].toStdString();
}
