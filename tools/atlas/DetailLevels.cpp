// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetailLevels.h"

#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "maps/Kartor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

using nlohmann::json;

const std::vector<DetailOwner> kDetailOwners = {
    {"Jersey", "GB",
     "a Crown dependency that no map has a record for: drawn in the United Kingdom's colour, "
     "not in France's, which is nearer"},
    {"Guernsey", "GB", "as Jersey"},
    {"Isle of Man", "GB", "as Jersey"},
    {"Hong Kong", "CN", "where a map has no record for it, a part of China"},
    {"Macao", "CN", "as Hong Kong"},
    {"Åland", "FI", "Finland's, as the Nordic map merges it"},
    {"Indian Ocean Ter.", "AU", "Christmas Island and the Cocos Islands, Australia's"},
    {"Coral Sea Is.", "AU", "Australia's"},
    {"Akrotiri", "CY", "the British bases lie inside Cyprus on every map"},
    {"Dhekelia", "CY", "as Akrotiri"},
    {"Cyprus U.N. Buffer Zone", "CY", "as Akrotiri"},
    {"USNB Guantanamo Bay", "CU", "inside Cuba on every map"},
    {"Baikonur", "KZ", "inside Kazakhstan on every map"},
    {"Ashmore and Cartier Is.", "AU", "merged into Australia on every map"},
    {"Jervis Bay Territory", "AU-NSW",
     "the Australian map leaves it out as no unit a school atlas asks; its land is drawn with "
     "New South Wales, whose coast it lies on"},
    // Dependencies that a map has no record for, in their state's colour
    // where the map has a record of that state.
    {"Turks and Caicos Is.", "GB", "a British overseas territory"},
    {"Anguilla", "GB", "a British overseas territory"},
    {"British Virgin Is.", "GB", "a British overseas territory"},
    {"Cayman Is.", "GB", "a British overseas territory"},
    {"Bermuda", "GB", "a British overseas territory"},
    {"Saint Helena", "GB", "a British overseas territory"},
    {"Br. Indian Ocean Ter.", "GB", "a British overseas territory"},
    {"Pitcairn Is.", "GB", "a British overseas territory"},
    {"Fr. Polynesia", "FR", "a French overseas collectivity"},
    {"Wallis and Futuna Is.", "FR", "a French overseas collectivity"},
    {"Fr. S. Antarctic Lands", "FR", "a French overseas territory"},
    {"Clipperton I.", "FR", "a French island"},
    {"U.S. Minor Outlying Is.", "US", "islands of the United States"},
    {"U.S. Virgin Is.", "US", "a territory of the United States"},
    {"American Samoa", "US", "a territory of the United States"},
    {"Guam", "US", "a territory of the United States"},
    {"N. Mariana Is.", "US", "a territory of the United States"},
    {"Norfolk Island", "AU", "an Australian territory"},
    {"Heard I. and McDonald Is.", "AU", "an Australian territory"},
    {"Cook Is.", "NZ", "in free association with New Zealand"},
    {"Niue", "NZ", "in free association with New Zealand"},
};

