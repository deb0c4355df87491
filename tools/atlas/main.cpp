// SPDX-License-Identifier: GPL-3.0-or-later
// atlas: writes the geography files of assets/ from the prepared sources
// (see README.md). Usage: atlas PREPARED.json ASSETS_DIR [PREVIEW_DIR]
#include "AtlasModel.h"
#include "DetailLevels.h"
#include "ExerciseViews.h"
#include "MapRender.h"
#include "Measure.h"
#include "PatchSeeds.h"
#include "Patches.h"
#include "PictureFiles.h"
#include "PlaceFiles.h"
#include "SeaPoints.h"
#include "data/Errors.h"
#include "maps/Kartor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace {

QTextStream out(stdout);
int problems = 0;

void Problem(const QString& text) {
    out << "PROBLEM: " << text << "\n";
    ++problems;
}

bool Matches(const AtlasArea& a, const QString& key) {
    return a.key == key || a.group1 == key || a.group2 == key;
}

void CheckAreas(const QString& file, const std::vector<AtlasArea>& areas) {
    if (areas.size() > 500)
        Problem(QStringLiteral("%1 has %2 areas").arg(file).arg(areas.size()));
    QSet<QString> keys;
    // A seed-only record (one outline point) reaches a pinched-off piece of a
    // state: its seeds lie in that state's own outlines.
    auto inOwnState = [&](const AtlasArea& s, LatLon p) {
        for (const AtlasArea& a : areas)
            if (a.points.size() >= 3 && (a.key == s.group1 || a.group1 == s.group1) &&
                PunktIYta(p, a.points))
                return true;
        return false;
    };
    for (const AtlasArea& a : areas) {
        for (const QString& n : a.names)
            if (n.isEmpty())
                Problem(QStringLiteral("%1 %2 has an empty name").arg(file, a.key));
        if (a.points.size() == 1 && !a.group1.isEmpty()) {
            if (!inOwnState(a, a.seed1) || !inOwnState(a, a.seed2))
                Problem(QStringLiteral("%1 %2: a seed lies outside its state").arg(file, a.key));
            keys.insert(a.key);
            continue;
        }
        if (a.points.size() < 3 || a.points.size() > 500)
            Problem(QStringLiteral("%1 %2 has %3 points").arg(file, a.key).arg(a.points.size()));
        if (keys.contains(a.key))
            Problem(QStringLiteral("%1 has the key %2 twice").arg(file, a.key));
        keys.insert(a.key);
        if (!PunktIYta(a.seed1, a.points) || !PunktIYta(a.seed2, a.points))
            Problem(QStringLiteral("%1 %2: a seed lies outside the outline").arg(file, a.key));
    }
}

QRgb AreaColour(int i) {
    return qRgb(64 + (i % 12) * 16, 64 + ((i / 12) % 12) * 16, 100 + (i / 144) * 40);
}

// Draws the map with every area taking part, each state in a colour of its
// own, and returns the number of patches left in the land colour.
int Coverage(const AtlasMap& m, const std::vector<AtlasArea>* water, const std::vector<LatLon>& sea,
             const MapView& v, const QString& preview) {
    MapRender r(v.width, v.height);
    DrawEveryArea(r, m, water, sea, v);
    if (!preview.isEmpty())
        r.Image().save(preview);
    return int(FindPatches(r.Image(), MapRender::kLand, 3).size());
}

// A piece far from the rest of its state (French Guiana, Hawaii) counts, in
// the menu pictures, to the continent of the nearest piece of another state.
std::vector<PicturePolygon> PictureByLocation(const std::vector<PicturePolygon>& in) {
    auto centre = [](const PicturePolygon& p) {
        double la = 0, lo = 0;
        for (const LatLon& q : p.points)
            la += q.lat, lo += q.lon;
        return std::pair{la / p.points.size(), lo / p.points.size()};
    };
    std::map<QString, std::pair<double, double>> home;
    std::map<QString, size_t> biggest;
    for (const PicturePolygon& p : in)
        if (!biggest.count(p.code) || p.points.size() > biggest[p.code]) {
            biggest[p.code] = p.points.size();
            home[p.code] = centre(p);
        }
    std::vector<PicturePolygon> out = in;
    for (PicturePolygon& p : out) {
        const auto [la, lo] = centre(p);
        const auto [hla, hlo] = home[p.code];
        if (std::hypot(la - hla, lo - hlo) < 40)
            continue;
        double best = 1e9;
        for (const PicturePolygon& q : in) {
            if (q.code == p.code || q.continent.isEmpty())
                continue;
            const auto [qla, qlo] = centre(q);
            const double d = std::hypot(qla - la, qlo - lo);
            if (d < best) {
                best = d;
                p.continent = q.continent;
            }
        }
    }
    return out;
}

