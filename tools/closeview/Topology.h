// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoastReference.h"

#include <QString>
#include <vector>

// The units of a quantized topology's object (a TopoJSON file, as the npm
// packages of Natural Earth ship it): each geometry's polygons as rings in
// degrees, keyed by the geometry's id. Throws EGlobina when the file cannot
// be read or is not such a topology.
std::vector<TReferenceUnit> ReadTopologyUnits(const QString& file, const char* object);