namespace {

// How much a degree of longitude counts against one of latitude where the
// map projects it (the projection's factor at the latitude, at most 1).
double Squeeze(double lat) {
    return std::sqrt(std::max(0.0, 8100 - lat * lat)) / 90;
}

double SegmentDistance(const DetailPoint& p, const DetailPoint& a, const DetailPoint& b) {
    const double f = Squeeze(p.lat);
    const double ax = (a.lon - p.lon) * f, ay = a.lat - p.lat;
    const double bx = (b.lon - p.lon) * f, by = b.lat - p.lat;
    const double dx = bx - ax, dy = by - ay;
    const double len = dx * dx + dy * dy;
    double t = len > 0 ? -(ax * dx + ay * dy) / len : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(ax + t * dx, ay + t * dy);
}

void Thin(const DetailRing& arc, size_t from, size_t to, double tolerance,
          std::vector<char>& keep) {
    std::vector<std::pair<size_t, size_t>> stack{{from, to}};
    while (!stack.empty()) {
        const auto [i, j] = stack.back();
        stack.pop_back();
        double worst = -1;
        size_t at = i;
        for (size_t k = i + 1; k < j; ++k) {
            const double d = SegmentDistance(arc[k], arc[i], arc[j]);
            if (d > worst)
                worst = d, at = k;
        }
        if (worst > tolerance) {
            keep[at] = 1;
            stack.push_back({i, at});
            stack.push_back({at, j});
        }
    }
}

bool InRecord(const AtlasArea& a, const DetailPoint& p) {
    if (p.lat > a.north || p.lat < a.south || p.lon > a.east || p.lon < a.west)
        return false;
    return PunktIYta({float(p.lat), float(p.lon)}, a.points);
}

// Degrees (latitude, longitude squeezed) from the point to the record's ring.
double RecordDistance(const AtlasArea& a, const DetailPoint& p) {
    double best = 1e9;
    const size_t n = a.points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++)
        best = std::min(best, SegmentDistance(p, {a.points[j].lat, a.points[j].lon},
                                              {a.points[i].lat, a.points[i].lon}));
    return best;
}

DetailRing Shifted(const DetailRing& r, double dx) {
    DetailRing s = r;
    for (DetailPoint& p : s)
        p.lon += dx;
    return s;
}

struct Box {
    double w = 1e9, e = -1e9, s = 1e9, n = -1e9;
};
Box BoxOf(const DetailRing& r) {
    Box b;
    for (const DetailPoint& p : r)
        b.w = std::min(b.w, p.lon), b.e = std::max(b.e, p.lon), b.s = std::min(b.s, p.lat),
        b.n = std::max(b.n, p.lat);
    return b;
}

// The stored form: ten-thousandths, no point twice in a row.
std::vector<TPointRecord> Stored(const DetailRing& r) {
    std::vector<TPointRecord> out;
    for (const DetailPoint& p : r) {
        const TPointRecord q{DecodeDegrees(EncodeDegrees(p.lat)),
                             DecodeDegrees(EncodeDegrees(p.lon))};
        if (out.empty() || !(out.back() == q))
            out.push_back(q);
    }
    while (out.size() > 1 && out.front() == out.back())
        out.pop_back();
    return out;
}

// The point's longitude a whole turn east or west, within half a turn of the
// one before it: a line across the 180th meridian (Chukotka, Fiji) goes on
// past it rather than back round the globe.
DetailPoint Beside(DetailPoint p, const DetailPoint& before) {
    while (p.lon - before.lon > 180)
        p.lon -= 360;
    while (p.lon - before.lon < -180)
        p.lon += 360;
    return p;
}

} // namespace

DetailRing RingOf(const std::vector<int>& indices, const std::vector<DetailRing>& arcs) {
    DetailRing ring;
    auto add = [&ring](const DetailPoint& p) {
        ring.push_back(ring.empty() ? p : Beside(p, ring.back()));
    };
    for (int i : indices) {
        const DetailRing& arc = arcs.at(size_t(i >= 0 ? i : ~i));
        const size_t skip = ring.empty() ? 0 : 1;
        if (i >= 0)
            for (size_t k = std::min(skip, arc.size()); k < arc.size(); ++k)
                add(arc[k]);
        else
            for (size_t k = arc.size() - std::min(skip, arc.size()); k-- > 0;)
                add(arc[k]);
    }
    if (ring.size() > 1 && ring.front().lat == ring.back().lat &&
        ring.front().lon == ring.back().lon)
        ring.pop_back();
    // Whole, it starts within the globe's turn from -180 (Russia 27 to 191,
    // wherever its first arc lies).
    double west = 1e9;
    for (const DetailPoint& p : ring)
        west = std::min(west, p.lon);
    double turn = 0;
    while (west + turn < -180)
        turn += 360;
    while (west + turn >= 180)
        turn -= 360;
    for (DetailPoint& p : ring)
        p.lon += turn;
    return ring;
}

