// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the shipped maps of states and provinces (7 United
// States, 8 Canada, 10 Brazil, 11 Australia) with their capitals in Ort3.crp,
// of the admin-1 maps (12 on: the divisions schools teach, kMaps below) with
// theirs in Ort5.crp, and of the Nordic map (9) with Ort4.crp, drawn with the
// program's own map.
// What every map shares (targets to click, patches, places apart) is held by the tests
// that go through the catalogue's exercises.
#include "data/Helpers.h"
#include "platform/Image.h"
#include "support/ShippedMaps.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct TSubdivisionMap {
    int number;
    const char* country;   // Grupp2 of every subdivision
    int subdivisions;      // main areas asked
    QStringList context;   // neighbours drawn, never asked
    int places = 3;        // the place file of its capitals
    const char* also = ""; // a further country whose divisions the map asks
    int seatless = 0;      // divisions governed from outside them (Akershus from Oslo)
    int lakes = 1;         // lakes drawn at least (Spain has none the sources draw)
};

const TSubdivisionMap kMaps[] = {
    {7, "US", 51, {"CA", "MX", "CU", "BS"}},
    {8, "CA", 13, {"US", "GL"}},
    {10, "BR", 27, {"AR", "BO", "CL", "CO", "EC", "FR", "GY", "PE", "PY", "SR", "UY", "VE"}},
    {11, "AU", 8, {"ID", "PG", "TL"}},
    {12,
     "DE",
     16,
     {"AT", "BE", "CH", "CZ", "DK", "FR", "GB", "HU", "IT", "LI", "LT", "LU", "NL", "PL", "RU",
      "SE", "SI", "SK"},
     5},
    {13, "SE", 21, {"DE", "DK", "EE", "FI", "LT", "LV", "NO", "PL", "RU"}, 5},
    {14,
     "PL",
     16,
     {"AT", "BY", "CZ", "DE", "DK", "HU", "LT", "LV", "MD", "RO", "RU", "SE", "SK", "UA"},
     5},
    {15, "CH", 26, {"BA", "CZ", "DE", "FR", "HR", "HU", "IT", "LI", "PL", "SI", "SK"}, 5, "AT"},
    {15, "AT", 9, {"BA", "CZ", "DE", "FR", "HR", "HU", "IT", "LI", "PL", "SI", "SK"}, 5, "CH"},
    {16, "NO", 15, {"DK", "FI", "RU", "SE"}, 5, "", 1},
    {17, "FI", 19, {"EE", "NO", "RU", "SE"}, 5},
    {18, "DK", 5, {"DE", "NO", "PL", "SE"}, 5},
    {19,
     "IT",
     20,
     {"AD", "AL", "AT", "BA", "BG", "CH", "CZ", "DE", "DZ", "ES", "FR", "GR", "HR", "HU", "LI",
      "MA", "MC", "ME", "MK", "MT", "RO", "RS", "SI", "SK", "SM", "TN", "UA", "VA", "XK"},
     5},
    {20, "MX", 32, {"BZ", "CU", "GT", "HN", "SV", "US"}, 5},
    {21,
     "FR",
     18,
     {"AD", "AT", "BA", "BE", "CH", "CZ", "DE", "DK", "DZ", "ES", "GB", "GG", "HR", "IE",
      "IM", "IT", "JE", "LI", "LU", "MC", "MT", "NL", "PT", "SI", "SM", "TN", "VA"},
     5},
    {22, "JP", 47, {"CN", "KP", "KR", "RU"}, 5},
    {23, "ES", 19, {"AD", "DZ", "FR", "GI", "MA", "PT"}, 5, "", 0, 0},
    {24, "GB", 12, {"FR", "GG", "IE", "IM", "JE"}, 5, "", 8},
    {25,
     "IN",
     36,
     {"AF", "BD", "BT", "CN", "ID", "LK", "MM", "MV", "NP", "PK", "TH", "TJ"},
     5,
     "",
     2},
    {26,
     "CN",
     33,
     {"AF", "BD", "BT", "IN", "JP", "KG", "KP", "KR", "KZ", "LA", "MM", "MN", "NP", "PH", "PK", "RU",
      "TH", "TJ", "TW", "UZ", "VN"},
     5},
};

class SubdivisionMap : public ::testing::TestWithParam<TSubdivisionMap> {};

// The map with the areas of the keys taking part and the view fitted to them,
// as an exercise of those keys shows it.
struct TCountryView {
    TCountryView(int map, int places, const QStringList& keys, QSize size)
        : k(LoadShippedMap(map, places)) {
        image.resize(size.width(), size.height());
        k->Bild = &image;
        for (const QString& key : keys)
            k->Landareor->Markera(key);
        k->BeraknaSkala();
        k->AnpassaVy();
    }
    // The area a click on the place's marker is judged to be in, among all
    // areas.
    const CArea* Under(const COrt& p) const {
        const int y = k->YKoord(float(p.Latitud));
        return k->AreaVid(k->Landareor.get(),
                          QPoint(k->XKoord(float(p.Latitud), float(p.Longitud)), y));
    }
    std::unique_ptr<CKarta> k;
    TImage image;
};

