// SPDX-License-Identifier: GPL-3.0-or-later
#include "PatchSeeds.h"

#include "Patches.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

LatLon Stored(double lat, double lon) {
    return {FromFixed(ToFixed(lat)), FromFixed(ToFixed(lon))};
}

QString StateOf(const AtlasArea& a) {
    return a.group1.isEmpty() ? a.key : a.group1;
}

// A colour per state, the same for all its pieces.
std::map<QString, QRgb> StateColours(const AtlasMap& m) {
    std::map<QString, QRgb> c;
    int i = 0;
    for (const AtlasArea& a : m.areas)
        if (!c.count(StateOf(a))) {
            ++i;
            c[StateOf(a)] =
                qRgb(40 + (i % 14) * 15, 40 + ((i / 14) % 14) * 15, 60 + (i / 196) * 60);
        }
    return c;
}

// Never in land of the map, and at none of the screen sizes on a pixel whose
// centre lies in land while that pixel still has the land colour when the sea
// is filled. The map skips such a point at that size (it would flood the
// land), so the patch it was chosen for could stay open; a pixel that is
// already sea, lake or border at a size is harmless there, so a channel
// open at one size only still gets its point. In a lake it fills what the
// lake's own seeds do not reach.
bool SeaAllowed(LatLon p, const std::vector<SeaTarget>& targets,
                const std::vector<std::unique_ptr<MapRender>>& seaViews) {
    for (const SeaTarget& t : targets)
        if (InAnyArea(p, *t.land))
            return false;
    for (const auto& r : seaViews) {
        const QPoint c = r->Project(p);
        if (r->InomBild(c) && r->Image().pixel(c) != MapRender::kLand)
            continue;
        const LatLon ll{r->LatVid(c.y()), r->LonVid(c.y(), c.x())};
        for (const SeaTarget& t : targets)
            if (InAnyArea(ll, *t.land))
                return false;
    }
    return true;
}

// The innermost area holding the point (an enclave lies inside its
// surroundings, an octagon over its neighbours).
const AtlasArea* AreaAt(LatLon p, const std::vector<AtlasArea>& areas) {
    const AtlasArea* best = nullptr;
    double bestSize = 1e18;
    for (const AtlasArea& a : areas) {
        if (a.points.size() < 3 || p.lat > a.north || p.lat < a.south || p.lon > a.east ||
            p.lon < a.west || !PunktIYta(p, a.points))
            continue;
        const double size = (a.north - a.south) * (a.east - a.west);
        if (size < bestSize) {
            bestSize = size;
            best = &a;
        }
    }
    return best;
}

// The pixels of a patch, its deepest first, then by distance from it: other
// places to try when the deepest one would be unsafe as a sea point.
std::vector<QPoint> PatchPixels(const QImage& img, const TPatch& t) {
    std::vector<QPoint> out{t.deepest};
    std::vector<char> seen(size_t(t.bounds.width() * t.bounds.height()), 0);
    auto mark = [&](QPoint q) -> char& {
        return seen[size_t((q.y() - t.bounds.top()) * t.bounds.width() + q.x() - t.bounds.left())];
    };
    mark(t.deepest) = 1;
    for (size_t i = 0; i < out.size(); ++i)
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = out[i] + d;
            if (t.bounds.contains(q) && !mark(q) && img.pixel(q) == MapRender::kLand) {
                mark(q) = 1;
                out.push_back(q);
            }
        }
    return out;
}

LatLon NearestPoint(LatLon p, const std::vector<LatLon>& ring) {
    LatLon best = ring.front();
    double d = 1e18;
    for (const LatLon& q : ring) {
        const double e = std::hypot(q.lat - p.lat, q.lon - p.lon);
        if (e < d) {
            d = e;
            best = q;
        }
    }
    return best;
}

