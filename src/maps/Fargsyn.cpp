// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Fargsyn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Fargsyn {

namespace {

using TMatris = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, table 1, severity 1.0 (linear RGB).
constexpr TMatris kProtan{{{0.152286, 1.052583, -0.204868},
                           {0.114503, 0.786281, 0.099216},
                           {-0.003882, -0.048116, 1.051998}}};
constexpr TMatris kDeutan{{{0.367322, 0.860646, -0.227968},
                           {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
constexpr TMatris kTritan{{{1.255528, -0.076749, -0.178779},
                           {-0.078411, 0.930809, 0.147602},
                           {0.004733, 0.691367, 0.303900}}};

double Linjar(int kanal) {
    const double c = kanal / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Gamma(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double v = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 255));
}

// The table of each channel's linear value, so that a picture is quick.
const std::array<double, 256>& LinjarTabell() {
    static const std::array<double, 256> t = [] {
        std::array<double, 256> a{};
        for (int i = 0; i < 256; ++i)
            a[i] = Linjar(i);
        return a;
    }();
    return t;
}

const TMatris* Matris(TSyn syn) {
    switch (syn) {
    case TSyn::Protanopi:
        return &kProtan;
    case TSyn::Deuteranopi:
        return &kDeutan;
    case TSyn::Tritanopi:
        return &kTritan;
    case TSyn::Normal:
        break;
    }
    return nullptr;
}

constexpr double Grader(double rad) {
    return rad * 180 / std::numbers::pi;
}
constexpr double Radianer(double deg) {
    return deg * std::numbers::pi / 180;
}

} // namespace

const char* Namn(TSyn syn) {
    switch (syn) {
    case TSyn::Protanopi:
        return "protanopia";
    case TSyn::Deuteranopi:
        return "deuteranopia";
    case TSyn::Tritanopi:
        return "tritanopia";
    case TSyn::Normal:
        break;
    }
    return "normal";
}

unsigned int SimuleraPixel(unsigned int argb, TSyn syn) {
    const TMatris* m = Matris(syn);
    if (!m)
        return argb;
    const auto& lin = LinjarTabell();
    const double in[3] = {lin[(argb >> 16) & 0xFF], lin[(argb >> 8) & 0xFF], lin[argb & 0xFF]};
    int ut[3];
    for (int i = 0; i < 3; ++i)
        ut[i] = Gamma((*m)[i][0] * in[0] + (*m)[i][1] * in[1] + (*m)[i][2] * in[2]);
    return (argb & 0xFF000000u) | (static_cast<unsigned>(ut[0]) << 16) |
           (static_cast<unsigned>(ut[1]) << 8) | static_cast<unsigned>(ut[2]);
}

QColor Simulera(const QColor& farg, TSyn syn) {
    return QColor::fromRgb(SimuleraPixel(farg.rgb(), syn));
}

TLab Lab(const QColor& farg) {
    const double r = Linjar(farg.red()), g = Linjar(farg.green()), b = Linjar(farg.blue());
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    const double fx = f(x), fy = f(y), fz = f(z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double DeltaE2000(const TLab& x, const TLab& y) {
    // Sharma, Wu and Dalal (2005), equations 2 to 22.
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double cMedel7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(cMedel7 / (cMedel7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    const auto vinkel = [](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = Grader(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = vinkel(x.b, a1), h2 = vinkel(y.b, a2);
    const double dL = y.L - x.L, dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(Radianer(dh / 2));
    const double lMedel = (x.L + y.L) / 2, cMedel = (cp1 + cp2) / 2;
    double hMedel = h1 + h2;
    if (cp1 * cp2 != 0)
        hMedel = std::fabs(h1 - h2) <= 180 ? (h1 + h2) / 2
                 : h1 + h2 < 360           ? (h1 + h2 + 360) / 2
                                           : (h1 + h2 - 360) / 2;
    const double t =
        1 - 0.17 * std::cos(Radianer(hMedel - 30)) + 0.24 * std::cos(Radianer(2 * hMedel)) +
        0.32 * std::cos(Radianer(3 * hMedel + 6)) - 0.20 * std::cos(Radianer(4 * hMedel - 63));
    const double dTheta = 30 * std::exp(-std::pow((hMedel - 275) / 25, 2));
    const double c7 = std::pow(cMedel, 7);
    const double rC = 2 * std::sqrt(c7 / (c7 + std::pow(25.0, 7)));
    const double l50 = (lMedel - 50) * (lMedel - 50);
    const double sL = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sC = 1 + 0.045 * cMedel, sH = 1 + 0.015 * cMedel * t;
    const double rT = -std::sin(Radianer(2 * dTheta)) * rC;
    const double l = dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

double Skillnad(const QColor& x, const QColor& y, TSyn syn) {
    return DeltaE2000(Lab(Simulera(x, syn)), Lab(Simulera(y, syn)));
}

} // namespace Fargsyn
