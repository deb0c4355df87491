// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeaPoints.h"

#include <algorithm>
#include <cmath>
#include <deque>

bool InAnyArea(LatLon p, const std::vector<AtlasArea>& areas) {
    for (const AtlasArea& a : areas) {
        if (p.lat > a.north || p.lat < a.south || p.lon > a.east || p.lon < a.west)
            continue;
        if (PunktIYta(p, a.points))
            return true;
    }
    return false;
}

void FitView(MapRender& r, const SeaTarget::View& v) {
    AtlasArea box;
    box.points.push_back({v.north, v.west});
    box.north = v.north, box.south = v.south, box.east = v.east, box.west = v.west;
    r.AnpassaVy({&box});
}

void DrawForSea(MapRender& r, const SeaTarget& t, const SeaTarget::View& v,
                const std::vector<LatLon>& sea) {
    FitView(r, v);
    r.Rensa();
    r.RitaGranser(*t.land, v.pen);
    if (t.water)
        r.RitaVatten(*t.water);
    r.FyllHav(sea);
}

namespace {

LatLon Stored(float lat, float lon) {
    return {FromFixed(ToFixed(lat)), FromFixed(ToFixed(lon))};
}

bool Allowed(LatLon p, const std::vector<SeaTarget>& targets) {
    for (const SeaTarget& t : targets) {
        if (InAnyArea(p, *t.land))
            return false;
        if (t.water && InAnyArea(p, *t.water))
            return false;
    }
    return true;
}

struct Component {
    int size = 0;
    int depth = -1;
    QPoint deepest;
};

// Background components still holding the land colour, with the pixel of
// each that lies farthest from anything else.
std::vector<Component> Components(const QImage& img, std::vector<int>& label) {
    const int w = img.width(), h = img.height();
    std::vector<int> dist(size_t(w) * h, -1);
    std::deque<int> queue;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (img.pixel(x, y) != MapRender::kLand || x == 0 || y == 0 || x == w - 1 ||
                y == h - 1) {
                dist[size_t(y) * w + x] = 0;
                queue.push_back(y * w + x);
            }
    while (!queue.empty()) {
        const int i = queue.front();
        queue.pop_front();
        const int x = i % w, y = i / w;
        const int nb[4] = {x > 0 ? i - 1 : -1, x < w - 1 ? i + 1 : -1, y > 0 ? i - w : -1,
                           y < h - 1 ? i + w : -1};
        for (int n : nb)
            if (n >= 0 && dist[n] < 0) {
                dist[n] = dist[i] + 1;
                queue.push_back(n);
            }
    }
    label.assign(size_t(w) * h, -1);
    std::vector<Component> comps;
    for (int start = 0; start < w * h; ++start) {
        if (label[start] >= 0 || img.pixel(start % w, start / w) != MapRender::kLand)
            continue;
        Component c;
        const int id = int(comps.size());
        std::vector<int> stack{start};
        label[start] = id;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++c.size;
            if (dist[i] > c.depth) {
                c.depth = dist[i];
                c.deepest = QPoint(i % w, i / w);
            }
            const int x = i % w, y = i / w;
            const int nb[4] = {x > 0 ? i - 1 : -1, x < w - 1 ? i + 1 : -1, y > 0 ? i - w : -1,
                               y < h - 1 ? i + w : -1};
            for (int n : nb)
                if (n >= 0 && label[n] < 0 && img.pixel(n % w, n / w) == MapRender::kLand) {
                    label[n] = id;
                    stack.push_back(n);
                }
        }
        comps.push_back(c);
    }
    return comps;
}

} // namespace

std::vector<LatLon> ChooseSeaPoints(const std::vector<SeaTarget>& targets,
                                    const std::vector<LatLon>& named, int budget,
                                    QStringList& log) {
    std::vector<LatLon> sea;
    for (const LatLon& p : named) {
        bool onMap = false;
        for (const SeaTarget& t : targets) {
            const SeaTarget::View& v = t.views.front();
            onMap =
                onMap || (p.lat < v.north && p.lat > v.south && p.lon < v.east && p.lon > v.west);
        }
        if (onMap && Allowed(p, targets))
            sea.push_back(p);
    }
    const size_t namedCount = sea.size();
    // Pieces of water cut off in some view.
    for (const SeaTarget& t : targets)
        for (const SeaTarget::View& v : t.views) {
            for (int round = 0; round < 40 && int(sea.size()) < budget; ++round) {
                MapRender r(v.width, v.height);
                DrawForSea(r, t, v, sea);
                std::vector<int> label;
                std::vector<Component> comps = Components(r.Image(), label);
                std::vector<int> order(comps.size());
                for (size_t i = 0; i < order.size(); ++i)
                    order[i] = int(i);
                std::stable_sort(order.begin(), order.end(),
                                 [&](int a, int b) { return comps[a].size > comps[b].size; });
                const int minSize = v.width * v.height / 4000;
                bool added = false;
                for (int i : order) {
                    const Component& c = comps[i];
                    if (c.size < minSize || c.depth < 3 || int(sea.size()) >= budget)
                        break;
                    const LatLon p =
                        Stored(r.LatVid(c.deepest.y()), r.LonVid(c.deepest.y(), c.deepest.x()));
                    const QPoint back = r.Project(p);
                    if (!r.InomBild(back) || label[size_t(back.y()) * v.width + back.x()] != i)
                        continue;
                    if (!Allowed(p, targets))
                        continue;
                    sea.push_back(p);
                    added = true;
                }
                if (!added)
                    break;
            }
        }
    const size_t cutOff = sea.size();
    // Spread the rest over the open sea of the first view of each target, so
    // that close-up views keep a point in every sea they show.
    for (const SeaTarget& t : targets) {
        const SeaTarget::View& v = t.views.front();
        MapRender r(v.width, v.height);
        DrawForSea(r, t, v, sea);
        const QImage& img = r.Image();
        const int step = 8;
        std::vector<QPoint> cand;
        for (int y = step; y < v.height - step; y += step)
            for (int x = step; x < v.width - step; x += step) {
                bool open = true;
                for (int dy = -4; dy <= 4 && open; dy += 4)
                    for (int dx = -4; dx <= 4 && open; dx += 4)
                        open = img.pixel(x + dx, y + dy) == MapRender::kSea;
                if (open)
                    cand.push_back({x, y});
            }
        const double spacing = v.width / 9.0;
        while (int(sea.size()) < budget) {
            double best = -1;
            QPoint bestP;
            for (const QPoint& c : cand) {
                double d = 1e9;
                for (const LatLon& s : sea) {
                    const QPoint q = r.Project(s);
                    d = std::min(d, std::hypot(double(q.x() - c.x()), double(q.y() - c.y())));
                }
                if (d > best) {
                    best = d;
                    bestP = c;
                }
            }
            if (best < spacing)
                break;
            const LatLon p = Stored(r.LatVid(bestP.y()), r.LonVid(bestP.y(), bestP.x()));
            cand.erase(std::remove(cand.begin(), cand.end(), bestP), cand.end());
            if (Allowed(p, targets))
                sea.push_back(p);
        }
    }
    log << QStringLiteral("%1 sea points (%2 named, %3 for cut-off water)")
               .arg(sea.size())
               .arg(namedCount)
               .arg(cutOff - namedCount);
    return sea;
}
