// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningOrt.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"

namespace {

TKartformular* Kartformular(TOvningsformular* f) {
    return dynamic_cast<TKartformular*>(f);
}

} // namespace

QString OrtNyckel(const COrt& ort) {
    return ort.Namn[2];
}

COrt* NarmasteOrt(const CKarta* karta, float lat, float lon) {
    if (!karta || !karta->Platser || !karta->Bild)
        return nullptr;
    COrt* nearest = nullptr;
    int32_t best = 10000;
    for (COrt* o = karta->Platser->Forsta.get(); o; o = o->Nasta.get()) {
        if (!o->Deltar)
            continue;
        const int32_t d = karta->Avstand(lat, lon, *o);
        if (d < best) {
            best = d;
            nearest = o;
        }
    }
    return nearest;
}

COrt* COvningOrt::NarmasteOrt(float lat, float lon) const {
    return ::NarmasteOrt(Karta, lat, lon);
}

COrt* COvningOrt::Svarsort(const TKlick& klick) const {
    if (!klick.Skrivet)
        return NarmasteOrt(klick.Lat, klick.Lon);
    const int i = matchning_.Matcha(klick.Namn);
    return i >= 0 ? matchadeOrter_[i] : nullptr;
}

QStringList COvningOrt::Kompletteringar(const QString& text) const {
    return matchning_.Kompletteringar(text);
}

QString COvningOrt::FragatNamn() const {
    return Plats ? Plats->Namn[LanguageIndex] : QString();
}

void COvningOrt::RitaSvaret(const QColor& color) {
    if (Plats && Karta && Karta->Bild)
        Karta->RitaOrt(*Plats, color);
}

void COvningOrt::RitaOrter() {
    if (Karta && Karta->Bild)
        Karta->RitaOrter();
}

void COvningOrt::RitaKartan() {
    Karta->RitaOrtovning(Linjebredd);
    RitaBesvarade();
}

void COvningOrt::RitaBesvarade() {
    if (Karta && Karta->Bild && Karta->Platser)
        for (const COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && o->Besvarad)
                Karta->RitaOrt(*o, QColor(255, 255, 0)); // with its name
}

void COvningOrt::RitaPlatser(const QColor& farg) {
    if (Karta && Karta->Bild && Karta->Platser)
        for (const COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && !o->Besvarad)
                Karta->RitaOrt(*o, farg);
    RitaBesvarade();
}

void COvningOrt::Starta(TOvningsformular* formular) {
    Plats = nullptr;
    if (Karta && !Helhet) {
        Karta->Ovningsfarg = kSilver;
        Karta->Landfarg = kSilver;
    }
    COvning::Starta(formular);
    if (Ovningsspel() && Karta && Karta->Platser) {
        // Only the places to practise are on the map.
        COrter& platser = *Karta->Platser;
        for (COrt* o = platser.Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && !Fragas(OrtNyckel(*o))) {
                o->Deltar = false;
                --platser.Kvar;
            }
        platser.Valda = platser.Kvar;
    }
    // The names a typed game accepts; a click game takes none.
    matchning_ = CNamnmatchning();
    matchadeOrter_.clear();
    if (Karta && Karta->Platser && Skriver())
        for (COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar) {
                matchning_.LaggTill(o->Namn);
                matchadeOrter_.push_back(o);
            }
    if (Helhet)
        return; // the whole game draws the map and asks
    if (Karta)
        VisaKartan(formular);
    if (auto* kf = Kartformular(formular))
        kf->VisaNamn(QString(), 0, 0, false);
    FragaForst();
}

QString COvningOrt::NastaFraga() {
    QString text;
    if (Karta && Karta->Platser && Karta->Platser->Kvar > 0) {
        FelDenna = 0;
        const int32_t k = GlobinaRandom::Random(Karta->Platser->Kvar);
        // A review game asks its places in its own order.
        Plats = Repetition ? Karta->Platser->ForstIOrdning(Ovningsobjekt, OrtNyckel) : nullptr;
        if (!Plats)
            Plats = Karta->Platser->Vantande(k);
        if (Plats) {
            text = Skriver()
                       ? Skrivfraga(TextNo::TypeThePlace, "Type the name of the marked place")
                       : LangText(TextNo::ClickOn) + QLatin1Char(' ') + Plats->Namn[LanguageIndex];
            LoggaFraga(OrtNyckel(*Plats), Plats->Namn[LanguageIndex]);
        }
    }
    RitaOrter();
    return text;
}

bool COvningOrt::ArRatt(const TKlick& klick) {
    // With no place in the game there is nothing to be right about.
    return Plats && Svarsort(klick) == Plats;
}

bool COvningOrt::Ignoreras(const TKlick& klick) {
    // A typed name of an answered place is a confusion like any other.
    if (klick.Skrivet)
        return !Plats;
    const COrt* nearest = NarmasteOrt(klick.Lat, klick.Lon);
    // With no place in the game every click is ignored.
    return nearest ? nearest->Besvarad : true;
}

std::pair<QString, QString> COvningOrt::Givet(const TKlick& klick) const {
    if (klick.Skrivet) {
        const COrt* ort = Svarsort(klick);
        return {ort ? OrtNyckel(*ort) : QString(), klick.Namn};
    }
    const COrt* nearest = NarmasteOrt(klick.Lat, klick.Lon);
    if (!nearest)
        return {};
    return {OrtNyckel(*nearest), nearest->Namn[LanguageIndex]};
}

void COvningOrt::RattSvar() {
    if (auto* kf = Kartformular(Formular))
        kf->VisaNamn(QString(), 0, 0, false);
    COvning::RattSvar();
    Blinklage = 0;
    RitaSvaret(QColor(0, 128, 0));
    Handelser();
    if (Plats) {
        Plats->Besvarad = true;
        Plats->Forsok = FelDenna + 1;
    }
    RitaSvaret(QColor(255, 255, 0));
    if (Karta && Karta->Platser)
        --Karta->Platser->Kvar;
}

void COvningOrt::FelSvar(const TKlick& klick) {
    COvning::FelSvar(klick);
    if (klick.Skrivet) {
        // The screen shows what was typed.
        if (FelDenna == 3)
            Blinklage = 1;
        return;
    }
    const COrt* nearest = NarmasteOrt(klick.Lat, klick.Lon);
    if (nearest && !Ignoreras(klick)) {
        if (auto* kf = Kartformular(Formular)) {
            const auto lat = static_cast<float>(nearest->Latitud);
            const auto lon = static_cast<float>(nearest->Longitud);
            kf->VisaNamn(nearest->Namn[LanguageIndex], Karta->XKoord(lat, lon),
                         Karta->YKoord(lat) + Karta->Px(12), true);
        }
        Handelser();
    }
    if (FelDenna == 3)
        Blinklage = 1;
}