DetailTopology ReadDetailTopology(const QString& file, const char* object) {
    const json topology = ReadJsonFile(file);
    try {
        DetailTopology t;
        // Quantized (delta-encoded on a grid) or in plain degrees.
        if (topology.contains("transform")) {
            const json& tr = topology.at("transform");
            const double sx = tr.at("scale").at(0), sy = tr.at("scale").at(1);
            const double tx = tr.at("translate").at(0), ty = tr.at("translate").at(1);
            for (const json& arc : topology.at("arcs")) {
                DetailRing r;
                long long x = 0, y = 0;
                for (const json& p : arc) {
                    x += p.at(0).get<long long>();
                    y += p.at(1).get<long long>();
                    const DetailPoint q{y * sy + ty, x * sx + tx};
                    r.push_back(r.empty() ? q : Beside(q, r.back()));
                }
                t.arcs.push_back(std::move(r));
            }
        } else {
            for (const json& arc : topology.at("arcs")) {
                DetailRing r;
                for (const json& p : arc) {
                    const DetailPoint q{p.at(1).get<double>(), p.at(0).get<double>()};
                    r.push_back(r.empty() ? q : Beside(q, r.back()));
                }
                t.arcs.push_back(std::move(r));
            }
        }
        for (const json& g : topology.at("objects").at(object).at("geometries")) {
            DetailTopology::Unit u;
            u.id = QString::fromStdString(g.value("id", std::string()));
            const json props = g.value("properties", json::object());
            u.name = QString::fromStdString(props.value("name", std::string()));
            u.owner = QString::fromStdString(props.value("owner", std::string()));
            const std::string type = g.value("type", std::string());
            const json& a = g.value("arcs", json::array());
            if (type == "Polygon")
                u.polygons.push_back(a.get<std::vector<std::vector<int>>>());
            else if (type == "MultiPolygon")
                for (const json& p : a)
                    u.polygons.push_back(p.get<std::vector<std::vector<int>>>());
            if (!u.polygons.empty())
                t.units.push_back(std::move(u));
        }
        return t;
    } catch (const json::exception& e) {
        throw EGlobina(QStringLiteral("%1 is not a quantized topology: %2").arg(file, e.what()));
    }
}

DetailRing ThinArc(const DetailRing& arc, double tolerance) {
    if (arc.size() <= 2)
        return arc;
    std::vector<char> keep(arc.size(), 0);
    keep.front() = keep.back() = 1;
    const size_t last = arc.size() - 1;
    const bool closed = arc.front().lat == arc.back().lat && arc.front().lon == arc.back().lon;
    if (closed) {
        // A closed arc (an island): split at the point farthest from its start.
        size_t far = 1;
        double best = -1;
        for (size_t k = 1; k < last; ++k) {
            const double d = SegmentDistance(arc[k], arc[0], arc[0]);
            if (d > best)
                best = d, far = k;
        }
        keep[far] = 1;
        Thin(arc, 0, far, tolerance, keep);
        Thin(arc, far, last, tolerance, keep);
    } else {
        Thin(arc, 0, last, tolerance, keep);
    }
    DetailRing out;
    for (size_t k = 0; k < arc.size(); ++k)
        if (keep[k])
            out.push_back(arc[k]);
    return out;
}

