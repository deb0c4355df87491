// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Felsvar.h"
#include "maps/Areas.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Felsvar, ConfusionsComeFirstThenNeighboursThenTheNearestAndReservesLast) {
    struct Case {
        const char* what;
        std::vector<TFelsvarskandidat> kandidater; // key, confusions, border, distance, reserve
        QStringList valda;
    };
    const Case cases[] = {
        {"the most often confused first, before any neighbour",
         {{"N1", 0, 5, 0}, {"C1", 2, 0, 9}, {"C2", 5, 0, 8}, {"N2", 0, 2, 0}},
         {"C2", "C1", "N1"}},
        {"neighbours by the length of border they share",
         {{"S", 0, 1, 0}, {"L", 0, 7, 0}, {"M", 0, 3, 0}, {"F", 0, 0, 0.1}},
         {"L", "M", "S"}},
        {"a neighbour before a nearer area that shares no border, then the nearest",
         {{"FAR", 0, 0, 9}, {"NEAR", 0, 0, 0.5}, {"N", 0, 0.1, 0}, {"MID", 0, 0, 3}},
         {"N", "NEAR", "MID"}},
        {"a tie goes by key, whatever the order given",
         {{"B", 0, 0, 1}, {"D", 0, 0, 1}, {"A", 0, 0, 1}, {"C", 0, 0, 1}},
         {"A", "B", "C"}},
        {"an area outside the game only after every item, even a confused neighbour",
         {{"R", 9, 5, 0, true}, {"I", 0, 0, 50}, {"R2", 0, 0, 1, true}},
         {"I", "R", "R2"}},
        {"too few: what there is, never an empty key or one twice",
         {{"", 3, 0, 0}, {"X", 0, 0, 1}, {"X", 0, 0, 1}},
         {"X"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValjFelsvar(c.kandidater), c.valda) << c.what;
}

TEST(Felsvar, NeighboursShareTheirOutlinesPointsAndDistancesFollowTheMap) {
    TestDir dir;
    CAreor areor;
    // A in the middle; B shares its whole eastern side, C only a corner, D
    // lies 10 degrees north, E 20 degrees of longitude east.
    areor.LasAreor(dir.Write("AREA.crp", FileOf({Box("A", 0, 0, 10, 10), Box("B", 0, 10, 10, 20),
                                                 Box("C", -5, -10, 0, 0), Box("D", 20, 0, 30, 10),
                                                 Box("E", 0, 30, 10, 40)})));
    const auto g = [&](const char* b) {
        const TGrannskap n = Grannskap(areor, "A", b);
        return std::pair(n.Grans, n.Avstand);
    };
    EXPECT_EQ(g("B"), std::pair(10.0, 0.0));
    EXPECT_EQ(g("C"), std::pair(0.0, 0.0)); // a corner is no border
    EXPECT_NEAR(g("D").second, 10, 1e-9);
    // A degree of longitude shrinks with the parallel: nearest at 10 degrees north.
    EXPECT_NEAR(g("E").second, 20 * std::cos(10 * M_PI / 180), 1e-6);
    EXPECT_GT(g("NONE").second, 1e300); // no outline: as far as can be
}
