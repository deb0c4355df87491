// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtlasModel.h"
#include "MapRender.h"

#include <QStringList>
#include <functional>
#include <vector>

// One map that a sea-point file serves: its land, its water areas (drawn
// before the sea is flooded) and the views to make sure of.
struct SeaTarget {
    const std::vector<AtlasArea>* land = nullptr;
    const std::vector<AtlasArea>* water = nullptr; // may be empty
    struct View {
        int width, height;
        float north, south, east, west; // bounds to fit the view to
        int pen;
    };
    std::vector<View> views;
};

// Picks at most `budget` sea points: first the named ones that lie on a
// target's map in open water, then one for every piece of open water
// that the outlines cut off in some view (largest first), then spread points
// over the open sea. No point lies in a land or water area of any target.
std::vector<LatLon> ChooseSeaPoints(const std::vector<SeaTarget>& targets,
                                    const std::vector<LatLon>& named, int budget, QStringList& log);

// Sets up a renderer for a view of a target and draws outlines, water and sea.
void DrawForSea(MapRender& r, const SeaTarget& t, const SeaTarget::View& v,
                const std::vector<LatLon>& sea);
void FitView(MapRender& r, const SeaTarget::View& v);

// True when the point lies in any of the areas.
bool InAnyArea(LatLon p, const std::vector<AtlasArea>& areas);
