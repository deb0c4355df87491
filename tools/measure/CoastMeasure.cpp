// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoastMeasure.h"

#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "platform/Image.h"

#include <algorithm>
#include <cmath>

namespace {

// What the reference holds at a pixel: nothing to compare (outside the frame),
// sea, a lake or a unit's land.
enum class TKind : uint8_t { Out, Sea, Lake, Land };

struct TLabel {
    TKind kind = TKind::Out;
    int index = -1; // the unit or the lake
};

constexpr int kMinBlob = 6;
constexpr int kMinLake = 36;
constexpr int kSampleStep = 3; // identity is sampled on every third row and column
constexpr int kDepth = 2;      // samples lie this many pixels inside their state

struct TRingBox {
    const TRing* ring;
    float south, north;
};

// Paints the spans of one set of rings (even-odd) on a row whose pixels have
// the longitudes `lon` (non-decreasing).
template <class Paint>
void Spans(const std::vector<TRingBox>& rings, float lat, double shift,
           const std::vector<float>& lon, std::vector<double>& cuts, Paint paint) {
    cuts.clear();
    for (const TRingBox& b : rings) {
        if (lat < b.south || lat >= b.north)
            continue;
        const TRing& r = *b.ring;
        for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
            const TLatLon a = r[i], c = r[j];
            if ((a.Lat <= lat && lat < c.Lat) || (c.Lat <= lat && lat < a.Lat))
                cuts.push_back(a.Lon +
                               (double(lat) - a.Lat) * (double(c.Lon) - a.Lon) /
                                   (double(c.Lat) - a.Lat) +
                               shift);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    for (size_t k = 0; k + 1 < cuts.size(); k += 2) {
        const auto from = std::lower_bound(lon.begin(), lon.end(), float(cuts[k]));
        const auto to = std::lower_bound(lon.begin(), lon.end(), float(cuts[k + 1]));
        for (auto x = from; x < to; ++x)
            paint(int(x - lon.begin()));
    }
}

std::vector<TRingBox> Boxes(const std::vector<TRing>& rings) {
    std::vector<TRingBox> boxes;
    for (const TRing& r : rings) {
        if (r.size() < 3)
            continue;
        TRingBox b{&r, 1000, -1000};
        for (const TLatLon& p : r)
            b.south = std::min(b.south, p.Lat), b.north = std::max(b.north, p.Lat);
        boxes.push_back(b);
    }
    return boxes;
}

// 4-connected runs of marked pixels of kMinBlob or more.
std::vector<TBlob> Blobs(std::vector<uint8_t> mark, int w, int h, const CKarta& k) {
    std::vector<TBlob> blobs;
    std::vector<int> stack, pixels;
    for (int start = 0; start < w * h; ++start) {
        if (!mark[size_t(start)])
            continue;
        mark[size_t(start)] = 0;
        stack = {start};
        pixels.clear();
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            pixels.push_back(p);
            const int x = p % w, y = p / w;
            for (const int q : {x > 0 ? p - 1 : -1, x + 1 < w ? p + 1 : -1, y > 0 ? p - w : -1,
                                y + 1 < h ? p + w : -1})
                if (q >= 0 && mark[size_t(q)]) {
                    mark[size_t(q)] = 0;
                    stack.push_back(q);
                }
        }
        if (int(pixels.size()) < kMinBlob)
            continue;
        const int mid = pixels[pixels.size() / 2];
        blobs.push_back({int(pixels.size()), k.LatVid(mid / w), k.LonVid(mid / w, mid % w)});
    }
    return blobs;
}

struct TBox {
    float south, north, west, east;
};

// The area exercise's rule (the taking-part area under the point with the
// smallest northern bound); the boxes only skip areas that cannot hold it.
const CArea* AreaUnder(const CAreor& areor, const std::vector<TBox>& boxes, float lat, float lon) {
    const CArea* best = nullptr;
    for (int i = 1; i <= areor.Antal; ++i) {
        const TBox& b = boxes[size_t(i - 1)];
        if (lat < b.south || lat > b.north || lon < b.west || lon > b.east)
            continue;
        const CArea& a = areor.Area(i);
        if (a.Deltar && PunktIYta(lat, lon, a.Punkter, a.Antal) && (!best || a.Nord < best->Nord))
            best = &a;
    }
    return best;
}

// The turns of the globe a frame compares: one, and the one beside it where
// the frame runs past 180 degrees.
std::vector<double> Shifts(const TReferenceMap& frame) {
    const bool wide = frame.east - frame.west > 360;
    std::vector<double> shifts{0};
    if (frame.east > 180 && !wide)
        shifts.push_back(360);
    if (frame.west < -180 && !wide)
        shifts.push_back(-360);
    return shifts;
}

bool InInset(const TReferenceMap& frame, double lat, double lon) {
    for (const QRectF& b : frame.insets)
        if (b.contains(QPointF(lon, lat)))
            return true;
    return false;
}

// Every area takes part, as in the area exercise over the whole map.
void TakeAllPart(CKarta& k) {
    k.Gradnat = false;
    for (int i = 1; i <= k.Landareor->Antal; ++i)
        k.Landareor->Area(i).Deltar = true;
}

// Compares the map drawn on `pic` at k's view with the reference.
TMapFigures Compare(CKarta& k, const TReference& ref, const TReferenceMap& frame, int w, int h,
                    const QImage& pic, QImage* diff) {
    CAreor& areor = *k.Landareor;

    // The reference, row by row, at the longitude and latitude a click on
    // each pixel gives.
    std::vector<TLabel> label(size_t(w * h));
    std::vector<std::vector<TRingBox>> units, lakes;
    // A map drawn from a source of its own is compared with that source alone.
    const int source =
        std::ranges::any_of(ref.units, [&](const TReferenceUnit& u) { return u.map == frame.id; })
            ? frame.id
            : 0;
    for (const TReferenceUnit& u : ref.units)
        units.push_back(u.map == source ? Boxes(u.rings) : std::vector<TRingBox>{});
    for (const auto& l : ref.lakes)
        lakes.push_back(Boxes(l));
    // A frame wider than the globe repeats longitudes: only one turn is compared.
    const bool wide = frame.east - frame.west > 360;
    const std::vector<double> shifts = Shifts(frame);
    std::vector<float> lon(static_cast<size_t>(w));
    std::vector<double> cuts;
    for (int y = 0; y < h; ++y) {
        const float lat = k.LatVid(y);
        if (lat < frame.south || lat > frame.north)
            continue;
        TLabel* row = &label[size_t(y * w)];
        for (int x = 0; x < w; ++x) {
            lon[size_t(x)] = k.LonVid(y, x);
            const double o = lon[size_t(x)];
            if (o >= frame.west && o <= frame.east && (!wide || std::abs(o) <= 180))
                row[x].kind = TKind::Sea;
        }
        auto paint = [&](TKind kind, int index) {
            return [=](int x) {
                if (row[x].kind != TKind::Out)
                    row[x] = {kind, index};
            };
        };
        for (double s : shifts) {
            for (size_t u = 0; u < units.size(); ++u)
                Spans(units[u], lat, s, lon, cuts, paint(TKind::Land, int(u)));
            for (size_t l = 0; l < lakes.size(); ++l)
                Spans(lakes[l], lat, s, lon, cuts, paint(TKind::Lake, int(l)));
        }
    }

    // The pixels every lake shore passes through. A lake arm thinner than a
    // pixel may hold no pixel's centre, so the labels alone would show land
    // there and lose its shore, and the band along it, altogether.
    std::vector<uint8_t> shore(size_t(w * h));
    for (const auto& l : ref.lakes)
        for (const TRing& r : l)
            for (double s : shifts)
                for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
                    const double x0 = k.XKoordExakt(r[j].Lat, float(r[j].Lon + s)),
                                 y0 = k.YKoordExakt(r[j].Lat),
                                 x1 = k.XKoordExakt(r[i].Lat, float(r[i].Lon + s)),
                                 y1 = k.YKoordExakt(r[i].Lat);
                    if (std::max(x0, x1) < -1 || std::min(x0, x1) > w || std::max(y0, y1) < -1 ||
                        std::min(y0, y1) > h)
                        continue;
                    const int steps = 1 + int(2 * std::max(std::abs(x1 - x0), std::abs(y1 - y0)));
                    for (int t = 0; t <= steps; ++t) {
                        const int x = int(std::lround(x0 + (x1 - x0) * t / steps)),
                                  y = int(std::lround(y0 + (y1 - y0) * t / steps));
                        if (x >= 0 && y >= 0 && x < w && y < h)
                            shore[size_t(y * w + x)] = 1;
                    }
                }

