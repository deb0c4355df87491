// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

// Writers of the picture formats the program loads. Both are deterministic:
// the same image always gives the same bytes.
namespace PictureFiles {

// Writes the image as a single-frame GIF with a palette of at most 256
// colours. When the image has more colours, each channel is rounded to fewer
// bits until it fits. Pixels of `transparent` (if given) become the GIF's
// transparent colour; the palette keeps its RGB so that a viewer that ignores
// transparency still shows it. Returns false with a message on failure.
bool WriteGif(const QImage& image, const QString& fileName, std::optional<QColor> transparent,
              QString* error);

// Writes a 24-bit uncompressed Windows bitmap.
bool WriteBmp24(const QImage& image, const QString& fileName, QString* error);

} // namespace PictureFiles
