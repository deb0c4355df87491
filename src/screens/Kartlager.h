// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/MapMath.h"
#include "screens/Fokusordning.h"
#include "screens/Fokusring.h"

#include <QPainterPath>
#include <QString>
#include <functional>
#include <vector>

class CArea;
class CKarta;
class COrt;
class COvning;

// A layer over the map picture of the map screen, for a player without a
// mouse or without colour. It lets no mouse event through to itself, and it
// draws nothing into the picture, so the fills and the rings of the map are
// never in its way:
// - the marks on answered areas (Svarsfarger.h), where they are chosen;
// - the keyboard's focus ring round one of the targets, the items still to
//   answer: Tab and Shift+Tab visit them in the order of Fokusordning,
//   reading the map from north to south in eight bands of the exercise's own
//   view, west to east in each; an arrow goes to the nearest target that
//   way; Enter or Space answers as a click on the target would. Tab past the
//   last target (Shift+Tab before the first) goes on to the screen's other
//   controls. The ring shows once a key has moved it and hides when the map
//   is clicked or the focus leaves it; the view follows it when closer.
// The map screen owns it; it holds the map and the exercise it is given.
class TKartlager : public TFokusring {
    Q_OBJECT
public:
    explicit TKartlager(QWidget* parent);

    // The map and the exercise now shown (null: none), and a new game at the
    // exercise's own view: the Tab bands are taken from it.
    void NyttSpel(const CKarta* karta, COvning* ovning);
    // Targets and marks afresh, after an answer or a change of view.
    void Uppdatera();
    // The ring off, as a click on the map puts it.
    void DoljRing();

    struct TMal {
        QString Nyckel;
        TLatLon Punkt;               // inside its largest piece, or the place
        const CArea* Area = nullptr; // the largest piece; null for a place
        const COrt* Ort = nullptr;
    };
    // The targets in Tab order.
    const std::vector<TMal>& Mal() const { return mal_; }
    // The target of the ring, -1 for none; whether the ring is drawn.
    int Aktuell() const { return aktuell_; }
    QString AktuellNyckel() const;
    bool RingVisas() const { return visas_ && aktuell_ >= 0; }
    // Tab: the next (or the previous) target; false at the end, the ring
    // left where it was. Shows the ring first if it is not shown.
    bool Stega(bool framat) override;
    // An arrow: the nearest target that way; false where none is.
    bool Ga(Fokusordning::TRiktning riktning);
    // Puts the ring on the target with the key; false where none has it.
    bool Valj(const QString& nyckel);
    // The picture pixel where a click answers for the target.
    QPoint Klickpunkt(const TMal& mal) const;

    // Enter: answer with a click at the picture pixel.
    std::function<void(QPoint)> Svara;
    // The ring went to a target outside the view: bring the point into it.
    std::function<void(TLatLon)> Visa;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void Borja(bool framat) override;

private:
    // A point of the map in this widget's pixels.
    QPointF Kontroll(TLatLon p) const;
    QPointF Kontroll(double lat, double lon) const;
    bool Omradesspel() const;
    void Flyttad();
    // Repaints where the ring was drawn and where it is to be, not the whole
    // map under this layer.
    void RingAndrad();
    // The point for the ring and the mark of a state: the middle of its
    // largest piece's box where the piece holds it, else its seed.
    static TLatLon Mittpunkt(const CArea& area);
    // The ring round the target, in this widget's pixels.
    QPainterPath Ringform(const TMal& mal) const;
    void RitaMarken(class QPainter& p) const;
    // A state's ring of the small states, or null.
    bool Smaring(const CArea* area, QPointF* mitt) const;

    const CKarta* karta_ = nullptr;
    COvning* ovning_ = nullptr;
    std::vector<TMal> mal_;
    // Each item of an area game with its largest taking-part piece, in item
    // order, answered or not: the targets and the marks are taken from it.
    std::vector<std::pair<QString, const CArea*>> storsta_;
    int aktuell_ = -1;
    QRect ringRuta_;      // where the ring was last painted; empty: nowhere
    double bandhojd_ = 0; // degrees of latitude
    double mitt_ = 0;     // the own view's middle longitude
};
