// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtlasModel.h"

#include "maps/Areas.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <map>
#include <vector>

// The finer outlines of a map (its detail file), made from one fine topology
// so that neighbours share their borders at every level: each arc is thinned
// once per level and every unit's rings are put together from the thinned
// arcs.

struct DetailPoint {
    double lat = 0, lon = 0;
};
using DetailRing = std::vector<DetailPoint>;

// A topology's arcs in degrees and its units' polygons as arc indices
// (~i: arc i backwards), outer ring first.
struct DetailTopology {
    std::vector<DetailRing> arcs;
    struct Unit {
        QString id, name;
        QString owner; // the key whose records take its lone islands, if given
        std::vector<std::vector<std::vector<int>>> polygons;
    };
    std::vector<Unit> units;
};

// Reads a TopoJSON file's object. Throws EGlobina.
DetailTopology ReadDetailTopology(const QString& file, const char* object);

// A ring from its arcs (~i: arc i backwards; each arc after the first begins
// where the one before ended). A ring across the 180th meridian goes on past
// it, its longitudes beyond 180 or -180, so that it stays one piece.
DetailRing RingOf(const std::vector<int>& indices, const std::vector<DetailRing>& arcs);

// Douglas-Peucker on one arc: every dropped point lies within `tolerance`
// degrees of latitude of the kept line, longitude scaled as the map projects
// it at that latitude. The ends stay, so that an arc shared by two units is
// thinned alike for both; a closed arc keeps its farthest point too.
DetailRing ThinArc(const DetailRing& arc, double tolerance);

// A ring clipped to the box (Sutherland-Hodgman); a cut edge's crossing is
// computed from its ends in a fixed order, so that the two units that share
// the edge get the same point.
DetailRing ClipRing(const DetailRing& ring, double west, double east, double south, double north);

// Points inside the ring with a weight each: the middles of its spans along a
// few parallels, weighted by the span's length. Empty for a ring too thin to
// have a span there.
std::vector<std::pair<DetailPoint, double>> InnerSamples(const DetailRing& ring);

// The frame a map's land is clipped to, in degrees.
struct DetailFrame {
    double west = -180, east = 180, south = -90, north = 90;
};

// What ties a unit of the source to a map's records when none of its land
// lies in one: the key of the state that holds it (Jersey: GB), with the
// reason. Any other unit's lone islands go to the records of the state that
// holds its other land, or to the nearest record within a degree.
struct DetailOwner {
    const char* name;
    const char* key;
    const char* reason;
};
extern const std::vector<DetailOwner> kDetailOwners;

// The levels of a map's detail file: the records' own tolerance (chosen
// under every exercise view's degrees per pixel, so those views keep the
// records) and finer ones down to the source, each a quarter of the one
// before.
std::vector<double> DetailTolerances(double base, double finest);

// Builds the detail file of one map: every polygon of the topology that
// reaches into the frame goes, at every level, to the record whose outline
// holds most of it (taken a turn of the globe east or west where the frame
// lies there), else to its owner's nearest record. `log` gets one line per
// unit that no record took.
TDetaljer BuildDetail(const DetailTopology& topo, const std::vector<AtlasArea>& areas,
                      const DetailFrame& frame, const std::vector<double>& tolerances,
                      QStringList& log);

// The maps of states and provinces drawn from the country layer, whose
// records are whole states (the Nordic map).
constexpr int kCountryDetailMaps[] = {9};
// The finest level: the source's own points (its quantization is 0.0017
// degrees of latitude), at views of up to 2 degrees on 1048 device pixels.
constexpr double kFinestTolerance = 0.001;

// Writes Detalj<n>.crp for maps 1-6 and kCountryDetailMaps from the country
// topology, and for every map of states and provinces whose own topology
// (detail<n>.topo.json) lies beside the prepared file from it; base: the
// records' tolerance of a map.
void WriteDetailFiles(const Atlas& atlas, const QString& preparedJson, const QString& topology,
                      const QString& assets, const std::function<double(const AtlasMap&)>& base,
                      QTextStream& out);
