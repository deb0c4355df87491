#include "PatchSeeds.h"

#include "Patches.h"

#include <algorithm>
#include <cmath>
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

void FitWhole(MapRender& r, const AtlasMap& m) {
    std::vector<const AtlasArea*> all;
    for (const AtlasArea& a : m.areas)
        all.push_back(&a);
    r.AnpassaVy(all);
}

// Drops the sea points added for patches (from `first` on) that change no
// pixel of the map at any screen size, so that a full file has room for the
// patches still open. Returns how many went.
int DropIdleSeaPoints(const AtlasMap& m, const std::vector<AtlasArea>* water,
                      std::vector<LatLon>& sea, size_t first) {
    std::vector<QImage> want;
    for (const auto& [w, h] : ScreenSizes()) {
        MapRender r(w, h);
        DrawSea(r, m, water, sea);
        want.push_back(r.Image().copy());
    }
    int dropped = 0;
    for (size_t i = sea.size(); i-- > first;) {
        std::vector<LatLon> without = sea;
        without.erase(without.begin() + long(i));
        bool same = true;
        for (size_t v = 0; v < ScreenSizes().size() && same; ++v) {
            MapRender r(ScreenSizes()[v].first, ScreenSizes()[v].second);
            DrawSea(r, m, water, without);
            same = r.Image() == want[v];
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
             const std::vector<LatLon>& sea, int pen) {
    FitWhole(r, m);
    r.Rensa();
    r.RitaGranser(m.areas, pen);
    if (water)
        r.RitaVatten(*water);
    r.FyllHav(sea);
}

void DrawEveryArea(MapRender& r, const AtlasMap& m, const std::vector<AtlasArea>* water,
                   const std::vector<LatLon>& sea, int pen) {
    DrawSea(r, m, water, sea, pen);
    const std::map<QString, QRgb> colours = StateColours(m);
    for (const AtlasArea& a : m.areas)
        r.FyllArea(a, colours.at(StateOf(a)));
}

std::map<QString, int> FillPatches(std::vector<PatchMap>& maps, QStringList& log) {
    int seaAdded = 0, seedsAdded = 0;
    std::map<QString, int> left;
    std::vector<size_t> firstAdded;
    for (const PatchMap& pm : maps)
        firstAdded.push_back(pm.sea->size());
    int idle = 0;
    for (int round = 0; round < 10; ++round) {
        bool changed = false;
        left.clear();
        for (size_t mi = 0; mi < maps.size(); ++mi) {
            PatchMap& pm = maps[mi];
            AtlasMap& m = *pm.map;
            if (round > 0 && int(pm.sea->size()) >= pm.seaBudget)
                idle += DropIdleSeaPoints(m, pm.water, *pm.sea, firstAdded[mi]);
            // The map at each size as far as the sea fill, before this round's points.
            std::vector<std::unique_ptr<MapRender>> seaViews;
            for (const auto& [w, h] : ScreenSizes()) {
                seaViews.push_back(std::make_unique<MapRender>(w, h));
                DrawSea(*seaViews.back(), m, pm.water, *pm.sea);
            }
            std::map<QString, int> pieces;
            for (const AtlasArea& a : m.areas)
                if (!a.group1.isEmpty())
                    ++pieces[a.group1];
            for (const auto& [w, h] : ScreenSizes()) {
                MapRender r(w, h);
                DrawEveryArea(r, m, pm.water, *pm.sea);
                const std::vector<TPatch> patches = FindPatches(r.Image(), MapRender::kLand, 3);
                const std::map<QString, QRgb> colours = StateColours(m);
                int open = 0;
                // Seeds found in this drawing, per state, paired into records.
                std::map<QString, std::vector<LatLon>> seeds;
                for (const TPatch& t : patches) {
                    const LatLon p =
                        Stored(r.LatVid(t.deepest.y()), r.LonVid(t.deepest.y(), t.deepest.x()));
                    const QPoint back = r.Project(p);
                    if (!r.InomBild(back) || r.Image().pixel(back) != MapRender::kLand) {
                        ++open;
                        continue;
                    }
                    const AtlasArea* a = AreaAt(p, m.areas);
                    if (!a) {
                        bool placed = false;
                        if (int(pm.sea->size()) < pm.seaBudget)
                            for (const QPoint q : PatchPixels(r.Image(), t)) {
                                const LatLon s = Stored(r.LatVid(q.y()), r.LonVid(q.y(), q.x()));
                                if (r.Project(s) == q && !AreaAt(s, m.areas) &&
                                    SeaAllowed(s, pm.seaTargets, seaViews)) {
                                    pm.sea->push_back(s);
                                    ++seaAdded;
                                    placed = changed = true;
                                    break;
                                }
                            }
                        if (!placed) {
                            ++open;
                            if (qEnvironmentVariableIsSet("ATLAS_PATCHES"))
                                qInfo("open on map %d at %dx%d: %.3f %.3f (%d px)%s", m.id, w, h,
                                      p.lat, p.lon, t.size,
                                      int(pm.sea->size()) >= pm.seaBudget ? " file full" : "");
                        }
                        continue;
                    }
                    seeds[StateOf(*a)].push_back(p);
                }
                for (auto& [state, ps] : seeds) {
                    const AtlasArea* main = nullptr;
                    for (const AtlasArea& a : m.areas)
                        if (a.key == state)
                            main = &a;
                    if (!main)
                        main = AreaAt(ps.front(), m.areas);
                    for (size_t i = 0; i < ps.size(); i += 2) {
                        if (m.areas.size() >= 500) {
                            ++open;
                            continue;
                        }
                        // The outline point: on the state's own outline, where
                        // the border is drawn anyway.
                        const AtlasArea* holder = AreaAt(ps[i], m.areas);
                        AtlasArea s = *main;
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
                        changed = true;
                    }
                }
                left[QStringLiteral("map %1 at %2x%3").arg(m.id).arg(w).arg(h)] = open;
            }
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
        for (const auto& [w, h] : ScreenSizes()) {
            MapRender r(w, h);
            AtlasMap plain = m;
            plain.areas.erase(
                std::remove_if(plain.areas.begin(), plain.areas.end(),
                               [](const AtlasArea& a) { return a.points.size() == 1; }),
                plain.areas.end());
            DrawEveryArea(r, plain, pm.water, *pm.sea);
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
