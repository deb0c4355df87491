// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtlasModel.h"

#include "maps/Karta.h"
#include "platform/Image.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <array>
#include <vector>

// The program's own map (CKarta) on a picture of a given size, fed from the
// atlas model instead of the data files, so that the tool places sea points
// and checks seeds with exactly the drawing the exercises use. Coordinates
// are rounded to the files' ten-thousandths on the way in.
class MapRender {
public:
    MapRender(int width, int height);

    // Fits the view to the bounds of the given areas.
    void AnpassaVy(const std::vector<const AtlasArea*>& areas);
    // Sets a fixed view, as an exercise with a view of its own does.
    void SattVy(float north, float south, float centre);
    // The view: north, south, centre.
    std::array<float, 3> Vy() const { return {karta_.VyNord, karta_.VySyd, karta_.VyMitt}; }

    float LatVid(int y) const { return karta_.LatVid(y); }
    float LonVid(int y, int x) const { return karta_.LonVid(y, x); }
    // The pixel of a point as the program projects it from the files.
    QPoint Project(LatLon p) const;
    // The same before rounding to a pixel.
    QPointF ProjectExact(LatLon p) const;
    bool InomBild(QPoint p) const { return karta_.InomBild(p.x(), p.y()); }

    // Drawing steps.
    void Rensa() { karta_.Rensa(); }
    void RitaGranser(const std::vector<AtlasArea>& land, int penWidth);
    void RitaVatten(const std::vector<AtlasArea>& water);
    void FyllHav(const std::vector<LatLon>& sea);
    // Colours one area from its seeds; true when a seed pixel took the colour.
    bool FyllArea(const AtlasArea& area, QRgb colour);

    QImage& Image() { return bild_.Picture(); }

    static constexpr QRgb kLand = 0xFF808080;
    static constexpr QRgb kSea = 0xFF000080;

private:
    TImage bild_;
    CKarta karta_;
};
