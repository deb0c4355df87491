// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Namnmatchning.h"
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

    // The taking-part area under a point: the one with the smallest northern
    // bound (an enclave before the area around it), the earlier at a tie.
    CArea* AreaUnder(float lat, float lon) const;
    // The area an answer gives: the one clicked, or the one a typed name names.
    const CArea* Svarsarea(const TKlick& klick) const;
    QStringList Kompletteringar(const QString& text) const override;
    QString FragatNamn() const override;

    QString FragaNamn;
    int32_t FragaNr = 0;

protected:
    std::pair<QString, QString> Givet(const TKlick& klick) const override;
    void RitaKartan() override;
    // Fills the asked area.
    void RitaSvaret(const QColor& color) override;
    QColor Omarkerad() const override { return QColor(0, 128, 0); }

private:
    // The names a typed answer is matched against: the items with an area.
    CNamnmatchning matchning_;
    QStringList matchadeObjekt_; // the item of each of matchning_'s
    // The item that the area stands for; empty when it stands for none.
    QString ObjektFor(const CArea* area) const;
    void FargaAreor();
};
