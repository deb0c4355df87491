// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovning.h"

#include "platform/Audio.h"

#include "data/Errors.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/OvningBlandad.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"
#include "platform/Color.h"
#include "scores/Misstagsregister.h"
#include "scores/ScoreFile.h"
#include "scores/Tioitopp.h"

#include <QCoreApplication>
#include <cmath>

namespace {
TTopplistaVisare& Visare() {
    static TTopplistaVisare visare = [](QWidget* owner, int32_t nummer, const QString& namn,
                                        int32_t score, TAudio* ljud) {
        ShowTopTen(owner, nummer, namn, score, ljud);
    };
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

void COvning::VisaProcenten() {
    if (Helhet)
        Helhet->Rakna();
    else if (Formular)
        Formular->VisaProcent(Procent);
}

bool COvning::Fragas(const QString& key) const {
    return Ovningsobjekt.isEmpty() || Ovningsobjekt.contains(key);
}

int COvning::ForstIOrdning(int antal) {
    if (!Repetition)
        return 0;
    for (const QString& key : Ovningsobjekt)
        for (int i = 1; i <= antal; ++i)
            if (!Fragad(i) && Objekt(i) == key)
                return i;
    return 0;
}

void COvning::LoggaFraga(const QString& objekt, const QString& namn) {
    TFragaLogg fraga;
    fraga.Objekt = objekt;
    fraga.Namn = namn;
    fraga.Ovning = Nummer;
    fraga.Typ = Typ;
    Logg.Fragor.push_back(std::move(fraga));
}

void COvning::RattSvar() {
    if (!Slut) {
        if (!Logg.Fragor.empty() && Logg.Fragor.back().Forsok == 0)
            Logg.Fragor.back().Forsok = FelDenna + 1;
        ++Svarat;
        BeraknaProcent();
        VisaProcenten();
    }
    PlayEffect(Ljud, TAudio::TEffect::Right);
    // The answer enters the record now, while the effect sounds: a game cut
    // short keeps it.
    if (!Slut && !Logg.Fragor.empty())
        SparaSvar(Logg, Logg.Fragor.back());
}

void COvning::FragaForst() {
    const QString text = NastaFraga();
    if (Formular)
        Formular->VisaFraga(text);
}

void COvning::VisaKartan(TOvningsformular* formular) {
    if (auto* kf = dynamic_cast<TKartformular*>(formular))
        Karta->Bild = kf->Kartbild();
    Karta->BeraknaSkala();
    if (Karta->VyNord == 0 && Karta->VySyd == 0)
        Karta->AnpassaVy();
    if (Karta->Bild)
        RitaKartan();
}

void COvning::Blinka() {
    if (Blinklage == 1) {
        RitaSvaret(GreenColor);
        Blinklage = 2;
    } else if (Blinklage == 2 && FelDenna > 3) {
        RitaSvaret(Markerar() ? Markfarg() : Omarkerad());
        Blinklage = 1;
    }
}

void COvning::RitaOm() {
    if (!Karta || !Karta->Bild)
        return;
    RitaKartan();
    if (Blinklage == 2)
        RitaSvaret(GreenColor); // the answer is being shown
    else
        MarkeraFragan();
}

void COvning::MarkeraFragan() {
    if (Markerar() && !Slut && Karta && Karta->Bild && Blinklage != 2)
        RitaSvaret(Markfarg());
}

void COvning::FelSvar(const TKlick& klick) {
    if (Slut || Ignoreras(klick))
        return;
    ++Fel;
    ++Svarat;
    ++FelDenna;
    if (!Logg.Fragor.empty() && Logg.Fragor.back().Forsok == 0) {
        auto [nyckel, namn] = Givet(klick);
        Logg.Fragor.back().Givet << nyckel;
        Logg.Fragor.back().GivetNamn << namn;
    }
    BeraknaProcent();
    VisaProcenten();
    PlayEffect(Ljud, TAudio::TEffect::Wrong);
}

void COvning::Starta(TOvningsformular* formular) {
    Slut = false;
    GlobinaRandom::Randomize();
    Formular = formular;
    Svarat = Fel = Fragor = FelDenna = 0;
    Logg = TSpelLogg();
    Logg.Ovning = Nummer;
    Logg.Typ = Typ;
    Logg.Varldsdel = Varldsdel;
    Logg.Ovningsspel = Ovningsspel();
    Logg.Repetition = Ovningsspel() && Repetition;
    Logg.Post = &Misstagsregister(); // the player's who starts it, whoever plays next
    if (Karta && Helhet) {
        MarkeraObjekt(); // beside the other shares' items, on the whole game's map
    } else if (Karta) {
        if (Karta->Landareor)
            Karta->Landareor->Nollstall();
        if (Karta->Platser)
            Karta->Platser->Nollstall();
        Karta->VyMitt = static_cast<float>(VyMitt);
        Karta->VyNord = static_cast<float>(VyNord);
        Karta->VySyd = static_cast<float>(VySyd);
        Karta->Narmare = false;
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

QString COvning::Skrivfraga(int text, const char* reserv) {
    const QString& t = LangText(text);
    return t.isEmpty() ? QString::fromLatin1(reserv) : t;
}

int32_t COvning::Topplistenummer() const {
    return ScoreListNumber(Nummer, static_cast<int>(Svarssatt));
}

void COvning::VisaTopplista(int32_t score, QWidget* owner) {
    QString namn = NamnNu();
    if (Markerar())
        namn += QStringLiteral(" \u2013 ") + SvarssattText(Svarssatt);
    Visare()(owner, Topplistenummer(), namn, score, Ljud);
}

QString SvarssattText(TSvarssatt satt) {
    switch (satt) {
    case TSvarssatt::Skriva:
        return LangText(TextNo::AnswerByTyping);
    case TSvarssatt::Fyra:
        return COvning::Skrivfraga(TextNo::AnswerByChoosing, "Four choices");
    case TSvarssatt::Huvudstad:
        return COvning::Skrivfraga(TextNo::CapitalsFromTheMap, "Capitals from the map");
    case TSvarssatt::Klicka:
        break;
    }
    return LangText(TextNo::AnswerByClicking);
}
