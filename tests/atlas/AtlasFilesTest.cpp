// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Gif.h"
#include "maps/Kartor.h"
#include "support/ShippedMaps.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

const QStringList kContinents = {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS"};
// The map that shows a continent on its own (2 to 6); South America and
// anything else only on the world map (indexOf gives -1 there).
int HomeMap(const QString& continent) {
    return QStringList{"EUR", "NOR", "AFR", "ASI", "AUS"}.indexOf(continent) + 2;
}

// Every area file loads and its seeds lie in their own outline (the names are
// checked in SchoolAtlasNamesTest.cpp). 193 members of the United Nations and four more
// have their main area and flag on the maps of their continents (South
// America on the world map). No sea point lies in land, where it would flood
// the land with sea; in a lake (where the outlines pinch part of it off) it
// is harmless.
TEST(AtlasFiles, EveryAreaFileLoadsWithSeedsInsideTheStatesFlagsAndSeaPointsOffLand) {
    int states = 0;
    for (int n = 1; n <= 6; ++n) {
        const auto m = LoadShippedMap(n); // more than 100 sea points would raise a range error
        ASSERT_GT(m->Landareor->Antal, 0) << n;
        EXPECT_GE(m->Vattenareor->Antal, 30);
        ASSERT_GE(m->AntalHav, 5); // the named seas at least
        for (int i = 1; i <= m->AntalHav; ++i) {
            const CArea* land = AreaAt(*m->Landareor, m->Havspunkter[i].Lat, m->Havspunkter[i].Lon);
            EXPECT_FALSE(land) << "sea point " << i << " of map " << n << " lies in "
                               << land->Nyckel.toStdString();
        }
        // A seed-only record (one outline point, for a piece that
        // simplification pinched off) has its seeds in an outline of its state.
        auto inState = [&](const CArea& piece, const TLatLon& seed) {
            return std::ranges::any_of(AreasOf(*m->Landareor), [&](const CArea& a) {
                return a.Antal >= 3 && a.Matchar(piece.Grupp1) && InArea(a, seed.Lat, seed.Lon);
            });
        };
        for (const CAreor* list : {m->Landareor.get(), m->Vattenareor.get()}) {
            std::set<QString> keys;
            for (const CArea& a : AreasOf(*list)) {
                const std::string key = a.Nyckel.toStdString();
                EXPECT_TRUE(keys.insert(a.Nyckel).second) << "map " << n << " repeats " << key;
                for (const TLatLon& seed : {a.Fyllpunkt1, a.Fyllpunkt2})
                    EXPECT_TRUE(a.Antal == 1 && !a.Grupp1.isEmpty()
                                    ? inState(a, seed)
                                    : PunktIYta(seed.Lat, seed.Lon, a.Punkter, a.Antal))
                        << key;
                // A further piece answers under its country's key.
                EXPECT_TRUE(a.Grupp1.isEmpty() || a.Nyckel.startsWith(a.Grupp1 + ".")) << key;
                if (list == m->Landareor.get() && a.Grupp1.isEmpty() && !a.Flaggfil.isEmpty() &&
                    HomeMap(a.Grupp2) == n) {
                    ++states;
                    EXPECT_EQ(a.Flaggfil, a.Nyckel.toLower() + ".gif");
                    EXPECT_TRUE(QFileInfo::exists("flags/" + a.Flaggfil)) << key;
                }
            }
        }
    }
    EXPECT_EQ(states, 197);
}

TEST(AtlasFiles, EveryFlagDecodesAndFitsTheFlagSheet) {
    QDir dir("flags");
    const QStringList flags = dir.entryList({"*.gif"}, QDir::Files);
    EXPECT_EQ(flags.size(), 197);
    for (const QString& f : flags) {
        const QImage flag = DecodeGif(dir.filePath(f)); // throws when giflib cannot
        SCOPED_TRACE(f.toStdString());
        EXPECT_TRUE(flag.width() <= 120 && flag.height() <= 60);
        // The double-size flag for scaled screens. Within two pixels of twice
        // the small one, the sheet shows it unscaled under the frame.
        const QImage big = DecodeGif("flags2x/" + f);
        const QSize off = big.size() - 2 * flag.size();
        EXPECT_TRUE(big.width() <= 240 && big.height() <= 120);
        EXPECT_TRUE(std::abs(off.width()) <= 2 && std::abs(off.height()) <= 2);
    }
    EXPECT_EQ(QDir("flags2x").entryList(QDir::Files), flags);
}

// Europe's side of the boundary with Asia (lat, lon): the Urals at 60 E, the
// Ural River, the Caucasus watershed, the Bosporus, the Dardanelles, the
// Aegean: points 1 to 15.
const TPunkter kEurope = {TLatLon{},    {90, 60},       {54, 60},     {51.2, 58.6},
                          {51.2, 51.4}, {46.9, 51.9},   {41.2, 49.3}, {42.7, 44.6},
                          {43.4, 40},   {41.25, 29.12}, {41, 29},     {40.1, 26.35},
                          {35.5, 27},   {30, 32},       {30, -30},    {90, -30}};

// Where the capitals lie is checked with the maps drawn (AtlasGeometryTest).
TEST(AtlasFiles, PlacesHaveTheLevelsOfTheirClassAndTheContinentOfTheirSide) {
    COrter places;
    places.LasOrter("Ort1.crp");
    int capitals = 0, cities = 0, across = 0;
    for (const COrt* p = places.Forsta.get(); p; p = p->Nasta.get()) {
        EXPECT_TRUE(kContinents.contains(p->Grupp2));
        EXPECT_EQ(p->Niva, p->Klass1 ? 1 : 2) << p->Namn[2].toStdString();
        ++(p->Klass1 ? capitals : cities);
        if (QStringList{"RU", "KZ", "TR", "GE", "AZ"}.contains(p->Grupp1)) {
            ++across;
            const bool inEurope = PunktIYta(float(p->Latitud), float(p->Longitud), kEurope, 15);
            EXPECT_EQ(p->Grupp2, inEurope ? "EUR" : "ASI") << p->Namn[2].toStdString();
        }
    }
    EXPECT_EQ(capitals, 197);
    EXPECT_GE(cities, 200);
    EXPECT_GE(across, 10);
}

TEST(AtlasFiles, WorldPicturesAreAlignedRendersOfOneMap) {
    QImage pictures[kAntalVarldsdelar]; // the whole world last
    for (int i = 0; i < kAntalVarldsdelar; ++i) {
        const char* name = kVarldsdelar[size_t(i)].Bild;
        pictures[i] = DecodeGif(name).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(pictures[i].size(), QSize(396, 155)) << name;
    }
    const QRgb sea = qRgb(0, 0, 128), land = qRgb(0, 128, 0), lime = qRgb(0, 255, 0);
    for (int y = 0; y < 155; ++y)
        for (int x = 0; x < 396; ++x) {
            const QRgb whole = pictures[6].pixel(x, y);
            ASSERT_TRUE(whole == sea || whole == lime);
            int owners = 0;
            for (int i = 0; i < 6; ++i) {
                const QRgb c = pictures[i].pixel(x, y);
                ASSERT_TRUE(whole == sea ? c == sea : (c == land || c == lime))
                    << kVarldsdelar[size_t(i)].Bild << " " << x << "," << y;
                owners += c == lime;
            }
            // A land pixel belongs to one continent at most.
            EXPECT_LE(owners, 1) << x << "," << y;
        }
}

} // namespace
