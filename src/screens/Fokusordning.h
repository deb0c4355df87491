// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <vector>

// The order in which the keyboard visits the targets of a map or a sheet:
// Tab reads them as a page is read, west to east within bands from north to
// south; an arrow goes to the nearest target that lies that way. Points are
// x to the east and y to the south, in any unit (degrees, pixels).
namespace Fokusordning {

enum class TRiktning { Vanster, Hoger, Upp, Ned };

// The indices of the points in Tab order: by band (floor of y over the
// band's height, from the smallest y), then by x, then by y, then by index.
// A band height of 0 or less puts every point in one band.
std::vector<int> Tabordning(const std::vector<QPointF>& punkter, double bandhojd);

// The point nearest to point `fran` in the direction: among those that lie
// that way within 45 degrees of it, the one with the least distance plus
// its offset across the direction; where none lies within 45 degrees, the
// same among those that lie that way at all. -1 where no point lies that
// way (or `fran` is no index of the points). Points at the same place as
// `fran` lie no way from it.
int Granne(const std::vector<QPointF>& punkter, int fran, TRiktning riktning);

} // namespace Fokusordning
