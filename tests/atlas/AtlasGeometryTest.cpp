// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the shipped geography as the player sees it: drawn
// with the program's own map and judged with the area exercise's own test.
#include "Patches.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"
#include "maps/Kartor.h"
#include "platform/Image.h"
#include "support/ShippedMaps.h"
#include "support/TestScreens.h"

#include <QDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Map `number` drawn as an area exercise with every area taking part, at the
// view of `view` or, with none given, the view that fits the whole map.
struct TDrawnMap {
    TDrawnMap(int number, QSize size, const CKarta* view = nullptr, int pen = 1)
        : k(LoadShippedMap(number)) {
        image.resize(size.width(), size.height());
        k->Bild = &image;
        for (int i = 1; i <= k->Landareor->Antal; ++i)
            k->Landareor->Markera(k->Landareor->Area(i).Nyckel);
        if (view)
            k->VyNord = view->VyNord, k->VySyd = view->VySyd, k->VyMitt = view->VyMitt;
        k->BeraknaSkala();
        if (!view)
            k->AnpassaVy();
        k->RitaAreaovning(pen);
    }
    std::unique_ptr<CKarta> k;
    TImage image;
};

QString At(float lat, float lon) {
    return QStringLiteral("@%1,%2").arg(lat, 0, 'f', 2).arg(lon, 0, 'f', 2);
}

// The 4-connected patches of 3 pixels or more left in the land colour, and
// where they are; empty when there are none.
QString Patches(const TDrawnMap& m) {
    QString where;
    for (const TPatch& p : FindPatches(m.image.Picture(), m.k->Landfarg.rgb(), 3))
        where += QStringLiteral(" %1px").arg(p.size) +
                 At(m.k->LatVid(p.deepest.y()), m.k->LonVid(p.deepest.y(), p.deepest.x()));
    return where;
}

// Calls fn(colour, lat, lon, land area, lake) for every `step`th pixel each
// way that lies deep in one colour (its 5 x 5 square all of it), with the
// first land area and lake that hold its centre.
template <class Fn> void DeepPixels(const TDrawnMap& m, int step, Fn fn) {
    const QImage& pic = m.image.Picture();
    for (int y = 8; y < pic.height() - 8; y += step)
        for (int x = 8; x < pic.width() - 8; x += step) {
            const QRgb c = pic.pixel(x, y);
            bool deep = true;
            for (int dy = -2; dy <= 2 && deep; ++dy)
                for (int dx = -2; dx <= 2 && deep; ++dx)
                    deep = pic.pixel(x + dx, y + dy) == c;
            const float lat = m.k->LatVid(y), lon = m.k->LonVid(y, x);
            if (deep)
                fn(c, lat, lon, AreaAt(*m.k->Landareor, lat, lon),
                   AreaAt(*m.k->Vattenareor, lat, lon));
        }
}

// Open water drawn in some other colour: a deep pixel not in a water colour
// whose centre lies in no land area and no lake, every sixteenth pixel.
QString DrySea(const TDrawnMap& m) {
    QString where;
    int n = 0;
    DeepPixels(m, 16, [&](QRgb c, float lat, float lon, const CArea* land, const CArea* lake) {
        // Near the poles the world map's graticule closes up into solid ink.
        if (c != m.k->Vattenfarg.rgb() && c != m.k->Sjofarg.rgb() && std::abs(lat) < 80 && !land &&
            !lake && ++n <= 3)
            where += " " + At(lat, lon);
    });
    return where;
}

// Every map at the three screen sizes, and (for flooding only) at sizes
// between and above them, where a sea point that lies on land at a size
// whose pixel for it is already sea floods the land.
const QSize kScreenSizes[] = {QSize(1024, 700), QSize(1366, 730), QSize(1920, 1048)};
class EveryMapAndSize : public ::testing::TestWithParam<std::tuple<int, QSize>> {};