// The files hold every subdivision and the neighbours are never asked; every
// capital's marker centre at 1920 x 1048 is judged to lie in its own
// subdivision (Juneau and Honolulu in their insets, Annapolis by Maryland's
// shore), and there is one for each.
TEST_P(SubdivisionMap, FilesHoldEverySubdivisionAndEachCapitalLiesOnItsOwnAt1920x1048) {
    const TSubdivisionMap& m = GetParam();
    const TCountryView v(m.number, m.places, {m.country}, QSize(1920, 1048));
    EXPECT_GE(v.k->Vattenareor->Antal, m.lakes) << "lakes of the map";
    QSet<QString> main;
    for (const CArea& a : AreasOf(*v.k->Landareor)) {
        SCOPED_TRACE(a.Nyckel.toStdString());
        EXPECT_TRUE(a.Flaggfil.isEmpty());
        if (a.Grupp2 == m.country) {
            EXPECT_TRUE(a.Nyckel.startsWith(QString(m.country) + "-"));
            if (a.Grupp1.isEmpty())
                main.insert(a.Nyckel);
        } else if (a.Grupp2 != m.also || a.Grupp2.isEmpty()) {
            // Drawn for context: answers to no exercise's group key.
            EXPECT_TRUE(a.Grupp2.isEmpty() &&
                        m.context.contains(a.Grupp1.isEmpty() ? a.Nyckel : a.Grupp1));
        }
    }
    EXPECT_EQ(main.size(), m.subdivisions);
    int capitals = 0;
    for (const COrt* p : PlacesOf(*v.k->Platser)) {
        if (p->Grupp2 != m.country || !p->Klass1)
            continue;
        ++capitals;
        const CArea* under = v.Under(*p);
        // An island of a few pixels (Kavaratti) may hold no pixel's centre,
        // and the ring the map draws round it takes the click: there the
        // capital needs only to lie on its land.
        const auto speck = [&] {
            for (const CArea& a : AreasOf(*v.k->Landareor))
                if (a.Matchar(p->Grupp1) && InArea(a, float(p->Latitud), float(p->Longitud)))
                    return std::abs(v.k->XKoord(a.Nord, a.Ost) - v.k->XKoord(a.Nord, a.Vast)) <=
                               4 &&
                           std::abs(v.k->YKoord(a.Nord) - v.k->YKoord(a.Syd)) <= 4;
            return false;
        };
        EXPECT_TRUE((under && under->Matchar(p->Grupp1)) || speck())
            << p->Namn[2].toStdString() << " lies in "
            << (under ? under->Nyckel.toStdString() : "the sea");
        EXPECT_EQ(std::pair(p->Niva, p->Grupp3), std::pair(1, QStringLiteral("ALLA")));
    }
    EXPECT_EQ(capitals, m.subdivisions - m.seatless);
}

INSTANTIATE_TEST_SUITE_P(Maps, SubdivisionMap, ::testing::ValuesIn(kMaps),
                         [](const auto& info) { return std::string(info.param.country); });

// The Nordic map (9) and its place file Ort4.crp.
const QStringList kNordic = {"SE", "NO", "DK", "FI", "IS"};

// The five states are there as on the Europe map, with Åland in Finland;
// towns and capitals lie on their own state at 1920 x 1048, islands and peaks
// on land.
TEST(NordicMap, TheFiveStatesAreThereAndTownsIslandsAndPeaksLieOnTheirLandAt1920x1048) {
    const TCountryView v(9, 4, kNordic, QSize(1920, 1048));
    const auto europe = LoadShippedMap(2);
    QStringList present;
    bool aland = false;
    for (const CArea& a : AreasOf(*v.k->Landareor)) {
        const bool state = a.Grupp1.isEmpty() && !a.Grupp2.isEmpty();
        EXPECT_TRUE(!state || europe->Landareor->Hitta(a.Nyckel)) << a.Nyckel.toStdString();
        if (state && kNordic.contains(a.Nyckel)) {
            present << a.Nyckel;
            EXPECT_EQ(a.Grupp2 + " " + a.Flaggfil, "EUR " + a.Nyckel.toLower() + ".gif");
        }
        aland = aland || (a.Matchar("FI") && InArea(a, 60.2f, 19.95f));
    }
    EXPECT_EQ(present.size(), 5) << present.join(' ').toStdString();
    EXPECT_TRUE(aland);
    int towns = 0;
    for (const COrt* p = v.k->Platser->Forsta.get(); p; p = p->Nasta.get()) {
        const CArea* under = v.Under(*p);
        const bool town = p->Grupp2 == "STAD";
        towns += town;
        if (!town && p->Grupp1 != "O" && p->Grupp1 != "BERG")
            continue;
        EXPECT_TRUE(under && (!town || under->Matchar(p->Grupp1)))
            << p->Namn[2].toStdString() << " lies in "
            << (under ? under->Nyckel.toStdString() : "the sea");
    }
    EXPECT_GE(towns, 100);
}

} // namespace
