// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtlasModel.h"
#include "ExerciseViews.h"
#include "SeaPoints.h"

#include <QStringList>
#include <map>
#include <vector>

// One map as the tool finishes it: its areas, the lakes it draws, the sea
// points of its file and every map that shares that file (a sea point must
// suit them all).
struct PatchMap {
    AtlasMap* map = nullptr;
    const std::vector<AtlasArea>* water = nullptr;
    std::vector<LatLon>* sea = nullptr;
    std::vector<SeaTarget> seaTargets;
    int seaBudget = 100;
    // The pictures to close the patches of: the whole map at the screen
    // sizes and the views of the exercises that play on it.
    std::vector<MapView> views = WholeMapViews();
};

// Draws each map at its views with every area taking part and closes the patches that keep the land
// colour: a patch outside every area gets a sea point; a patch of a state that its seeds cannot
// reach (a piece pinched off by simplification) gets a seed-only record, key "code.n", Grupp1 the
// state, one outline point on the state's own outline (so it draws nothing and contains no click)
// and its seeds in the patch. When a sea-point file is full, points that change no pixel at any of
// the views or of the sea targets' views make room, the last added first. Returns the number of
// patches left per map and view.
std::map<QString, int> FillPatches(std::vector<PatchMap>& maps, QStringList& log);

// Renders a map at a view as far as the area exercise's sea fill: outlines,
// lakes, sea.
void DrawSea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
             const std::vector<LatLon>& sea, const MapView& view = {});

// Renders a map at a view as the area exercise does with every area taking
// part, each state in a colour of its own; the land colour is left where
// nothing reached.
void DrawEveryArea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
                   const std::vector<LatLon>& sea, const MapView& view = {});
