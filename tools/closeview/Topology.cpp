// SPDX-License-Identifier: GPL-3.0-or-later
#include "Topology.h"

#include "DetailLevels.h"

std::vector<TReferenceUnit> ReadTopologyUnits(const QString& file, const char* object) {
    // Read as the detail files read their source, so that both put a ring
    // across the 180th meridian together alike.
    const DetailTopology topology = ReadDetailTopology(file, object);
    std::vector<TReferenceUnit> units;
    for (const DetailTopology::Unit& u : topology.units) {
        TReferenceUnit unit;
        unit.code = u.id;
        for (const auto& polygon : u.polygons)
            for (const std::vector<int>& indices : polygon) {
                TRing ring;
                for (const DetailPoint& p : RingOf(indices, topology.arcs))
                    ring.push_back({float(p.lat), float(p.lon)});
                unit.rings.push_back(std::move(ring));
            }
        if (!unit.rings.empty())
            units.push_back(std::move(unit));
    }
    return units;
}
