// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningMulti.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// Draws for one wrong answer before the box is left empty: enough to find a
// free name among a handful, and no endless search when there are too few.
constexpr int kMaxDraws = 1000;
// The screen's timer ticks after a second; never wait much longer than that.
constexpr int kLongestWaitMs = 3000;

TMultiformular* Multiformular(TOvningsformular* f) {
    return dynamic_cast<TMultiformular*>(f);
}

} // namespace

QString COvningMulti::AreaNamn(const QString& key) const {
    const CArea* area = Karta && Karta->Landareor ? Karta->Landareor->Hitta(key) : nullptr;
    return area ? area->Namn[LanguageIndex] : QString();
}

void COvningMulti::Rita(int box, const QColor& color) {
    if (auto* mf = Multiformular(Formular))
        mf->RitaSvar(mf->Svarsbild(box), color, Svar[box]);
}

QString COvningMulti::ObjektFor(const COrt* ort) const {
    QString key;
    for (int i = 1; i <= Antal; ++i)
        if (ort &&
            (Objekt(i) == ort->Grupp1 || Objekt(i) == ort->Grupp2 || Objekt(i) == ort->Grupp3))
            key = Objekt(i);
    return key;
}

void COvningMulti::Starta(TOvningsformular* formular) {
    COvning::Starta(formular);
    if (Ovningsspel() && Karta && Karta->Platser)
        // The others stay in play as wrong answers, counted as answered.
        for (COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && !o->Besvarad && !Fragas(ObjektFor(o))) {
                o->Besvarad = true;
                --Karta->Platser->Kvar;
            }
    FragaForst();
}

QString COvningMulti::SlumpaFelSvar(int kind, QString& nyckel) const {
    if (kind == 1) {
        const int j = GlobinaRandom::Random(Antal) + 1;
        nyckel = Objekt(j);
        return AreaNamn(Objekt(j));
    }
    int32_t k = GlobinaRandom::Random(Karta->Platser->Valda);
    for (COrt* o = Karta->Platser->Forsta.get(); o; o = o->Nasta.get())
        if (o->Deltar) {
            if (k == 0) {
                nyckel = ObjektFor(o);
                return o->Namn[LanguageIndex];
            }
            --k;
        }
    nyckel.clear();
    return QString();
}

QString COvningMulti::NastaFraga() {
    if (!Karta || !Karta->Platser || Karta->Platser->Kvar <= 0)
        return QString();
    COrter& platser = *Karta->Platser;
    FelDenna = 0;
    const int kind = static_cast<int>(GlobinaRandom::Random() * 2 + 1);
    Plats = platser.Vantande(GlobinaRandom::Random(platser.Kvar));
    // A review game asks its items in its own order: those confused with
    // each other one after the other.
    if (Repetition)
        if (COrt* iOrdning = platser.ForstIOrdning(Ovningsobjekt,
                                                   [this](const COrt& o) { return ObjektFor(&o); }))
            Plats = iOrdning;
    GlobinaRandom::Randomize();
    RattPlats = static_cast<int32_t>(GlobinaRandom::Random() * 4 + 1);
    for (QString& s : Svar)
        s.clear();
    for (QString& s : SvarNyckel)
        s.clear();

    const QString key = ObjektFor(Plats);
    SvarNyckel[RattPlats] = key;

    const QString platsNamn = Plats ? Plats->Namn[LanguageIndex] : QString();
    QString text;
    if (kind == 1) {
        Svar[RattPlats] = AreaNamn(key);
        text = platsNamn + QLatin1Char(' ') + LangText(TextNo::IsCapitalOf);
    } else {
        Svar[RattPlats] = platsNamn;
        text = LangText(TextNo::CountryLead) + QLatin1Char(' ') + AreaNamn(key) + QLatin1Char(' ') +
               LangText(TextNo::WhichCityIsCapital);
    }

    for (int p = 1; p <= 4; ++p) {
        if (p == RattPlats)
            continue;
        QString candidate;
        QString nyckel;
        bool found = false;
        for (int draw = 0; draw < kMaxDraws && !found; ++draw) {
            candidate = SlumpaFelSvar(kind, nyckel);
            found = true;
            for (int q = 1; q <= 4; ++q)
                if (q != p && Svar[q] == candidate)
                    found = false;
        }
        // Too few distinct names: the box stays empty rather than searching forever.
        Svar[p] = found ? candidate : QString();
        SvarNyckel[p] = found ? nyckel : QString();
    }

    ++Fragor;
    LoggaFraga(key, AreaNamn(key));
    for (int p = 1; p <= 4; ++p)
        Rita(p, QColor(255, 255, 255));
    return text;
}

bool COvningMulti::ArRatt(const TKlick& klick) {
    return klick.Nr == RattPlats;
}

void COvningMulti::RattSvar() {
    COvning::RattSvar();
    Rita(RattPlats, QColor(0, 128, 0));
    QCoreApplication::processEvents();
    // The screen's timer ticks Blinka; until then the green box stays in view.
    // A guard ends the wait should the screen go away before its tick.
    Blinkat = false;
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] { timedOut = true; });
    guard.start(kLongestWaitMs);
    while (!Blinkat && !timedOut)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (Plats) {
        Plats->Besvarad = true;
        Plats->Forsok = FelDenna + 1;
    }
    if (Karta && Karta->Platser)
        --Karta->Platser->Kvar;
}

void COvningMulti::FelSvar(const TKlick& klick) {
    COvning::FelSvar(klick);
    if (klick.Nr >= 1 && klick.Nr <= 4)
        Rita(klick.Nr, RedColor);
}

std::pair<QString, QString> COvningMulti::Givet(const TKlick& klick) const {
    if (klick.Nr < 1 || klick.Nr > 4)
        return {};
    return {SvarNyckel[klick.Nr], Svar[klick.Nr]};
}

void COvningMulti::Blinka() {
    Blinkat = true;
}
