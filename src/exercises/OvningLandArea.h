// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <QColor>

class CArea;

// Click the named country or area on the map.
class COvningLandArea : public COvning {
public:
    QString NastaFraga() override;
    bool ArRatt(const TKlick& klick) override;
    bool Ignoreras(const TKlick& klick) override;
    void RattSvar() override;
    void FelSvar(const TKlick& klick) override;
    void Starta(TOvningsformular* formular) override;
    void Blinka() override;

    // The taking-part area under a point: the one with the smallest northern
    // bound (an enclave before the area around it), the earlier at a tie.
    CArea* AreaUnder(float lat, float lon) const;

    QString FragaNamn;
    int32_t FragaNr = 0;

private:
    void FargaAreor();
    void FyllFraga(const QColor& color);
};
