// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtlasModel.h"
#include "MapRender.h"

#include <QStringList>
#include <array>
#include <optional>
#include <utility>
#include <vector>

// A picture a map is checked at: a size of the map screen and a view, either
// the catalogue's fixed one or the program's fit to the selected areas.
struct MapView {
    int width = 0, height = 0;
    QString name;                              // for the log: "1024x700", "exercise 16 at 1024x700"
    std::optional<std::array<float, 3>> fixed; // north, south, centre
    QStringList keys;                          // the areas the view fits; empty: every area
    int pen = 1;
};

// Sets the renderer's view as the program would: the fixed view, or the fit
// to the areas that the keys select (an area matches by key, Grupp1 or Grupp2).
void ApplyView(MapRender& r, const MapView& v, const std::vector<AtlasArea>& areas);

// The sizes of the maximised map screen on 1024x768, 1366x768 and 1920x1080
// desktops.
inline const std::vector<std::pair<int, int>>& ScreenSizes() {
    static const std::vector<std::pair<int, int>> sizes = {{1024, 700}, {1366, 730}, {1920, 1048}};
    return sizes;
}

// The whole map at the three screen sizes.
std::vector<MapView> WholeMapViews();

// The view of every area and place exercise that the catalogue text plays on
// map `m`, at 1024x700 and 1920x1048. The items are expanded as the catalogue
// tool expands them (@countries PART, @largest N, except); `capitals` are the
// states with a capital, which is what makes an area a country.
std::vector<MapView> ExerciseViews(const QString& catalogue, const AtlasMap& m,
                                   const QStringList& capitals);
