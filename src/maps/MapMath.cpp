// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/MapMath.h"

#include "data/Errors.h"

#include <cmath>
#include <limits>

int32_t Round(double value) {
    if (!(value >= std::numeric_limits<int32_t>::min() - 0.5 &&
          value <= std::numeric_limits<int32_t>::max() + 0.5))
        throw ERangeError();
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max())
        throw ERangeError();
    return static_cast<int32_t>(whole);
}

float Interpolera(float v, float a, float b, float c, float d) {
    const float aPrim = static_cast<float>(static_cast<double>(a) + 1e-8);
    const double quotient =
        (static_cast<double>(v) - static_cast<double>(b)) / (static_cast<double>(aPrim) - b);
    return static_cast<float>((static_cast<double>(c) - d) * quotient + d);
}

bool PunktIYta(float lat, float lon, const TPunkter& punkter, int n) {
    return PunktIRing(lat, lon, punkter.data() + 1, n > kMaxPunkter ? kMaxPunkter : n);
}

bool PunktIRing(float lat, float lon, const TLatLon* punkter, int n) {
    return PunktIRingAv(
        lat, lon, punkter, n, [](const TLatLon& p) { return p.Lat; },
        [](const TLatLon& p) { return p.Lon; });
}
