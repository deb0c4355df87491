// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/MapMath.h"

#include <QRectF>
#include <QString>
#include <vector>

using TRing = std::vector<TLatLon>;

// One unit of the country source: a state or a territory, all its rings
// (outer rings and holes alike, read even-odd). map: 0 for the source every
// map shares, else the one map drawn from a source of its own (the admin-1
// maps), which is measured against its own units alone.
struct TReferenceUnit {
    QString code;
    bool state = false;
    std::vector<TRing> rings;
    int map = 0;
};

// A map's frame, the box its land is clipped to, and the boxes of its insets
// (x longitude, y latitude, bottom = north).
struct TReferenceMap {
    int id = 0;
    double west = 0, east = 0, south = 0, north = 0;
    std::vector<QRectF> insets;
};

// What the drawn maps are measured against: the sources at full detail.
struct TReference {
    std::vector<TReferenceMap> maps;
    std::vector<TReferenceUnit> units;
    std::vector<std::vector<TRing>> lakes;

    const TReferenceMap* Map(int id) const;
};

// A compressed file of the project's own; throws EGlobina when it cannot be
// read or written.
void WriteReference(const QString& file, const TReference& reference);
TReference ReadReference(const QString& file);