DetailRing ClipRing(const DetailRing& ring, double west, double east, double south, double north) {
    // One edge of the box at a time: inside(p), and the crossing of a-b.
    auto clip = [](const DetailRing& in, auto inside, auto cross) {
        DetailRing out;
        for (size_t i = 0; i < in.size(); ++i) {
            const DetailPoint& a = in[(i + in.size() - 1) % in.size()];
            const DetailPoint& b = in[i];
            const bool ia = inside(a), ib = inside(b);
            if (ib) {
                if (!ia)
                    out.push_back(cross(a, b));
                out.push_back(b);
            } else if (ia) {
                out.push_back(cross(a, b));
            }
        }
        return out;
    };
    // The crossing from the ends taken in a fixed order.
    auto atLon = [](double lon) {
        return [lon](DetailPoint a, DetailPoint b) {
            if (std::tie(a.lat, a.lon) > std::tie(b.lat, b.lon))
                std::swap(a, b);
            return DetailPoint{a.lat + (b.lat - a.lat) * (lon - a.lon) / (b.lon - a.lon), lon};
        };
    };
    auto atLat = [](double lat) {
        return [lat](DetailPoint a, DetailPoint b) {
            if (std::tie(a.lat, a.lon) > std::tie(b.lat, b.lon))
                std::swap(a, b);
            return DetailPoint{lat, a.lon + (b.lon - a.lon) * (lat - a.lat) / (b.lat - a.lat)};
        };
    };
    DetailRing r = ring;
    r = clip(
        r, [&](const DetailPoint& p) { return p.lon >= west; }, atLon(west));
    r = clip(
        r, [&](const DetailPoint& p) { return p.lon <= east; }, atLon(east));
    r = clip(
        r, [&](const DetailPoint& p) { return p.lat >= south; }, atLat(south));
    r = clip(
        r, [&](const DetailPoint& p) { return p.lat <= north; }, atLat(north));
    return r;
}

std::vector<std::pair<DetailPoint, double>> InnerSamples(const DetailRing& ring) {
    std::vector<std::pair<DetailPoint, double>> out;
    if (ring.size() < 3)
        return out;
    const Box b = BoxOf(ring);
    for (int k = 1; k <= 7; ++k) {
        const double lat = b.s + (b.n - b.s) * k / 8.0;
        std::vector<double> xs;
        for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const DetailPoint &p = ring[i], &q = ring[j];
            if ((p.lat <= lat && lat < q.lat) || (q.lat <= lat && lat < p.lat))
                xs.push_back(p.lon + (lat - p.lat) * (q.lon - p.lon) / (q.lat - p.lat));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            if (xs[i + 1] > xs[i])
                out.push_back({{lat, (xs[i] + xs[i + 1]) / 2}, (xs[i + 1] - xs[i]) * Squeeze(lat)});
    }
    return out;
}

std::vector<double> DetailTolerances(double base, double finest) {
    std::vector<double> t{base};
    while (t.back() > finest * 1.0001)
        t.push_back(t.back() / 4 < finest * 2 ? finest : t.back() / 4);
    return t;
}

