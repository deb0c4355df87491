// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/Areas.h"
#include "maps/KartaRingar.h"
#include "maps/MapMath.h"
#include "maps/Places.h"
#include "platform/Canvas.h"

#include <QColor>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class TImage;

constexpr int kMaxHav = 100;

// One record of a sea-point file.
using TSeaPointRecord = TPointRecord;

// The map of one exercise screen: its areas, places and sea seed points, the
// colours they are painted in, the view and the projection between degrees
// and the pixels of the picture Bild (width W, height H).
class CKarta {
public:
    CKarta() = default;
    virtual ~CKarta() = default;
    CKarta(const CKarta&) = delete;
    CKarta& operator=(const CKarta&) = delete;

    // Loads atlas map nr (1..kAntalKartor) into the collections the map has:
    // its lakes, land areas with their finer outlines, and sea points; the
    // world map also gets its graticule. Data-file errors are passed on. The
    // map screen reads the finer outlines at the first view that needs them
    // (detaljerSenare), a print at once.
    void LasAtlaskarta(int nr, bool detaljerSenare = false);

    // --- view and projection ---
    // Loads at most 100 sea seed points; a 101st raises ERangeError.
    void LasHav(const QString& fileName);
    void BeraknaSkala();
    // Fits the view to the land areas that take part.
    void AnpassaVy();
    // Pixel column and row of a point. A result outside 32 bits, or a view
    // with VyNord = VySyd, raises ERangeError.
    int32_t XKoord(float lat, float lon) const;
    int32_t YKoord(float lat) const;
    // The same before rounding to a pixel, for tools that space markers
    // finer than a pixel.
    double XKoordExakt(float lat, float lon) const;
    double YKoordExakt(float lat) const;
    float LatVid(int32_t y) const;
    float LonVid(int32_t y, int32_t x) const;
    bool InomBild(int32_t x, int32_t y) const;
    // Distance in pixels between a point and a place on the picture.
    int32_t Avstand(float lat, float lon, const COrt& ort) const;
    float SynligHalvbredd() const;
    // The level of detail of the land outlines at the present view: the
    // coarsest whose outlines lie within a pixel of the source.
    int Detaljniva() const;
    // The degrees of latitude per pixel the level is chosen for: the view's
    // own, or, in a view closer than the exercise's own (Narmare), finer
    // than the records' tolerance. The records' outlines are made for the
    // exercises' own views; nearer, they no longer lie within a pixel.
    double Detaljskala() const;

    // The picture's size in its own pixels, which the projection works in.
    int W() const;
    int H() const;
    // The picture's pixels per screen pixel (2 on a screen scaled to 200 %),
    // and a length in screen pixels as picture pixels: pen widths, marker
    // sizes and label offsets are scaled with it so that the map looks the
    // same at any ratio, only sharper.
    qreal Pixelkvot() const;
    int Px(int n) const;

    // --- drawing on Bild ---
    void Rensa();
    void RitaGranser(int bredd);
    void RitaVatten();
    void RitaRam();
    void FyllHav();
    void FyllAvskuretHav();
    // True when the centre of pixel p lies inside a land area's outline.
    bool PixelPaLand(const QPoint& p) const;
    // The area of the list whose outline holds the centre of pixel p (an
    // enclave before the area round it), or null.
    const CArea* AreaVid(const CAreor* areor, const QPoint& p) const;
    void FargaAreor();
    // The colour FargaAreor gives a taking-part area as it stands; invalid
    // for one that it leaves as it is.
    QColor Svarsfarg(const CArea& area) const;
    void FyllArea(const CArea& area, const QColor& farg);
    void FyllAreor(const QString& key, const QColor& farg);
    void RitaGradnat(int steg, const QColor& farg, TPenMode mode);
    void RitaOrter();
    void RitaOrt(const COrt& ort, const QColor& farg);

    // The whole redraw of the area exercise and of the place exercise, with
    // pending window events handled between the steps.
    void RitaAreaovning(int linjebredd);
    void RitaOrtovning(int linjebredd);

    // Lets the platform handle pending window events between drawing steps;
    // the screen supplies it, without one drawing runs straight through.
    std::function<void()> HanteraHandelser;

    QColor Sjofarg{0, 0, 128};
    QColor Landfarg{128, 128, 128};
    QColor Ovningsfarg{0, 128, 0};
    QColor Vattenfarg{0, 0, 128};
    float VyMitt = 0;
    float VyNord = 0;
    float VySyd = 0;
    int32_t Langdskala = 1;
    TImage* Bild = nullptr; // not owned
    std::unique_ptr<CAreor> Landareor;
    std::unique_ptr<CAreor> Vattenareor;
    std::unique_ptr<COrter> Platser;
    std::array<TLatLon, kMaxHav + 1> Havspunkter{}; // points 1..AntalHav; slot 0 unused
    int32_t AntalHav = 0;
    bool Gradnat = false;
    // The view is closer than the exercise's own (zoomed in): set and cleared
    // by the zoom (CKartvy), cleared whenever an exercise sets its view.
    bool Narmare = false;
    // A pixel of each land region that the picture shows but no seed of its
    // area reaches (seeds beyond the edges of a close view, a piece pinched
    // off by the outlines), with its area: FyllArea colours these as well.
    // Found by FyllHav for the view it was drawn at.
    std::vector<std::pair<const CArea*, QPoint>> Extrafron;
    // The rings of the states too small to click at the view; the area
    // exercise's redraw puts them on, and every recolouring keeps them.
    CKartaRingar Ringar;
    // The keys the exercise asks for: a state is every taking-part area that
    // answers to one of them. A map that is told none draws no rings: the
    // records of one state may each have a key of their own.
    QStringList Stater;

private:
    // What both redraws begin with: background, outlines, water and sea.
    void RitaGrund(int linjebredd);
    bool ArSynlig(const CArea& area) const;
    TCanvas& Canvas() const;
    void Handelser();
    double Skala() const; // pixels per degree of latitude
    QPoint Punkt(float lat, float lon) const { return QPoint(XKoord(lat, lon), YKoord(lat)); }
    QPoint Punkt(const TLatLon& p) const { return Punkt(p.Lat, p.Lon); }
};
