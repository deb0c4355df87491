// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Misstagsregister.h"

#include <QColor>
#include <QDate>
#include <QWidget>
#include <memory>
#include <vector>

class CArea;
class CKarta;
class COvning;
class QLabel;
class TImage;

// What the player knows of a part of the world: the map of an area
// exercise, drawn as the exercise draws it, with each of its areas coloured
// by the chance that the player recalls it today (grey: never asked), a
// legend below it, and the area's recall and last answer at the pointer.
class TKunskapskarta : public QWidget {
    Q_OBJECT
public:
    explicit TKunskapskarta(QWidget* parent = nullptr);
    ~TKunskapskarta() override;

    // Draws the exercise's map with the memory states of one way of asking;
    // data-file errors are passed on. Without an exercise the map is empty.
    // The same exercise at the same size is drawn again on the map read
    // before (another way of asking), not read afresh.
    void Visa(const COvning* ovning, const std::vector<TMinnesrad>& minnen, const QDate& idag);

    // The colour of a recall probability, 0..1: a sequential scale from dark
    // brown (forgotten) to pale yellow (known) that readers with any common
    // colour-vision deficiency still see in order.
    static QColor Farg(double aterkallning);
    static const QColor kAldrigFragad;

    // What the pointer at pixel p of the map names; empty off the areas.
    QString Beskrivning(const QPoint& p) const;
    // An area's recall today (negative: never asked).
    double Aterkallning(const CArea& area) const;

    TImage* imgKarta;
    QLabel* lblSkala;

private:
    const TMinnesrad* Rad(const CArea& area) const;
    void RitaSkala();

    // Reads the exercise's map and sets it out at the view of the game.
    void LasKartan(const COvning& ovning);

    std::unique_ptr<CKarta> karta_;
    int32_t kartansOvning_ = 0; // the exercise karta_ was read for
    std::vector<TMinnesrad> minnen_;
    QDate idag_;
};