    auto at = [&](int x, int y) -> const TLabel& { return label[size_t(y * w + x)]; };
    auto inInset = [&](int x, int y) { return InInset(frame, k.LatVid(y), k.LonVid(y, x)); };
    // Pixels next to a change of kind (a coast, a lake shore, the frame's
    // edge) are not compared: a coast drawn a pixel off is no fault.
    auto inBand = [&](int x, int y) {
        const TKind kind = at(x, y).kind;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int xx = x + dx, yy = y + dy;
                if (xx >= 0 && yy >= 0 && xx < w && yy < h && at(xx, yy).kind != kind)
                    return true;
            }
        return false;
    };
    // Nor is land drawn as water next to a pixel a lake shore passes through.
    auto nearShore = [&](int x, int y) {
        for (int yy = std::max(y - 1, 0); yy <= std::min(y + 1, h - 1); ++yy)
            for (int xx = std::max(x - 1, 0); xx <= std::min(x + 1, w - 1); ++xx)
                if (shore[size_t(yy * w + xx)])
                    return true;
        return false;
    };
    const QRgb water = k.Vattenfarg.rgb(), sea = k.Sjofarg.rgb(), black = qRgb(0, 0, 0);
    std::vector<uint8_t> dryMark(size_t(w * h)), wetMark(size_t(w * h));
    std::vector<int> lakePixels(lakes.size()), lakeWet(lakes.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TLabel& l = at(x, y);
            if (l.kind == TKind::Out || inBand(x, y))
                continue;
            const QRgb c = pic.pixel(x, y);
            const bool wet = c == water || c == sea, dry = !wet && c != black;
            if (l.kind == TKind::Land && wet && !nearShore(x, y))
                dryMark[size_t(y * w + x)] = 1;
            else if (l.kind == TKind::Sea && dry && !inInset(x, y))
                wetMark[size_t(y * w + x)] = 1;
            else if (l.kind == TKind::Lake) {
                ++lakePixels[size_t(l.index)];
                lakeWet[size_t(l.index)] += wet;
            }
        }

    TMapFigures f;
    f.landAsWater = Blobs(dryMark, w, h, k);
    f.seaAsLand = Blobs(wetMark, w, h, k);
    for (size_t l = 0; l < lakes.size(); ++l)
        if (lakePixels[l] >= kMinLake) {
            ++f.lakes;
            if (2 * lakeWet[l] < lakePixels[l]) {
                const TLatLon p = ref.lakes[l].front().front();
                f.dryLakes << QStringLiteral("%1,%2").arg(p.Lat, 0, 'f', 1).arg(p.Lon, 0, 'f', 1);
            }
        }

    std::vector<TBox> boxes;
    for (int i = 1; i <= areor.Antal; ++i) {
        const CArea& a = areor.Area(i);
        TBox b{1000, -1000, 1000, -1000};
        for (int p = 1; p <= a.Antal; ++p) {
            b.south = std::min(b.south, a.Punkter[size_t(p)].Lat);
            b.north = std::max(b.north, a.Punkter[size_t(p)].Lat);
            b.west = std::min(b.west, a.Punkter[size_t(p)].Lon);
            b.east = std::max(b.east, a.Punkter[size_t(p)].Lon);
        }
        boxes.push_back(b);
    }
    for (int y = kDepth; y < h - kDepth; y += kSampleStep)
        for (int x = kDepth; x < w - kDepth; x += kSampleStep) {
            const TLabel& l = at(x, y);
            if (l.kind != TKind::Land || !ref.units[size_t(l.index)].state || inInset(x, y))
                continue;
            bool deep = true;
            for (int dy = -kDepth; dy <= kDepth && deep; ++dy)
                for (int dx = -kDepth; dx <= kDepth && deep; ++dx) {
                    const TLabel& m = at(x + dx, y + dy);
                    deep = m.kind == TKind::Land && m.index == l.index;
                }
            if (!deep)
                continue;
            ++f.samples;
            const CArea* a = AreaUnder(areor, boxes, k.LatVid(y), k.LonVid(y, x));
            f.judgedRight += a && a->Matchar(ref.units[size_t(l.index)].code);
        }

    if (diff) {
        *diff = pic.copy();
        for (int p = 0; p < w * h; ++p)
            if (dryMark[size_t(p)] || wetMark[size_t(p)])
                diff->setPixel(p % w, p / w,
                               dryMark[size_t(p)] ? qRgb(255, 0, 255) : qRgb(255, 160, 0));
    }
    return f;
}

