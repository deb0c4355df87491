// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseViews.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

bool Selects(const AtlasArea& a, const QStringList& keys) {
    return keys.contains(a.key) || (!a.group1.isEmpty() && keys.contains(a.group1)) ||
           (!a.group2.isEmpty() && keys.contains(a.group2));
}

// The catalogue stores a view in ten-thousandths of a degree.
float Stored(const QString& text) {
    return FromFixed(ToFixed(text.toDouble()));
}

// Area on the sphere of all of a state's outlines, in square degrees.
double Size(const std::vector<AtlasArea>& areas, const QString& code) {
    double total = 0;
    for (const AtlasArea& a : areas) {
        if (a.key != code && a.group1 != code)
            continue;
        double sum = 0;
        for (size_t k = 0; k < a.points.size(); ++k) {
            const LatLon& p = a.points[k];
            const LatLon& q = a.points[(k + 1) % a.points.size()];
            sum += (q.lon - p.lon) * (std::sin(q.lat * M_PI / 180) + std::sin(p.lat * M_PI / 180));
        }
        total += std::abs(sum) / 2;
    }
    return total;
}

QStringList Expand(const QStringList& items, const QStringList& except, const AtlasMap& m,
                   const QStringList& capitals) {
    auto country = [&](const AtlasArea& a) {
        return !a.points.empty() && !a.key.contains('.') && capitals.contains(a.key);
    };
    QStringList out;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i] == "@countries" && i + 1 < items.size()) {
            const QString part = items[++i];
            for (const AtlasArea& a : m.areas)
                if (a.group2 == part && country(a) && !out.contains(a.key))
                    out << a.key;
        } else if (items[i] == "@largest" && i + 1 < items.size()) {
            const int n = items[++i].toInt();
            std::vector<std::pair<double, QString>> sizes;
            for (const AtlasArea& a : m.areas)
                if (country(a))
                    sizes.push_back({-Size(m.areas, a.key), a.key});
            std::sort(sizes.begin(), sizes.end());
            for (int k = 0; k < n && k < int(sizes.size()); ++k)
                out << sizes[size_t(k)].second;
        } else {
            out << items[i];
        }
    }
    for (const QString& code : except)
        out.removeAll(code);
    return out;
}

} // namespace

void ApplyView(MapRender& r, const MapView& v, const std::vector<AtlasArea>& areas) {
    if (v.fixed) {
        r.SattVy((*v.fixed)[0], (*v.fixed)[1], (*v.fixed)[2]);
        return;
    }
    std::vector<const AtlasArea*> fit;
    for (const AtlasArea& a : areas)
        if (!a.points.empty() && (v.keys.isEmpty() || Selects(a, v.keys)))
            fit.push_back(&a);
    // A place exercise whose items name no area (seas, lakes) plays on the
    // whole map, as the catalogue tool gives it.
    if (fit.empty())
        for (const AtlasArea& a : areas)
            if (!a.points.empty())
                fit.push_back(&a);
    r.AnpassaVy(fit);
}

std::vector<MapView> WholeMapViews() {
    std::vector<MapView> out;
    for (auto [w, h] : ScreenSizes())
        out.push_back({w, h, QStringLiteral("%1x%2").arg(w).arg(h), std::nullopt, {}, 1});
    return out;
}

std::vector<MapView> ExerciseViews(const QString& catalogue, const AtlasMap& m,
                                   const QStringList& capitals) {
    std::vector<MapView> out;
    for (const QString& block : catalogue.split(QRegularExpression("\\n\\s*\\n"))) {
        std::map<QString, QString> e;
        for (const QString& line : block.split('\n')) {
            const int colon = line.indexOf(':');
            if (!line.startsWith('#') && colon > 0)
                e[line.left(colon).trimmed()] = line.mid(colon + 1).trimmed();
        }
        if ((e["kind"] != "AREA" && e["kind"] != "ORT") || e["map"].toInt() != m.id)
            continue;
        const QStringList view = e["view"].split(' ', Qt::SkipEmptyParts);
        const QStringList keys = Expand(e["items"].split(' ', Qt::SkipEmptyParts),
                                        e["except"].split(' ', Qt::SkipEmptyParts), m, capitals);
        const int pen = e.count("linewidth") ? std::max(1, e["linewidth"].toInt()) : 1;
        for (auto [w, h] : {std::pair{1024, 700}, std::pair{1920, 1048}}) {
            MapView v{w,
                      h,
                      QStringLiteral("exercise %1 at %2x%3").arg(e["number"]).arg(w).arg(h),
                      std::nullopt,
                      keys,
                      pen};
            if (view.size() == 3)
                v.fixed = std::array<float, 3>{Stored(view[0]), Stored(view[1]), Stored(view[2])};
            out.push_back(v);
        }
    }
    return out;
}
