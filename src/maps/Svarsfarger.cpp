// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Svarsfarger.h"

#include <cmath>

namespace Svarsfarger {

bool Fargblind = false;
bool Marken = false;

namespace {

const QColor kVit(255, 255, 255);
const QColor kGul(255, 255, 0);
// The colour-blind-safe steps after white (searched for the largest least
// difference under the three simulations, with falling lightness).
const QColor kLila(232, 160, 255);   // the second try, L* 76
const QColor kViolett(176, 40, 232); // the third, L* 48
const QColor kVin(88, 16, 32);       // later, or shown, L* 18

} // namespace

bool MarkenPa() {
    return Fargblind || Marken;
}

TMark Mark(int32_t forsok) {
    if (forsok <= 0)
        return TMark::Ingen;
    if (forsok == 1)
        return TMark::Bock;
    if (forsok == 2)
        return TMark::Punkt;
    return TMark::Kryss;
}

QString MarkText(TMark mark) {
    switch (mark) {
    case TMark::Bock:
        return QStringLiteral("\u2713");
    case TMark::Punkt:
        return QStringLiteral("\u25CF");
    case TMark::Kryss:
        return QStringLiteral("\u2717");
    case TMark::Ingen:
        break;
    }
    return QString();
}

QColor Efter(int32_t forsok, const QColor& andra, const QColor& sen) {
    switch (forsok) {
    case 1:
        return kVit;
    case 2:
        return Fargblind ? kLila : andra;
    case 3:
        return Fargblind ? kViolett : kGul;
    default:
        return Fargblind ? kVin : sen;
    }
}

QColor Textfarg(const QColor& bakgrund) {
    // Relative luminance against the two contrasts (WCAG): white text from
    // where it reads better than black.
    const auto lin = [](int k) {
        const double c = k / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double y = 0.2126 * lin(bakgrund.red()) + 0.7152 * lin(bakgrund.green()) +
                     0.0722 * lin(bakgrund.blue());
    return (y + 0.05) / 0.05 >= 1.05 / (y + 0.05) ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

std::vector<TNamngivenFarg> Palett(bool fargblind) {
    const bool fore = Fargblind;
    Fargblind = fargblind;
    std::vector<TNamngivenFarg> p = {
        {"to answer", QColor(0, 128, 0)},
        {"1st try", Efter(1, QColor(255, 255, 128), QColor(255, 0, 0))},
        {"2nd try", Efter(2, QColor(255, 255, 128), QColor(255, 0, 0))},
        {"3rd try", Efter(3, QColor(255, 255, 128), QColor(255, 0, 0))},
        {"later", Efter(4, QColor(255, 255, 128), QColor(255, 0, 0))},
        {"shown", QColor(0, 255, 0)},
        {"land", QColor(128, 128, 128)},
        {"sea", QColor(0, 0, 128)},
    };
    Fargblind = fore;
    return p;
}

} // namespace Svarsfarger
