// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Fsrs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinstaStabilitet = 0.001;

double Klamra(double d) {
    return std::clamp(d, 1.0, 10.0);
}

double G(TBetyg b) {
    return static_cast<double>(b);
}

} // namespace

TBetyg BetygFor(int32_t forsok) {
    return forsok == 1 ? TBetyg::Good : forsok == 2 ? TBetyg::Hard : TBetyg::Again;
}

TFsrs::TFsrs(const TVikter& w) : w_(w), faktor_(std::pow(0.9, -1.0 / w[20]) - 1) {
}

double TFsrs::Aterkallning(double dagar, double stabilitet) const {
    if (stabilitet <= 0)
        return 0;
    return std::pow(1 + faktor_ * std::max(dagar, 0.0) / stabilitet, -w_[20]);
}

int32_t TFsrs::Intervall(double stabilitet, double onskad) const {
    const double dagar = stabilitet / faktor_ * (std::pow(onskad, -1.0 / w_[20]) - 1);
    return static_cast<int32_t>(
        std::clamp(std::round(dagar), 1.0, static_cast<double>(kLangstaIntervall)));
}

double TFsrs::ForstaSvarighet(TBetyg betyg) const {
    return w_[4] - std::exp(w_[5] * (G(betyg) - 1)) + 1;
}

double TFsrs::NastaSvarighet(double d, TBetyg betyg) const {
    const double delta = -w_[6] * (G(betyg) - 3);
    const double dampad = d + delta * (10 - d) / 9; // the change shrinks towards 10
    // Mean reversion towards the (unclamped) first difficulty of Easy.
    return Klamra(w_[7] * ForstaSvarighet(TBetyg::Easy) + (1 - w_[7]) * dampad);
}

double TFsrs::Ihagkommen(const TMinne& m, double r, TBetyg betyg) const {
    const double hard = betyg == TBetyg::Hard ? w_[15] : 1;
    const double latt = betyg == TBetyg::Easy ? w_[16] : 1;
    return m.Stabilitet *
           (1 + std::exp(w_[8]) * (11 - m.Svarighet) * std::pow(m.Stabilitet, -w_[9]) *
                    (std::exp((1 - r) * w_[10]) - 1) * hard * latt);
}

double TFsrs::Glomd(const TMinne& m, double r) const {
    const double lang = w_[11] * std::pow(m.Svarighet, -w_[12]) *
                        (std::pow(m.Stabilitet + 1, w_[13]) - 1) * std::exp((1 - r) * w_[14]);
    // Never more than a same-day lapse would leave.
    return std::min(lang, m.Stabilitet / std::exp(w_[17] * w_[18]));
}

double TFsrs::SammaDag(double s, TBetyg betyg) const {
    double okning = std::exp(w_[17] * (G(betyg) - 3 + w_[18])) * std::pow(s, -w_[19]);
    if (betyg >= TBetyg::Good) // a pass never lowers stability
        okning = std::max(okning, 1.0);
    return s * okning;
}

TMinne TFsrs::Efter(const TMinne& fore, TBetyg betyg, int32_t dagar) const {
    TMinne m;
    if (fore.Ny()) {
        m.Stabilitet = std::max(w_[static_cast<int>(betyg) - 1], kMinstaStabilitet);
        m.Svarighet = Klamra(ForstaSvarighet(betyg));
        return m;
    }
    if (dagar < 1) {
        m.Stabilitet = SammaDag(fore.Stabilitet, betyg);
    } else {
        const double r = Aterkallning(dagar, fore.Stabilitet);
        m.Stabilitet = betyg == TBetyg::Again ? Glomd(fore, r) : Ihagkommen(fore, r, betyg);
    }
    m.Stabilitet = std::max(m.Stabilitet, kMinstaStabilitet);
    m.Svarighet = NastaSvarighet(fore.Svarighet, betyg);
    return m;
}
