// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoastReference.h"

#include <QImage>
#include <QStringList>
#include <memory>
#include <vector>

class CKarta;

// A 4-connected run of pixels that the drawn map and the reference disagree
// on, well away from the reference's coasts.
struct TBlob {
    int size = 0;
    float lat = 0, lon = 0; // its middle pixel
};

struct TMapFigures {
    std::vector<TBlob> landAsWater; // reference land drawn as water
    std::vector<TBlob> seaAsLand;   // open sea drawn as land (insets aside)
    int samples = 0;                // points well inside a reference state
    int judgedRight = 0;            // of them, judged to be in that state
    int lakes = 0;                  // reference lakes big enough to see
    QStringList dryLakes;           // of them, those drawn as land
    double coastLength = 0;         // reference coasts and borders in the view, pixels
    double coastNear = 0;           // of it, within a pixel of a drawn outline
    double Identity() const { return samples ? double(judgedRight) / samples : 1.0; }
    double CoastShare() const { return coastLength > 0 ? coastNear / coastLength : 1.0; }
    int Blobs() const { return int(landAsWater.size() + seaAsLand.size()); }
};

// Draws the loaded map as the area exercise does with every area taking part,
// fitted to its land, on a w x h picture, and compares it with the reference
// inside the map's frame. `diff`, when given, receives the drawn map with the
// disagreeing pixels marked.
TMapFigures MeasureMap(CKarta& karta, const TReference& reference, const TReferenceMap& frame,
                       int w, int h, QImage* diff = nullptr);

// A view of a map as the zoom leaves it: middle longitude, top and bottom
// latitude.
struct TView {
    float mid = 0, north = 0, south = 0;
};

// Draws the loaded map at the view as the map screen draws the area exercise
// there, every area taking part, and compares it with the reference; the
// figures include the share of the reference's coasts and borders drawn
// within a pixel.
TMapFigures MeasureView(CKarta& karta, const TReference& reference, const TReferenceMap& frame,
                        const TView& view, int w, int h, QImage* diff = nullptr);

// The figures in one line, for the tools' logs.
QString Describe(const TMapFigures& f);

// The map of a number as the map screen loads it from a folder of data files:
// its land areas with their finer outlines, its lakes and its sea points.
std::unique_ptr<CKarta> LoadMap(const QString& folder, int map);
