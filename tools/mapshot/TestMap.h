// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A generated continent for looking at the drawing and for benchmarks: a
// grid of land areas whose neighbours share wavy borders, two lakes, sea
// points round the coast and one place per area.
struct TTestMapShape {
    int columns = 4;
    int rows = 3;
    int pointsPerArea = 40; // a multiple of 4; at most 500
};

// Writes AREA1.crp, Vatten.crp, Hav1.crp and Ort1.crp into the folder.
// Throws EInOutError when a file cannot be written.
void WriteTestMap(const QString& folder, const TTestMapShape& shape);
