// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/MapMath.h"

#include <QPointF>

class CKarta;

// The part of the map the player looks at: the exercise's own view and the
// closer ones that zooming and panning lead to. A closer view is a view of
// the map like any other (middle longitude, top and bottom latitude, the
// scale that goes with them), so every step is drawn afresh from the
// outlines. It never shows more than the own view, nor less than
// kMinHojd degrees of latitude, unless an asked state is still too small to
// click there: then it comes close enough for that state's own outline to
// be clicked instead of a ring (kMinstaHojd at most).
class CKartvy {
public:
    static constexpr double kMinHojd = 2;
    static constexpr double kMinstaHojd = 0.05;

    // Takes the map's present view as the exercise's own, with the states
    // the map is told of (its Stater).
    void Spara(const CKarta& karta);
    // Each returns true when the map's view changed.
    bool Hem(CKarta& karta);
    // Closer by the factor (below 1: farther), the point of the map under the
    // picture pixel `at` staying there.
    bool Zooma(CKarta& karta, double faktor, QPointF at);
    // Puts the point p of the map at the picture pixel `till`, as far as the
    // own view allows.
    bool Flytta(CKarta& karta, TLatLon p, QPointF till);

    // The point of the map at a picture pixel, unrounded.
    static TLatLon PunktVid(const CKarta& karta, QPointF at);
    bool ArEgen(const CKarta& karta) const;
    // The own view's height over the present one's.
    double Forstoring(const CKarta& karta) const;

private:
    bool Satt(CKarta& karta, TLatLon p, QPointF at, double hojd);

    float mitt_ = 0, nord_ = 0, syd_ = 0;
    double halvbredd_ = 0;      // degrees of longitude either side at half height
    double minHojd_ = kMinHojd; // the closest view's height
};
