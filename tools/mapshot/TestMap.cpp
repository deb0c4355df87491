// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMap.h"

#include "data/ByteWriter.h"
#include "maps/Karta.h"

#include <QDir>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using Point = std::pair<double, double>; // latitude, longitude

// The continent spans these degrees; each area is one cell of the grid.
constexpr double kSouth = 35, kNorth = 65, kWest = -10, kEast = 40;

TPointRecord Record(Point p) {
    return {p.first, p.second};
}

struct Grid {
    TTestMapShape shape;
    double cellLat() const { return (kNorth - kSouth) / shape.rows; }
    double cellLon() const { return (kEast - kWest) / shape.columns; }
    Point Corner(int r, int c) const { return {kSouth + r * cellLat(), kWest + c * cellLon()}; }

    // The border between two grid corners, from a to b, n points starting at
    // a (b excluded). Neighbours walk the same border backwards, so the
    // wave depends on the border, not on the direction.
    std::vector<Point> Border(Point a, Point b, int n, int seed) const {
        const bool flip = a > b;
        if (flip)
            std::swap(a, b);
        std::vector<Point> pts;
        const double dLat = b.first - a.first, dLon = b.second - a.second;
        const double len = std::hypot(dLat, dLon);
        const double amp = 0.08 * std::min(cellLat(), cellLon());
        for (int i = 0; i <= n; ++i) {
            const double t = static_cast<double>(i) / n;
            const double wave = amp * std::sin(M_PI * t) * std::sin(t * (5 + seed % 7) + seed);
            pts.push_back(
                {a.first + dLat * t - dLon / len * wave, a.second + dLon * t + dLat / len * wave});
        }
        if (flip)
            std::reverse(pts.begin(), pts.end());
        pts.pop_back();
        return pts;
    }
};

} // namespace

void WriteTestMap(const QString& folder, const TTestMapShape& shape) {
    const Grid g{shape};
    const int perSide = std::max(1, shape.pointsPerArea / 4);
    TByteWriter areas, places;
    int number = 0;
    for (int r = 0; r < shape.rows; ++r) {
        for (int c = 0; c < shape.columns; ++c) {
            ++number;
            const QString key = QString("A%1").arg(number, 3, 10, QChar('0'));
            const Point sw = g.Corner(r, c), nw = g.Corner(r + 1, c), ne = g.Corner(r + 1, c + 1),
                        se = g.Corner(r, c + 1);
            std::vector<Point> outline;
            // Seeds of each border are its two corners' grid indexes.
            const auto add = [&](Point a, Point b, int seed) {
                const auto part = g.Border(a, b, perSide, seed);
                outline.insert(outline.end(), part.begin(), part.end());
            };
            add(sw, nw, 2 * (r * 101 + c));
            add(nw, ne, 2 * ((r + 1) * 101 + c) + 1);
            add(ne, se, 2 * (r * 101 + c + 1));
            add(se, sw, 2 * (r * 101 + c) + 1);
            double n = -1e9, s = 1e9, e = -1e9, w = 1e9;
            for (const auto& [lat, lon] : outline) {
                n = std::max(n, lat);
                s = std::min(s, lat);
                e = std::max(e, lon);
                w = std::min(w, lon);
            }
            const Point mid{(sw.first + nw.first) / 2, (sw.second + se.second) / 2};
            TAreaRecord area;
            area.Nyckel = key, area.Grupp1 = r % 2 ? "ODD" : "EVEN";
            area.Namn = {QString("Område %1").arg(number), QString("Area %1").arg(number)};
            area.Namn[6] = area.Namn[0];
            area.Nord = n, area.Syd = s, area.Ost = e, area.Vast = w;
            area.Fyllpunkt1 = Record(mid);
            area.Fyllpunkt2 = {mid.first + g.cellLat() / 5, mid.second};
            for (const Point& p : outline)
                area.Punkter.push_back(Record(p));
            area.Write(areas);

            TPlaceRecord{.Id = key,
                         .Namn = {QString("Stad %1").arg(number), QString("Town %1").arg(number)},
                         .Niva = 1 + number % 3,
                         .Klass1 = number % 2 != 0,
                         .Grupp1 = "TOWNS",
                         .Grupp2 = key,
                         .Grupp3 = {},
                         .Latitud = mid.first - g.cellLat() / 4,
                         .Longitud = mid.second - g.cellLon() / 4}
                .Write(places);
        }
    }

    // Two round lakes inside the first and the last area.
    TByteWriter lakes;
    for (int lake = 0; lake < 2; ++lake) {
        const int r = lake ? shape.rows - 1 : 0, c = lake ? shape.columns - 1 : 0;
        const Point centre{g.Corner(r, c).first + g.cellLat() * 0.3,
                           g.Corner(r, c).second + g.cellLon() * 0.7};
        const double radius = 0.12 * std::min(g.cellLat(), g.cellLon());
        TAreaRecord water;
        water.Nyckel = lake ? "LAKE2" : "LAKE1";
        water.Namn[0] = QString("Sjö %1").arg(lake + 1);
        water.Nord = centre.first + radius, water.Syd = centre.first - radius;
        water.Ost = centre.second + radius, water.Vast = centre.second - radius;
        water.Fyllpunkt1 = water.Fyllpunkt2 = Record(centre);
        const int n = 24;
        for (int i = 0; i < n; ++i) {
            const double a = 2 * M_PI * i / n;
            water.Punkter.push_back(
                {centre.first + radius * std::sin(a), centre.second + radius * 1.5 * std::cos(a)});
        }
        water.Write(lakes);
    }

    // Sea points off each coast.
    TByteWriter sea;
    for (const Point& p :
         {Point{kSouth - 0.6, (kWest + kEast) / 2}, Point{kNorth + 0.6, kWest + 3},
          Point{(kSouth + kNorth) / 2, kWest - 0.5}, Point{(kSouth + kNorth) / 2, kEast + 0.5}})
        Record(p).Write(sea);

    const QDir dir(folder);
    areas.SaveTo(dir.filePath("AREA1.crp"));
    lakes.SaveTo(dir.filePath("Vatten.crp"));
    sea.SaveTo(dir.filePath("Hav1.crp"));
    places.SaveTo(dir.filePath("Ort1.crp"));
}
