// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped map against the sources it is drawn from (the reference that
// the atlas tool writes beside these tests): the blobs of land drawn as water
// and of open sea drawn as land, the share of points well inside a state that
// a click judges to be in it, and the lakes drawn as land. The figures may
// only get better; a map that gets better raises its share.
#include "CoastMeasure.h"

#include "maps/Karta.h"
#include "maps/Kartor.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// The share of points well inside a state that a click judges to be in it, at
// least, at 1920 x 1048, by map; no blob and no dry lake is allowed on any map.
const double kIdentity[] = {0.9999, 0.9999, 0.9999, 1.0, 0.9999, 1.0,   0.9999,
                            1.0,    0.9999, 1.0,    1.0, 1.0,    0.9999, 1.0, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999, 0.9999};

const TReference& Reference() {
    static const TReference r = ReadReference(QStringLiteral(GLOBINA_REFERENCE));
    return r;
}

class CoastMeasure : public ::testing::TestWithParam<int> {};

TEST_P(CoastMeasure, NoWorseThanItsRow) {
    const int map = GetParam();
    const TReferenceMap* frame = Reference().Map(map);
    ASSERT_TRUE(frame);
    for (auto [w, h] : {std::pair{1920, 1048}, std::pair{1024, 700}}) {
        const auto k = LoadMap(QDir::currentPath(), map);
        const TMapFigures got = MeasureMap(*k, Reference(), *frame, w, h);
        SCOPED_TRACE(Describe(got).toStdString());
        EXPECT_TRUE(got.landAsWater.empty() && got.seaAsLand.empty()) << w;
        if (w == 1920) {
            EXPECT_GE(got.Identity(), kIdentity[map - 1]);
            EXPECT_TRUE(got.dryLakes.isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMap, CoastMeasure, ::testing::Range(1, kAntalKartor + 1));

} // namespace
