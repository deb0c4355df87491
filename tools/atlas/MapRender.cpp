#include "MapRender.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

float Interpolera(float v, float a, float b, float c, float d) {
    const float a1 = static_cast<float>(a + 1e-8);
    const double q = (double(v) - b) / (double(a1) - b);
    return static_cast<float>((double(c) - d) * q + d);
}

} // namespace

MapRender::MapRender(int width, int height)
    : w_(width), h_(height), img_(width, height, QImage::Format_RGB32) {
    img_.fill(kLand);
}

void MapRender::BeraknaSkala() {
    langdskala = Round(std::fabs((nord + syd) / 2.0) / 90.0 * 50.0) + 90;
}

int MapRender::YKoord(float lat) const {
    lat = std::clamp(lat, -90.0f, 90.0f);
    return Round(h_ - Interpolera(lat, nord, syd, float(h_), 0));
}

int MapRender::XKoord(float lat, float lon) const {
    const float s = static_cast<float>(h_ / double(nord - syd));
    const float d = lon - mitt;
    if (lat == 90 || lat == -90)
        return Round(w_ / 2.0);
    return Round(std::sqrt(8100.0 - double(lat) * lat) * d / langdskala * s + w_ / 2.0);
}

float MapRender::LatVid(int y) const {
    return std::clamp(Interpolera(float(y), float(h_), 0, syd, nord), -90.0f, 90.0f);
}

float MapRender::LonVid(int y, int x) const {
    const int dx = x - w_ / 2;
    const float lat = LatVid(y);
    const float s = static_cast<float>(h_ / double(nord - syd));
    if (lat == 90 || lat == -90)
        return mitt;
    return static_cast<float>(dx / std::sqrt(8100.0 - double(lat) * lat) * langdskala / s + mitt);
}

float MapRender::SynligHalvbredd() const {
    // A row at a pole shows a point, not a width; the map leaves it out.
    float result = 1000;
    for (int y : {h_ / 2, h_}) {
        const float lat = LatVid(y);
        if (lat != 90 && lat != -90)
            result = std::min(result, mitt - LonVid(y, 0));
    }
    return result;
}

void MapRender::AnpassaVy(const std::vector<const AtlasArea*>& areas) {
    float north = -10000, south = 10000, east = -10000, west = 10000;
    for (const AtlasArea* a : areas) {
        if (a->points.empty())
            continue;
        east = std::max(east, float(a->east));
        north = std::max(north, float(a->north));
        west = std::min(west, float(a->west));
        south = std::min(south, float(a->south));
    }
    mitt = (west + east) / 2;
    const float m = (north - south) / 25;
    nord = north + m;
    syd = south - m;
    BeraknaSkala();
    const float need = std::max(east - mitt, mitt - west);
    while (SynligHalvbredd() < need) {
        nord = nord + (nord - syd) / 100;
        syd = syd - (nord - syd) / 100;
        BeraknaSkala();
    }
}

bool MapRender::Visible(const AtlasArea& a) const {
    return !(a.north < syd || a.south > nord || XKoord(float(a.north), float(a.east)) < -100 ||
             XKoord(float(a.north), float(a.west)) > w_ + 100);
}

void MapRender::Rensa() {
    img_.fill(kLand);
}

void MapRender::RitaGranser(const std::vector<AtlasArea>& land, int penWidth) {
    QPainter p(&img_);
    p.setPen(QPen(QColor(0, 0, 0), penWidth));
    for (const AtlasArea& a : land) {
        if (a.points.empty() || !Visible(a))
            continue;
        QPoint first = Project(a.points.front()), prev = first;
        for (const LatLon& ll : a.points) {
            const QPoint q = Project(ll);
            if (q != prev) {
                p.drawLine(prev, q);
                if (img_.rect().contains(q))
                    img_.setPixel(q, kBlack);
                if (img_.rect().contains(prev))
                    img_.setPixel(prev, kBlack);
                prev = q;
            }
        }
        p.drawLine(prev, first);
    }
}