TDetaljer BuildDetail(const DetailTopology& topo, const std::vector<AtlasArea>& areas,
                      const DetailFrame& frame, const std::vector<double>& tolerances,
                      QStringList& log) {
    auto groupOf = [&](const AtlasArea& a) { return a.group1.isEmpty() ? a.key : a.group1; };
    auto outlined = [&](size_t i) { return areas[i].points.size() >= 3; };
    const std::vector<double> turns = {0, 360, -360};
    auto turnsInFrame = [&](const DetailRing& outer) {
        std::vector<double> in;
        const Box b = BoxOf(outer);
        for (double dx : turns)
            if (b.e + dx > frame.west && b.w + dx < frame.east && b.n > frame.south &&
                b.s < frame.north)
                in.push_back(dx);
        return in;
    };

    // Which record and turn each polygon goes to, decided once on the
    // source's own rings so that every level puts it in the same record.
    struct Choice {
        int record = -1;
        double dx = 0;
    };
    std::vector<std::vector<Choice>> choice(topo.units.size());
    for (size_t u = 0; u < topo.units.size(); ++u) {
        const auto& unit = topo.units[u];
        choice[u].resize(unit.polygons.size());
        std::map<QString, double> groupVotes;
        std::vector<std::vector<double>> candidates(unit.polygons.size());
        for (size_t p = 0; p < unit.polygons.size(); ++p) {
            const DetailRing outer = RingOf(unit.polygons[p].front(), topo.arcs);
            candidates[p] = turnsInFrame(outer);
            std::map<std::pair<int, double>, double> votes;
            // Each sample counts for the record a click there is judged in:
            // the one with the smallest northern bound (an enclave).
            for (double dx : candidates[p])
                for (const auto& [pt, w] : InnerSamples(ClipRing(
                         Shifted(outer, dx), frame.west, frame.east, frame.south, frame.north))) {
                    int in = -1;
                    for (size_t i = 0; i < areas.size(); ++i)
                        if (outlined(i) && (in < 0 || areas[i].north < areas[size_t(in)].north) &&
                            InRecord(areas[i], pt))
                            in = int(i);
                    if (in >= 0)
                        votes[{in, dx}] += w;
                }
            double best = 0;
            for (const auto& [k, w] : votes)
                if (w > best)
                    best = w, choice[u][p] = {k.first, k.second};
            if (choice[u][p].record >= 0)
                groupVotes[groupOf(areas[size_t(choice[u][p].record)])] += best;
        }
        // The rest: the owner's or the unit's own state, else the nearest record.
        QString group;
        for (const DetailOwner& o : kDetailOwners)
            if (unit.name == QString::fromUtf8(o.name))
                group = QString::fromLatin1(o.key);
        if (group.isEmpty()) {
            double best = 0;
            for (const auto& [g, w] : groupVotes)
                if (w > best)
                    best = w, group = g;
        }
        if (group.isEmpty())
            group = unit.owner;
        int lost = 0;
        for (size_t p = 0; p < unit.polygons.size(); ++p) {
            if (choice[u][p].record >= 0 || candidates[p].empty())
                continue;
            const DetailRing outer = RingOf(unit.polygons[p].front(), topo.arcs);
            double best = group.isEmpty() ? 1.0 : 1e9;
            for (double dx : candidates[p]) {
                const DetailPoint at{outer.front().lat, outer.front().lon + dx};
                for (size_t i = 0; i < areas.size() && !group.isEmpty(); ++i) {
                    if (!outlined(i) || groupOf(areas[i]) != group)
                        continue;
                    const double d = RecordDistance(areas[i], at);
                    if (d < best)
                        best = d, choice[u][p] = {int(i), dx};
                }
            }
            // A unit that no state holds here (a territory without a record):
            // the nearest record within a degree, as the size rule would have
            // joined it.
            for (double dx : candidates[p])
                for (size_t i = 0; i < areas.size() && group.isEmpty(); ++i) {
                    const DetailPoint at{outer.front().lat, outer.front().lon + dx};
                    if (outlined(i) && RecordDistance(areas[i], at) < best)
                        best = RecordDistance(areas[i], at), choice[u][p] = {int(i), dx};
                }
            if (choice[u][p].record < 0)
                ++lost;
        }
        if (lost)
            log << QStringLiteral("%1 (%2): %3 pieces in the frame have no record")
                       .arg(unit.name, unit.id)
                       .arg(lost);
    }

    TDetaljer d;
    d.BasTolerans = tolerances.front();
    for (size_t l = 1; l < tolerances.size(); ++l) {
        const double tol = tolerances[l];
        // The stored tolerance bounds the drawn line's distance from the
        // source with its rounding to pixels: the arcs are thinned to half.
        std::vector<DetailRing> arcs;
        arcs.reserve(topo.arcs.size());
        for (const DetailRing& a : topo.arcs)
            arcs.push_back(ThinArc(a, tol / 2));
        TDetaljer::TNiva& niva = d.Nivaer.emplace_back();
        niva.Tolerans = tol;
        niva.Poster.resize(areas.size());
        for (size_t u = 0; u < topo.units.size(); ++u)
            for (size_t p = 0; p < topo.units[u].polygons.size(); ++p) {
                const Choice c = choice[u][p];
                if (c.record < 0)
                    continue;
                for (const auto& indices : topo.units[u].polygons[p]) {
                    const DetailRing ring =
                        ClipRing(Shifted(RingOf(indices, arcs), c.dx), frame.west, frame.east,
                                 frame.south, frame.north);
                    if (ring.size() < 3)
                        continue;
                    // Smaller than the level's tolerance both ways: under a pixel
                    // wherever the level is drawn.
                    const Box b = BoxOf(ring);
                    if (b.n - b.s < tol && (b.e - b.w) * Squeeze((b.n + b.s) / 2) < tol)
                        continue;
                    std::vector<TPointRecord> stored = Stored(ring);
                    if (stored.size() >= 3)
                        niva.Poster[size_t(c.record)].push_back(std::move(stored));
                }
            }
        // A piece of a state whose land the finer outlines give to another of
        // its records (two coarse pieces of one island) would draw its coarse
        // ring over them: it gets a ring of no area instead, on a point of
        // its state's outline nearest its seed, where a line is drawn anyway.
        for (size_t i = 0; i < areas.size(); ++i) {
            if (!outlined(i) || !niva.Poster[i].empty())
                continue;
            const DetailPoint seed{areas[i].seed1.lat, areas[i].seed1.lon};
            const TPointRecord* nearest = nullptr;
            double best = 1e9;
            for (size_t j = 0; j < areas.size(); ++j)
                if (groupOf(areas[j]) == groupOf(areas[i]))
                    for (const auto& ring : niva.Poster[j])
                        for (const TPointRecord& q : ring)
                            if (const double dd = std::hypot(
                                    q.Lat - seed.lat, (q.Lon - seed.lon) * Squeeze(seed.lat));
                                dd < best)
                                best = dd, nearest = &q;
            if (nearest)
                niva.Poster[i].push_back({*nearest, *nearest, *nearest});
        }
    }
    return d;
}

