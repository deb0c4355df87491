#pragma once

#include "AtlasModel.h"

#include <QImage>
#include <QPoint>
#include <vector>

// A stand-in for the program's map drawing, used by the atlas tool to place
// sea points and to check and preview the maps before they ship: the same
// projection and the same order of outlines, lake fills, sea flood and area
// fills, on a true-colour picture with 4-connected flood fills.
class MapRender {
public:
    MapRender(int width, int height);

    // The view, as the map keeps it.
    float mitt = 0, nord = 0, syd = 0;
    int langdskala = 1;

    void BeraknaSkala();
    // Fits the view to the bounds of the given areas.
    void AnpassaVy(const std::vector<const AtlasArea*>& areas);

    int YKoord(float lat) const;
    int XKoord(float lat, float lon) const;
    float LatVid(int y) const;
    float LonVid(int y, int x) const;
    QPoint Project(LatLon p) const { return {XKoord(p.lat, p.lon), YKoord(p.lat)}; }
    bool InomBild(QPoint p) const { return p.x() >= 1 && p.x() < w_ && p.y() >= 1 && p.y() < h_; }

    // Drawing steps.
    void Rensa();
    void RitaGranser(const std::vector<AtlasArea>& land, int penWidth);
    void RitaVatten(const std::vector<AtlasArea>& water);
    void FyllHav(const std::vector<LatLon>& sea);
    // Colours one area from its seeds; true when a seed pixel took the colour.
    bool FyllArea(const AtlasArea& area, QRgb colour);

    QImage& Image() { return img_; }
    int Width() const { return w_; }
    int Height() const { return h_; }

    static constexpr QRgb kLand = 0xFF808080;
    static constexpr QRgb kSea = 0xFF000080;
    static constexpr QRgb kBlack = 0xFF000000;

    // Flood fills on the picture, 4-connected.
    void SurfaceFill(QPoint p, QRgb over, QRgb with);
    void BorderFill(QPoint p, QRgb border, QRgb with);

private:
    bool Visible(const AtlasArea& a) const;
    float SynligHalvbredd() const;

    int w_, h_;
    QImage img_;
    QRgb sjofarg_ = kSea;
};