// Drops the sea points (the last added first) that change no pixel of the map at any of its views
// or of its sea targets' views, so that a full file has room for the patches still open. A named
// sea that other points already reach goes too. Returns how many went.
int DropIdleSeaPoints(const PatchMap& pm) {
    const AtlasMap& m = *pm.map;
    std::vector<LatLon>& sea = *pm.sea;
    // One drawing per view: the map's own and those of its sea targets.
    struct Drawn {
        std::function<void(MapRender&, const std::vector<LatLon>&)> draw;
        int width, height;
        QImage want;
    };
    std::vector<Drawn> views;
    for (const MapView& v : pm.views)
        views.push_back({[&m, &pm, v](MapRender& r, const std::vector<LatLon>& s) {
                             DrawSea(r, m, pm.water, s, v);
                         },
                         v.width,
                         v.height,
                         {}});
    for (const SeaTarget& t : pm.seaTargets)
        for (const SeaTarget::View& v : t.views)
            views.push_back(
                {[&t, v](MapRender& r, const std::vector<LatLon>& s) { DrawForSea(r, t, v, s); },
                 v.width,
                 v.height,
                 {}});
    for (Drawn& d : views) {
        MapRender r(d.width, d.height);
        d.draw(r, sea);
        d.want = r.Image().copy();
    }
    int dropped = 0;
    for (size_t i = sea.size(); i-- > 0;) {
        std::vector<LatLon> without = sea;
        without.erase(without.begin() + long(i));
        bool same = true;
        for (const Drawn& d : views) {
            MapRender r(d.width, d.height);
            d.draw(r, without);
            same = r.Image() == d.want;
            if (!same)
                break;
        }
        if (same) {
            sea = std::move(without);
            ++dropped;
        }
    }
    return dropped;
}

} // namespace

void DrawSea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
             const std::vector<LatLon>& sea, const MapView& view) {
    ApplyView(r, view, m.areas);
    r.Rensa();
    r.RitaGranser(m.areas, view.pen);
    if (water)
        r.RitaVatten(*water);
    r.FyllHav(sea);
}

void DrawEveryArea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
                   const std::vector<LatLon>& sea, const MapView& view) {
    DrawSea(r, m, water, sea, view);
    const std::map<QString, QRgb> colours = StateColours(m);
    for (const AtlasArea& a : m.areas)
        r.FyllArea(a, colours.at(StateOf(a)));
}