void WriteDetailFiles(const Atlas& atlas, const QString& preparedJson, const QString& topology,
                      const QString& assets, const std::function<double(const AtlasMap&)>& base,
                      QTextStream& out) {
    const json prepared = ReadJsonFile(preparedJson);
    std::map<int, DetailFrame> frames;
    for (const char* list : {"maps", "subMaps"})
        for (const json& m : prepared.value(list, json::array())) {
            const json& f = m.at("frame");
            frames[m.at("id").get<int>()] = {f.at("w"), f.at("e"), f.at("s"), f.at("n")};
        }
    const DetailTopology countries = ReadDetailTopology(topology, "countries");
    // Each map with its source: the country layer, or the map's own admin-1
    // topology beside the prepared file (detail-sources.mjs).
    std::vector<std::pair<const AtlasMap*, DetailTopology>> maps;
    for (const AtlasMap& m : atlas.maps)
        maps.push_back({&m, {}});
    for (const AtlasMap& m : atlas.subMaps) {
        const QString own =
            QFileInfo(preparedJson).dir().filePath(QStringLiteral("detail%1.topo.json").arg(m.id));
        if (QFileInfo::exists(own))
            maps.push_back({&m, ReadDetailTopology(own, "units")});
        else if (std::count(std::begin(kCountryDetailMaps), std::end(kCountryDetailMaps), m.id))
            maps.push_back({&m, {}});
    }
    for (const auto& [m, source] : maps) {
        const std::vector<double> tolerances = DetailTolerances(base(*m), kFinestTolerance);
        QStringList log;
        const TDetaljer d = BuildDetail(source.units.empty() ? countries : source, m->areas,
                                        frames.at(m->id), tolerances, log);
        TByteWriter w;
        d.Write(w);
        w.SaveTo(assets + "/" + DetaljFil(m->id));
        size_t points = 0;
        QStringList own;
        for (size_t i = 0; i < m->areas.size(); ++i) {
            const auto& ringar = d.Nivaer.back().Poster[i];
            if (m->areas[i].points.size() >= 3 &&
                (ringar.empty() || (ringar.size() == 1 && ringar[0][0] == ringar[0][1])))
                own << m->areas[i].key + (ringar.empty() ? "" : " (none)");
            for (const auto& r : ringar)
                points += r.size();
        }
        QStringList levels;
        for (double t : tolerances)
            levels << QString::number(t, 'g', 3);
        out << DetaljFil(m->id) << ": tolerances " << levels.join(' ') << "; finest level "
            << points << " points; records with their own outline or none there: " << own.join(' ');
        if (!log.isEmpty())
            out << "; " << log.join("; ");
        out << "\n";
    }
}
