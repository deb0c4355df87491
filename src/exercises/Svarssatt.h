// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <QList>

class COvningar;

// The ways a catalogue entry can be answered, clicking first: every map
// exercise can also be typed; an area exercise has four choices too, and
// capitals from the map where its map has a capitals exercise whose places
// are chosen by its areas' keys. Other kinds are only clicked.
QList<TSvarssatt> Svarssatter(const COvning& ovning, const COvningar* katalog);

// The capitals exercise of the area exercise's map that asks for the most of
// its items, at least two (the earlier at a tie); Ovning 0 where there is none.
THuvudstader HuvudstaderFor(const COvning& ovning, const COvningar* katalog);
