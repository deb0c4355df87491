// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

// The smallest rectangle that holds every pixel unlike the background.
inline QRect PaintedBounds(const QImage& image, QRgb background) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                r |= QRect(x, y, 1, 1);
    return r;
}