// The exception of the menu pictures: a state pressed as two parts of the
// world, split at a meridian, with the reason.
struct SplitState {
    const char* code;
    double meridian;
    const char* west;
    const char* east;
    const char* reason;
};
constexpr SplitState kSplitStates[] = {
    {"RU", 60.0, "EUR", "ASI",
     "the maps put Russia west of the Urals on the Europe map and east of them on the Asia "
     "map, so a press there picks the part whose map shows it"},
};

void WorldPictures(const Atlas& atlas, const QString& dir) {
    const std::vector<PicturePolygon> polygons = PictureByLocation(atlas.picture);
    const int w = 396, h = 155;
    const double north = 84, south = -58;
    auto project = [&](const PicturePolygon& p) {
        QPolygonF poly;
        for (const LatLon& q : p.points)
            poly << QPointF((q.lon + 180.0) * w / 360.0, (north - q.lat) * h / (north - south));
        return poly;
    };
    for (const auto& [continent, file, home] : kVarldsdelar) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 128));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        const QString want = QString::fromLatin1(continent);
        for (const PicturePolygon& poly : polygons) {
            const QPolygonF shape = project(poly);
            auto colourFor = [&](const QString& cont) {
                return (want == "*" || cont == want) ? QColor(0, 255, 0) : QColor(0, 128, 0);
            };
            const auto split =
                std::find_if(std::begin(kSplitStates), std::end(kSplitStates),
                             [&](const SplitState& s) { return poly.code == s.code; });
            if (split != std::end(kSplitStates)) {
                const double x = (split->meridian + 180.0) * w / 360.0;
                p.save();
                p.setClipRect(QRectF(0, 0, x, h));
                p.setBrush(colourFor(QString::fromLatin1(split->west)));
                p.drawPolygon(shape);
                p.setClipRect(QRectF(x, 0, w - x, h));
                p.setBrush(colourFor(QString::fromLatin1(split->east)));
                p.drawPolygon(shape);
                p.restore();
                continue;
            }
            p.setBrush(colourFor(poly.continent));
            p.drawPolygon(shape);
        }
        p.end();
        QString error;
        if (!PictureFiles::WriteGif(img, dir + "/" + file, std::nullopt, &error))
            throw EGlobina(error);
    }
}

// Moves the second seed of an area into the largest part of it that the first
// seed does not reach when the map is drawn with every area taking part (a
// lobe behind a narrow neck, such as north-east India).
int RefineSeeds(AtlasMap& m, const std::vector<AtlasArea>* water, const std::vector<LatLon>& sea,
                int w, int h) {
    MapRender r(w, h);
    std::vector<const AtlasArea*> all;
    for (const AtlasArea& a : m.areas)
        all.push_back(&a);
    r.AnpassaVy(all);
    r.Rensa();
    r.RitaGranser(m.areas, 1);
    if (water)
        r.RitaVatten(*water);
    r.FyllHav(sea);
    for (size_t i = 0; i < m.areas.size(); ++i) {
        AtlasArea one = m.areas[i];
        one.seed2 = one.seed1;
        r.FyllArea(one, AreaColour(int(i)));
    }
    QImage& img = r.Image();
    std::vector<int> best(m.areas.size(), 0);
    std::vector<LatLon> where(m.areas.size());
    QImage seen(w, h, QImage::Format_Mono);
    seen.fill(0);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            if (img.pixel(x, y) != MapRender::kLand || seen.pixelIndex(x, y))
                continue;
            // One grey region: its size and its pixel farthest from the edge
            // of its bounding rows (a cheap stand-in for the deepest pixel).
            std::vector<QPoint> stack{{x, y}}, pixels;
            seen.setPixel(x, y, 1);
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                pixels.push_back(p);
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || seen.pixelIndex(q) ||
                        img.pixel(q) != MapRender::kLand)
                        continue;
                    seen.setPixel(q, 1);
                    stack.push_back(q);
                }
            }
            if (pixels.size() < 12)
                continue;
            QPoint deepest = pixels.front();
            int depth = -1;
            for (const QPoint& p : pixels) {
                int d = 0;
                while (d < 20) {
                    const int k = d + 1;
                    bool ok = true;
                    for (QPoint q :
                         {p + QPoint(k, 0), p - QPoint(k, 0), p + QPoint(0, k), p - QPoint(0, k)})
                        ok = ok && img.rect().contains(q) && img.pixel(q) == MapRender::kLand;
                    if (!ok)
                        break;
                    ++d;
                }
                if (d > depth) {
                    depth = d;
                    deepest = p;
                }
            }
            const LatLon ll{FromFixed(ToFixed(r.LatVid(deepest.y()))),
                            FromFixed(ToFixed(r.LonVid(deepest.y(), deepest.x())))};
            if (r.Project(ll) != deepest)
                continue;
            // A seed in a lake would be drowned at other sizes.
            bool inLake = false;
            for (const AtlasArea& lake : water ? *water : std::vector<AtlasArea>{})
                inLake = inLake || PunktIYta(ll, lake.points);
            if (inLake)
                continue;
            for (size_t i = 0; i < m.areas.size(); ++i) {
                const AtlasArea& a = m.areas[i];
                if (ll.lat > a.north || ll.lat < a.south || ll.lon > a.east || ll.lon < a.west ||
                    !PunktIYta(ll, a.points))
                    continue;
                if (int(pixels.size()) > best[i]) {
                    best[i] = int(pixels.size());
                    where[i] = ll;
                }
                break;
            }
        }
    int moved = 0;
    for (size_t i = 0; i < m.areas.size(); ++i)
        if (best[i] > 0) {
            m.areas[i].seed2 = where[i];
            ++moved;
        }
    return moved;
}

