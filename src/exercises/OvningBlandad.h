// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <memory>

class COvningLandArea;
class COvningOrt;

// One game on one map that asks the items of an area exercise and of a place
// exercise of that map (today's review: what is due there, of both kinds).
// Each question is asked, judged and drawn by the exercise it belongs to;
// this game keeps the one count, clock and log of the whole, and the map
// shows the areas as the area exercise draws them with the places on top.
// It is always a practice game: its items are given.
class COvningBlandad : public COvning {
public:
    // Plays copies of the two catalogue entries, so that the entries
    // themselves stay free for games of their own.
    COvningBlandad(const COvningLandArea& areor, const COvningOrt& orter);
    ~COvningBlandad() override;

    void Starta(TOvningsformular* formular) override;
    QString NastaFraga() override;
    bool ArRatt(const TKlick& klick) override;
    bool Ignoreras(const TKlick& klick) override;
    void RattSvar() override;
    void FelSvar(const TKlick& klick) override;
    void Blinka() override;
    QStringList Kompletteringar(const QString& text) const override;
    QString FragatNamn() const override;
    COvning* Fragande() override;

    // A share counted an answer: the whole game's count and percentage,
    // shown.
    void Rakna();

    COvningLandArea& Areor() const { return *areor_; }
    // What "Print this view" prints of the game: the areas of the map.
    std::shared_ptr<COvning> Utskrift() const;
    COvningOrt& Orter() const { return *orter_; }

protected:
    std::pair<QString, QString> Givet(const TKlick& klick) const override;
    void RitaKartan() override;
    void RitaSvaret(const QColor& color) override;

private:
    // Whether the share still has the item to ask.
    bool Vantar(const COvning* andel, const QString& key) const;
    // Which share asks next: in a review game the one that holds the first
    // item of the order still to ask, else one at random by what each has left.
    COvning* Nasta() const;
    // The share's state as this game's before a call, and this game's as
    // the share's after it.
    void Till(COvning& andel) const;
    void Fran(const COvning& andel);
    void Summera();
    // The places over what an area's drawing covered.
    void RitaPlatserna();

    std::shared_ptr<COvningLandArea> areor_;
    std::shared_ptr<COvningOrt> orter_;
    bool areorMed_ = false;
    bool orterMed_ = false;
    COvning* aktuell_ = nullptr; // the share whose question is asked
    QStringList givna_;          // the items it was made with, for a start without
    bool repetition_ = false;
};
