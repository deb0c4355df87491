// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovning.h"

#include "data/Errors.h"
#include "data/Language.h"
#include "data/Sound.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"
#include "platform/Color.h"
#include "scores/Tioitopp.h"

#include <QCoreApplication>
#include <cmath>

namespace {
TTopplistaVisare& Visare() {
    static TTopplistaVisare visare = [](QWidget* owner, int32_t nummer, const QString& namn,
                                        int32_t score) { ShowTopTen(owner, nummer, namn, score); };
    return visare;
}
} // namespace

TTopplistaVisare SetTopplistaVisare(TTopplistaVisare visare) {
    return std::exchange(Visare(), std::move(visare));
}

QString& COvning::Objekt(int i) {
    RangeCheck(i, 1, kMaxObjekt);
    return ObjektLista[i];
}

const QString& COvning::Objekt(int i) const {
    RangeCheck(i, 1, kMaxObjekt);
    return ObjektLista[i];
}

bool& COvning::Fragad(int i) {
    RangeCheck(i, 1, kMaxObjekt);
    return FragadLista[i];
}

const QString& COvning::NamnNu() const {
    RangeCheck(LanguageIndex, 1, kLanguageCount);
    return Namn[LanguageIndex];
}

bool COvning::Ignoreras(const TKlick&) {
    return false;
}

void COvning::Handelser() {
    QCoreApplication::processEvents();
}

void COvning::BeraknaProcent() {
    const long double kvot = static_cast<long double>(Svarat - Fel) / Svarat;
    Procent = static_cast<int32_t>(std::nearbyintl(kvot * 100)); // halves to even
}

void COvning::RattSvar() {
    if (!Slut) {
        ++Svarat;
        BeraknaProcent();
        if (Formular)
            Formular->VisaProcent(Procent);
    }
    PlaySound(QStringLiteral("Plopp4.WAV"), 1);
}

void COvning::FelSvar(const TKlick& klick) {
    if (Slut || Ignoreras(klick))
        return;
    ++Fel;
    ++Svarat;
    ++FelDenna;
    BeraknaProcent();
    if (Formular)
        Formular->VisaProcent(Procent);
    PlaySound(QStringLiteral("Rassel11.WAV"), 2);
}

void COvning::Starta(TOvningsformular* formular) {
    Slut = false;
    GlobinaRandom::Randomize();
    Formular = formular;
    Svarat = Fel = Fragor = FelDenna = 0;
    if (Karta) {
        if (Karta->Landareor)
            Karta->Landareor->Nollstall();
        if (Karta->Platser)
            Karta->Platser->Nollstall();
        Karta->VyMitt = static_cast<float>(VyMitt);
        Karta->VyNord = static_cast<float>(VyNord);
        Karta->VySyd = static_cast<float>(VySyd);
        if (Ovningsfarg != 0)
            Karta->Ovningsfarg = ColorFromBgr(Ovningsfarg);
        if (Vattenfarg != 0)
            Karta->Vattenfarg = ColorFromBgr(Vattenfarg);
        if (Landfarg != 0)
            Karta->Landfarg = ColorFromBgr(Landfarg);
        MarkeraObjekt();
    }
    Blinklage = 0;
}

void COvning::MarkeraObjekt() {
    if (Karta->Landareor)
        for (int i = 1; i <= Antal; ++i)
            Karta->Landareor->Markera(Objekt(i));
    if (Karta->Platser)
        for (int i = 1; i <= Antal; ++i)
            Karta->Platser->Valj(Objekt(i), Niva, KravPlats1, KravPlats2);
}

void COvning::VisaTopplista(int32_t score, QWidget* owner) {
    Visare()(owner, Nummer, NamnNu(), score);
}