// ---------- the views a map is checked at ----------
// The whole map at the three screen sizes and the view of each area and
// place exercise of the catalogue that plays on it.
std::vector<MapView> ViewsToCheck(const Atlas& atlas, const AtlasMap& m) {
    QFile file(QStringLiteral(GLOBINA_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        throw EGlobina(QStringLiteral("cannot read the catalogue %1").arg(file.fileName()));
    const QString catalogue = QString::fromUtf8(file.readAll());
    QStringList capitals;
    for (const AtlasPlace& p : atlas.places)
        if (p.capital)
            capitals << p.country;
    std::vector<MapView> views = WholeMapViews();
    // Exercises that share a view (a capital exercise and its area exercise)
    // are drawn once.
    std::set<std::tuple<int, int, float, float, float, int>> seen;
    for (const MapView& v : views) {
        MapRender r(v.width, v.height);
        ApplyView(r, v, m.areas);
        const auto vy = r.Vy();
        seen.insert({v.width, v.height, vy[0], vy[1], vy[2], v.pen});
    }
    for (const MapView& v : ExerciseViews(catalogue, m, capitals)) {
        MapRender r(v.width, v.height);
        ApplyView(r, v, m.areas);
        const auto vy = r.Vy();
        if (seen.insert({v.width, v.height, vy[0], vy[1], vy[2], v.pen}).second)
            views.push_back(v);
    }
    return views;
}
// ---------- end of the views ----------

// A continent's own map, which holds its capitals beside the world map.
const std::map<QString, int> kHomeMap = [] {
    std::map<QString, int> homes;
    for (const TVarldsdel& part : kVarldsdelar)
        if (QLatin1String(part.Kod) != QLatin1String("*"))
            homes[part.Kod] = part.Hemkarta;
    return homes;
}();

// The area a click on the pixel is judged to be in, as the area exercise
// judges it with every area taking part: the smallest northern bound wins.
const AtlasArea* JudgedArea(const MapRender& r, QPoint px, const std::vector<AtlasArea>& areas) {
    const LatLon ll{r.LatVid(px.y()), r.LonVid(px.y(), px.x())};
    const int i = KlickadVid(
        static_cast<int>(areas.size()), [&](int k) { return areas[k].north; },
        [&](int k) { return areas[k].points.size() >= 3 && PunktIYta(ll, areas[k].points); });
    return i < 0 ? nullptr : &areas[i];
}

// True when the state's record with the largest bounds (an archipelago's
// largest island) is under the rings' limit across in the render: the program draws
// a ring round the state there, and a click in the ring is the state's.
bool Ringed(const MapRender& r, const std::vector<AtlasArea>& areas, const QString& country) {
    const AtlasArea* largest = nullptr;
    auto bounds = [](const AtlasArea& a) { return (a.north - a.south) * (a.east - a.west); };
    for (const AtlasArea& a : areas)
        if (Matches(a, country) && (!largest || bounds(a) > bounds(*largest)))
            largest = &a;
    if (!largest)
        return false;
    QRect box;
    for (const LatLon& q : largest->points)
        box |= QRect(r.Project(q), QSize(1, 1));
    return std::max(box.width(), box.height()) < CKartaRingar::kGrans;
}

// Moves the place to the first point that fits, walking out from it in rings
// 0.01 degree apart (40 at the most), and says how far ("Name 12 km"). Empty
// when none fits; the place then stays where it is.
QString MoveToNearestFit(AtlasPlace& p, const std::function<bool(double lat, double lon)>& fits) {
    for (int k = 1; k <= 40; ++k)
        for (int i = 0; i < 8 * k; ++i) {
            const double a = 2 * M_PI * i / (8 * k), step = 0.01 * k;
            const double lat = p.lat + step * std::sin(a);
            const double lon = p.lon + step * std::cos(a) / std::cos(p.lat * M_PI / 180);
            if (fits(lat, lon)) {
                p.lat = FromFixed(ToFixed(lat));
                p.lon = FromFixed(ToFixed(lon));
                return QStringLiteral("%1 %2 km").arg(p.names[1]).arg(std::lround(step * 111));
            }
        }
    return {};
}

// Moves a capital whose marker centre, at 1920 x 1048 on the world map or its
// continent's map, would be judged outside its state (a coastal capital half
// a pixel from the shore) to the nearest point where both maps judge it in.
QString SettleCapitals(Atlas& atlas) {
    std::map<int, std::unique_ptr<MapRender>> renders;
    for (const AtlasMap& m : atlas.maps) {
        auto r = std::make_unique<MapRender>(1920, 1048);
        std::vector<const AtlasArea*> all;
        for (const AtlasArea& a : m.areas)
            all.push_back(&a);
        r->AnpassaVy(all);
        renders[m.id] = std::move(r);
    }
    QStringList moved;
    for (AtlasPlace& p : atlas.places) {
        if (!p.capital || !kHomeMap.count(p.continent))
            continue;
        auto ok = [&](double lat, double lon) {
            const LatLon q{FromFixed(ToFixed(lat)), FromFixed(ToFixed(lon))};
            for (int id : {1, kHomeMap.at(p.continent)}) {
                const AtlasMap& m = atlas.maps[id - 1];
                bool present = false;
                for (const AtlasArea& a : m.areas)
                    present = present || Matches(a, p.country);
                if (!present)
                    continue;
                if (Ringed(*renders[id], m.areas, p.country))
                    continue;
                // An island of a few pixels (New Providence) may hold no
                // pixel's centre: the capital needs only to lie on it.
                bool speck = false;
                for (const AtlasArea& a : m.areas)
                    if (Matches(a, p.country) && a.points.size() >= 3 && PunktIYta(q, a.points)) {
                        QRect box;
                        for (const LatLon& c : a.points)
                            box |= QRect(renders[id]->Project(c), QSize(1, 1));
                        speck = speck || (box.width() <= 4 && box.height() <= 4);
                    }
                if (speck)
                    continue;
                const AtlasArea* under = JudgedArea(*renders[id], renders[id]->Project(q), m.areas);
                bool own = false;
                for (const AtlasArea& a : m.areas)
                    own = own ||
                          (Matches(a, p.country) && a.points.size() >= 3 && PunktIYta(q, a.points));
                if (!under || !own || !Matches(*under, p.country))
                    return false;
            }
            return true;
        };
        if (ok(p.lat, p.lon))
            continue;
        // The move never brings the capital nearer to another place
        // (Kinshasa stays as far from Brazzaville as it is).
        auto nearest = [&](double lat, double lon) {
            double d = 1e9;
            for (const AtlasPlace& o : atlas.places)
                if (&o != &p)
                    d = std::min(
                        d, std::hypot((o.lon - lon) * std::cos(lat * M_PI / 180), o.lat - lat));
            return d;
        };
        const double apart = nearest(p.lat, p.lon);
        const QString move = MoveToNearestFit(
            p, [&](double lat, double lon) { return nearest(lat, lon) >= apart && ok(lat, lon); });
        moved << (move.isEmpty() ? p.names[1] + " (no place found)" : move);
    }
    return moved.join(", ");
}

// ---------- maps of states and provinces (7 onwards) -----------------------
// Each has its own lakes, sea points and place list; they are finished one
// by one with the same steps and checks as the continent maps.

// The views a sea-point file of a map must serve: the whole map at three
// sizes and two pens, its home states, the four quarters, and the map's own
// further view (the world map's whole world).
SeaTarget SeaTargetOf(const AtlasMap& m, const std::vector<AtlasArea>* water) {
    SeaTarget t;
    t.land = &m.areas;
    t.water = water;
    float n = -1000, s = 1000, e = -1000, w = 1000, hn = -1000, hs = 1000, he = -1000, hw = 1000;
    for (const AtlasArea& a : m.areas) {
        n = std::max(n, float(a.north)), s = std::min(s, float(a.south));
        e = std::max(e, float(a.east)), w = std::min(w, float(a.west));
        if (a.home && a.group1.isEmpty()) {
            hn = std::max(hn, float(a.north)), hs = std::min(hs, float(a.south));
            he = std::max(he, float(a.east)), hw = std::min(hw, float(a.west));
        }
    }
    const float mn = (n + s) / 2, me = (e + w) / 2;
    t.views = {
        {1024, 700, n, s, e, w, 1},   {640, 440, n, s, e, w, 1},      {1920, 1048, n, s, e, w, 1},
        {1024, 700, n, s, e, w, 2},   {1024, 700, hn, hs, he, hw, 1}, {1024, 700, n, mn, me, w, 1},
        {1024, 700, n, mn, e, me, 1}, {1024, 700, mn, s, me, w, 1},   {1024, 700, mn, s, e, me, 1}};
    if (m.seaView) {
        const auto [vn, vs, ve, vw] = *m.seaView;
        t.views.push_back({1024, 700, vn, vs, ve, vw, 1});
    }
    return t;
}

// The pixels the lake alone covers on the map at a view: the whole picture
// nearly, when its seed falls outside it and floods.
int LakePixels(const AtlasMap& m, const AtlasArea& lake, const MapView& v) {
    MapRender r(v.width, v.height);
    ApplyView(r, v, m.areas);
    r.RitaVatten({lake});
    int navy = 0;
    const QImage& img = r.Image();
    for (int y = 0; y < v.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        navy += int(std::count(row, row + v.width, MapRender::kSea));
    }
    return navy;
}

// A lake seed that falls outside its lake at a small size floods the whole
// picture: true when it does so on the map at any of the sizes or views.
bool LakeFloods(const AtlasMap& m, const AtlasArea& lake,
                const std::vector<std::pair<int, int>>& sizes,
                const std::vector<MapView>& views = {}) {
    std::vector<MapView> all = views;
    for (auto [w, h] : sizes)
        all.push_back(MapView{w, h, {}, {}, {}, 1});
    for (const MapView& v : all)
        if (LakePixels(m, lake, v) > v.width * v.height / 20)
            return true;
    return false;
}

// A further lake of the 1:50m layer (key SJO...) stays where it covers 36
// pixels of the whole map at 1920 x 1048; the lakes the tables name stay.
bool BigEnough(const AtlasMap& m, const AtlasArea& lake) {
    return !lake.key.startsWith(QLatin1String("SJO")) ||
           LakePixels(m, lake, MapView{1920, 1048, {}, {}, {}, 1}) >= 36;
}

// The lakes of a close-up map that flood none of its small sizes and views.
std::vector<AtlasArea> LakesThatStay(const Atlas& atlas, const AtlasMap& m,
                                     const std::vector<AtlasArea>& lakes) {
    std::vector<AtlasArea> kept;
    const std::vector<MapView> views = ViewsToCheck(atlas, m);
    for (const AtlasArea& lake : lakes) {
        if (!BigEnough(m, lake))
            continue;
        // A second seed of its own (in a lobe the drawing pinches off) that
        // floods a small map gives way to the first.
        AtlasArea one = lake;
        one.seed2 = one.seed1;
        const auto sizes = {std::pair{320, 220}, {512, 350}, {640, 440}, {800, 550}, {1024, 700}};
        if (!LakeFloods(m, lake, sizes, views))
            kept.push_back(lake);
        else if (!LakeFloods(m, one, sizes, views))
            kept.push_back(one);
        else
            out << "map " << m.id << ": left out lake " << lake.key
                << ", its seed floods a small map\n";
    }
    return kept;
}

// Moves a place whose marker centre, at 1920 x 1048, would be judged outside
// its own subdivision to the nearest point where it is judged inside, then
// checks every place.
void SettleSubdivisionPlaces(AtlasMap& m) {
    // A place is judged at the whole map's view and at its country's, which
    // its exercises fit; the two differ where the neighbours reach farther
    // than the country (Santander's peninsula is judged sea at Spain's own).
    // (A place whose group names no area, a Nordic town, has the whole view.)
    const auto fitted = [&](const QString& country) {
        std::vector<const AtlasArea*> shown;
        for (const AtlasArea& a : m.areas)
            if (country.isEmpty() || a.group2 == country)
                shown.push_back(&a);
        auto r = std::make_unique<MapRender>(1920, 1048);
        r->AnpassaVy(shown);
        return shown.empty() ? nullptr : std::move(r);
    };
    const auto whole = fitted(QString());
    std::map<QString, std::unique_ptr<MapRender>> byCountry;
    QStringList moved;
    for (AtlasPlace& p : m.places) {
        // Lakes, islands and peaks (Grupp1 their kind) belong to no area.
        bool inSomeArea = false;
        for (const AtlasArea& a : m.areas)
            inSomeArea = inSomeArea || Matches(a, p.country);
        if (!inSomeArea)
            continue;
        if (!byCountry.count(p.continent))
            byCountry[p.continent] = fitted(p.continent);
        const MapRender* own = byCountry[p.continent] ? byCountry[p.continent].get() : whole.get();
        auto ok = [&](double lat, double lon) {
            const LatLon q{FromFixed(ToFixed(lat)), FromFixed(ToFixed(lon))};
            for (const MapRender* r : std::initializer_list<const MapRender*>{whole.get(), own}) {
                // A ringed division takes the click on its ring, and an island
                // of a few pixels (Kavaratti, Daman's strip) may hold no
                // pixel's centre: there the place needs only to lie on its land.
                bool onOwn = false, speck = false;
                for (const AtlasArea& a : m.areas)
                    if (Matches(a, p.country) && a.points.size() >= 3 && PunktIYta(q, a.points)) {
                        QRect box;
                        for (const LatLon& c : a.points)
                            box |= QRect(r->Project(c), QSize(1, 1));
                        onOwn = true;
                        speck = speck || (box.width() <= 4 && box.height() <= 4);
                    }
                if (onOwn && (speck || Ringed(*r, m.areas, p.country)))
                    continue;
                const AtlasArea* under = JudgedArea(*r, r->Project(q), m.areas);
                if (!under || !Matches(*under, p.country) || !PunktIYta(q, under->points))
                    return false;
            }
            return true;
        };
        if (ok(p.lat, p.lon))
            continue;
        const QString move = MoveToNearestFit(p, ok);
        if (!move.isEmpty())
            moved << move;
        else
            Problem(QStringLiteral("%1 (%2) lies outside its subdivision on map %3")
                        .arg(p.names[1], p.country)
                        .arg(m.id));
    }
    out << "map " << m.id << ": places moved onto their land at 1920x1048: " << moved.join(", ")
        << "\n";
}

// One map to finish: its lakes, its own lake file where it has one (the
// continent maps share theirs), and the sea points chosen for it.
struct MapPlan {
    AtlasMap* map = nullptr;
    const std::vector<AtlasArea>* water = nullptr;
    QString waterFile;
    SeaTarget target;
    std::vector<LatLon> sea;
};

// The steps every map takes, with the numbers of its table: sea points, the
// second seeds, the patches, the checks, the files and what each shows. The
// maps of one call close their patches in one pass, so that maps sharing
// their lakes share the rounds too.
void FinishMaps(const Atlas& atlas, std::vector<MapPlan>& plans, const QString& assets,
                const QString& preview) {
    for (MapPlan& p : plans) {
        p.target = SeaTargetOf(*p.map, p.water);
        QStringList log;
        // The spread points stay few: the patches fill the rest.
        p.sea = ChooseSeaPoints({p.target}, atlas.namedSeas, p.map->seaPoints, log);
        out << HavFil(p.map->id) << ": " << log.join("; ") << "\n";
    }
    for (MapPlan& p : plans)
        out << AreaFil(p.map->id) << ": second seed moved into an unreached part of "
            << RefineSeeds(*p.map, p.water, p.sea, p.map->refineWidth, p.map->refineHeight)
            << " areas\n";
    std::vector<PatchMap> patchMaps;
    for (MapPlan& p : plans) {
        PatchMap pm;
        pm.map = p.map;
        pm.water = p.water;
        pm.sea = &p.sea;
        pm.seaTargets = {p.target};
        pm.views = ViewsToCheck(atlas, *p.map);
        patchMaps.push_back(pm);
    }
    QStringList patchLog;
    for (const auto& [where, n] : FillPatches(patchMaps, patchLog))
        out << where << ": " << n << " patches left\n";
    out << patchLog.join("; ") << "\n";
    for (const MapPlan& p : plans) {
        const AtlasMap& m = *p.map;
        const QString areaFile = AreaFil(m.id);
        CheckAreas(areaFile, m.areas);
        WriteAreaFile(assets + "/" + areaFile, m.areas);
        if (!p.waterFile.isEmpty()) {
            CheckAreas(p.waterFile, *p.water);
            WriteAreaFile(assets + "/" + p.waterFile, *p.water);
        }
        if (p.sea.size() > 100)
            Problem(QStringLiteral("%1 has %2 points").arg(HavFil(m.id)).arg(p.sea.size()));
        WriteSeaFile(assets + "/" + HavFil(m.id), p.sea);
        int markers = 0;
        for (const AtlasArea& a : m.areas)
            markers += a.marker;
        out << areaFile << ": " << m.areas.size() << " areas, " << markers << " stand-ins; "
            << HavFil(m.id) << ": " << p.sea.size() << " sea points\n";
    }
    // What the program will show: every area taking part.
    for (const MapPlan& p : plans) {
        const AtlasMap& m = *p.map;
        int exerciseViews = 0, exercisePatches = 0;
        for (const MapView& v : ViewsToCheck(atlas, m)) {
            const bool whole = v.keys.isEmpty() && !v.fixed;
            const QString png =
                preview.isEmpty() || !whole
                    ? QString()
                    : QStringLiteral("%1/map%2_%3.png").arg(preview).arg(m.id).arg(v.width);
            const int n = Coverage(m, p.water, p.sea, v, png);
            if (whole || n > 0)
                out << QStringLiteral("map %1 at %2: %3 patches of land colour\n")
                           .arg(m.id)
                           .arg(v.name)
                           .arg(n);
            if (!whole)
                ++exerciseViews, exercisePatches += n;
        }
        out << QStringLiteral("map %1 at %2 exercise views: %3 patches of land colour\n")
                   .arg(m.id)
                   .arg(exerciseViews)
                   .arg(exercisePatches);
    }
}

// The maps of divisions, one by one: each keeps the lakes that flood none of
// its small sizes, and its places are settled in their divisions.
void FinishSubdivisionMaps(Atlas& atlas, const QString& assets, const QString& preview) {
    std::map<int, std::vector<AtlasPlace>> placeFiles;
    for (AtlasMap& m : atlas.subMaps) {
        m.water = LakesThatStay(atlas, m, m.water);
        std::vector<MapPlan> plan(1);
        plan[0].map = &m;
        plan[0].water = &m.water;
        plan[0].waterFile = VattenFil(m.id);
        FinishMaps(atlas, plan, assets, preview);
        out << VattenFil(m.id) << ": " << m.water.size() << " lakes\n";
        SettleSubdivisionPlaces(m);
        auto& file = placeFiles[m.placeFile];
        file.insert(file.end(), m.places.begin(), m.places.end());
    }
    for (const auto& [n, places] : placeFiles) {
        WritePlaceFile(assets + "/" + OrtFil(n), places);
        out << QStringLiteral("Ort%1.crp: %2 places\n").arg(n).arg(places.size());
    }
}

// Writes the place files that the prepared JSON lists beside Ort1.crp, after
// checking their records and, for the exercises each lists, their markers on
// the drawn maps.
void WriteFurtherPlaceFiles(const QString& json, const QString& assets, const Atlas& atlas,
                            const std::map<int, std::vector<LatLon>>& sea) {
    for (const PlaceFile& f : LoadPlaceFiles(json)) {
        QStringList wrong = CheckPlaceRecords(f);
        wrong << CheckPlacesOnMaps(f, atlas.maps, atlas.lakes, sea);
        for (const QString& w : wrong)
            Problem(w);
        WritePlaceRecords(assets + "/" + f.file, f.places);
        out << f.file << ": " << f.places.size() << " places, checked in " << f.exercises.size()
            << " exercises\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: atlas PREPARED.json ASSETS_DIR [PREVIEW_DIR]\n");
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[2]);
    const QString preview = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    try {
        Atlas atlas = LoadAtlas(QString::fromLocal8Bit(argv[1]));
        QDir().mkpath(assets);
        if (!preview.isEmpty())
            QDir().mkpath(preview);

        for (const AtlasMap& m : atlas.maps) {
            const QString file = AreaFil(m.id);
            int markers = 0;
            for (const AtlasArea& a : m.areas)
                markers += a.marker;
            out << file << ": " << m.areas.size() << " areas, " << markers << " stand-ins";
            if (!m.leftOut.isEmpty())
                out << ", left out: " << m.leftOut.join(' ');
            out << "\n";
        }
        // A lake seed that falls outside its lake at a small size would flood
        // the whole picture: a lake that does so on any map at any size from
        // 320 x 220 up is left out.
        std::vector<AtlasArea> lakes;
        std::vector<std::vector<MapView>> viewsOf;
        for (const AtlasMap& m : atlas.maps)
            viewsOf.push_back(ViewsToCheck(atlas, m));
        for (const AtlasArea& lake : atlas.lakes) {
            bool big = false;
            for (int id : {1, 2, 3, 4, 5, 6})
                big = big || BigEnough(atlas.maps[id - 1], lake);
            if (!big)
                continue;
            auto floodsAnywhere = [&](const AtlasArea& l) {
                for (int id : {1, 2, 3, 4, 5, 6})
                    if (LakeFloods(atlas.maps[size_t(id - 1)], l,
                                   {{320, 220},
                                    {400, 280},
                                    {512, 350},
                                    {640, 440},
                                    {800, 550},
                                    {1024, 700}},
                                   viewsOf[size_t(id - 1)]))
                        return true;
                return false;
            };
            // A second seed of its own that floods gives way to the first.
            AtlasArea one = lake;
            one.seed2 = one.seed1;
            if (!floodsAnywhere(lake))
                lakes.push_back(lake);
            else if (!floodsAnywhere(one))
                lakes.push_back(one);
            else
                out << "left out lake " << lake.key << ": its seed floods a small map\n";
        }
        atlas.lakes = lakes;
        CheckAreas(QStringLiteral("Vatten.crp"), atlas.lakes);
        WriteAreaFile(assets + "/Vatten.crp", atlas.lakes);
        out << "Vatten.crp: " << atlas.lakes.size() << " lakes\n";

        std::vector<MapPlan> continents;
        for (AtlasMap& m : atlas.maps)
            continents.push_back({&m, &atlas.lakes, {}, {}, {}});
        FinishMaps(atlas, continents, assets, preview);
        std::map<int, std::vector<LatLon>> seaOf;
        for (const MapPlan& p : continents)
            seaOf[p.map->id] = p.sea;
        out << "capitals moved onto their land at 1920x1048: " << SettleCapitals(atlas) << "\n";
        WritePlaceFile(assets + "/Ort1.crp", atlas.places);
        out << "Ort1.crp: " << atlas.places.size() << " places\n";
        WriteFurtherPlaceFiles(QString::fromLocal8Bit(argv[1]), assets, atlas, seaOf);

        // Every capital lies in its own country on the world map and on its
        // continent's map.
        for (const AtlasPlace& p : atlas.places) {
            if (!p.capital)
                continue;
            if (!kHomeMap.count(p.continent)) {
                Problem(QStringLiteral("place %1 has no continent").arg(p.id));
                continue;
            }
            for (int id : {1, kHomeMap.at(p.continent)}) {
                const AtlasMap& m = atlas.maps[id - 1];
                bool any = false, inside = false;
                for (const AtlasArea& a : m.areas) {
                    const bool in = PunktIYta({float(p.lat), float(p.lon)}, a.points);
                    if (Matches(a, p.country)) {
                        any = true;
                        inside = inside || in;
                    }
                }
                if (any && !inside)
                    Problem(QStringLiteral("capital %1 (%2) lies outside its country on map %3")
                                .arg(p.names[1], p.country)
                                .arg(id));
                if (!any && !m.leftOut.contains(p.country))
                    Problem(QStringLiteral("%1 is missing on map %2").arg(p.country).arg(id));
            }
        }
        WorldPictures(atlas, assets);
        out << "world pictures written\n";
        FinishSubdivisionMaps(atlas, assets, preview);
        // The finer outlines for closer views. The records' own tolerance lies
        // just under the finest degrees per pixel of any view the map is
        // checked at, so those views keep the records.
        WriteDetailFiles(
            atlas, QString::fromLocal8Bit(argv[1]), QStringLiteral(GLOBINA_COUNTRIES_10M), assets,
            [&](const AtlasMap& m) {
                double finest = 1e9;
                for (const MapView& v : ViewsToCheck(atlas, m)) {
                    MapRender r(v.width, v.height);
                    ApplyView(r, v, m.areas);
                    const auto vy = r.Vy();
                    finest = std::min(finest, double(vy[0] - vy[1]) / v.height);
                }
                return finest * 0.95;
            },
            out);

        // Every map against the sources themselves: land drawn as water, sea
        // drawn as land, the state a click well inside a state is judged in.
        const TReference reference = LoadReference(QString::fromLocal8Bit(argv[1]));
        WriteReference(QStringLiteral(GLOBINA_REFERENCE), reference);
        for (const QString& line : MeasureMaps(assets, reference, out, preview))
            Problem(line); // every map agrees with its sources: a blob stops the tool
    } catch (const EGlobina& e) {
        out << "atlas: " << e.Message() << "\n";
        return 1;
    }
    out << problems << " problems\n";
    return problems ? 1 : 0;
}