namespace {

// One open patch of one view, the pixels of it and what it needs.
struct OpenPatch {
    size_t view;
    TPatch patch;
    bool whole; // a view of the whole map: closed first when points run short
    bool covered = false;
};

// A point that would close patches: a sea point, or a seed of a state.
struct Closer {
    LatLon at;
    QString state; // empty: a sea point
    std::vector<size_t> closes;
    int Score(const std::vector<OpenPatch>& open) const {
        int n = 0;
        for (size_t i : closes)
            n += open[i].covered ? 0 : open[i].patch.size + 100 + (open[i].whole ? 100000 : 0);
        return n;
    }
};

// Closes what it can of the map's open patches in one round. One point often
// lies in a patch of several views (the inner end of a fjord is cut off at
// many scales), so the points are chosen greedily, the one that closes the
// most first (bigger patches weigh more). Returns whether anything was added.
bool CloseRound(PatchMap& pm, std::map<QString, int>& left, int& seaAdded, int& seedsAdded) {
    AtlasMap& m = *pm.map;
    const std::map<QString, QRgb> colours = StateColours(m);
    // The map at each view as far as the sea fill, and with every area.
    std::vector<std::unique_ptr<MapRender>> seaViews, drawn;
    for (const MapView& v : pm.views) {
        seaViews.push_back(std::make_unique<MapRender>(v.width, v.height));
        DrawSea(*seaViews.back(), m, pm.water, *pm.sea, v);
        drawn.push_back(std::make_unique<MapRender>(v.width, v.height));
        DrawEveryArea(*drawn.back(), m, pm.water, *pm.sea, v);
    }
    // Every open patch, and a label image per view: which patch a pixel is in.
    std::vector<OpenPatch> open;
    std::vector<std::vector<int>> label(pm.views.size());
    std::vector<std::vector<QPoint>> pixels;
    for (size_t vi = 0; vi < pm.views.size(); ++vi) {
        const QImage& img = drawn[vi]->Image();
        label[vi].assign(size_t(img.width()) * img.height(), -1);
        for (const TPatch& t : FindPatches(img, MapRender::kLand, 3)) {
            pixels.push_back(PatchPixels(img, t));
            for (const QPoint& q : pixels.back())
                label[vi][size_t(q.y()) * img.width() + q.x()] = int(open.size());
            open.push_back({vi, t, !pm.views[vi].fixed && pm.views[vi].keys.isEmpty()});
        }
    }
    auto patchAt = [&](size_t vi, LatLon s) -> int {
        const QPoint q = drawn[vi]->Project(s);
        if (!drawn[vi]->InomBild(q))
            return -1;
        return label[vi][size_t(q.y()) * drawn[vi]->Image().width() + q.x()];
    };
    // Candidates: up to 48 pixels of each patch, its deepest first.
    std::vector<Closer> candidates;
    for (size_t i = 0; i < open.size(); ++i) {
        MapRender& r = *drawn[open[i].view];
        const std::vector<QPoint>& ps = pixels[i];
        for (size_t k = 0; k < ps.size() && k < 48; ++k) {
            const QPoint q = ps[k];
            const LatLon s = Stored(r.LatVid(q.y()), r.LonVid(q.y(), q.x()));
            if (r.Project(s) != q)
                continue;
            const AtlasArea* a = AreaAt(s, m.areas);
            Closer c{s, a ? StateOf(*a) : QString(), {}};
            // A seed may not land on another state's colour in any view: it
            // would recolour that state.
            bool safe = true;
            for (size_t vi = 0; vi < pm.views.size(); ++vi) {
                const int at = patchAt(vi, s);
                if (at >= 0)
                    c.closes.push_back(size_t(at));
                if (a) {
                    const QPoint p = drawn[vi]->Project(s);
                    if (!drawn[vi]->InomBild(p))
                        continue;
                    const QRgb here = drawn[vi]->Image().pixel(p);
                    safe = safe &&
                           (here == MapRender::kLand || here == 0xFF000000u ||
                            here == MapRender::kSea || here == (colours.at(c.state) | 0xFF000000u));
                }
            }
            if (safe)
                candidates.push_back(std::move(c));
        }
    }
    // Greedy choice. A sea point must also suit every view (never flood land).
    std::map<QString, std::vector<LatLon>> seeds;
    size_t seedCount = 0;
    std::vector<char> checked(candidates.size(), 0), allowed(candidates.size(), 0);
    bool changed = false;
    while (true) {
        long best = -1;
        int bestScore = 0;
        for (size_t c = 0; c < candidates.size(); ++c) {
            if (checked[c] && !allowed[c])
                continue;
            if (candidates[c].state.isEmpty() && int(pm.sea->size()) >= pm.seaBudget)
                continue;
            if (!candidates[c].state.isEmpty() && m.areas.size() + (seedCount + 1) / 2 + 1 > 500)
                continue;
            const int score = candidates[c].Score(open);
            if (score > bestScore) {
                bestScore = score;
                best = long(c);
            }
        }
        if (best < 0)
            break;
        Closer& c = candidates[size_t(best)];
        if (!checked[size_t(best)]) {
            checked[size_t(best)] = 1;
            allowed[size_t(best)] = !c.state.isEmpty() || SeaAllowed(c.at, pm.seaTargets, seaViews);
            if (!allowed[size_t(best)])
                continue;
        }
        for (size_t i : c.closes)
            open[i].covered = true;
        if (c.state.isEmpty()) {
            pm.sea->push_back(c.at);
            ++seaAdded;
        } else {
            seeds[c.state].push_back(c.at);
            ++seedCount;
        }
        changed = true;
    }
    // The seeds, two to a seed-only record.
    std::map<QString, int> pieces;
    for (const AtlasArea& a : m.areas)
        if (!a.group1.isEmpty())
            ++pieces[a.group1];
    for (auto& [state, ps] : seeds) {
        const AtlasArea* main = nullptr;
        for (const AtlasArea& a : m.areas)
            if (a.key == state)
                main = &a;
        if (!main)
            main = AreaAt(ps.front(), m.areas);
        // A copy: the records below grow the list and move its areas.
        const AtlasArea model = *main;
        for (size_t i = 0; i < ps.size(); i += 2) {
            // The outline point: on the state's own outline, where the border
            // is drawn anyway.
            const AtlasArea* holder = AreaAt(ps[i], m.areas);
            AtlasArea s = model;
            s.key = QStringLiteral("%1.%2").arg(state).arg(++pieces[state] + 1);
            s.group1 = state;
            s.marker = false;
            s.points = {NearestPoint(ps[i], holder->points)};
            s.north = s.south = s.points[0].lat;
            s.east = s.west = s.points[0].lon;
            s.seed1 = ps[i];
            s.seed2 = i + 1 < ps.size() ? ps[i + 1] : ps[i];
            m.areas.push_back(s);
            ++seedsAdded;
        }
    }
    for (size_t vi = 0; vi < pm.views.size(); ++vi)
        left[QStringLiteral("map %1 at %2").arg(m.id).arg(pm.views[vi].name)] = 0;
    for (const OpenPatch& o : open) {
        if (o.covered)
            continue;
        ++left[QStringLiteral("map %1 at %2").arg(m.id).arg(pm.views[o.view].name)];
        if (qEnvironmentVariableIsSet("ATLAS_PATCHES")) {
            const MapRender& r = *drawn[o.view];
            const QPoint d = o.patch.deepest;
            qInfo("open on map %d at %s: %.3f %.3f (%d px)%s", m.id,
                  qPrintable(pm.views[o.view].name), r.LatVid(d.y()), r.LonVid(d.y(), d.x()),
                  o.patch.size, int(pm.sea->size()) >= pm.seaBudget ? " sea file full" : "");
        }
    }
    return changed;
}

} // namespace

