// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QString>

class COvning;

// What a printed exercise shows, besides its map.
struct TUtskriftsval {
    int Sprak = 2; // the language of the names and headings, 1..8
    QPageSize::PageSizeId Papper = QPageSize::A4;
    // A page more: the map with the names on it.
    bool Namnkarta = false;
    // The worksheet: the names listed with their numbers and the map
    // unnumbered, to write the numbers in; else the map numbered.
    bool Namnlista = false;
};

// A view of the map to print instead of the exercise's own: middle
// longitude, top and bottom latitude, and the picture's size it was seen at.
struct TUtskriftsvy {
    float Mitt = 0;
    float Nord = 0;
    float Syd = 0;
    int Bredd = 0;
    int Hojd = 0;
    bool Narmare = false; // closer than the exercise's own view
};

// Whether the exercise is played on a map, so that it can be printed.
bool KanSkrivasUt(const COvning& ovning);

// Writes the map exercise as a vector PDF: a page for the pupil with a title,
// lines for the name and the date and the map, and the answer key after it.
// The map is read afresh from the files in the current folder, so a game
// being played is never touched. Without a view, the exercise's own view
// cut to what it asks, oriented as that fits the paper. A file that cannot
// be written, an exercise not on a map and data-file errors throw EGlobina.
// Returns the number of pages written.
int SkrivUt(const COvning& ovning, const TUtskriftsval& val, const QString& fileName,
            const TUtskriftsvy* vy = nullptr);
