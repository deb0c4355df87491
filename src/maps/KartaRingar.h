// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class CArea;
class CKarta;
class TCanvas;

// Targets for the states that are too small to click at the map's present
// view: a ring of fixed size on the screen round a point inside the state,
// in the colour the state's areas were last painted. A state is every area
// record with one key. The rings lie over the picture and are lifted off
// while flood fills run, so that no fill ever sees them.
class CKartaRingar {
public:
    // A state whose largest piece on the picture is under this many screen pixels
    // gets a ring; the ring's outer radius and the reach of a click on it.
    static constexpr int kGrans = 9;
    static constexpr int kRadie = 8;
    static constexpr int kRackvidd = 10;

    struct TRing {
        QString Nyckel; // the key the state answers to
        CArea* Area;    // the state's largest record, which answers for it
        QPoint Mitt;    // picture pixels
        QColor Farg;
    };

    // The rings of the states the map is told of (its Stater) at its view,
    // not yet drawn.
    void Berakna(const CKarta& karta);
    // The size on the picture, in pixels, of the smallest of those states'
    // largest pieces at the map's view (0: no state).
    static double MinstaStat(const CKarta& karta);
    // No rings: the picture they lay on is gone.
    void Glom();
    // The state of the ring nearest to picture pixel p, within reach; null
    // where no ring is.
    CArea* Traff(QPoint p, qreal kvot) const;
    // The state of the area is now painted in this colour.
    void SattFarg(const CArea& area, const QColor& farg);
    const std::vector<TRing>& Lista() const { return ringar_; }

    // Draws the rings, keeping the pixels beneath; TaBort puts those back.
    void Rita(TCanvas& c, qreal kvot);
    void TaBort(TCanvas& c);

    // The rings off the picture for as long as it lives, back on after,
    // drawn in their colours of then; nests.
    class TPaus {
    public:
        TPaus(CKartaRingar& r, TCanvas& c);
        ~TPaus();
        TPaus(const TPaus&) = delete;
        TPaus& operator=(const TPaus&) = delete;

    private:
        CKartaRingar& r_;
        TCanvas& c_;
        bool lyfte_;
    };

private:
    // Each of the map's states: its outer box and its largest record.
    struct TStat {
        double nord, syd, ost, vast;
        CArea* storst;
    };
    static std::vector<TStat> Stater(const CKarta& karta);
    // The largest piece's width or height on the picture, whichever is more,
    // in whole pixels as the rings are decided, or exact.
    static double Storlek(const CKarta& karta, const CArea& storst, bool exakt);

    std::vector<TRing> ringar_;
    std::vector<std::pair<QRect, std::vector<QRgb>>> under_; // per ring drawn, in order
    qreal kvot_ = 1;
    bool ritade_ = false;
};
