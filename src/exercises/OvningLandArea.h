// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Namnmatchning.h"
#include "exercises/Ovning.h"

#include "scores/Misstagsregister.h"

#include <QColor>
#include <QHash>
#include <array>
#include <vector>

class CArea;
class COrt;

// Click the named country or area on the map, or name the marked one (typed
// or among four choices), or find its capital.
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
    // The area a click or a typed name gives (the ways that name the area
    // itself; four choices and capitals judge by SvarsObjekt).
    const CArea* Svarsarea(const TKlick& klick) const;
    QStringList Kompletteringar(const QString& text) const override;
    QString FragatNamn() const override;
    QStringList Svarsval() const override;
    // Four choices: the box (1..4) that names the asked area, and whether
    // box n was chosen wrong for this question.
    int RattVal() const;
    bool ValtFel(int n) const;
    // A capitals game: the first capital of the asked area.
    COrt* Huvudstad() const;
    // A capitals game: every capital drawn again, over what the screen
    // drew on the map (the asked area's outline); the asked one green while
    // the answer is shown.
    void RitaHuvudstaderOvanpa();

    QString FragaNamn;
    int32_t FragaNr = 0;

protected:
    std::pair<QString, QString> Givet(const TKlick& klick) const override;
    void RitaKartan() override;
    // Fills the asked area.
    void RitaSvaret(const QColor& color) override;
    QColor Omarkerad() const override { return QColor(0, 128, 0); }

private:
    // The names a typed answer is matched against: the items with an area,
    // in a capitals game their capitals.
    CNamnmatchning matchning_;
    QStringList matchadeObjekt_; // the item of each of matchning_'s
    // The item that the area stands for; empty when it stands for none.
    QString ObjektFor(const CArea* area) const;
    // The item whose capital the place is; empty when it is none's.
    QString ObjektForOrt(const COrt* ort) const;
    // The item an answer of the four choices or of a capitals game gives.
    QString SvarsObjekt(const TKlick& klick) const;
    void FargaAreor();
    // A capitals game: its places are the capitals of its items.
    void ValjHuvudstader();
    // The capitals of the item, drawn in the colour.
    void RitaHuvudstader(const QString& key, const QColor& color);
    // A four-choice question: the asked area and its three likeliest
    // confusions, in the order of their names.
    void NyaVal();
    std::array<QString, 4> valNyckel_;
    std::array<QString, 4> valNamn_;
    std::array<bool, 4> valFel_{};
    std::vector<TForvaxling> forvaxlingar_; // the record's, read at the start
    QHash<const COrt*, QString> ortObjekt_; // a capitals game's ObjektForOrt, per capital
};
