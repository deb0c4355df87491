// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <QColor>

class COrt;

// Click the named place on the map; the nearest marker counts.
class COvningOrt : public COvning {
public:
    QString NastaFraga() override;
    bool ArRatt(const TKlick& klick) override;
    bool Ignoreras(const TKlick& klick) override;
    void RattSvar() override;
    void FelSvar(const TKlick& klick) override;
    void Starta(TOvningsformular* formular) override;
    void Blinka() override;

    // The taking-part place nearest to the point on the picture (answered or
    // not), the earlier at equal distance; none beyond 10000 pixels.
    COrt* NarmasteOrt(float lat, float lon) const;

    COrt* Plats = nullptr; // not owned

private:
    void RitaPlats(const QColor& color);
    void RitaOrter();
};