// The length in pixels of the reference's coasts and borders inside the
// frame and the picture (the picture's own frame aside), and how much of it
// lies within a pixel of a drawn outline.
void CoastShare(const CKarta& k, const TReference& ref, const TReferenceMap& frame, int w, int h,
                const QImage& pic, TMapFigures& f) {
    constexpr int kEdge = 4; // the picture's frame, drawn 5 pixels wide
    const QRgb black = qRgb(0, 0, 0);
    auto drawnNear = [&](int x, int y) {
        for (int yy = y - 1; yy <= y + 1; ++yy)
            for (int xx = x - 1; xx <= x + 1; ++xx)
                if (pic.pixel(xx, yy) == black)
                    return true;
        return false;
    };
    for (const double s : Shifts(frame))
        for (const TReferenceUnit& u : ref.units)
            for (const TRing& r : u.rings)
                for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
                    const double x0 = k.XKoordExakt(r[j].Lat, float(r[j].Lon + s)),
                                 y0 = k.YKoordExakt(r[j].Lat),
                                 x1 = k.XKoordExakt(r[i].Lat, float(r[i].Lon + s)),
                                 y1 = k.YKoordExakt(r[i].Lat);
                    if (std::max(x0, x1) < kEdge || std::min(x0, x1) > w - kEdge ||
                        std::max(y0, y1) < kEdge || std::min(y0, y1) > h - kEdge)
                        continue;
                    const double length = std::hypot(x1 - x0, y1 - y0);
                    const int steps = 1 + int(2 * length);
                    for (int t = 0; t < steps; ++t) {
                        const double q = (t + 0.5) / steps;
                        const int x = int(std::lround(x0 + (x1 - x0) * q)),
                                  y = int(std::lround(y0 + (y1 - y0) * q));
                        if (x < kEdge || y < kEdge || x >= w - kEdge || y >= h - kEdge)
                            continue;
                        const double lat = r[j].Lat + (r[i].Lat - r[j].Lat) * q,
                                     lon = r[j].Lon + (r[i].Lon - r[j].Lon) * q + s;
                        if (lat < frame.south || lat > frame.north || lon < frame.west ||
                            lon > frame.east || InInset(frame, lat, lon))
                            continue;
                        f.coastLength += length / steps;
                        if (drawnNear(x, y))
                            f.coastNear += length / steps;
                    }
                }
}

} // namespace

