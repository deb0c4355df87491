// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Kartvy.h"

#include "maps/Karta.h"
#include "maps/KartaRingar.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the chord of a parallel, as the projection scales longitude.
double Korda(double lat) {
    return std::sqrt(std::max(8100 - lat * lat, 1e-6));
}

double Hojd(const CKarta& k) {
    return static_cast<double>(k.VyNord) - k.VySyd;
}

double PerGrad(const CKarta& k) {
    return k.H() / Hojd(k);
}

double Halvbredd(const CKarta& k) {
    const double mitt = (static_cast<double>(k.VyNord) + k.VySyd) / 2;
    return k.W() / 2.0 * k.Langdskala / (PerGrad(k) * Korda(mitt));
}

} // namespace

void CKartvy::Spara(const CKarta& karta) {
    mitt_ = karta.VyMitt;
    nord_ = karta.VyNord;
    syd_ = karta.VySyd;
    halvbredd_ = karta.H() > 0 && nord_ != syd_ ? Halvbredd(karta) : 0;
    const double egen = static_cast<double>(nord_) - syd_;
    minHojd_ = std::min(kMinHojd, egen);
    // Where the smallest state would need a ring even at kMinHojd, closer:
    // a tenth over the ring's limit, so that its outline is clearly clicked.
    const double minst = nord_ != syd_ ? CKartaRingar::MinstaStat(karta) : 0;
    if (minst > 0) {
        const double behov = egen * minst / (1.1 * CKartaRingar::kGrans * karta.Pixelkvot());
        minHojd_ = std::clamp(behov, std::min(kMinstaHojd, egen), minHojd_);
    }
}

bool CKartvy::ArEgen(const CKarta& karta) const {
    return karta.VyMitt == mitt_ && karta.VyNord == nord_ && karta.VySyd == syd_;
}

double CKartvy::Forstoring(const CKarta& karta) const {
    return (static_cast<double>(nord_) - syd_) / Hojd(karta);
}

bool CKartvy::Hem(CKarta& karta) {
    if (ArEgen(karta))
        return false;
    karta.VyMitt = mitt_;
    karta.VyNord = nord_;
    karta.VySyd = syd_;
    karta.Narmare = false;
    karta.BeraknaSkala();
    return true;
}

TLatLon CKartvy::PunktVid(const CKarta& k, QPointF at) {
    const double lat = std::clamp(k.VyNord - Hojd(k) * at.y() / k.H(), -90.0, 90.0);
    const double lon = (at.x() - k.W() / 2.0) * k.Langdskala / (PerGrad(k) * Korda(lat)) + k.VyMitt;
    return {static_cast<float>(lat), static_cast<float>(lon)};
}

bool CKartvy::Zooma(CKarta& karta, double faktor, QPointF at) {
    if (faktor <= 0 || karta.H() < 1)
        return false;
    return Satt(karta, PunktVid(karta, at), at, Hojd(karta) / faktor);
}

bool CKartvy::Flytta(CKarta& karta, TLatLon p, QPointF till) {
    if (karta.H() < 1)
        return false;
    return Satt(karta, p, till, Hojd(karta));
}

bool CKartvy::Satt(CKarta& karta, TLatLon p, QPointF at, double hojd) {
    const double egen = static_cast<double>(nord_) - syd_;
    if (hojd >= egen * (1 - 1e-6))
        return Hem(karta); // the own view exactly, not a float's width off it
    hojd = std::max(hojd, minHojd_);
    const float fore[] = {karta.VyMitt, karta.VyNord, karta.VySyd};
    // Latitude is linear down the picture: the point's row fixes the top.
    double nord = p.Lat + hojd * at.y() / karta.H();
    nord = std::clamp(nord, syd_ + hojd, static_cast<double>(nord_));
    karta.VyNord = static_cast<float>(nord);
    karta.VySyd = static_cast<float>(nord - hojd);
    karta.Narmare = hojd < egen * (1 - 1e-6);
    karta.BeraknaSkala();
    // The scale of this view known, the middle longitude puts the point in
    // its column, within the longitudes the own view shows.
    double mitt =
        p.Lon - (at.x() - karta.W() / 2.0) * karta.Langdskala / (PerGrad(karta) * Korda(p.Lat));
    const double fri = std::max(0.0, halvbredd_ - Halvbredd(karta));
    mitt = std::clamp(mitt, mitt_ - fri, mitt_ + fri);
    karta.VyMitt = static_cast<float>(mitt);
    return karta.VyMitt != fore[0] || karta.VyNord != fore[1] || karta.VySyd != fore[2];
}
