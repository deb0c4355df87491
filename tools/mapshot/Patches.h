// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

// A 4-connected region of one colour in a drawn map, such as land that no
// seed reached.
struct TPatch {
    int size = 0;   // pixels
    QPoint deepest; // the pixel farthest inside the patch (chessboard distance)
    QRect bounds;
};

// Every 4-connected region of exactly `colour` with at least `minSize`
// pixels, largest first (ties in reading order).
std::vector<TPatch> FindPatches(const QImage& picture, QRgb colour, int minSize);
