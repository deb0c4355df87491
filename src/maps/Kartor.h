// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The maps an exercise can name: the world and five continents (1-6), then
// the close-ups of the United States, Canada, Norden, Brazil and Australia,
// then of the divisions schools teach: Germany's Länder, Sweden's län,
// Poland's voivodeships, the cantons of Switzerland and the Länder of Austria
// (one map), Norway's fylker, Finland's regions, Denmark's regions, Italy's
// regions, Mexico's states, France's régions, Japan's prefectures,
// Spain's autonomous communities, the United Kingdom's nations and England's
// regions, India's states and union territories, China's provinces.
// Map n keeps its land areas in AREA<n>.crp and its sea points in Hav<n>.crp.
constexpr int kAntalKartor = 26;

struct TKartinfo {
    const char* Vatten; // the lakes: one file for the continents, one per close-up
    bool Flaggor;       // its areas have flags to be asked on the flag sheet
    bool Lander;        // its areas are countries, not states or provinces
};

// The map of that number; the range error outside 1..kAntalKartor.
const TKartinfo& Kartinfo(int nummer);
bool ArKarta(int nummer);
QString AreaFil(int nummer);
// The finer outlines of AREA<n>.crp's records, beside it; a reader that does
// not know the file plays on the records' own outlines.
QString DetaljFil(int nummer);
QString HavFil(int nummer);
QString VattenFil(int nummer);
// The place file of that number, which an exercise names (Ortfil), not a map.
QString OrtFil(int nummer);

// The parts of the world in the main menu's order: the code the catalogue
// lists an exercise under, the part's picture on the menu's world map, and
// its own map, on which the atlas puts the part's capitals beside the world's.
struct TVarldsdel {
    const char* Kod;
    const char* Bild;
    int Hemkarta;
};
constexpr int kAntalVarldsdelar = 7;
constexpr std::array<TVarldsdel, kAntalVarldsdelar> kVarldsdelar = {{
    {"EUR", "Europa.gif", 2},
    {"NOR", "NordAmerika.gif", 3},
    {"SYD", "SydAmerika.gif", 1}, // no map of its own: the world
    {"ASI", "Asien.gif", 5},
    {"AFR", "Afrika.gif", 4},
    {"AUS", "Australien.gif", 6},
    {"*", "Hela.gif", 1}, // the whole world
}};

// The part of that code, or null.
const TVarldsdel* Varldsdel(const QString& kod);
