// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/Fokusring.h"

#include <QRectF>
#include <functional>
#include <utility>
#include <vector>

// The keyboard's focus ring over the flag sheet: Tab and Shift+Tab visit the
// flags still to answer row by row, an arrow goes to the nearest one that
// way, Enter or Space answers as a click on it would. Tab past the last flag
// goes on to the screen's buttons. Mouse events pass through to the sheet.
class TFlaggfokus : public TFokusring {
    Q_OBJECT
public:
    explicit TFlaggfokus(QWidget* parent);

    // The flags that can be answered: the cell's number and its rectangle in
    // this widget's pixels, row by row.
    std::function<std::vector<std::pair<int, QRectF>>()> Rutor;
    // Enter on the cell.
    std::function<void(int)> Svara;

    // The cell the ring is on (0: none), and whether it is drawn.
    int Aktuell() const { return aktuell_; }
    bool RingVisas() const { return visas_ && aktuell_ > 0; }
    // The ring to the next cell left (or the first), after an answer or a
    // new game; hidden on a new game.
    void Uppdatera(bool nyttSpel = false);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void Borja(bool framat) override;

private:
    bool Stega(bool framat) override;
    int aktuell_ = 0;
};
