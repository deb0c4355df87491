// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningLandArea.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Felsvar.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"

#include <algorithm>

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
    return Karta && Karta->Landareor ? Karta->Landareor->Hitta(SvarsObjekt(klick)) : nullptr;
}

QStringList COvningLandArea::Kompletteringar(const QString& text) const {
    return matchning_.Kompletteringar(text);
}

QString COvningLandArea::FragatNamn() const {
    if (Svarssatt == TSvarssatt::Huvudstad) {
        const COrt* ort = Huvudstad();
        return ort ? ort->Namn[LanguageIndex] : QString();
    }
    return NamnAv(Karta && Karta->Landareor ? Karta->Landareor->Hitta(FragaNamn) : nullptr);
}

QStringList COvningLandArea::Svarsval() const {
    QStringList val;
    if (Svarssatt == TSvarssatt::Fyra)
        for (int n = 0; n < 4 && !valNyckel_[n].isEmpty(); ++n)
            val << valNamn_[n];
    return val;
}

int COvningLandArea::RattVal() const {
    for (int n = 0; n < 4; ++n)
        if (!valNyckel_[n].isEmpty() && valNyckel_[n] == FragaNamn)
            return n + 1;
    return 0;
}

bool COvningLandArea::ValtFel(int n) const {
    return n >= 1 && n <= 4 && valFel_[n - 1];
}

QString COvningLandArea::ObjektForOrt(const COrt* ort) const {
    if (const auto it = ortObjekt_.constFind(ort); it != ortObjekt_.constEnd())
        return *it;
    if (ort)
        for (int i = 1; i <= Antal; ++i)
            if ((Objekt(i) == ort->Grupp1 || Objekt(i) == ort->Grupp2 ||
                 Objekt(i) == ort->Grupp3) &&
                Huvudstader.Objekt.contains(Objekt(i)))
                return Objekt(i);
    return QString();
}

COrt* COvningLandArea::Huvudstad() const {
    if (Karta && Karta->Platser && !FragaNamn.isEmpty())
        for (COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && ObjektForOrt(o) == FragaNamn)
                return o;
    return nullptr;
}

QString COvningLandArea::SvarsObjekt(const TKlick& klick) const {
    if (Svarssatt == TSvarssatt::Fyra)
        return klick.Nr >= 1 && klick.Nr <= 4 ? valNyckel_[klick.Nr - 1] : QString();
    if (klick.Skrivet) {
        const int i = matchning_.Matcha(klick.Namn);
        return i >= 0 ? matchadeObjekt_[i] : QString();
    }
    if (Svarssatt == TSvarssatt::Huvudstad)
        return ObjektForOrt(NarmasteOrt(Karta, klick.Lat, klick.Lon));
    return ObjektFor(AreaUnder(klick.Lat, klick.Lon));
}

void COvningLandArea::ValjHuvudstader() {
    COrter& platser = *Karta->Platser;
    platser.Nollstall();
    for (int i = 1; i <= Antal; ++i)
        if (Huvudstader.Objekt.contains(Objekt(i)))
            platser.Valj(Objekt(i), Huvudstader.Niva, Huvudstader.KravPlats1,
                         Huvudstader.KravPlats2);
    // Each capital's item, looked up on every blink, click and redraw.
    for (const COrt* o = platser.Forsta.get(); o; o = o->Nasta.get())
        if (o->Deltar)
            ortObjekt_.insert(o, ObjektForOrt(o));
    // An area without a capital in the game is not asked.
    for (int i = 1; i <= Antal; ++i) {
        bool har = false;
        for (const COrt* o = platser.Forsta.get(); o && !har; o = o->Nasta.get())
            har = o->Deltar && ObjektForOrt(o) == Objekt(i);
        if (!har && !Fragad(i)) {
            Fragad(i) = true;
            ++Fragor;
        }
    }
}

