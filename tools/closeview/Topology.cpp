// SPDX-License-Identifier: GPL-3.0-or-later
#include "Topology.h"

#include "data/Errors.h"

#include <QFile>
#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

// The arcs in degrees: each is delta-encoded on the quantization grid.
std::vector<TRing> Arcs(const json& topology) {
    const json& t = topology.at("transform");
    const double sx = t.at("scale").at(0), sy = t.at("scale").at(1);
    const double tx = t.at("translate").at(0), ty = t.at("translate").at(1);
    std::vector<TRing> arcs;
    for (const json& arc : topology.at("arcs")) {
        TRing r;
        long long x = 0, y = 0;
        for (const json& p : arc) {
            x += p.at(0).get<long long>();
            y += p.at(1).get<long long>();
            r.push_back({float(y * sy + ty), float(x * sx + tx)});
        }
        arcs.push_back(std::move(r));
    }
    return arcs;
}

// A ring from its arcs; ~i is arc i backwards, and each arc after the first
// begins where the one before ended.
TRing Ring(const json& indices, const std::vector<TRing>& arcs) {
    TRing ring;
    for (const json& v : indices) {
        const int i = v.get<int>();
        const TRing& arc = arcs.at(size_t(i >= 0 ? i : ~i));
        const size_t skip = ring.empty() ? 0 : 1;
        if (i >= 0)
            ring.insert(ring.end(), arc.begin() + long(std::min(skip, arc.size())), arc.end());
        else
            for (size_t k = arc.size() - skip; k-- > 0;)
                ring.push_back(arc[k]);
    }
    if (ring.size() > 1 && ring.front().Lat == ring.back().Lat &&
        ring.front().Lon == ring.back().Lon)
        ring.pop_back();
    return ring;
}

} // namespace

std::vector<TReferenceUnit> ReadTopologyUnits(const QString& file, const char* object) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileNotFound(file);
    try {
        const json topology = json::parse(f.readAll().toStdString());
        const std::vector<TRing> arcs = Arcs(topology);
        std::vector<TReferenceUnit> units;
        for (const json& g : topology.at("objects").at(object).at("geometries")) {
            TReferenceUnit u;
            u.code = QString::fromStdString(g.value("id", std::string()));
            const std::string type = g.value("type", std::string());
            const json& a = g.value("arcs", json::array());
            if (type == "Polygon")
                for (const json& r : a)
                    u.rings.push_back(Ring(r, arcs));
            else if (type == "MultiPolygon")
                for (const json& p : a)
                    for (const json& r : p)
                        u.rings.push_back(Ring(r, arcs));
            if (!u.rings.empty())
                units.push_back(std::move(u));
        }
        return units;
    } catch (const json::exception& e) {
        throw EGlobina(QStringLiteral("%1 is not a quantized topology: %2").arg(file, e.what()));
    }
}
