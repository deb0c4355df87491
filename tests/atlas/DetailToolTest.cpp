// SPDX-License-Identifier: GPL-3.0-or-later
// The detail files' generator on small made-up topologies: thinning keeps
// within its tolerance and keeps shared arcs shared, clipping gives two
// neighbours the same cut, and each polygon goes to the record it belongs to.
#include "DetailLevels.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

AtlasArea Record(const char* key, const char* group, std::vector<LatLon> ring) {
    AtlasArea a;
    a.key = QString::fromLatin1(key);
    a.group1 = QString::fromLatin1(group);
    a.points = std::move(ring);
    a.seed1 = a.points.front();
    a.north = a.south = a.points.front().lat;
    a.east = a.west = a.points.front().lon;
    for (const LatLon& p : a.points)
        a.north = std::max<double>(a.north, p.lat), a.south = std::min<double>(a.south, p.lat),
        a.east = std::max<double>(a.east, p.lon), a.west = std::min<double>(a.west, p.lon);
    return a;
}

std::vector<LatLon> Box(float s, float w, float n, float e) {
    return {{s, w}, {n, w}, {n, e}, {s, e}};
}

} // namespace

// Every dropped point of a wiggly arc lies within the tolerance of the kept
// line, the ends stay, a closed arc keeps a ring, and a finer tolerance keeps
// more points.
TEST(DetailTool, ThinningKeepsTheEndsAndEveryPointWithinItsTolerance) {
    DetailRing open, closed;
    for (int i = 0; i <= 400; ++i)
        open.push_back({60 + 0.05 * std::sin(i * 0.3) + 0.001 * (i % 7), 5 + i * 0.01});
    for (int i = 0; i < 300; ++i)
        closed.push_back({0.5 * std::sin(i * 0.021), 0.5 * std::cos(i * 0.021)});
    closed.push_back(closed.front());
    for (const DetailRing* arc : {&open, &closed}) {
        size_t before = 0;
        for (double tol : {0.02, 0.005, 0.001}) {
            const DetailRing thin = ThinArc(*arc, tol);
            ASSERT_GE(thin.size(), 3u);
            EXPECT_GT(thin.size(), before) << tol;
            EXPECT_LT(thin.size(), arc->size()) << tol;
            before = thin.size();
            EXPECT_EQ(std::tie(thin.front().lat, thin.front().lon),
                      std::tie(arc->front().lat, arc->front().lon));
            EXPECT_EQ(std::tie(thin.back().lat, thin.back().lon),
                      std::tie(arc->back().lat, arc->back().lon));
            // The distance of every source point from the kept line, longitude
            // squeezed as the map projects it.
            for (const DetailPoint& p : *arc) {
                const double f = std::sqrt(8100 - p.lat * p.lat) / 90;
                double best = 1e9;
                for (size_t k = 0; k + 1 < thin.size(); ++k) {
                    const DetailPoint a = thin[k], b = thin[k + 1];
                    const double ax = (a.lon - p.lon) * f, ay = a.lat - p.lat;
                    const double dx = (b.lon - a.lon) * f, dy = b.lat - a.lat;
                    const double len = dx * dx + dy * dy;
                    const double t = len > 0 ? std::clamp(-(ax * dx + ay * dy) / len, 0.0, 1.0) : 0;
                    best = std::min(best, std::hypot(ax + t * dx, ay + t * dy));
                }
                EXPECT_LE(best, tol * 1.0001) << tol << " at " << p.lat << "," << p.lon;
            }
        }
    }
}

// Two neighbours that share an edge across the frame's east side get the same
// crossing, whichever way each ring runs, and nothing outside the frame.
TEST(DetailTool, ClippingGivesNeighboursTheSameCut) {
    // The shared edge runs from 0.4031,1.6101 to 2.2913,2.5846: computed from
    // its two ends in turn, its crossing differs in the last bit.
    const DetailRing north = {{0.4031, 1.6101}, {2.2913, 2.5846}, {3, 3}, {3, 0}};
    const DetailRing south = {{0, 0}, {0, 3}, {2.2913, 2.5846}, {0.4031, 1.6101}};
    const DetailRing a = ClipRing(north, -1, 2, -1, 5), b = ClipRing(south, -1, 2, -1, 5);
    auto cut = [](const DetailRing& r) {
        std::vector<std::pair<double, double>> on;
        for (const DetailPoint& p : r) {
            EXPECT_LE(p.lon, 2.0);
            if (p.lon == 2.0)
                on.push_back({p.lat, p.lon});
        }
        return on;
    };
    const auto ca = cut(a), cb = cut(b);
    // The shared edge's crossing, to the last bit, on both cuts.
    const bool shared = std::any_of(ca.begin(), ca.end(), [&](const auto& p) {
        return std::count(cb.begin(), cb.end(), p) > 0;
    });
    EXPECT_TRUE(shared);
}

