// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the map on its picture. The sea and the area colours are flood
// fills into whatever the earlier steps left, so the order of the steps and
// the colour tests before each fill decide the picture.
#include "data/Errors.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "maps/Karta.h"
#include "maps/Svarsfarger.h"
#include "platform/Image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kPaleYellow(255, 255, 160);
const QColor kRed(255, 0, 0);

// The colour of an area or a place label answered at the given try: white
// at the first, the second-try yellow (the areas' and the labels' differ),
// yellow at the third, the late colour after.
// In the colour-blind-safe colours, each try has one colour for both.
QColor FargEfterForsok(int32_t forsok, const QColor& andra, const QColor& sen) {
    return Svarsfarger::Efter(forsok, andra, sen);
}

bool Same(const QColor& a, const QColor& b) {
    return a.isValid() && b.isValid() && a.rgb() == b.rgb();
}

// An area whose record spans under 3 pixels both ways at the view.
bool UnderTrePixlar(const CKarta& k, const CArea& area) {
    if (area.Antal < 3)
        return false;
    const float mitt = static_cast<float>((area.Nord + area.Syd) / 2);
    const int bredd = std::abs(k.XKoord(mitt, static_cast<float>(area.Ost)) -
                               k.XKoord(mitt, static_cast<float>(area.Vast)));
    const int hojd =
        std::abs(k.YKoord(static_cast<float>(area.Syd)) - k.YKoord(static_cast<float>(area.Nord)));
    return bredd < 3 && hojd < 3;
}

// A ring with these bounds may reach the picture: the test of ArSynlig, at
// the latitude of the bounds that lies farthest from the equator, where a
// meridian comes closest to the middle.
bool RingSynlig(const CKarta& k, const TRingGrans& g) {
    if (g.Nord < k.VySyd || g.Syd > k.VyNord)
        return false;
    const float lat = std::abs(g.Nord) > std::abs(g.Syd) ? g.Nord : g.Syd;
    return k.XKoord(lat, g.Ost) >= -100 && k.XKoord(lat, g.Vast) <= k.W() + 100;
}

} // namespace

TCanvas& CKarta::Canvas() const {
    if (!Bild)
        throw EGlobina(QStringLiteral("The map has no picture to draw on."));
    return Bild->Canvas();
}

// Only lets events run: the picture is repainted once, when the drawing ends.
void CKarta::Handelser() {
    if (HanteraHandelser)
        HanteraHandelser();
}

bool CKarta::ArSynlig(const CArea& area) const {
    // A finer outline may reach a little past the record's bounds.
    const TKontur k = area.Kontur(Landareor ? Landareor->Niva : 0);
    if (k.Nord < VySyd || k.Syd > VyNord)
        return false;
    const float nord = static_cast<float>(k.Nord);
    if (XKoord(nord, static_cast<float>(k.Ost)) < -100)
        return false;
    if (XKoord(nord, static_cast<float>(k.Vast)) > W() + 100)
        return false;
    return true;
}

void CKarta::Rensa() {
    Extrafron.clear();
    Ringar.Glom();
    TCanvas& c = Canvas();
    c.SetBrushColor(Landfarg);
    c.FillRect(c.ClipRect());
}

void CKarta::RitaGranser(int bredd) {
    TCanvas& c = Canvas();
    c.SetPenColor(kBlack);
    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(0, 0, W(), H()); // with the pen width of the last drawing
    c.SetPenWidth(Px(std::max(bredd, 1)));
    if (Landareor) {
        for (int i = 1; i <= Landareor->Antal; ++i) {
            const CArea& a = *Landareor->Areor[i];
            if (a.Antal < 1 || !ArSynlig(a))
                continue;
            a.Kontur(Landareor->Niva)
                .VarjeRingMedGrans([&](const TLatLon* punkter, int antal, const TRingGrans& g) {
                    if (antal < 1 || !RingSynlig(*this, g))
                        return;
                    const QPoint first = Punkt(punkter[0]);
                    c.MoveTo(first.x(), first.y());
                    QPoint prev = first;
                    for (int k = 0; k < antal; ++k) {
                        const QPoint q = Punkt(punkter[k]);
                        if (q != prev) {
                            c.LineTo(q.x(), q.y());
                            c.SetPixel(q.x(), q.y(), kBlack);
                            c.SetPixel(prev.x(), prev.y(), kBlack);
                        }
                        prev = q;
                    }
                    c.LineTo(first.x(), first.y());
                });
        }
    }
    c.SetPenMode(TPenMode::Copy);
    c.Rectangle(0, 0, W(), H());
}

