#include "AtlasFiles.h"
#include "maps/Karta.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <gif_lib.h>
#include <gtest/gtest.h>

TShippedMap LoadShippedMap(int number) {
    TShippedMap m;
    m.number = number;
    m.land = std::make_unique<CAreor>();
    m.land->LasAreor(QStringLiteral("AREA%1.crp").arg(number));
    if (number <= 3) {
        m.water = std::make_unique<CAreor>();
        m.water->LasAreor(QStringLiteral("Vatten.crp"));
    }
    m.seaFile = number == 4 ? QStringLiteral("Hav1.crp") : QStringLiteral("Hav%1.crp").arg(number);
    return m;
}

namespace {

const QString kContinents[] = {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS"};
int HomeMap(const QString& continent) {
    return continent == "EUR"   ? 2
           : continent == "NOR" ? 3
           : continent == "AFR" ? 4
           : continent == "ASI" ? 5
           : continent == "AUS" ? 6
                                : 1;
}

TEST(AtlasFiles, EveryAreaFileLoadsWithSeedsInsideAndNamesInEveryLanguage) {
    for (int n = 1; n <= 6; ++n) {
        const TShippedMap m = LoadShippedMap(n);
        ASSERT_GT(m.land->Antal, 0) << n;
        QSet<QString> keys;
        for (int i = 1; i <= m.land->Antal; ++i) {
            const CArea& a = *m.land->Areor[i];
            EXPECT_FALSE(keys.contains(a.Nyckel))
                << "map " << n << " repeats " << a.Nyckel.toStdString();
            keys.insert(a.Nyckel);
            EXPECT_TRUE(PunktIYta(a.Fyllpunkt1.Lat, a.Fyllpunkt1.Lon, a.Punkter, a.Antal))
                << a.Nyckel.toStdString();
            EXPECT_TRUE(PunktIYta(a.Fyllpunkt2.Lat, a.Fyllpunkt2.Lon, a.Punkter, a.Antal))
                << a.Nyckel.toStdString();
            for (int l = 1; l <= 8; ++l)
                EXPECT_FALSE(a.Namn[l].isEmpty()) << a.Nyckel.toStdString() << " language " << l;
            // A further piece answers under its country's key.
            if (!a.Grupp1.isEmpty()) {
                EXPECT_TRUE(a.Nyckel.startsWith(a.Grupp1 + ".")) << a.Nyckel.toStdString();
            }
        }
    }
    CAreor water;
    water.LasAreor("Vatten.crp");
    EXPECT_GE(water.Antal, 20);
    for (int i = 1; i <= water.Antal; ++i) {
        const CArea& a = *water.Areor[i];
        EXPECT_TRUE(PunktIYta(a.Fyllpunkt1.Lat, a.Fyllpunkt1.Lon, a.Punkter, a.Antal))
            << a.Nyckel.toStdString();
        for (int l = 1; l <= 8; ++l)
            EXPECT_FALSE(a.Namn[l].isEmpty()) << a.Nyckel.toStdString();
    }
}

TEST(AtlasFiles, EveryStateHasItsMainAreaAndFlagOnTheMapOfItsContinent) {
    // 193 members of the United Nations and four more, on the maps of their
    // continents (South America on the world map).
    int states = 0;
    for (int n = 1; n <= 6; ++n) {
        const TShippedMap m = LoadShippedMap(n);
        for (int i = 1; i <= m.land->Antal; ++i) {
            const CArea& a = *m.land->Areor[i];
            if (a.Grupp1.isEmpty() && !a.Flaggfil.isEmpty() && HomeMap(a.Grupp2) == n) {
                ++states;
                EXPECT_EQ(a.Flaggfil, a.Nyckel.toLower() + ".gif");
                EXPECT_TRUE(QFileInfo::exists("flags/" + a.Flaggfil)) << a.Flaggfil.toStdString();
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
        int error = 0;
        GifFileType* gif = DGifOpenFileName(dir.filePath(f).toLocal8Bit().constData(), &error);
        ASSERT_NE(gif, nullptr) << f.toStdString();
        EXPECT_EQ(DGifSlurp(gif), GIF_OK) << f.toStdString();
        EXPECT_GE(gif->ImageCount, 1);
        EXPECT_LE(gif->SWidth, 120) << f.toStdString();
        EXPECT_LE(gif->SHeight, 60) << f.toStdString();
        DGifCloseFile(gif, &error);
    }
}

TEST(AtlasFiles, SeaPointsLieInNoLandOrWaterAreaOfTheMapsThatUseThem) {
    for (int n = 1; n <= 6; ++n) {
        const TShippedMap m = LoadShippedMap(n);
        CKarta k;
        k.LasHav(m.seaFile); // more than 100 points would raise a range error
        ASSERT_GE(k.AntalHav, 10);
        for (int i = 1; i <= k.AntalHav; ++i) {
            const TLatLon p = k.Havspunkter[i];
            for (const CAreor* list : {m.land.get(), m.water.get()})
                for (int j = 1; list && j <= list->Antal; ++j)
                    EXPECT_FALSE(InArea(*list->Areor[j], p.Lat, p.Lon))
                        << m.seaFile.toStdString() << " point " << i << " lies in "
                        << list->Areor[j]->Nyckel.toStdString() << " of map " << n;
        }
    }
}

TEST(AtlasFiles, PlacesHaveNamesAndEveryCapitalLiesInItsCountry) {
    COrter places;
    places.LasOrter("Ort1.crp");
    TShippedMap maps[7];
    for (int n = 1; n <= 6; ++n)
        maps[n] = LoadShippedMap(n);
    int capitals = 0, cities = 0;
    for (const COrt* p = places.Forsta.get(); p; p = p->Nasta.get()) {
        for (int l = 1; l <= 8; ++l)
            EXPECT_FALSE(p->Namn[l].isEmpty()) << p->Namn[2].toStdString() << " language " << l;
        EXPECT_TRUE(std::find(std::begin(kContinents), std::end(kContinents), p->Grupp2) !=
                    std::end(kContinents));
        EXPECT_FALSE(p->Klass2);
        if (!p->Klass1) {
            EXPECT_EQ(p->Niva, 2);
            ++cities;
            continue;
        }
        EXPECT_EQ(p->Niva, 1);
        ++capitals;
        for (int n : {1, HomeMap(p->Grupp2)}) {
            bool present = false, inside = false;
            for (int i = 1; i <= maps[n].land->Antal; ++i) {
                const CArea& a = *maps[n].land->Areor[i];
                const bool in = InArea(a, float(p->Latitud), float(p->Longitud));
                if (a.Matchar(p->Grupp1)) {
                    present = true;
                    inside = inside || in;
                } else if (in && a.Grupp1.isEmpty() && a.Antal == 8) {
                    inside = true; // under the octagon of a small state it surrounds (Rome)
                }
            }
            // States too small for the world map are left off it.
            if (present)
                EXPECT_TRUE(inside) << p->Namn[2].toStdString() << " on map " << n;
            else
                EXPECT_EQ(n, 1) << p->Grupp1.toStdString() << " is missing on its continent's map";
        }
    }
    EXPECT_EQ(capitals, 197);
    EXPECT_GE(cities, 200);
}

TEST(AtlasFiles, WorldPicturesAreAlignedRendersOfOneMap) {
    const char* names[] = {"Europa.gif", "NordAmerika.gif", "SydAmerika.gif", "Asien.gif",
                           "Afrika.gif", "Australien.gif",  "Hela.gif"};
    QImage pictures[7];
    for (int i = 0; i < 7; ++i) {
        int error = 0;
        GifFileType* gif = DGifOpenFileName(names[i], &error);
        ASSERT_NE(gif, nullptr) << names[i];
        ASSERT_EQ(DGifSlurp(gif), GIF_OK);
        ASSERT_EQ(gif->SWidth, 396);
        ASSERT_EQ(gif->SHeight, 155);
        QImage img(396, 155, QImage::Format_RGB32);
        const ColorMapObject* map = gif->SColorMap;
        const GifByteType* px = gif->SavedImages[0].RasterBits;
        for (int y = 0; y < 155; ++y)
            for (int x = 0; x < 396; ++x) {
                const GifColorType c = map->Colors[px[y * 396 + x]];
                img.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
            }
        pictures[i] = img;
        DGifCloseFile(gif, &error);
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
                    << names[i] << " " << x << "," << y;
                owners += c == lime;
            }
            // A land pixel belongs to one continent at most.
            EXPECT_LE(owners, 1) << x << "," << y;
        }
}

} // namespace
