#pragma once

#include <QImage>
#include <QString>

// Writes a picture of at most 16 distinct colours as a GIF with a 16-entry
// palette in first-seen order, so equal pictures give equal files. Throws
// EGlobina.
void WriteGif16(const QImage& image, const QString& file);
