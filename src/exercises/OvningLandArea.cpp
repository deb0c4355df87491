// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningLandArea.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"

namespace {

TKartformular* Kartformular(TOvningsformular* f) {
    return dynamic_cast<TKartformular*>(f);
}

QString NamnAv(const CArea* area) {
    return area ? area->Namn[LanguageIndex] : QString();
}

} // namespace

CArea* COvningLandArea::AreaUnder(float lat, float lon) const {
    if (!Karta || !Karta->Landareor)
        return nullptr;
    CArea* best = nullptr;
    const CAreor& areor = *Karta->Landareor;
    for (int i = 1; i <= areor.Antal; ++i) {
        CArea& a = areor.Area(i);
        if (a.Deltar && PunktIYta(lat, lon, a.Punkter, a.Antal) && (!best || a.Nord < best->Nord))
            best = &a;
    }
    return best;
}

void COvningLandArea::FargaAreor() {
    if (Karta && Karta->Bild)
        Karta->FargaAreor();
}

void COvningLandArea::FyllFraga(const QColor& color) {
    if (Karta && Karta->Bild)
        Karta->FyllAreor(FragaNamn, color);
}

void COvningLandArea::Starta(TOvningsformular* formular) {
    for (int i = 1; i <= Antal; ++i)
        Fragad(i) = false;
    COvning::Starta(formular);
    if (Karta) {
        // An item that names no area of this map could never be answered, so
        // it is not asked and the game can still end.
        for (int i = 1; i <= Antal; ++i) {
            const CArea* area = Karta->Landareor ? Karta->Landareor->Hitta(Objekt(i)) : nullptr;
            bool marked = false;
            if (Karta->Landareor)
                for (int k = 1; k <= Karta->Landareor->Antal && !marked; ++k) {
                    const CArea& a = Karta->Landareor->Area(k);
                    marked = a.Deltar && a.Matchar(Objekt(i));
                }
            if (!area || !marked) {
                Fragad(i) = true;
                ++Fragor;
            }
        }
        if (auto* kf = Kartformular(formular))
            Karta->Bild = kf->Kartbild();
        Karta->BeraknaSkala();
        if (Karta->VyNord == 0 && Karta->VySyd == 0)
            Karta->AnpassaVy();
        if (Karta->Bild)
            Karta->RitaAreaovning(Linjebredd);
    }
    const QString text = NastaFraga();
    if (Formular)
        Formular->VisaFraga(text);
}

QString COvningLandArea::NastaFraga() {
    if (Fragor >= Antal) {
        FargaAreor();
        return QString();
    }
    FelDenna = 0;
    ++Fragor;
    do {
        const int k = GlobinaRandom::Random(Antal) + 1;
        FragaNr = k;
        FragaNamn = Objekt(k);
    } while (Fragad(FragaNr));
    FargaAreor();
    const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(FragaNamn) : nullptr;
    return LangText(9) + QLatin1Char(' ') + NamnAv(area);
}

bool COvningLandArea::ArRatt(const TKlick& klick) {
    const CArea* area = AreaUnder(klick.Lat, klick.Lon);
    return area && area->Matchar(FragaNamn);
}

bool COvningLandArea::Ignoreras(const TKlick& klick) {
    const CArea* area = AreaUnder(klick.Lat, klick.Lon);
    return area && area->Besvarad;
}

void COvningLandArea::RattSvar() {
    COvning::RattSvar();
    ++Svarat; // from now on a right answer weighs two
    FyllFraga(GreenColor);
    if (auto* kf = Kartformular(Formular))
        kf->VisaNamn(QString(), 0, 0, false);
    if (Karta && Karta->Landareor)
        Karta->Landareor->SattBesvarad(FragaNamn, FelDenna + 1);
    Fragad(FragaNr) = true;
}

void COvningLandArea::FelSvar(const TKlick& klick) {
    const CArea* under = AreaUnder(klick.Lat, klick.Lon);
    QString key;
    if (under)
        for (int i = 1; i <= Antal; ++i)
            if (under->Matchar(Objekt(i))) {
                key = Objekt(i);
                break;
            }
    const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(key) : nullptr;
    if (area) {
        const QString name = NamnAv(area);
        COvning::FelSvar(klick);
        if (auto* kf = Kartformular(Formular); kf && Karta->Bild)
            kf->VisaNamn(name, Karta->XKoord(klick.Lat, klick.Lon), Karta->YKoord(klick.Lat), true);
    }
    if (FelDenna == 3)
        Blinklage = 1;
}

void COvningLandArea::Blinka() {
    if (Blinklage == 1) {
        FyllFraga(GreenColor);
        Blinklage = 2;
    } else if (Blinklage == 2 && FelDenna > 3) {
        FyllFraga(QColor(0, 128, 0));
        Blinklage = 1;
    }
}