void CKarta::RitaVatten() {
    TCanvas& c = Canvas();
    c.SetPenColor(Sjofarg);
    c.SetPenWidth(Px(1));
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(0, 0, W(), H());
    if (Vattenareor) {
        for (int i = 1; i <= Vattenareor->Antal; ++i) {
            const CArea& a = *Vattenareor->Areor[i];
            if (a.Antal < 1)
                continue;
            const QPoint first = Punkt(a.Punkter[1]);
            c.MoveTo(first.x(), first.y());
            QPoint q = first;
            for (int k = 1; k <= a.Antal; ++k) {
                const QPoint prev = c.PenPos();
                q = Punkt(a.Punkter[k]);
                c.LineTo(q.x(), q.y());
                c.SetPixel(q.x(), q.y(), c.PenColor());
                c.SetPixel(prev.x(), prev.y(), c.PenColor());
            }
            c.LineTo(first.x(), first.y());
            c.SetPixel(first.x(), first.y(), c.PenColor());
            c.SetPixel(q.x(), q.y(), c.PenColor());

            c.SetBrushColor(Sjofarg);
            const QPoint s1 = Punkt(a.Fyllpunkt1);
            if (InomBild(s1.x(), s1.y())) {
                c.FloodFill(s1.x(), s1.y(), Sjofarg, TFillStyle::Border);
                // Later water fills test against the colour the picture holds.
                Sjofarg = c.Pixel(s1.x(), s1.y());
            }
            const QPoint s2 = Punkt(a.Fyllpunkt2);
            if (InomBild(s2.x(), s2.y()))
                c.FloodFill(s2.x(), s2.y(), Sjofarg, TFillStyle::Border);
        }
    }
    RitaRam();
}

void CKarta::RitaRam() {
    TCanvas& c = Canvas();
    c.SetPenColor(kBlack);
    c.SetPenWidth(Px(5));
    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(0, 0, W(), H());
    c.SetBrushStyle(TBrushStyle::Solid);
}

bool CKarta::PixelPaLand(const QPoint& p) const {
    if (!Landareor)
        return false;
    const float lat = LatVid(p.y()), lon = LonVid(p.y(), p.x());
    for (int i = 1; i <= Landareor->Antal; ++i) {
        const TKontur k = Landareor->Areor[i]->Kontur(Landareor->Niva);
        if (lat <= k.Nord && lat >= k.Syd && lon <= k.Ost && lon >= k.Vast && k.Haller(lat, lon))
            return true;
    }
    return false;
}

void CKarta::FyllHav() {
    TCanvas& c = Canvas();
    c.SetBrushColor(Vattenfarg);
    for (int i = 1; i <= std::min(AntalHav, kMaxHav); ++i) {
        const QPoint p = Punkt(Havspunkter[i]);
        // A sea point near a coast can fall on a pixel of land at some sizes
        // of the picture: flooding from there would paint the land as sea.
        if (!Same(c.Pixel(p.x(), p.y()), Vattenfarg) && InomBild(p.x(), p.y()) && !PixelPaLand(p)) {
            c.FloodFill(p.x(), p.y(), Landfarg, TFillStyle::Surface);
            Handelser();
        }
    }
    FyllAvskuretHav();
}

const CArea* CKarta::AreaVid(const CAreor* areor, const QPoint& p) const {
    if (!areor)
        return nullptr;
    const float lat = LatVid(p.y()), lon = LonVid(p.y(), p.x());
    return areor->Under(lat, lon, [lat, lon, niva = areor->Niva](const CArea& a) {
        const TKontur k = a.Kontur(niva);
        return lat <= k.Nord && lat >= k.Syd && lon <= k.Ost && lon >= k.Vast;
    });
}

