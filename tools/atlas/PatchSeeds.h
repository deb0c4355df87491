#pragma once

#include "AtlasModel.h"
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
};

// Draws each map at the screen sizes a player sees with every area taking
// part and closes the patches that keep the land colour: a patch outside
// every area gets a sea point; a patch of a state that its seeds cannot reach
// (a piece pinched off by simplification) gets a seed-only record, key
// "code.n", Grupp1 the state, one outline point on the state's own outline
// (so it draws nothing and contains no click) and its seeds in the patch.
// Returns the number of patches left per map and size.
std::map<QString, int> FillPatches(std::vector<PatchMap>& maps, QStringList& log);

// The sizes of the maximised map screen on 1024x768, 1366x768 and 1920x1080
// desktops.
inline const std::vector<std::pair<int, int>>& ScreenSizes() {
    static const std::vector<std::pair<int, int>> sizes = {{1024, 700}, {1366, 730}, {1920, 1048}};
    return sizes;
}

// Renders a map as far as the area exercise's sea fill: outlines, lakes, sea.
void DrawSea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
             const std::vector<LatLon>& sea, int pen = 1);

// Renders a map as the area exercise does with every area taking part, each
// state in a colour of its own; the land colour is left where nothing reached.
void DrawEveryArea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
                   const std::vector<LatLon>& sea, int pen = 1);