void MapRender::RitaVatten(const std::vector<AtlasArea>& water) {
    for (const AtlasArea& a : water) {
        if (a.points.empty())
            continue;
        {
            QPainter p(&img_);
            p.setPen(QPen(QColor::fromRgb(sjofarg_), 1));
            QPoint first = Project(a.points.front()), prev = first;
            for (const LatLon& ll : a.points) {
                const QPoint q = Project(ll);
                p.drawLine(prev, q);
                if (img_.rect().contains(q))
                    img_.setPixel(q, sjofarg_);
                if (img_.rect().contains(prev))
                    img_.setPixel(prev, sjofarg_);
                prev = q;
            }
            p.drawLine(prev, first);
        }
        for (const LatLon& s : {a.seed1, a.seed2}) {
            const QPoint q = Project(s);
            if (InomBild(q))
                BorderFill(q, sjofarg_, sjofarg_);
        }
    }
}

void MapRender::FyllHav(const std::vector<LatLon>& sea) {
    for (const LatLon& s : sea) {
        const QPoint q = Project(s);
        if (InomBild(q) && img_.pixel(q) != kSea)
            SurfaceFill(q, kLand, kSea);
    }
}

bool MapRender::FyllArea(const AtlasArea& a, QRgb colour) {
    for (const LatLon& s : {a.seed1, a.seed2}) {
        const QPoint q = Project(s);
        if (!InomBild(q))
            continue;
        const QRgb c = img_.pixel(q);
        if (c != kBlack && c != sjofarg_ && c != colour)
            SurfaceFill(q, c, colour);
    }
    for (const LatLon& s : {a.seed1, a.seed2}) {
        const QPoint q = Project(s);
        if (InomBild(q) && img_.pixel(q) == colour)
            return true;
    }
    return false;
}

void MapRender::SurfaceFill(QPoint start, QRgb over, QRgb with) {
    if (over == with || img_.pixel(start) != over)
        return;
    std::vector<QPoint> stack{start};
    auto* bits = reinterpret_cast<QRgb*>(img_.bits());
    const int stride = img_.bytesPerLine() / 4;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        int x = p.x(), y = p.y();
        QRgb* row = bits + y * stride;
        if (row[x] != over)
            continue;
        int l = x, r = x;
        while (l > 0 && row[l - 1] == over)
            --l;
        while (r < w_ - 1 && row[r + 1] == over)
            ++r;
        for (int i = l; i <= r; ++i)
            row[i] = with;
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= h_)
                continue;
            QRgb* nrow = bits + ny * stride;
            for (int i = l; i <= r; ++i)
                if (nrow[i] == over && (i == l || nrow[i - 1] != over))
                    stack.push_back({i, ny});
        }
    }
}

void MapRender::BorderFill(QPoint start, QRgb border, QRgb with) {
    // Spread over everything that is not the border colour; `with` equals the
    // border colour here, so filled pixels stop the spread as well.
    if (img_.pixel(start) == border)
        return;
    std::vector<QPoint> stack{start};
    auto* bits = reinterpret_cast<QRgb*>(img_.bits());
    const int stride = img_.bytesPerLine() / 4;
    auto open = [&](QRgb c) { return c != border && c != with; };
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        int x = p.x(), y = p.y();
        QRgb* row = bits + y * stride;
        if (!open(row[x]))
            continue;
        int l = x, r = x;
        while (l > 0 && open(row[l - 1]))
            --l;
        while (r < w_ - 1 && open(row[r + 1]))
            ++r;
        for (int i = l; i <= r; ++i)
            row[i] = with;
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= h_)
                continue;
            QRgb* nrow = bits + ny * stride;
            for (int i = l; i <= r; ++i)
                if (open(nrow[i]) && (i == l || !open(nrow[i - 1])))
                    stack.push_back({i, ny});
        }
    }
}
