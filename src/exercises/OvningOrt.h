// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Namnmatchning.h"
#include "exercises/Ovning.h"

#include <QColor>
#include <vector>

class CKarta;
class COrt;

// A place as the game log and practice name it: its English name, the same
// in every language of the program.
QString OrtNyckel(const COrt& ort);

// The taking-part place of the map nearest to the point on its picture
// (answered or not), the earlier at equal distance; none beyond 10000
// pixels, and none on a map without a picture.
COrt* NarmasteOrt(const CKarta* karta, float lat, float lon);

// Click the named place on the map; the nearest marker counts.
class COvningOrt : public COvning {
public:
    void Starta(TOvningsformular* formular) override;
    QString NastaFraga() override;
    bool ArRatt(const TKlick& klick) override;
    bool Ignoreras(const TKlick& klick) override;
    void RattSvar() override;
    void FelSvar(const TKlick& klick) override;

    // The taking-part place nearest to the point on the picture (answered or
    // not), the earlier at equal distance; none beyond 10000 pixels.
    COrt* NarmasteOrt(float lat, float lon) const;
    // The place an answer gives: the nearest to the click, or the one a
    // typed name names.
    COrt* Svarsort(const TKlick& klick) const;
    QStringList Kompletteringar(const QString& text) const override;
    QString FragatNamn() const override;

    // Every marker of the game, the places still to answer in the colour,
    // and the answered places with their names.
    void RitaPlatser(const QColor& farg);

    COrt* Plats = nullptr; // not owned

protected:
    // The markers, the answered places with their names in yellow.
    void RitaKartan() override;
    // Draws the asked place's marker.
    void RitaSvaret(const QColor& color) override;
    QColor Omarkerad() const override { return QColor(0, 0, 0); }
    std::pair<QString, QString> Givet(const TKlick& klick) const override;

private:
    void RitaOrter();
    void RitaBesvarade();
    // The names a typed answer is matched against: the places of the game.
    CNamnmatchning matchning_;
    std::vector<COrt*> matchadeOrter_; // not owned
};
