// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped map against the sources it is drawn from (the reference that
// the atlas tool writes beside these tests): the blobs of land drawn as water
// and of open sea drawn as land, the share of points well inside a state that
// a click judges to be in it, and the lakes drawn as land. The figures may
// only get better; a map that gets better lowers its row.
#include "CoastMeasure.h"

#include "maps/Karta.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct TFigures {
    int map;
    int landAsWater, seaAsLand; // blobs at most, 1920 x 1048 and 1024 x 700
    double identity;            // at least, at 1920 x 1048
    int dryLakes;               // at most, at 1920 x 1048
};

void PrintTo(const TFigures& f, std::ostream* os) {
    *os << "map " << f.map;
}

const TFigures kFigures[] = {
    {1, 0, 0, 0.9999, 0}, {2, 0, 0, 0.9999, 0}, {3, 0, 0, 0.9999, 0}, {4, 0, 0, 1.0, 0},
    {5, 0, 0, 0.9999, 0}, {6, 0, 0, 1.0, 0},    {7, 0, 0, 0.9999, 0}, {8, 0, 0, 1.0, 0},
    {9, 0, 0, 0.9999, 0}, {10, 0, 0, 1.0, 0},   {11, 0, 0, 1.0, 0},
};

const TReference& Reference() {
    static const TReference r = ReadReference(QStringLiteral(GLOBINA_REFERENCE));
    return r;
}

class CoastMeasure : public ::testing::TestWithParam<TFigures> {};

TEST_P(CoastMeasure, NoWorseThanItsRow) {
    const TFigures& want = GetParam();
    const TReferenceMap* frame = Reference().Map(want.map);
    ASSERT_TRUE(frame);
    for (auto [w, h] : {std::pair{1920, 1048}, std::pair{1024, 700}}) {
        const auto k = LoadMap(QDir::currentPath(), want.map);
        const TMapFigures got = MeasureMap(*k, Reference(), *frame, w, h);
        SCOPED_TRACE(Describe(got).toStdString());
        EXPECT_LE(int(got.landAsWater.size()), want.landAsWater) << w;
        EXPECT_LE(int(got.seaAsLand.size()), want.seaAsLand) << w;
        if (w == 1920) {
            EXPECT_GE(got.Identity(), want.identity);
            EXPECT_LE(got.dryLakes.size(), want.dryLakes);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMap, CoastMeasure, ::testing::ValuesIn(kFigures));

} // namespace