// A ring across the 180th meridian (Chukotka, Fiji) is put together as one
// piece past it, starting within a turn east of -180: clipped to a frame far west of it, it leaves
// nothing, not a band across the frame at its latitudes; a frame past 180 keeps it whole.
TEST(DetailTool, ARingAcrossTheAntimeridianStaysOnePiece) {
    const std::vector<DetailRing> arcs = {{{65, 170}, {65, 179.5}, {66, -179}},
                                          {{66, -179}, {67, -175}, {67, 175}, {65, 170}}};
    // Begun on either side of the meridian, it lies where the first order puts it.
    for (const std::vector<int>& order : {std::vector{0, 1}, std::vector{1, 0}}) {
        const DetailRing ring = RingOf(order, arcs);
        double west = 1e9, east = -1e9;
        for (const DetailPoint& p : ring)
            west = std::min(west, p.lon), east = std::max(east, p.lon);
        EXPECT_EQ(std::pair(west, east), std::pair(170.0, 185.0)) << order.front();
        EXPECT_TRUE(ClipRing(ring, -25, 70, 30, 72).empty());
        EXPECT_EQ(ClipRing(ring, 105, 240, -50, 75).size(), ring.size());
    }
}

// A topology of two states with a shared border and islands: the big
// polygons go to the records that hold them, an islet of a state to its
// nearest record, a dependency's islet to its owner (Jersey, to GB), an
// unheld islet far from every record to none; every level keeps them there
// and the levels' tolerances come as given.
TEST(DetailTool, EachPolygonGoesToTheRecordItBelongsTo) {
    DetailTopology t;
    // Arcs: 0 the border (lon 0, south to north), 1 A's west coast, 2 B's
    // east coast, 3 an islet of B, 4 Jersey, 5 a reef far out.
    t.arcs = {{{49, 0}, {50, 0.01}, {51, 0}},
              {{51, 0}, {51, -2}, {49, -2}, {49, 0}},
              {{49, 0}, {49, 2}, {51, 2}, {51, 0}},
              {{49.5, 2.5}, {49.6, 2.5}, {49.6, 2.7}, {49.5, 2.7}, {49.5, 2.5}},
              {{49.2, -2.3}, {49.25, -2.3}, {49.25, -2.2}, {49.2, -2.2}, {49.2, -2.3}},
              {{45, 10}, {45.1, 10}, {45.1, 10.1}, {45, 10.1}, {45, 10}}};
    t.units = {{"1", "A land", "", {{{1, 0}}}},
               {"2", "B land", "", {{{2, ~0}}, {{3}}}},
               {"3", "Jersey", "", {{{4}}}},
               {"4", "Reef", "", {{{5}}}}};
    const std::vector<AtlasArea> areas = {Record("FR", "", Box(49, -2, 51, 0)),
                                          Record("GB", "", Box(49, 0, 51, 2)),
                                          Record("GB.2", "GB", Box(49.4, 2.4, 49.7, 2.8))};
    QStringList log;
    const TDetaljer d = BuildDetail(t, areas, {-20, 20, 40, 60}, {0.05, 0.01, 0.002}, log);
    EXPECT_EQ(d.BasTolerans, 0.05);
    ASSERT_EQ(d.Nivaer.size(), 2u);
    EXPECT_EQ(std::pair(d.Nivaer[0].Tolerans, d.Nivaer[1].Tolerans), std::pair(0.01, 0.002));
    for (const auto& niva : d.Nivaer) {
        ASSERT_EQ(niva.Poster.size(), 3u);
        // FR: A land; GB: B land and Jersey; GB.2: B's islet.
        EXPECT_EQ(niva.Poster[0].size(), 1u);
        EXPECT_EQ(niva.Poster[1].size(), 2u);
        ASSERT_EQ(niva.Poster[2].size(), 1u);
        EXPECT_NEAR(niva.Poster[2][0].front().Lat, 49.55, 0.06);
        // The border is one line for both.
        const auto has = [](const auto& ring, double lat, double lon) {
            return std::any_of(ring.begin(), ring.end(), [&](const TPointRecord& p) {
                return std::abs(p.Lat - lat) < 1e-9 && std::abs(p.Lon - lon) < 1e-9;
            });
        };
        EXPECT_TRUE(has(niva.Poster[0][0], 50, 0.01) && has(niva.Poster[1][0], 50, 0.01));
    }
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].startsWith("Reef")) << log[0].toStdString();
}
