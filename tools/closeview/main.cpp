// SPDX-License-Identifier: GPL-3.0-or-later
// closeview: the close views a player zooms to, on coasts with islands and
// fjords, drawn as the map screen draws them and measured against the
// country source at 1:10m (the maps are drawn from 1:50m). Prints one row per
// view: blobs of land drawn as water and of sea drawn as land, and the share
// of the source's coasts and borders drawn within a pixel.
#include "CoastMeasure.h"
#include "ToolMain.h"
#include "Topology.h"
#include "data/Errors.h"
#include "maps/Karta.h"

#include <QApplication>
#include <QImage>
#include <cstdio>

namespace {

struct TCloseView {
    const char* name;
    int map;
    TView view;
};

// 3 to 5 degrees tall at 1920 x 1048, on the map a player zooms there on:
// Europe (2), Asia (5), Norden (9); the Danish islands on two. The last
// ones are the first steps of a zoom, 6 to 12 degrees tall, between an
// exercise's own view and the closest.
const TCloseView kViews[] = {
    {"Cyclades", 2, {24.8f, 39.2f, 36.0f}},
    {"Dodecanese", 2, {27.0f, 38.0f, 35.0f}},
    {"Danish islands", 2, {11.5f, 57.6f, 54.3f}},
    {"Danish islands", 9, {11.5f, 57.6f, 54.3f}},
    {"Western Norway", 9, {6.5f, 63.0f, 59.5f}},
    {"Gotland", 9, {18.5f, 59.0f, 56.0f}},
    {"Gulf of Finland", 9, {25.0f, 61.0f, 58.0f}},
    {"Shetland and Orkney", 9, {-2.0f, 61.2f, 57.8f}},
    {"Channel Islands", 2, {-2.5f, 51.0f, 47.8f}},
    {"Dalmatia", 2, {16.5f, 45.0f, 42.0f}},
    {"Elba", 2, {10.5f, 44.3f, 41.2f}},
    {"Singapore", 5, {104.0f, 2.8f, -0.4f}},
    {"Hong Kong", 5, {114.0f, 24.0f, 20.8f}},
    {"Osaka Bay", 5, {135.0f, 36.0f, 33.0f}},
    {"Aegean", 2, {25.0f, 41.5f, 35.5f}},
    {"Denmark and Skagerrak", 2, {10.5f, 59.0f, 53.0f}},
    {"Norway's coast", 2, {10.0f, 66.0f, 56.0f}},
    {"Baltic Sea", 2, {21.0f, 62.0f, 52.0f}},
    {"Japan", 5, {136.0f, 40.0f, 31.0f}},
    {"Strait of Malacca", 5, {103.0f, 7.0f, -3.0f}},
};

constexpr int kW = 1920, kH = 1048;

// Only the rings that reach near the view: the rest cannot touch a pixel.
TReference Near(const TReference& all, const TView& v) {
    const double margin = 2 * (v.north - v.south);
    TReference r;
    r.maps = all.maps;
    r.lakes = all.lakes;
    auto near = [&](const TRing& ring) {
        for (const TLatLon& p : ring)
            if (p.Lat > v.south - margin && p.Lat < v.north + margin &&
                std::abs(p.Lon - v.mid) < 3 * margin)
                return true;
        return false;
    };
    for (const TReferenceUnit& u : all.units) {
        TReferenceUnit kept{u.code, u.state, {}};
        for (const TRing& ring : u.rings)
            if (near(ring))
                kept.rings.push_back(ring);
        if (!kept.rings.empty())
            r.units.push_back(std::move(kept));
    }
    return r;
}

} // namespace

int main(int argc, char* argv[]) {
    PreferOffscreen();
    QApplication app(argc, argv);
    // --grid MAP: every view of TALL degrees (default 8) across the map's
    // frame, each printed that has a blob: a search for faults no chosen view
    // shows.
    int grid = 0;
    float tall = 8;
    if (argc >= 3 && QLatin1String(argv[1]) == QLatin1String("--grid")) {
        grid = QString::fromLocal8Bit(argv[2]).toInt();
        argv += 2, argc -= 2;
        if (argc == 5 && grid > 0)
            tall = QString::fromLocal8Bit(argv[4]).toFloat(), --argc;
    }
    if (argc < 4 || argc > 5 || grid < 0 || !(tall > 0))
        return Usage("closeview",
                     "[--grid MAP] COUNTRIES_10M_JSON REFERENCE_BIN ASSETS [PREVIEW_DIR | TALL]");
    try {
        // The frames and lakes are the maps' own reference; the countries the
        // finer source's.
        TReference reference = ReadReference(QString::fromLocal8Bit(argv[2]));
        reference.units = ReadTopologyUnits(QString::fromLocal8Bit(argv[1]), "countries");
        const QString assets = QString::fromLocal8Bit(argv[3]);
        const QString preview = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
        std::printf("view\tmap\tmid,north,south\tland as water\tsea as land\tcoast within 1 "
                    "px\n");
        if (grid > 0) {
            const TReferenceMap* frame = reference.Map(grid);
            if (!frame)
                throw EGlobina(QStringLiteral("The reference has no map %1").arg(grid));
            const auto k = LoadMap(assets, grid);
            const float wide = tall * kW / kH;
            int views = 0, faulty = 0;
            for (float n = float(frame->north); n - tall > frame->south - tall / 2; n -= tall / 2)
                for (float mid = float(frame->west) + wide / 4; mid < frame->east;
                     mid += wide / 2) {
                    const TView v{mid, n, n - tall};
                    const TMapFigures f = MeasureView(*k, Near(reference, v), *frame, v, kW, kH);
                    ++views;
                    if (f.landAsWater.empty() && f.seaAsLand.empty())
                        continue;
                    ++faulty;
                    std::printf("grid\t%d\t%g,%g,%g\t%d\t%d\t%.1f %%\n", grid, v.mid, v.north,
                                v.south, int(f.landAsWater.size()), int(f.seaAsLand.size()),
                                100 * f.CoastShare());
                    std::fflush(stdout);
                }
            std::printf("map %d: %d views of %g degrees, %d with blobs\n", grid, views, tall,
                        faulty);
            return 0;
        }
        for (const TCloseView& c : kViews) {
            const TReferenceMap* frame = reference.Map(c.map);
            if (!frame)
                throw EGlobina(QStringLiteral("The reference has no map %1").arg(c.map));
            const auto k = LoadMap(assets, c.map);
            QImage diff;
            const TMapFigures f = MeasureView(*k, Near(reference, c.view), *frame, c.view, kW, kH,
                                              preview.isEmpty() ? nullptr : &diff);
            std::printf("%s\t%d\t%g,%g,%g\t%d\t%d\t%.1f %%\n", c.name, c.map, c.view.mid,
                        c.view.north, c.view.south, int(f.landAsWater.size()),
                        int(f.seaAsLand.size()), 100 * f.CoastShare());
            std::fflush(stdout);
            if (!preview.isEmpty())
                diff.save(QStringLiteral("%1/closeview%2_%3.png")
                              .arg(preview)
                              .arg(c.map)
                              .arg(QString::fromLatin1(c.name).remove(' ')));
        }
        return 0;
    } catch (const EGlobina& e) {
        std::fprintf(stderr, "closeview: %s\n", qPrintable(e.Message()));
        return 1;
    }
}
