// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <QColor>

#include <array>

class COrt;

// Choose the right answer among four boxes: the country of a named place, or
// the place (capital) of a named country.
class COvningMulti : public COvning {
public:
    QString NastaFraga() override;
    bool ArRatt(const TKlick& klick) override;
    void RattSvar() override;
    void FelSvar(const TKlick& klick) override;
    void Starta(TOvningsformular* formular) override;
    void Blinka() override;

    int32_t RattPlats = 0;
    COrt* Plats = nullptr; // not owned
    bool Blinkat = false;
    std::array<QString, 5> Svar; // boxes 1..4
    // The item each box stands for: the area named, or the country of the
    // place named.
    std::array<QString, 5> SvarNyckel;

protected:
    std::pair<QString, QString> Givet(const TKlick& klick) const override;

private:
    QString AreaNamn(const QString& key) const;
    // The last item that is a group key of the place; empty if none.
    QString ObjektFor(const COrt* ort) const;
    QString SlumpaFelSvar(int kind, QString& nyckel) const;
    void Rita(int box, const QColor& color);
};
