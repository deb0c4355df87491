// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Decodes the first picture of a GIF file with giflib: global or local colour
// table, interlacing, transparency, the frame's place on the logical screen.
// Transparent pictures come back as ARGB32, others as RGB32. Throws EInOutError
// with giflib's reason when the file cannot be decoded, and for a picture or
// frame wider or higher than kMaxGifSide (a logical screen beyond it is
// replaced by the frame's extent).
constexpr int kMaxGifSide = 4096;
QImage DecodeGif(const QString& fileName);