TMapFigures MeasureMap(CKarta& k, const TReference& ref, const TReferenceMap& frame, int w, int h,
                       QImage* diff) {
    TImage image;
    image.resize(w, h);
    k.Bild = &image;
    TakeAllPart(k);
    k.AnpassaVy();
    k.RitaAreaovning(1);
    TMapFigures f = Compare(k, ref, frame, w, h, image.Picture(), diff);
    k.Bild = nullptr;
    return f;
}

TMapFigures MeasureView(CKarta& k, const TReference& ref, const TReferenceMap& frame,
                        const TView& view, int w, int h, QImage* diff) {
    TImage image;
    image.resize(w, h);
    k.Bild = &image;
    TakeAllPart(k);
    // As the zoom sets a view: its edges, then the scale that goes with them,
    // closer than the map's own view or not.
    k.BeraknaSkala();
    k.AnpassaVy();
    const double egen = double(k.VyNord) - k.VySyd;
    k.VyMitt = view.mid;
    k.VyNord = view.north;
    k.VySyd = view.south;
    k.BeraknaSkala();
    k.Narmare = view.north - view.south < egen * (1 - 1e-6);
    k.RitaAreaovning(1);
    TMapFigures f = Compare(k, ref, frame, w, h, image.Picture(), diff);
    CoastShare(k, ref, frame, w, h, image.Picture(), f);
    k.Bild = nullptr;
    return f;
}

QString Describe(const TMapFigures& f) {
    QStringList a, b;
    for (const TBlob& x : f.landAsWater)
        a << QStringLiteral("%1,%2 (%3)").arg(x.lat, 0, 'f', 1).arg(x.lon, 0, 'f', 1).arg(x.size);
    for (const TBlob& x : f.seaAsLand)
        b << QStringLiteral("%1,%2 (%3)").arg(x.lat, 0, 'f', 1).arg(x.lon, 0, 'f', 1).arg(x.size);
    return QStringLiteral("land as water %1, sea as land %2, identity %3 % of %4, lakes %5 (dry %6)"
                          "; land as water at: %7; sea as land at: %8; dry lakes at: %9")
        .arg(f.landAsWater.size())
        .arg(f.seaAsLand.size())
        .arg(100 * f.Identity(), 0, 'f', 2)
        .arg(f.samples)
        .arg(f.lakes)
        .arg(f.dryLakes.size())
        .arg(a.join(' '), b.join(' '), f.dryLakes.join(' '));
}

std::unique_ptr<CKarta> LoadMap(const QString& folder, int map) {
    auto k = std::make_unique<CKarta>();
    k->Landareor = std::make_unique<CAreor>();
    k->Vattenareor = std::make_unique<CAreor>();
    k->Landareor->LasAreor(folder + QLatin1Char('/') + AreaFil(map));
    k->Landareor->LasDetaljer(folder + QLatin1Char('/') + DetaljFil(map));
    k->Vattenareor->LasAreor(folder + QLatin1Char('/') + VattenFil(map));
    k->LasHav(folder + QLatin1Char('/') + HavFil(map));
    return k;
}
