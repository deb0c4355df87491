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
    // A state too small to click at this view answers within its ring.
    if (Karta->Bild && Karta->VyNord != Karta->VySyd)
        if (CArea* ring = Karta->Ringar.Traff(QPoint(Karta->XKoord(lat, lon), Karta->YKoord(lat)),
                                              Karta->Pixelkvot()))
            return ring;
    return Karta->Landareor->Under(lat, lon, [](const CArea& a) { return a.Deltar; });
}

const CArea* COvningLandArea::Svarsarea(const TKlick& klick) const {
    if (!klick.Skrivet)
        return AreaUnder(klick.Lat, klick.Lon);
    const int i = matchning_.Matcha(klick.Namn);
    return i >= 0 && Karta && Karta->Landareor ? Karta->Landareor->Hitta(matchadeObjekt_[i])
                                               : nullptr;
}

QStringList COvningLandArea::Kompletteringar(const QString& text) const {
    return matchning_.Kompletteringar(text);
}

QString COvningLandArea::FragatNamn() const {
    return NamnAv(Karta && Karta->Landareor ? Karta->Landareor->Hitta(FragaNamn) : nullptr);
}

void COvningLandArea::FargaAreor() {
    if (Karta && Karta->Bild)
        Karta->FargaAreor();
}

void COvningLandArea::RitaSvaret(const QColor& color) {
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
            // A practice game asks only its own items; the others stay on
            // the map, so a click on one still counts as the confusion it is.
            if ((!area || !marked || !Fragas(Objekt(i))) && !Fragad(i)) {
                Fragad(i) = true;
                ++Fragor;
            }
        }
        Karta->Stater.clear();
        for (int i = 1; i <= Antal; ++i)
            Karta->Stater << Objekt(i);
        // Every item of the map can be named, asked in this game or not, so
        // that naming one of the others counts as that confusion.
        matchning_ = CNamnmatchning();
        matchadeObjekt_.clear();
        for (int i = 1; i <= Antal; ++i)
            if (const CArea* area =
                    Karta->Landareor ? Karta->Landareor->Hitta(Objekt(i)) : nullptr) {
                QStringList namn{area->Namn[LanguageIndex]};
                for (int s = 1; s <= kLanguageCount; ++s)
                    namn << area->Namn[s];
                matchning_.LaggTill(namn);
                matchadeObjekt_ << Objekt(i);
            }
        VisaKartan(formular);
    }
    FragaForst();
}

QString COvningLandArea::NastaFraga() {
    if (Fragor >= Antal) {
        FargaAreor();
        return QString();
    }
    FelDenna = 0;
    ++Fragor;
    if (const int k = ForstIOrdning(Antal)) {
        FragaNr = k;
        FragaNamn = Objekt(k);
    } else {
        do {
            const int k = GlobinaRandom::Random(Antal) + 1;
            FragaNr = k;
            FragaNamn = Objekt(k);
        } while (Fragad(FragaNr));
    }
    FargaAreor();
    const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(FragaNamn) : nullptr;
    LoggaFraga(FragaNamn, NamnAv(area));
    if (Skriva)
        return Skrivfraga(TextNo::TypeTheArea, "Type the name of the marked area");
    return LangText(TextNo::ClickOn) + QLatin1Char(' ') + NamnAv(area);
}

bool COvningLandArea::ArRatt(const TKlick& klick) {
    const CArea* area = Svarsarea(klick);
    return area && area->Matchar(FragaNamn);
}

bool COvningLandArea::Ignoreras(const TKlick& klick) {
    // A typed name of an answered area is a confusion like any other.
    if (klick.Skrivet)
        return false;
    const CArea* area = AreaUnder(klick.Lat, klick.Lon);
    return area && area->Besvarad;
}

void COvningLandArea::RattSvar() {
    COvning::RattSvar();
    ++Svarat; // from now on a right answer weighs two
    RitaSvaret(GreenColor);
    if (auto* kf = Kartformular(Formular))
        kf->VisaNamn(QString(), 0, 0, false);
    if (Karta && Karta->Landareor)
        Karta->Landareor->SattBesvarad(FragaNamn, FelDenna + 1);
    Fragad(FragaNr) = true;
}

QString COvningLandArea::ObjektFor(const CArea* area) const {
    if (area)
        for (int i = 1; i <= Antal; ++i)
            if (area->Matchar(Objekt(i)))
                return Objekt(i);
    return QString();
}

std::pair<QString, QString> COvningLandArea::Givet(const TKlick& klick) const {
    const QString key = ObjektFor(Svarsarea(klick));
    if (klick.Skrivet)
        return {key, klick.Namn};
    const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(key) : nullptr;
    return {key, NamnAv(area)};
}

void COvningLandArea::FelSvar(const TKlick& klick) {
    if (klick.Skrivet) {
        // The screen shows what was typed; every wrong name counts.
        COvning::FelSvar(klick);
        if (FelDenna == 3)
            Blinklage = 1;
        return;
    }
    const QString key = ObjektFor(AreaUnder(klick.Lat, klick.Lon));
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

void COvningLandArea::RitaKartan() {
    Karta->RitaAreaovning(Linjebredd);
}