// At some sizes of the picture the outlines close off water that no sea point
// reaches: a strait, an estuary, a bay between close coasts. What is still in
// the land colour, holds no land area's seed and lies mostly outside every
// land area is such water, so it gets the sea's colour too. Where it lies
// mostly in a lake, it gets the lakes' colour; where mostly in one land area,
// it is that area's land, which FyllArea colours from a pixel of it.
void CKarta::FyllAvskuretHav() {
    Extrafron.clear();
    if (!Landareor)
        return;
    TCanvas& c = Canvas();
    // A seed marks its region as land only where the centre of its pixel lies
    // in its own outline: the seed of an island smaller than a pixel, or of a
    // record that reaches a piece pinched off at another size, may fall on
    // the open sea here, which would then never be coloured.
    std::vector<QPoint> fro;
    for (int i = 1; i <= Landareor->Antal; ++i) {
        const CArea& a = *Landareor->Areor[i];
        // Nor does the seed of an area too small to be flooded from it: what
        // its outline closes is found here and coloured as its own.
        if (a.Antal < 3 || !ArSynlig(a) || UnderTrePixlar(*this, a))
            continue;
        for (const TLatLon& s : {a.Fyllpunkt1, a.Fyllpunkt2}) {
            const QPoint p = Punkt(s);
            if (a.Kontur(Landareor->Niva).Haller(LatVid(p.y()), LonVid(p.y(), p.x())))
                fro.push_back(p);
        }
    }
    std::vector<QPoint> sjoar;
    c.SetBrushColor(Vattenfarg);
    c.FillRegions(Landfarg, fro, [&](const std::vector<QPoint>& prov) {
        const int n = static_cast<int>(prov.size());
        int hav = 0, sjo = 0;
        std::vector<std::pair<const CArea*, QPoint>> land;
        for (const QPoint& p : prov) {
            if (AreaVid(Vattenareor.get(), p))
                ++sjo;
            else if (const CArea* a = AreaVid(Landareor.get(), p))
                land.emplace_back(a, p);
            else
                ++hav;
        }
        if (2 * hav > n)
            return true;
        if (2 * sjo > n) {
            sjoar.push_back(prov.front());
            return false;
        }
        // The area that holds most of the samples.
        const std::pair<const CArea*, QPoint>* best = nullptr;
        int bestCount = 0;
        for (const auto& l : land) {
            const int k = static_cast<int>(std::count_if(
                land.begin(), land.end(), [&](const auto& m) { return m.first == l.first; }));
            if (k > bestCount)
                best = &l, bestCount = k;
        }
        if (best)
            Extrafron.push_back(*best);
        return false;
    });
    c.SetBrushColor(Sjofarg);
    for (const QPoint& p : sjoar)
        if (Same(c.Pixel(p.x(), p.y()), Landfarg))
            c.FloodFill(p.x(), p.y(), Landfarg, TFillStyle::Surface);
}

void CKarta::FyllArea(const CArea& area, const QColor& farg) {
    TCanvas& c = Canvas();
    CKartaRingar::TPaus paus(Ringar, c);
    Ringar.SattFarg(area, farg);
    // A seed of a state a pixel or two across can fall on its neighbour's
    // land, and a flood from there colours the neighbour (answering Vatican
    // City whitened Italy): a seed counts only where its pixel's centre lies
    // in the area's own outline, and an area under 3 pixels both ways is all
    // border, so it is not flooded from its seeds (its ring shows its colour).
    const bool liten = UnderTrePixlar(*this, area);
    const TKontur kontur = area.Kontur(Landareor ? Landareor->Niva : 0);
    const auto egen = [&](const QPoint& p) {
        return area.Antal < 3 || kontur.Haller(LatVid(p.y()), LonVid(p.y(), p.x()));
    };
    const auto fyll = [&](const QPoint& p) {
        if (!egen(p))
            return;
        c.SetBrushColor(farg);
        const QColor here = c.Pixel(p.x(), p.y());
        if (!Same(here, kBlack) && !Same(here, Sjofarg) && !Same(here, farg) &&
            InomBild(p.x(), p.y()))
            c.FloodFill(p.x(), p.y(), here, TFillStyle::Surface);
    };
    if (!liten) {
        fyll(Punkt(area.Fyllpunkt1));
        fyll(Punkt(area.Fyllpunkt2));
    }
    // A region that FyllAvskuretHav found closed and mostly in this area is
    // its land whatever its size: a finer outline of a small state can close
    // a few pixels that its record's bounds call too small.
    for (const auto& [a, p] : Extrafron)
        if (a == &area)
            fyll(p);
}

void CKarta::FyllAreor(const QString& key, const QColor& farg) {
    if (!Landareor)
        return;
    CKartaRingar::TPaus paus(Ringar, Canvas()); // lifted once for all the state's pieces
    for (int i = 1; i <= Landareor->Antal; ++i) {
        const CArea& a = *Landareor->Areor[i];
        if (a.Deltar && a.Matchar(key))
            FyllArea(a, farg);
    }
}

QColor CKarta::Svarsfarg(const CArea& a) const {
    if (!a.Besvarad)
        return Ovningsfarg;
    return a.Forsok >= 1 ? FargEfterForsok(a.Forsok, kLightYellow, kRed) : QColor();
}

void CKarta::FargaAreor() {
    if (!Landareor)
        return;
    CKartaRingar::TPaus paus(Ringar, Canvas()); // lifted once for all the fills
    for (int i = 1; i <= Landareor->Antal; ++i) {
        const CArea& a = *Landareor->Areor[i];
        if (!a.Deltar)
            continue;
        if (const QColor farg = Svarsfarg(a); farg.isValid())
            FyllArea(a, farg);
    }
}