void COvningLandArea::RitaHuvudstader(const QString& key, const QColor& color) {
    if (!Karta || !Karta->Bild || !Karta->Platser)
        return;
    for (const COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
        if (o->Deltar && (key.isEmpty() || ObjektForOrt(o) == key))
            Karta->RitaOrt(*o, color.isValid() ? color
                                               : (o->Besvarad ? QColor(255, 255, 0) : Qt::black));
}

void COvningLandArea::RitaHuvudstaderOvanpa() {
    if (Svarssatt != TSvarssatt::Huvudstad)
        return;
    RitaHuvudstader(QString(), QColor());
    if (Blinklage == 2)
        RitaHuvudstader(FragaNamn, GreenColor);
}

void COvningLandArea::NyaVal() {
    valNyckel_.fill(QString());
    valNamn_.fill(QString());
    valFel_.fill(false);
    if (!Karta || !Karta->Landareor)
        return;
    const CAreor& areor = *Karta->Landareor;
    const QString fragat = NamnAv(areor.Hitta(FragaNamn));
    std::vector<TFelsvarskandidat> kandidater;
    QStringList sedda{FragaNamn};
    const auto lagg = [&](const QString& key, bool reserv) {
        const QString namn = NamnAv(areor.Hitta(key));
        if (key.isEmpty() || sedda.contains(key) || namn.isEmpty() || namn == fragat)
            return;
        sedda << key;
        int32_t ganger = 0;
        for (const TForvaxling& f : forvaxlingar_)
            if ((f.Objekt == FragaNamn && f.Givet == key) ||
                (f.Objekt == key && f.Givet == FragaNamn))
                ganger += f.Antal;
        const TGrannskap g = Grannskap(areor, FragaNamn, key);
        kandidater.push_back({key, ganger, g.Grans, g.Avstand, reserv});
    };
    for (int i = 1; i <= Antal; ++i)
        lagg(Objekt(i), false);
    // Too few items: the other areas of the map stand in.
    if (kandidater.size() < 3)
        for (int k = 1; k <= areor.Antal; ++k)
            lagg(areor.Area(k).Nyckel, true);
    QStringList val = ValjFelsvar(kandidater, 3);
    val << FragaNamn;
    std::sort(val.begin(), val.end(), [&](const QString& a, const QString& b) {
        return NamnAv(areor.Hitta(a)).localeAwareCompare(NamnAv(areor.Hitta(b))) < 0;
    });
    for (int n = 0; n < val.size() && n < 4; ++n) {
        valNyckel_[n] = val[n];
        valNamn_[n] = NamnAv(areor.Hitta(val[n]));
    }
}

void COvningLandArea::FargaAreor() {
    if (Karta && Karta->Bild)
        Karta->FargaAreor();
}

void COvningLandArea::RitaSvaret(const QColor& color) {
    if (!Karta || !Karta->Bild)
        return;
    if (Svarssatt != TSvarssatt::Huvudstad) {
        Karta->FyllAreor(FragaNamn, color);
        return;
    }
    // The area stays marked (filled once, not at each blink); the answer is
    // its capital.
    if (color == Markfarg() && Blinklage != 2)
        Karta->FyllAreor(FragaNamn, color);
    RitaHuvudstader(FragaNamn, color == Markfarg() ? QColor(Qt::black) : color);
}

void COvningLandArea::Starta(TOvningsformular* formular) {
    for (int i = 1; i <= Antal; ++i)
        Fragad(i) = false;
    ortObjekt_.clear();
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
        if (Svarssatt == TSvarssatt::Fyra)
            forvaxlingar_ = LasForvaxlingar(Varldsdel, Typ);
        // Every item of the map can be named, asked in this game or not, so
        // that naming one of the others counts as that confusion. A game
        // that takes no typed names needs none of it.
        matchning_ = CNamnmatchning();
        matchadeObjekt_.clear();
        if (Svarssatt == TSvarssatt::Huvudstad && Karta->Platser) {
            ValjHuvudstader();
            for (const COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
                if (o->Deltar) {
                    matchning_.LaggTill(o->Namn);
                    matchadeObjekt_ << ObjektForOrt(o);
                }
        }
        for (int i = 1; i <= Antal && Svarssatt == TSvarssatt::Skriva; ++i)
            if (const CArea* area =
                    Karta->Landareor ? Karta->Landareor->Hitta(Objekt(i)) : nullptr) {
                matchning_.LaggTill(area->Namn);
                matchadeObjekt_ << Objekt(i);
            }
        if (!Helhet)
            VisaKartan(formular);
    }
    if (!Helhet)
        FragaForst();
}

QString COvningLandArea::NastaFraga() {
    if (Fragor >= Antal) {
        FargaAreor();
        if (Svarssatt == TSvarssatt::Huvudstad)
            RitaHuvudstader(QString(), QColor());
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
    switch (Svarssatt) {
    case TSvarssatt::Skriva:
        return Skrivfraga(TextNo::TypeTheArea, "Type the name of the marked area");
    case TSvarssatt::Fyra:
        NyaVal();
        return Skrivfraga(TextNo::WhichAreaIsMarked, "Which is the marked area?");
    case TSvarssatt::Huvudstad:
        RitaHuvudstader(QString(), QColor());
        return Skrivfraga(TextNo::ClickTheCapital,
                          "Click on or type the capital of the marked area");
    case TSvarssatt::Klicka:
        break;
    }
    return LangText(TextNo::ClickOn) + QLatin1Char(' ') + NamnAv(area);
}

bool COvningLandArea::ArRatt(const TKlick& klick) {
    if (Svarssatt == TSvarssatt::Fyra || Svarssatt == TSvarssatt::Huvudstad)
        return !FragaNamn.isEmpty() && SvarsObjekt(klick) == FragaNamn;
    const CArea* area = Svarsarea(klick);
    return area && area->Matchar(FragaNamn);
}

bool COvningLandArea::Ignoreras(const TKlick& klick) {
    // A typed name of an answered area is a confusion like any other.
    if (klick.Skrivet)
        return false;
    // A box chosen wrong once, or none.
    if (Svarssatt == TSvarssatt::Fyra)
        return klick.Nr < 1 || klick.Nr > 4 || valNyckel_[klick.Nr - 1].isEmpty() ||
               valFel_[klick.Nr - 1];
    if (Svarssatt == TSvarssatt::Huvudstad) {
        const COrt* ort = NarmasteOrt(Karta, klick.Lat, klick.Lon);
        return !ort || ort->Besvarad;
    }
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
    if (Svarssatt == TSvarssatt::Huvudstad && Karta && Karta->Platser) {
        for (COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && ObjektForOrt(o) == FragaNamn) {
                o->Besvarad = true;
                o->Forsok = FelDenna + 1;
            }
        RitaHuvudstader(FragaNamn, QColor(255, 255, 0)); // with its name
    }
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
    if (Svarssatt == TSvarssatt::Fyra)
        return {SvarsObjekt(klick), klick.Nr >= 1 && klick.Nr <= 4 ? valNamn_[klick.Nr - 1] : ""};
    if (Svarssatt == TSvarssatt::Huvudstad) {
        // The area whose capital was given, by the name given.
        if (klick.Skrivet)
            return {SvarsObjekt(klick), klick.Namn};
        const COrt* ort = NarmasteOrt(Karta, klick.Lat, klick.Lon);
        return {ObjektForOrt(ort), ort ? ort->Namn[LanguageIndex] : QString()};
    }
    const QString key = ObjektFor(Svarsarea(klick));
    if (klick.Skrivet)
        return {key, klick.Namn};
    const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(key) : nullptr;
    return {key, NamnAv(area)};
}

void COvningLandArea::FelSvar(const TKlick& klick) {
    if (Svarssatt == TSvarssatt::Fyra && !klick.Skrivet) {
        const bool raknas = !Slut && !Ignoreras(klick);
        COvning::FelSvar(klick);
        if (raknas)
            valFel_[klick.Nr - 1] = true;
    } else if (Svarssatt == TSvarssatt::Huvudstad && !klick.Skrivet) {
        const COrt* ort = NarmasteOrt(Karta, klick.Lat, klick.Lon);
        const bool raknas = !Slut && !Ignoreras(klick);
        COvning::FelSvar(klick);
        if (raknas)
            if (auto* kf = Kartformular(Formular); kf && Karta->Bild) {
                const auto lat = static_cast<float>(ort->Latitud);
                const auto lon = static_cast<float>(ort->Longitud);
                kf->VisaNamn(ort->Namn[LanguageIndex], Karta->XKoord(lat, lon),
                             Karta->YKoord(lat) + Karta->Px(12), true);
            }
    } else if (klick.Skrivet) {
        // The screen shows what was typed; every wrong name counts.
        COvning::FelSvar(klick);
    } else {
        const QString key = ObjektFor(AreaUnder(klick.Lat, klick.Lon));
        const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(key) : nullptr;
        if (area) {
            const QString name = NamnAv(area);
            COvning::FelSvar(klick);
            if (auto* kf = Kartformular(Formular); kf && Karta->Bild)
                kf->VisaNamn(name, Karta->XKoord(klick.Lat, klick.Lon), Karta->YKoord(klick.Lat),
                             true);
        }
    }
    // However it was answered, the third miss shows the answer.
    if (FelDenna == 3)
        Blinklage = 1;
}

void COvningLandArea::RitaKartan() {
    Karta->RitaAreaovning(Linjebredd);
    if (Svarssatt == TSvarssatt::Huvudstad)
        RitaHuvudstader(QString(), QColor());
}
