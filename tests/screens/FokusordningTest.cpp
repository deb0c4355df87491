// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Fokusordning.h"

#include <gtest/gtest.h>

using Fokusordning::TRiktning;

namespace {

// A small made map, x east and y south: two countries on a northern band,
// one a little south of them but within it, two on the next band (the
// western one further east than the first band's last), and one far south.
//
//     0 (0,0)        1 (10,1)
//          2 (4,3)
//                              3 (12,6)
//   4 (-2,7)
//
//                5 (5,20)
const std::vector<QPointF> kKarta = {{0, 0}, {10, 1}, {4, 3}, {12, 6}, {-2, 7}, {5, 20}};

} // namespace

TEST(Fokusordning, TabReadsWestToEastWithinBandsFromTheNorth) {
    struct Fall {
        double band;
        std::vector<int> ordning;
    };
    for (const Fall& f : std::vector<Fall>{
             {5, {0, 2, 1, 4, 3, 5}},  // bands 0..5, 5..10, 20..25
             {10, {4, 0, 2, 1, 3, 5}}, // one band of the first five
             {1, {0, 1, 2, 3, 4, 5}},  // every point a band of its own
             {0, {4, 0, 2, 5, 1, 3}},  // no bands: west to east only
         })
        EXPECT_EQ(Fokusordning::Tabordning(kKarta, f.band), f.ordning) << "band " << f.band;
    // Points at the same place keep their order.
    EXPECT_EQ(Fokusordning::Tabordning({{1, 1}, {0, 0}, {1, 1}}, 5), (std::vector<int>{1, 0, 2}));
    EXPECT_TRUE(Fokusordning::Tabordning({}, 5).empty());
}

TEST(Fokusordning, AnArrowGoesToTheNearestPointThatWayPreferringThoseWithin45Degrees) {
    struct Fall {
        int fran;
        TRiktning riktning;
        int till;
    };
    for (const Fall& f : std::vector<Fall>{
             {0, TRiktning::Hoger, 2},   // (4,3) within 45 degrees, nearer than (10,1)
             {2, TRiktning::Hoger, 1},   // (10,1) before (12,6), which is farther across
             {1, TRiktning::Hoger, 3},   // outside 45 degrees, but the only point east
             {3, TRiktning::Hoger, -1},  // nothing east of the easternmost
             {1, TRiktning::Vanster, 2}, // (4,3), nearer than (0,0)
             {0, TRiktning::Ned, 4},     // (-2,7): (4,3) is nearer but more across than down
             {4, TRiktning::Upp, 0},     // nearly straight up, rather than the nearer (4,3)
             {5, TRiktning::Upp, 2},     // the nearest of all that lie up within 45 degrees
             {0, TRiktning::Upp, -1},    // the northernmost
             {5, TRiktning::Ned, -1},
         })
        EXPECT_EQ(Fokusordning::Granne(kKarta, f.fran, f.riktning), f.till)
            << "from " << f.fran << " direction " << static_cast<int>(f.riktning);
    EXPECT_EQ(Fokusordning::Granne(kKarta, 6, TRiktning::Hoger), -1);
    EXPECT_EQ(Fokusordning::Granne({{0, 0}, {0, 0}}, 0, TRiktning::Hoger), -1);
}
