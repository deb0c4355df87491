// SPDX-License-Identifier: GPL-3.0-or-later
// The program's projection for prepare.mjs, so that the spacing of places is
// measured with the map's own view fitting and projection, not a copy of
// them. Reads from stdin a JSON array of requests
//   { "size": [w, h], "view": [north, south, centre], "points": [[lat, lon], ...] }
// where "fit": [[north, south, east, west], ...] may stand for "view": the
// view the program fits to areas with those bounds. Writes to stdout one
// answer per request: { "view": [north, south, centre], "points": [[x, y], ...] },
// the pixels before rounding. With --parts it writes instead the program's
// table of the parts of the world: { "world": map, "byContinent": { code: map } },
// the home map of each part, so that no stage keeps a copy of it.
#include "MapRender.h"
#include "maps/Kartor.h"

#include <QApplication>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

using nlohmann::json;

namespace {

json Answer(const json& request) {
    MapRender r(request.at("size").at(0).get<int>(), request.at("size").at(1).get<int>());
    if (request.contains("fit")) {
        std::vector<AtlasArea> boxes;
        for (const auto& b : request.at("fit")) {
            AtlasArea box;
            box.north = b.at(0), box.south = b.at(1), box.east = b.at(2), box.west = b.at(3);
            box.points.push_back({float(box.north), float(box.west)}); // an area needs a point
            boxes.push_back(box);
        }
        std::vector<const AtlasArea*> fit;
        for (const AtlasArea& b : boxes)
            fit.push_back(&b);
        r.AnpassaVy(fit);
    } else {
        const auto& v = request.at("view");
        r.SattVy(v.at(0).get<float>(), v.at(1).get<float>(), v.at(2).get<float>());
    }
    json points = json::array();
    for (const auto& p : request.at("points")) {
        // Rounded as the data files hold it before it becomes a single.
        const LatLon q{FromFixed(ToFixed(p.at(0).get<double>())),
                       FromFixed(ToFixed(p.at(1).get<double>()))};
        const QPointF at = r.ProjectExact(q);
        points.push_back({at.x(), at.y()});
    }
    const auto [north, south, centre] = r.Vy();
    return {{"view", {north, south, centre}}, {"points", points}};
}

json Parts() {
    json parts{{"byContinent", json::object()}};
    for (const TVarldsdel& part : kVarldsdelar)
        if (QLatin1String(part.Kod) == QLatin1String("*"))
            parts["world"] = part.Hemkarta;
        else
            parts["byContinent"][part.Kod] = part.Hemkarta;
    return parts;
}

} // namespace

int main(int argc, char** argv) {
    // The map's picture is a widget.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        if (argc > 1 && std::string(argv[1]) == "--parts") {
            std::cout << Parts().dump() << '\n';
            return 0;
        }
        const json requests = json::parse(std::cin);
        json answers = json::array();
        for (const auto& request : requests)
            answers.push_back(Answer(request));
        std::cout << answers.dump() << '\n';
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "atlas_project: %s\n", e.what());
        return 1;
    }
}
