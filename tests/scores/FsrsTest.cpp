// SPDX-License-Identifier: GPL-3.0-or-later
// Expected values: initial stabilities are the published weights w0..w3; the
// rest come from tests/scores/fsrs_reference.py, an independent script of the
// published formulas (its every-review-on-the-due-day run of five Good
// answers gives the intervals 2, 11, 46, 163, 497 days).
#include "scores/Fsrs.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using B = TBetyg;

// Each answer on the day the one before made due.
std::vector<int32_t> PaForfallodagen(const TFsrs& f, const std::vector<B>& betyg, TMinne& m) {
    std::vector<int32_t> intervall;
    int32_t dagar = 0;
    for (B b : betyg) {
        m = f.Efter(m, b, dagar);
        dagar = f.Intervall(m.Stabilitet);
        intervall.push_back(dagar);
    }
    return intervall;
}

} // namespace

TEST(Fsrs, FirstAnswerSetsThePublishedInitialState) {
    const TFsrs f;
    const struct {
        B betyg;
        double s, d;
        int32_t intervall;
    } fall[] = {{B::Again, 0.212, 6.4133, 1},
                {B::Hard, 1.2931, 5.112171, 1},
                {B::Good, 2.3065, 2.118104, 2},
                {B::Easy, 8.2956, 1.0, 8}};
    for (const auto& c : fall) {
        const TMinne m = f.Efter({}, c.betyg, 123);
        EXPECT_DOUBLE_EQ(m.Stabilitet, c.s);
        EXPECT_NEAR(m.Svarighet, c.d, 1e-6);
        EXPECT_EQ(f.Intervall(m.Stabilitet), c.intervall);
    }
}

TEST(Fsrs, SequencesReviewedOnTheirDueDaysMatchTheReference) {
    const TFsrs f;
    const struct {
        const char* namn;
        std::vector<B> betyg;
        std::vector<int32_t> intervall;
        double s, d;
    } fall[] = {
        {"GGGGG",
         {B::Good, B::Good, B::Good, B::Good, B::Good},
         {2, 11, 46, 163, 497},
         497.447194,
         2.090586},
        {"GGAGG",
         {B::Good, B::Good, B::Again, B::Good, B::Good},
         {2, 11, 2, 5, 12},
         12.311686,
         7.367923},
        {"GHGAG",
         {B::Good, B::Hard, B::Good, B::Again, B::Good},
         {2, 8, 26, 2, 5},
         4.863953,
         8.244369},
        {"AAHG", {B::Again, B::Again, B::Hard, B::Good}, {1, 1, 1, 1}, 1.290273, 9.178833},
    };
    for (const auto& c : fall) {
        TMinne m;
        EXPECT_EQ(PaForfallodagen(f, c.betyg, m), c.intervall) << c.namn;
        EXPECT_NEAR(m.Stabilitet, c.s, 1e-5) << c.namn;
        EXPECT_NEAR(m.Svarighet, c.d, 1e-5) << c.namn;
    }
}

TEST(Fsrs, SameDayAnswersUseTheShortTermFormula) {
    const TFsrs f;
    const TMinne good = f.Efter({}, B::Good, 0);
    const struct {
        TMinne fore;
        B betyg;
        int32_t dagar;
        double s, d;
    } fall[] = {
        // A same-day pass never lowers stability; difficulty still moves.
        {good, B::Good, 0, 2.3065, 2.111214},
        {good, B::Hard, 0, 1.333379, 4.752858},
        {f.Efter({}, B::Again, 0), B::Again, 0, 0.083357, 8.806304},
        // Three days later the long-term lapse formula applies instead.
        {good, B::Again, 3, 0.636851, 7.394503},
    };
    for (const auto& c : fall) {
        const TMinne m = f.Efter(c.fore, c.betyg, c.dagar);
        EXPECT_NEAR(m.Stabilitet, c.s, 1e-6);
        EXPECT_NEAR(m.Svarighet, c.d, 1e-6);
    }
}

TEST(Fsrs, RecallFallsToTheDesiredShareAfterOneStability) {
    const TFsrs f;
    EXPECT_NEAR(f.Aterkallning(5, 5), 0.9, 1e-12);
    EXPECT_NEAR(f.Aterkallning(10, 5), 0.845885, 1e-6);
    EXPECT_DOUBLE_EQ(f.Aterkallning(0, 5), 1.0);
    EXPECT_EQ(f.Aterkallning(3, 0), 0.0); // never answered
    // A lower desired recall waits longer; the interval stays within bounds.
    EXPECT_GT(f.Intervall(10, 0.8), f.Intervall(10, 0.9));
    EXPECT_EQ(f.Intervall(0.001), 1);
    EXPECT_EQ(f.Intervall(1e9), TFsrs::kLangstaIntervall);
}
