// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoastReference.h"

#include <QString>
#include <QTextStream>

// The reference that prepare.mjs wrote into the prepared JSON: every unit of
// the country source, the lakes and the frames and insets of the maps.
TReference LoadReference(const QString& jsonFile);

// Measures every map written to `assets` against the reference at the two
// sizes and prints the figures; returns the maps that have blobs left at
// 1920 x 1048, with the figures.
QStringList MeasureMaps(const QString& assets, const TReference& reference, QTextStream& out,
                        const QString& preview);
