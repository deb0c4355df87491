// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/Fokusordning.h"

#include <QWidget>
#include <optional>

class QPainter;
class QPainterPath;

// A transparent layer that takes the keyboard for the targets of a screen
// (the map's items, the flag sheet's flags): mouse events pass through it. Tab
// and Shift+Tab step its ring among the targets (Stega) and, past the last or
// before the first, go on to the screen's other controls with the ring
// hidden; a Tab into the layer puts the ring on the first target (Shift+Tab:
// the last).
class TFokusring : public QWidget {
public:
    explicit TFokusring(QWidget* parent);

    // The next (or previous) target; false at the end, the ring left where
    // it was. Shows the ring first if it is not shown.
    virtual bool Stega(bool framat) = 0;

protected:
    // A Tab into the layer, the ring hidden: on the first or last target.
    virtual void Borja(bool framat) = 0;

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    // The way an arrow key goes; none for another key.
    static std::optional<Fokusordning::TRiktning> Pil(int key);
    // The ring, black under white so that it shows on every colour; rounded
    // (round joins) round a map's item, square round a cell.
    static void RitaRing(QPainter& p, const QPainterPath& form, bool rund);

    bool visas_ = false; // the ring is drawn once a key has moved it
};
