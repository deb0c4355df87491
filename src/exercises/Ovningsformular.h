// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class COvning;
class TImage;
struct TKlick;

// The exercise screen as the exercises see it.
class TOvningsformular : public QWidget {
public:
    using QWidget::QWidget;

    enum class TSvar { Fel, Ratt, Slut };
    // An answer, as every exercise screen takes one: judged, counted, the
    // next question shown, and after the last the game's end (the exercise
    // marked Slut, Avsluta called). After the end an answer only names what
    // was given.
    TSvar Svara(COvning& ovning, const TKlick& klick);

    // Shows the question; the map screen takes "-" to mean that there is none.
    virtual void VisaFraga(const QString& text) = 0;
    // Shows the running percentage.
    virtual void VisaProcent(int32_t percent) = 0;

protected:
    // The screen's own part of an answer: before a right one is counted,
    // once it is (before the next question), and before a wrong one is.
    virtual void FoRatt(const TKlick&) {}
    virtual void EfterRatt() {}
    virtual void FoFel(const TKlick&) {}
    // The last question is answered: the clock, the top ten and the review.
    virtual void Avsluta(COvning& ovning) = 0;
};

// What the area and place exercises need of the map screen.
class TKartformular : public TOvningsformular {
public:
    using TOvningsformular::TOvningsformular;

    // The map picture, which the exercise makes the map's drawing surface.
    virtual TImage* Kartbild() = 0;
    // Shows the text in the name label centred on the picture pixel (x, y), or
    // hides the label.
    virtual void VisaNamn(const QString& text, int32_t x, int32_t y, bool show) = 0;
};

// What the multiple-choice exercise needs of its screen.
class TMultiformular : public TOvningsformular {
public:
    using TOvningsformular::TOvningsformular;

    // Answer box n, 1..4.
    virtual TImage* Svarsbild(int n) = 0;
    // Repaints the whole box in the colour with the text centred in it.
    virtual void RitaSvar(TImage* box, const QColor& color, const QString& text) = 0;
};
