// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Image.h"
#include "support/ShippedMaps.h"

#include <gtest/gtest.h>

namespace {

struct TSeaSample {
    const char* name;
    float lat, lon;
};

// Points of open sea that every map showing them must draw in the sea colour.
const TSeaSample kSeaSamples[] = {
    {"North Atlantic", 35, -40},  {"South Atlantic", -25, -15}, {"North Pacific", 30, -150},
    {"South Pacific", -30, -120}, {"Indian Ocean", -20, 80},    {"Mediterranean", 34, 18},
    {"Black Sea", 43, 34},        {"Caspian Sea", 42, 51},      {"Baltic Sea", 58, 20},
    {"Red Sea", 20, 38.5},        {"Persian Gulf", 27, 51},     {"Hudson Bay", 60, -86},
    {"Gulf of Mexico", 25, -90},  {"Caribbean Sea", 15, -75},   {"North Sea", 56, 3},
    {"Sea of Japan", 40, 135},    {"South China Sea", 12, 113}, {"Bay of Bengal", 15, 88},
    {"Arabian Sea", 15, 65},      {"Tasman Sea", -38, 160},     {"Coral Sea", -15, 155},
};

// Draws the map as an area exercise does with every area taking part and
// returns the sea samples not drawn in the sea colour. That every pixel of
// land takes a colour is held by the patch count of the geometry tests.
QStringList DrySamples(int number, int w, int h) {
    const auto map = LoadShippedMap(number);
    CKarta& k = *map;
    TImage image;
    image.resize(w, h);
    k.Bild = &image;
    for (int i = 1; i <= k.Landareor->Antal; ++i)
        k.Landareor->Area(i).Deltar = true;
    k.AnpassaVy();
    k.Rensa();
    k.RitaGranser(1);
    k.RitaVatten();
    k.FyllHav();
    QStringList dry;
    const QImage& pic = image.Picture();
    for (const TSeaSample& s : kSeaSamples) {
        // A sample on a small state's own outline (Bahrain on the world map)
        // is land there.
        if (AreaAt(*k.Landareor, s.lat, s.lon))
            continue;
        const int x = k.XKoord(s.lat, s.lon), y = k.YKoord(s.lat);
        // Inside the picture and clear of its 5-pixel frame.
        if (x >= 4 && y >= 4 && x < w - 4 && y < h - 4 && pic.pixel(x, y) != qRgb(0, 0, 128))
            dry << s.name;
    }
    return dry;
}

class AtlasDrawing : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(AtlasDrawing, TheOpenSeaIsSea) {
    const auto [map, w] = GetParam();
    const QStringList dry = DrySamples(map, w, w == 1024 ? 700 : 1048);
    EXPECT_TRUE(dry.isEmpty()) << "not sea: " << dry.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryMap, AtlasDrawing,
                         ::testing::Combine(::testing::Range(1, 7), ::testing::Values(1024, 1920)),
                         [](const auto& info) {
                             return "map" + std::to_string(std::get<0>(info.param)) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
