// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// A point of a map in degrees, stored in single precision as the data files
// and outlines use it.
struct TLatLon {
    float Lat = 0;
    float Lon = 0;
};

constexpr int kMaxPunkter = 500;
// Outline points; slot 0 is unused so that point k is Punkter[k], k = 1..500.
using TPunkter = std::array<TLatLon, kMaxPunkter + 1>;

// Rounds half to even. A value outside the 32-bit range (or not a number)
// raises ERangeError rather than giving an undefined conversion.
int32_t Round(double value);

// (c - d) * (v - b) / (a' - b) + d with a' = a + 1e-8 in single precision, so
// that a = b = 0 does not divide by zero.
float Interpolera(float v, float a, float b, float c, float d);

inline float Max(float a, float b) {
    return a > b ? a : b;
}
inline float Min(float a, float b) {
    return a < b ? a : b;
}

// Even-odd test with a ray cast towards growing longitude over points 1..n.
// An edge counts when lat lies in the half-open latitude range of its ends.
bool PunktIYta(float lat, float lon, const TPunkter& punkter, int n);
// The same over points 0..n-1 of any length (the finer outlines).
bool PunktIRing(float lat, float lon, const TLatLon* punkter, int n);
// The rule itself, over points of any type that give their latitude and
// longitude: the atlas tool checks its own outlines by it.
template <class P, class Lat, class Lon>
bool PunktIRingAv(float lat, float lon, const P* punkter, int n, Lat latAv, Lon lonAv) {
    bool inside = false;
    int j = n - 1;
    for (int i = 0; i < n; ++i) {
        const float latI = latAv(punkter[i]);
        const float latJ = latAv(punkter[j]);
        // (latI <= lat < latJ) or (latJ <= lat < latI), without branches.
        if ((latI <= lat) != (latJ <= lat)) {
            const double lonI = lonAv(punkter[i]);
            const double x = (static_cast<double>(lat) - latI) *
                                 (static_cast<double>(lonAv(punkter[j])) - lonI) /
                                 (static_cast<double>(latJ) - latI) +
                             lonI;
            if (lon < x)
                inside = !inside;
        }
        j = i;
    }
    return inside;
}
