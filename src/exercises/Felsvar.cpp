// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Felsvar.h"

#include "maps/Areas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace {

TForvaxlingskalla& Kalla() {
    static TForvaxlingskalla kalla = [](const QString& varldsdel, const QString& typ) {
        return Misstagsregister().Forvaxlingar(varldsdel, typ, 1000);
    };
    return kalla;
}

// Outline points closer than this (degrees) lie on a shared border: the
// atlas cuts neighbours alike, so theirs coincide.
constexpr double kGransTolerans = 0.05;

struct TPunkt {
    double Lat, Lon;
};

// The outline points of every area that answers to the key, ring by ring.
std::vector<std::vector<TPunkt>> Ringar(const CAreor& areor, const QString& key) {
    std::vector<std::vector<TPunkt>> ringar;
    for (int k = 1; k <= areor.Antal; ++k) {
        const CArea& a = areor.Area(k);
        if (!a.Matchar(key))
            continue;
        a.Kontur(0).VarjeRing([&](const TLatLon* p, int n) {
            std::vector<TPunkt> ring;
            ring.reserve(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i)
                ring.push_back({p[i].Lat, p[i].Lon});
            ringar.push_back(std::move(ring));
        });
    }
    return ringar;
}

} // namespace

QStringList ValjFelsvar(std::vector<TFelsvarskandidat> kandidater, int antal) {
    const auto rang = [](const TFelsvarskandidat& k) {
        const bool forvaxlad = k.Forvaxlingar > 0;
        const bool granne = k.Grans > 0;
        return std::make_tuple(k.Reserv, !forvaxlad, -k.Forvaxlingar, !granne,
                               granne ? -k.Grans : k.Avstand, k.Avstand);
    };
    std::stable_sort(kandidater.begin(), kandidater.end(),
                     [&](const TFelsvarskandidat& x, const TFelsvarskandidat& y) {
                         const auto rx = rang(x), ry = rang(y);
                         return rx != ry ? rx < ry : x.Nyckel < y.Nyckel;
                     });
    QStringList valda;
    for (const TFelsvarskandidat& k : kandidater)
        if (valda.size() < antal && !k.Nyckel.isEmpty() && !valda.contains(k.Nyckel))
            valda << k.Nyckel;
    return valda;
}

TGrannskap Grannskap(const CAreor& areor, const QString& a, const QString& b) {
    const auto ra = Ringar(areor, a), rb = Ringar(areor, b);
    TGrannskap g;
    g.Avstand = std::numeric_limits<double>::max();
    if (rb.empty())
        return g;
    for (const auto& ring : ra) {
        // Each point's distance to the other outline, longitudes shrunk by
        // the parallel's length so that a degree east counts as on the map.
        std::vector<double> d(ring.size(), std::numeric_limits<double>::max());
        for (size_t i = 0; i < ring.size(); ++i) {
            const double kvot = std::cos(ring[i].Lat * M_PI / 180);
            for (const auto& andra : rb)
                for (const TPunkt& q : andra) {
                    const double dy = ring[i].Lat - q.Lat;
                    const double dx = (ring[i].Lon - q.Lon) * kvot;
                    d[i] = std::min(d[i], dx * dx + dy * dy);
                }
            d[i] = std::sqrt(d[i]);
            g.Avstand = std::min(g.Avstand, d[i]);
        }
        // An edge whose two ends lie on the other outline is shared border.
        for (size_t i = 0; ring.size() > 1 && i < ring.size(); ++i) {
            const size_t j = (i + 1) % ring.size();
            if (d[i] > kGransTolerans || d[j] > kGransTolerans)
                continue;
            const double kvot = std::cos(ring[i].Lat * M_PI / 180);
            g.Grans += std::hypot(ring[i].Lat - ring[j].Lat, (ring[i].Lon - ring[j].Lon) * kvot);
        }
    }
    return g; // with no outline on either side: as far as can be
}

TForvaxlingskalla SetForvaxlingskalla(TForvaxlingskalla kalla) {
    return std::exchange(Kalla(), std::move(kalla));
}

std::vector<TForvaxling> LasForvaxlingar(const QString& varldsdel, const QString& typ) {
    return Kalla() ? Kalla()(varldsdel, typ) : std::vector<TForvaxling>();
}