void CKarta::RitaGradnat(int steg, const QColor& farg, TPenMode mode) {
    TCanvas& c = Canvas();
    CKartaRingar::TPaus paus(Ringar, c);
    c.SetPenColor(farg);
    c.SetPenStyle(TPenStyle::Solid);
    // A wide not-xor pen would flip back the pixels where two pieces of a
    // line meet, so that graticule stays one picture pixel wide.
    c.SetPenWidth(mode == TPenMode::NotXor ? 1 : Px(1));
    c.SetPenMode(mode);
    const float low = Max(VySyd, -89);
    const float high = Min(VyNord, 89);
    // Meridians in pieces of a quarter step, so they follow the curve.
    const int mFrom = Round(static_cast<double>(VyMitt) - 180) / steg;
    const int mTo = Round(static_cast<double>(VyMitt) + 180) / steg;
    for (int k = (Round(low) / steg) * 4 - 4; k <= (Round(high) / steg) * 4 + 3; ++k) {
        for (int m = mFrom; m <= mTo; ++m) {
            const float lon = static_cast<float>(m * steg);
            const float lat1 = static_cast<float>(k * steg / 4.0);
            const float lat2 = static_cast<float>(lat1 + steg / 4.0);
            const QPoint a = Punkt(lat1, lon);
            const QPoint b = Punkt(lat2, lon);
            c.MoveTo(a.x(), a.y());
            c.LineTo(b.x(), b.y());
        }
    }
    for (int k = Round(low) / steg; k <= Round(high) / steg; ++k) {
        const float lat = static_cast<float>(k * steg);
        if (lat > -90 && lat < 90) {
            const QPoint a = Punkt(lat, static_cast<float>(static_cast<double>(VyMitt) - 180));
            const QPoint b = Punkt(lat, static_cast<float>(static_cast<double>(VyMitt) + 180));
            c.MoveTo(a.x(), a.y());
            c.LineTo(b.x(), b.y());
        }
    }
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenMode(TPenMode::Copy);
    RitaRam();
}

void CKarta::RitaOrter() {
    if (!Platser)
        return;
    for (const COrt* o = Platser->Forsta.get(); o; o = o->Nasta.get())
        if (o->Deltar && !o->Besvarad)
            RitaOrt(*o, kGreen);
}

void CKarta::RitaOrt(const COrt& ort, const QColor& farg) {
    TCanvas& c = Canvas();
    // The marker's size follows the picture's width in screen pixels.
    const int r = Px(Round(W() / Pixelkvot()) / 250 + 2);
    const QPoint p = Punkt(static_cast<float>(ort.Latitud), static_cast<float>(ort.Longitud));
    const int x = p.x(), y = p.y();
    c.SetPenWidth(Px(1));
    c.SetPenColor(kWhite);
    c.SetBrushColor(farg);
    c.Ellipse(x - r, y - r, x + r, y + r);
    if (!ort.Besvarad)
        return;
    const QColor bakgrund = FargEfterForsok(ort.Forsok, kPaleYellow, RedColor);
    c.SetBrushColor(bakgrund);
    c.SetPenColor(kBlack);
    c.SetFont(QStringLiteral("Arial"), 8);
    QString namn = ort.Namn[std::clamp(LanguageIndex, 1, 8)];
    // The mark of the try goes before the name, where marks are drawn.
    if (Svarsfarger::MarkenPa())
        namn = Svarsfarger::MarkText(Svarsfarger::Mark(ort.Forsok)) + QLatin1Char(' ') + namn;
    const int tw = c.TextWidth(namn);
    const int th = c.TextHeight();
    c.Rectangle(x - tw / 2 - Px(4), y - r, x + tw / 2 + Px(4), y - r + th);
    c.SetBrushStyle(TBrushStyle::Clear);
    if (Svarsfarger::Fargblind)
        c.SetFontColor(Svarsfarger::Textfarg(bakgrund));
    c.TextOut(x - tw / 2, y - r, namn);
    c.SetFontColor(kBlack);
}

void CKarta::RitaGrund(int linjebredd) {
    // Every step after, and the clicks on what it draws, use this level.
    if (Landareor) {
        if (H() > 0 && VyNord != VySyd)
            Landareor->LasDetaljerOmBehovs(Detaljskala());
        Landareor->Niva = Detaljniva();
    }
    Rensa(); // and no rings before the fills
    Handelser();
    RitaGranser(linjebredd);
    Handelser();
    RitaVatten();
    Handelser();
    FyllHav();
    Handelser();
}

void CKarta::RitaAreaovning(int linjebredd) {
    RitaGrund(linjebredd);
    FargaAreor();
    Handelser();
    if (Gradnat) {
        RitaGradnat(10, Ovningsfarg, TPenMode::Mask);
        Handelser();
    }
    Ringar.Berakna(*this);
    Ringar.Rita(Canvas(), Pixelkvot());
    Bild->ShowChanges();
}

void CKarta::RitaOrtovning(int linjebredd) {
    RitaGrund(linjebredd);
    if (Gradnat) {
        RitaGradnat(10, kSilver, TPenMode::NotXor);
        Handelser();
    }
    RitaOrter();
    Handelser();
    Bild->ShowChanges();
}