// A sea point that falls on land floods it with the sea colour: no pixel
// deep inside the sea colour may lie in a land area and in no lake, every
// eighth pixel. And no land is left in the land colour at the screen sizes.
TEST_P(EveryMapAndSize, NoLandIsFloodedWithSeaAndNoPatchOfLandColourIsLeft) {
    const auto [number, size] = GetParam();
    const TDrawnMap m(number, size);
    // Known, and older than the seeds of the atlas tool: the sea reaches past
    // the clipped edge of Russia and Kazakhstan on the Europe map, of India
    // and Brazil on the Africa map; on the world map drawn large, Georgian Bay
    // is water in the picture and land of Canada in the outline.
    QStringList known = {"RU", "KZ", "IN", "BR"};
    // Sea points that close channels at the three screen sizes flood a
    // pocket of land at some sizes between them: the St. Lawrence's points
    // on the United States map, a channel of the Arctic islands on Canada's.
    if (number == 1 || number == 7)
        known << "CA";
    if (number == 8)
        known << "CA-NU.2";
    QStringList flooded;
    DeepPixels(m, 8, [&](QRgb c, float lat, float lon, const CArea* land, const CArea* lake) {
        if (c == qRgb(0, 0, 128) && land && !lake && !known.contains(land->Nyckel)) {
            flooded << land->Nyckel + At(lat, lon);
            known << land->Nyckel;
        }
    });
    EXPECT_TRUE(flooded.isEmpty()) << "sea in " << flooded.join(' ').toStdString();
    // 637 patches before the atlas tool closed them.
    if (std::ranges::count(kScreenSizes, size)) {
        EXPECT_EQ(Patches(m).toStdString(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, EveryMapAndSize,
                         ::testing::Combine(::testing::Range(1, kAntalKartor + 1),
                                            ::testing::Values(kScreenSizes[0], kScreenSizes[1],
                                                              kScreenSizes[2], QSize(1180, 720),
                                                              QSize(1440, 800), QSize(2200, 1200))),
                         [](const auto& info) {
                             const QSize s = std::get<1>(info.param);
                             return "map" + std::to_string(std::get<0>(info.param)) + "_" +
                                    std::to_string(s.width()) + "x" + std::to_string(s.height());
                         });

// Every capital lies in its state on the world map and on its continent's;
// its marker, at 1920 x 1048, lies on land of its own state: the pixel under
// the marker's centre is judged by the map to be that state, unless the map
// would ring the state or it is a speck.
TEST(AtlasGeometry, EveryCapitalLiesInItsStateAndOnItsLand) {
    static const std::map<QString, int> home = {{"EUR", 2}, {"NOR", 3}, {"AFR", 4},
                                                {"ASI", 5}, {"AUS", 6}, {"SYD", 1}};
    std::map<int, std::unique_ptr<TDrawnMap>> maps;
    COrter places;
    places.LasOrter("Ort1.crp");
    int checked = 0;
    for (const COrt* p = places.Forsta.get(); p; p = p->Nasta.get()) {
        if (!p->Klass1)
            continue;
        for (int n : {1, home.at(p->Grupp2)}) {
            auto& m = maps[n];
            if (!m) {
                m = std::make_unique<TDrawnMap>(n, QSize(1920, 1048));
                // The rings an exercise that asked for every state would get.
                for (const CArea& a : AreasOf(*m->k->Landareor))
                    m->k->Stater << (a.Grupp1.isEmpty() ? a.Nyckel : a.Grupp1);
                m->k->Ringar.Berakna(*m->k);
            }
            const CKarta& k = *m->k;
            const float lat = float(p->Latitud), lon = float(p->Longitud);
            const CArea* under =
                k.AreaVid(k.Landareor.get(), QPoint(k.XKoord(lat, lon), k.YKoord(lat)));
            bool present = false, inside = false, speck = false;
            for (const CArea& a : AreasOf(*k.Landareor)) {
                const bool in = InArea(a, lat, lon), own = a.Matchar(p->Grupp1);
                present = present || own;
                inside = inside || (in && own);
                // An island of a pixel or few (New Providence) may hold no
                // pixel's centre, so its capital needs only to lie on it.
                speck =
                    speck || (own && in && k.XKoord(a.Syd, a.Ost) - k.XKoord(a.Syd, a.Vast) < 4 &&
                              k.YKoord(a.Syd) - k.YKoord(a.Nord) < 4);
            }
            // States too small for the world map are left off it.
            if (!present) {
                EXPECT_EQ(n, 1) << p->Grupp1.toStdString() << " is missing on its continent's map";
                continue;
            }
            ++checked;
            EXPECT_TRUE(inside) << p->Namn[2].toStdString() << " lies outside its state on map "
                                << n;
            // A state the map rings is clicked on its ring: like a speck, it
            // needs no pixel of its own.
            for (const auto& r : k.Ringar.Lista())
                speck = speck || r.Area->Matchar(p->Grupp1);
            EXPECT_TRUE(speck || (under && under->Matchar(p->Grupp1)))
                << p->Namn[2].toStdString() << " on map " << n << " lies in "
                << (under ? under->Nyckel.toStdString() : "the sea");
        }
    }
    EXPECT_GE(checked, 380);
}

// Every area exercise of the catalogue (and with `places`, every place
// exercise), started at 1024 x 700 and at 1920 x 1048.
class AreaExercises : public ShippedCatalogueTest {
protected:
    template <class Fn> void Each(bool places, Fn fn) {
        for (const QSize size : {QSize(1024, 700), QSize(1920, 1048)})
            for (auto e = catalogue.Forsta; e; e = e->Nasta) {
                if (!dynamic_cast<COvningLandArea*>(e.get()) &&
                    !(places && dynamic_cast<COvningOrt*>(e.get())))
                    continue;
                SCOPED_TRACE(QStringLiteral("exercise %1 at %2x%3")
                                 .arg(e->Nummer)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .toStdString());
                TestKartScreen screen;
                auto karta = StartOnShippedMap(*e, size, screen);
                fn(*e, *karta, size);
            }
    }
};

// Where the map puts a state's ring: the first seed of its record with the
// largest bounds.
TLatLon RingPoint(const CKarta& k, const QString& key) {
    const CArea* best = nullptr;
    const auto bounds = [](const CArea& a) { return (a.Nord - a.Syd) * (a.Ost - a.Vast); };
    for (const CArea& a : AreasOf(*k.Landareor))
        if (a.Matchar(key) && (!best || bounds(a) > bounds(*best)))
            best = &a;
    return best ? best->Fyllpunkt1 : TLatLon{};
}

// A target of 9 pixels: a disc of radius 4.5 pixels, away from the frame,
// that the exercise judges to be the state wherever it is clicked. The
// candidates spiral out from its ring and its seeds, then cover its pieces (a
// long, thin state can be wide enough far from its seeds).
bool HasTarget(const COvningLandArea& e, const CKarta& k, const QString& key, QSize size) {
    std::map<std::pair<int, int>, bool> judged;
    const auto right = [&](int x, int y) {
        auto [it, fresh] = judged.try_emplace({x, y}, false);
        if (fresh) {
            const CArea* a = e.AreaUnder(k.LatVid(y), k.LonVid(y, x));
            it->second = a && a->Matchar(key);
        }
        return it->second;
    };
    const auto spot = [&](int x, int y) {
        if (x < 9 || y < 9 || x >= size.width() - 9 || y >= size.height() - 9)
            return false;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (dx * dx + dy * dy <= 20 && !right(x + dx, y + dy))
                    return false;
        return true;
    };
    std::vector<QPoint> seeds;
    for (const auto& r : k.Ringar.Lista())
        if (r.Area->Matchar(key))
            seeds.push_back(r.Mitt);
    for (const CArea& a : AreasOf(*k.Landareor))
        for (const TLatLon& s : {a.Fyllpunkt1, a.Fyllpunkt2})
            if (a.Matchar(key) && a.Deltar)
                seeds.emplace_back(k.XKoord(s.Lat, s.Lon), k.YKoord(s.Lat));
    for (const QPoint c : seeds)
        for (int r = 0; r <= 12; ++r)
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if ((std::abs(dx) == r || std::abs(dy) == r) && spot(c.x() + dx, c.y() + dy))
                        return true;
    for (const CArea& a : AreasOf(*k.Landareor))
        for (int y = k.YKoord(a.Nord); a.Matchar(key) && a.Deltar && y <= k.YKoord(a.Syd); ++y)
            for (int x = k.XKoord(k.LatVid(y), a.Vast); x <= k.XKoord(k.LatVid(y), a.Ost); ++x)
                if (spot(x, y))
                    return true;
    return false;
}

// Every asked area lies wholly inside the exercise's view at 4:3 and 16:9;
// and every asked state has a target of 9 pixels, its shape or its ring, at
// the exercise's own view at 1024 x 700, or where its neighbours crowd it, at
// a zoom of at most 4 (in steps of the square root of 2) about its ring point.
TEST_F(AreaExercises, EveryAskedAreaIsInTheViewAndHasANinePixelTargetWithinFourTimesZoom) {
    int zoomed = 0;
    Each(false, [&](COvning& exercise, CKarta& k, QSize s) {
        auto& e = dynamic_cast<COvningLandArea&>(exercise);
        const float north = k.VyNord, south = k.VySyd, centre = k.VyMitt;
        const auto view = [&](float n, float so, float c) {
            k.VyNord = n, k.VySyd = so, k.VyMitt = c;
            k.BeraknaSkala();
            k.Ringar.Berakna(k);
        };
        e.Karta = &k;
        QStringList cut, missing;
        for (int i = 1; i <= e.Antal; ++i) {
            const QString key = e.Objekt(i);
            if (!k.Landareor->Hitta(key))
                continue; // an item that names no area of the map
            for (const CArea& a : AreasOf(*k.Landareor))
                for (int p = 1; a.Matchar(key) && a.Deltar && a.Antal >= 3 && p <= a.Antal; ++p) {
                    const int x = k.XKoord(a.Punkter[p].Lat, a.Punkter[p].Lon);
                    const int y = k.YKoord(a.Punkter[p].Lat);
                    if (x < 0 || y < 0 || x >= s.width() || y >= s.height()) {
                        cut << a.Nyckel;
                        break;
                    }
                }
            bool found = s.width() != 1024;
            for (int step = 0; step <= 4 && !found; ++step) {
                const float tall = (north - south) / std::pow(2.0f, step / 2.0f);
                const TLatLon ring = RingPoint(k, key);
                const float mid = std::clamp(ring.Lat, south + tall / 2, north - tall / 2);
                if (step)
                    view(mid + tall / 2, mid - tall / 2, ring.Lon);
                found = HasTarget(e, k, key, s);
                zoomed += found && step > 0;
            }
            view(north, south, centre);
            if (!found)
                missing << key;
        }
        e.Karta = nullptr;
        EXPECT_TRUE(cut.isEmpty()) << "cuts off " << cut.join(' ').toStdString();
        EXPECT_TRUE(missing.isEmpty()) << "no target: " << missing.join(' ').toStdString();
    });
    std::printf("asked states with a target only when zoomed in: %d\n", zoomed);
}

// Every area and place exercise at its own view (the catalogue's, or the fit
// to its areas at that size), drawn with every area of its map taking part:
// no land left in the land colour, no open water in another colour.
TEST_F(AreaExercises, NoPatchOfLandColourIsLeftAtAnExercisesOwnView) {
    int views = 0;
    Each(true, [&](COvning& e, CKarta& karta, QSize size) {
        const TDrawnMap m(e.Kartnummer, size, &karta, e.Linjebredd);
        // The records' own outlines: what the exercise was made and judged on.
        EXPECT_EQ(m.k->Landareor->Niva, 0);
        EXPECT_EQ(Patches(m).toStdString(), "");
        EXPECT_EQ(DrySea(m).toStdString(), "") << "not sea";
        ++views;
    });
    EXPECT_GE(views, 60);
}

} // namespace
