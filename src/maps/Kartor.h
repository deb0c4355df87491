// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The maps an exercise can name: the world and five continents (1-6), then
// the close-ups of the United States, Canada, Norden, Brazil and Australia.
// Map n keeps its land areas in AREA<n>.crp and its sea points in Hav<n>.crp.
constexpr int kAntalKartor = 11;

struct TKartinfo {
    const char* Vatten; // the lakes: one file for the continents, one per close-up
    bool Flaggor;       // its areas have flags to be asked on the flag sheet
    bool Lander;        // its areas are countries, not states or provinces
};

// The map of that number; the range error outside 1..kAntalKartor.
const TKartinfo& Kartinfo(int nummer);
bool ArKarta(int nummer);
QString AreaFil(int nummer);
QString HavFil(int nummer);
QString VattenFil(int nummer);
