// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the shipped detail files: at views close enough for
// each finer level, the map is drawn and filled as at its own view.
#include "Patches.h"
#include "maps/Kartor.h"
#include "platform/Image.h"
#include "support/ShippedMaps.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// Map `number` drawn as an area exercise with every area taking part, at a
// view `tall` degrees high about the point, at 1920 x 1048.
struct TZoomedMap {
    TZoomedMap(int number, TLatLon at, double tall, bool narmare = false)
        : k(LoadShippedMap(number)) {
        image.resize(1920, 1048);
        k->Bild = &image;
        for (int i = 1; i <= k->Landareor->Antal; ++i)
            k->Landareor->Markera(k->Landareor->Area(i).Nyckel);
        k->VyNord = static_cast<float>(at.Lat + tall / 2);
        k->VySyd = static_cast<float>(at.Lat - tall / 2);
        k->VyMitt = at.Lon;
        k->Narmare = narmare;
        k->BeraknaSkala();
        k->RitaAreaovning(1);
    }
    std::unique_ptr<CKarta> k;
    TImage image;
};

// Degrees of latitude per pixel of the whole map in a 1024 x 700 window.
double WholeMapScale(int number) {
    const auto k = LoadShippedMap(number);
    TImage image;
    image.resize(1024, 700);
    k->Bild = &image;
    for (int i = 1; i <= k->Landareor->Antal; ++i)
        k->Landareor->Markera(k->Landareor->Area(i).Nyckel);
    k->BeraknaSkala();
    k->AnpassaVy();
    return (double(k->VyNord) - k->VySyd) / 700;
}

// Every level of every map that has a detail file is drawn somewhere: about
// the first seed of every seventh area with an outline, at the tallest view
// that draws the level, and at a view a little closer (the finest at the
// zoom's limit, 2 degrees); the first finer level also at the first step of
// a zoom from the whole map in a 1024 x 700 window, far coarser than its
// tolerance. No land may be left in the land colour, and the level drawn is
// the one its tolerance picks.
TEST(DetailLevels, EveryLevelFillsItsViewsAsTheRecordsDo) {
    int maps = 0, views = 0;
    for (int number = 1; number <= kAntalKartor; ++number) {
        if (!QFileInfo::exists(DetaljFil(number)))
            continue;
        ++maps;
        const auto probe = LoadShippedMap(number);
        const std::vector<double> tol = probe->Landareor->Toleranser;
        ASSERT_GE(tol.size(), 2u) << "map " << number;
        for (size_t level = 1; level < tol.size(); ++level) {
            const double finest = level + 1 < tol.size() ? tol[level] * 1.6 : 2.0 / 1048;
            std::vector<double> scales{tol[level] * 1.001, std::max(finest, 2.0 / 1048)};
            if (level == 1)
                scales.push_back(WholeMapScale(number) / 1.25);
            for (double perPixel : scales) {
                const double tall = std::max(perPixel * 1048, 2.0);
                const bool narmare = perPixel > tol[0];
                for (int i = 1; i <= probe->Landareor->Antal; i += 7) {
                    const CArea& a = probe->Landareor->Area(i);
                    if (a.Antal < 3 || std::abs(a.Fyllpunkt1.Lat) > 80)
                        continue;
                    const TZoomedMap m(number, a.Fyllpunkt1, tall, narmare);
                    SCOPED_TRACE(QStringLiteral("map %1 level %2 about %3 (%4,%5), %6 degrees")
                                     .arg(number)
                                     .arg(level)
                                     .arg(a.Nyckel)
                                     .arg(a.Fyllpunkt1.Lat)
                                     .arg(a.Fyllpunkt1.Lon)
                                     .arg(tall)
                                     .toStdString());
                    EXPECT_EQ(m.k->Landareor->Niva, m.k->Landareor->NivaFor(m.k->Detaljskala()));
                    EXPECT_GE(m.k->Landareor->Niva, 1);
                    const auto patches = FindPatches(m.image.Picture(), m.k->Landfarg.rgb(), 3);
                    EXPECT_TRUE(patches.empty())
                        << patches.size() << " patches, the first at "
                        << patches.front().deepest.x() << "," << patches.front().deepest.y();
                    ++views;
                }
            }
        }
    }
    EXPECT_GE(maps, 7);
    std::printf("zoomed views drawn: %d\n", views);
}

} // namespace