std::map<QString, int> FillPatches(std::vector<PatchMap>& maps, QStringList& log) {
    int seaAdded = 0, seedsAdded = 0;
    std::map<QString, int> left;
    int idle = 0;
    for (int round = 0; round < 10; ++round) {
        bool changed = false;
        left.clear();
        for (PatchMap& pm : maps) {
            if (round > 0 && int(pm.sea->size()) >= pm.seaBudget)
                idle += DropIdleSeaPoints(pm);
            changed = CloseRound(pm, left, seaAdded, seedsAdded) || changed;
        }
        if (!changed)
            break;
        // Recount after the additions on the next round.
    }
    // A seed-only record whose seed falls on another state's colour at some
    // size would recolour that state: such seeds are dropped.
    int dropped = 0;
    for (PatchMap& pm : maps) {
        AtlasMap& m = *pm.map;
        for (const MapView& v : pm.views) {
            MapRender r(v.width, v.height);
            AtlasMap plain = m;
            plain.areas.erase(
                std::remove_if(plain.areas.begin(), plain.areas.end(),
                               [](const AtlasArea& a) { return a.points.size() == 1; }),
                plain.areas.end());
            DrawEveryArea(r, plain, pm.water, *pm.sea, v);
            const std::map<QString, QRgb> colours = StateColours(m);
            for (AtlasArea& a : m.areas) {
                if (a.points.size() != 1)
                    continue;
                const QRgb own = colours.at(StateOf(a)) | 0xFF000000u;
                auto bad = [&](LatLon s) {
                    const QPoint q = r.Project(s);
                    if (!r.InomBild(q))
                        return false;
                    const QRgb c = r.Image().pixel(q);
                    return c != own && c != MapRender::kLand && c != 0xFF000000u &&
                           c != MapRender::kSea;
                };
                if (bad(a.seed2))
                    a.seed2 = a.seed1, ++dropped;
                if (bad(a.seed1))
                    a.seed1 = a.seed2, ++dropped;
                if (bad(a.seed1))
                    a.points.clear(), ++dropped;
            }
        }
        m.areas.erase(std::remove_if(m.areas.begin(), m.areas.end(),
                                     [](const AtlasArea& a) { return a.points.empty(); }),
                      m.areas.end());
    }
    log << QStringLiteral("%1 sea points and %2 seed-only records added for patches, %3 seeds "
                          "dropped as unsafe, %4 sea points dropped as changing nothing")
               .arg(seaAdded)
               .arg(seedsAdded)
               .arg(dropped)
               .arg(idle);
    return left;
}
