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

private:
    QString AreaNamn(const QString& key) const;
    QString SlumpaFelSvar(int kind) const;
    void Rita(int box, const QColor& color);
};
