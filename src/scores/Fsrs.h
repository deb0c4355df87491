// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The memory model that schedules reviews: FSRS-6 (the Free Spaced
// Repetition Scheduler, sixth version) with its published default weights.
// Time is counted in whole days, as the reference scheduler counts it: an
// answer on the day of the last one is a same-day review.

enum class TBetyg { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// Right at the first try is Good, at the second Hard; a third try or more,
// or the answer shown, is Again.
TBetyg BetygFor(int32_t forsok);

// What the model knows of one item: stability in days (the interval after
// which recall falls to 90 %) and difficulty, 1..10. A stability of 0 is an
// item never answered.
struct TMinne {
    double Stabilitet = 0;
    double Svarighet = 0;
    bool Ny() const { return Stabilitet <= 0; }
};

class TFsrs {
public:
    using TVikter = std::array<double, 21>;
    static constexpr TVikter kStandardvikter = {
        0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double kOnskadAterkallning = 0.9;
    static constexpr int kLangstaIntervall = 36500;

    explicit TFsrs(const TVikter& w = kStandardvikter);

    // The probability of recall `dagar` days after the last answer.
    double Aterkallning(double dagar, double stabilitet) const;
    // Days until recall falls to the desired share, 1..kLangstaIntervall.
    int32_t Intervall(double stabilitet, double onskad = kOnskadAterkallning) const;
    // The state after an answer given `dagar` whole days after the last one
    // (ignored for a new item).
    TMinne Efter(const TMinne& fore, TBetyg betyg, int32_t dagar) const;

private:
    double ForstaSvarighet(TBetyg betyg) const;
    double NastaSvarighet(double d, TBetyg betyg) const;
    double Ihagkommen(const TMinne& m, double r, TBetyg betyg) const;
    double Glomd(const TMinne& m, double r) const;
    double SammaDag(double s, TBetyg betyg) const;

    TVikter w_;
    double faktor_; // 0.9^(-1/w20) - 1: recall is 0.9 after one stability
};
