// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapRender.h"

#include <algorithm>
#include <memory>

namespace {

float Stored(double degrees) {
    return FromFixed(ToFixed(degrees));
}

TLatLon Stored(LatLon p) {
    return {Stored(p.lat), Stored(p.lon)};
}

// The area as the loaders would read it back from a data file.
std::unique_ptr<CArea> ToArea(const AtlasArea& a) {
    auto area = std::make_unique<CArea>();
    area->Nyckel = a.key;
    area->Grupp1 = a.group1;
    area->Grupp2 = a.group2;
    area->Nord = Stored(a.north);
    area->Syd = Stored(a.south);
    area->Ost = Stored(a.east);
    area->Vast = Stored(a.west);
    area->Fyllpunkt1 = Stored(a.seed1);
    area->Fyllpunkt2 = Stored(a.seed2);
    area->Antal = static_cast<int32_t>(std::min<size_t>(a.points.size(), kMaxPunkter));
    for (int k = 1; k <= area->Antal; ++k)
        area->Punkter[k] = Stored(a.points[size_t(k - 1)]);
    area->Deltar = true;
    return area;
}

template <class List> std::unique_ptr<CAreor> ToAreor(const List& list) {
    auto areor = std::make_unique<CAreor>();
    for (const auto& a : list)
        areor->Lagg(ToArea(a));
    return areor;
}

} // namespace

MapRender::MapRender(int width, int height) {
    bild_.resize(width, height);
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kLand);
    bild_.SetPicture(picture);
    karta_.Bild = &bild_;
}

QPoint MapRender::Project(LatLon p) const {
    const TLatLon q = Stored(p);
    return {karta_.XKoord(q.Lat, q.Lon), karta_.YKoord(q.Lat)};
}

QPointF MapRender::ProjectExact(LatLon p) const {
    const TLatLon q = Stored(p);
    return {karta_.XKoordExakt(q.Lat, q.Lon), karta_.YKoordExakt(q.Lat)};
}

void MapRender::AnpassaVy(const std::vector<const AtlasArea*>& areas) {
    auto areor = std::make_unique<CAreor>();
    for (const AtlasArea* a : areas)
        areor->Lagg(ToArea(*a));
    karta_.Landareor = std::move(areor);
    karta_.AnpassaVy();
}

void MapRender::SattVy(float north, float south, float centre) {
    karta_.VyNord = north;
    karta_.VySyd = south;
    karta_.VyMitt = centre;
    karta_.BeraknaSkala();
}

void MapRender::RitaGranser(const std::vector<AtlasArea>& land, int penWidth) {
    karta_.Landareor = ToAreor(land);
    karta_.RitaGranser(penWidth);
}

void MapRender::RitaVatten(const std::vector<AtlasArea>& water) {
    karta_.Vattenareor = ToAreor(water);
    karta_.RitaVatten();
}

void MapRender::FyllHav(const std::vector<LatLon>& sea) {
    // The map floods from at most 100 points at a time.
    for (size_t first = 0; first < sea.size(); first += kMaxHav) {
        karta_.AntalHav = 0;
        for (size_t i = first; i < sea.size() && karta_.AntalHav < kMaxHav; ++i)
            karta_.Havspunkter[size_t(++karta_.AntalHav)] = Stored(sea[i]);
        karta_.FyllHav();
    }
}

bool MapRender::FyllArea(const AtlasArea& a, QRgb colour) {
    // A seed of a state a pixel or two across can fall on its neighbour's
    // land: flooding from there would colour the neighbour. A seed counts only
    // where its pixel's centre lies in its own outline (a seed-only record,
    // a single point, fills wherever its seeds fall).
    auto counts = [&](LatLon s) {
        if (a.points.size() < 3)
            return true;
        const QPoint q = Project(s);
        return PunktIYta({karta_.LatVid(q.y()), karta_.LonVid(q.y(), q.x())}, a.points);
    };
    // One under 3 pixels both ways is all border: its seed pixel may still
    // lie outside the border drawn, so it is not flooded at all.
    QRect box;
    for (const LatLon& p : a.points)
        box |= QRect(Project(p), QSize(1, 1));
    if (a.points.size() >= 3 && box.width() < 3 && box.height() < 3)
        return false;
    const bool first = counts(a.seed1), second = counts(a.seed2);
    if (!first && !second)
        return false;
    AtlasArea kept = a;
    if (!first)
        kept.seed1 = a.seed2;
    if (!second)
        kept.seed2 = kept.seed1;
    karta_.FyllArea(*ToArea(kept), QColor::fromRgb(colour));
    const QImage& img = Image();
    for (const LatLon& s : {kept.seed1, kept.seed2}) {
        const QPoint q = Project(s);
        if (InomBild(q) && img.pixel(q) == (colour | 0xFF000000u))
            return true;
    }
    return false;
}
