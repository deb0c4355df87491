// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningBlandad.h"

#include "data/Language.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"

#include <algorithm>

COvningBlandad::COvningBlandad(const COvningLandArea& areor, const COvningOrt& orter)
    : areor_(std::make_shared<COvningLandArea>(areor)),
      orter_(std::make_shared<COvningOrt>(orter)) {
    for (COvning* andel :
         {static_cast<COvning*>(areor_.get()), static_cast<COvning*>(orter_.get())}) {
        andel->Nasta = nullptr;
        andel->Helhet = this;
        andel->Svarssatt = TSvarssatt::Klicka;
        andel->Huvudstader = THuvudstader();
    }
    // The area exercise's map, colours and list; the places' file.
    Nummer = areor.Nummer;
    Typ = areor.Typ;
    Varldsdel = areor.Varldsdel;
    Kartnummer = areor.Kartnummer;
    Ortfil = orter.Ortfil;
    Linjebredd = areor.Linjebredd;
    Landfarg = areor.Landfarg;
    Ovningsfarg = areor.Ovningsfarg;
    Vattenfarg = areor.Vattenfarg;
    for (int s = 1; s <= kLanguageCount; ++s)
        Namn[s] = areor.Namn[s] + QStringLiteral(" + ") + orter.Namn[s];
    // The area exercise's view, stretched to hold the places' too; without
    // a view of its own the map fits its areas.
    VyMitt = areor.VyMitt;
    VyNord = areor.VyNord;
    VySyd = areor.VySyd;
    if (VyNord != VySyd && orter.VyNord != orter.VySyd) {
        VyNord = std::max(VyNord, orter.VyNord);
        VySyd = std::min(VySyd, orter.VySyd);
    }
}

COvningBlandad::~COvningBlandad() = default;

std::shared_ptr<COvning> COvningBlandad::Utskrift() const {
    return areor_;
}

void COvningBlandad::Till(COvning& andel) const {
    andel.Karta = Karta;
    andel.Formular = Formular;
    andel.Ljud = Ljud;
    andel.Slut = Slut;
    andel.Blinklage = Blinklage;
}

void COvningBlandad::Fran(const COvning& andel) {
    Blinklage = andel.Blinklage;
    FelDenna = andel.FelDenna;
    // The question asked is the last of the share's log and of this one.
    if (&andel == aktuell_ && !andel.Logg.Fragor.empty() && !Logg.Fragor.empty())
        Logg.Fragor.back() = andel.Logg.Fragor.back();
    Summera();
}

void COvningBlandad::Summera() {
    Svarat = (areorMed_ ? areor_->Svarat : 0) + (orterMed_ ? orter_->Svarat : 0);
    Fel = (areorMed_ ? areor_->Fel : 0) + (orterMed_ ? orter_->Fel : 0);
}

void COvningBlandad::Rakna() {
    Summera();
    if (Svarat > 0)
        BeraknaProcent();
    if (Formular)
        Formular->VisaProcent(Procent);
}

void COvningBlandad::Starta(TOvningsformular* formular) {
    // Started again with no items given (the whole exercise, elsewhere), it
    // plays its own items again rather than two whole exercises.
    if (Ovningsobjekt.isEmpty()) {
        Ovningsobjekt = givna_;
        Repetition = repetition_;
    } else if (givna_.isEmpty()) {
        givna_ = Ovningsobjekt;
        repetition_ = Repetition;
    }
    Svarssatt = TSvarssatt::Klicka;
    aktuell_ = nullptr;
    Procent = 0;
    COvning::Starta(formular);
    // Each item to the share whose item it is: the area exercise's keys,
    // and the places (named as the game log names them) for the other.
    QStringList areor, orter;
    for (const QString& key : Ovningsobjekt) {
        bool area = false;
        for (int i = 1; i <= areor_->Antal && !area; ++i)
            area = areor_->Objekt(i) == key;
        (area ? areor : orter) << key;
    }
    areorMed_ = !areor.isEmpty();
    orterMed_ = !orter.isEmpty();
    // The areas first: the places' start leaves only its own places taking part.
    for (auto [andel, objekt, med] :
         {std::tuple<COvning*, const QStringList&, bool>{areor_.get(), areor, areorMed_},
          {orter_.get(), orter, orterMed_}}) {
        if (!med)
            continue;
        Till(*andel);
        andel->Ovningsobjekt = objekt;
        andel->Repetition = Repetition;
        andel->Starta(formular);
    }
    Summera();
    if (Karta)
        VisaKartan(formular);
    FragaForst();
}

bool COvningBlandad::Vantar(const COvning* andel, const QString& key) const {
    if (andel == areor_.get()) {
        if (areorMed_)
            for (int i = 1; i <= areor_->Antal; ++i)
                if (areor_->Objekt(i) == key && !areor_->Fragad(i))
                    return true;
        return false;
    }
    return orterMed_ && Karta && Karta->Platser &&
           Karta->Platser->ForstIOrdning({key}, OrtNyckel) != nullptr;
}

COvning* COvningBlandad::Nasta() const {
    int vantarAreor = 0;
    int vantarOrter = 0;
    for (const QString& key : Ovningsobjekt) {
        const bool a = Vantar(areor_.get(), key);
        const bool o = !a && Vantar(orter_.get(), key);
        if (Repetition && (a || o))
            return a ? static_cast<COvning*>(areor_.get()) : orter_.get();
        vantarAreor += a ? 1 : 0;
        vantarOrter += o ? 1 : 0;
    }
    if (vantarAreor + vantarOrter == 0)
        return nullptr;
    return GlobinaRandom::Random(vantarAreor + vantarOrter) < vantarAreor
               ? static_cast<COvning*>(areor_.get())
               : orter_.get();
}

QString COvningBlandad::NastaFraga() {
    COvning* nasta = Nasta();
    // The area answered last takes its answered colour, also when a place
    // is asked next (the area exercise recolours only when it asks).
    if (Karta && Karta->Bild && areorMed_ && nasta != areor_.get())
        Karta->FargaAreor();
    if (!nasta) {
        RitaPlatserna();
        aktuell_ = nullptr;
        return QString();
    }
    aktuell_ = nasta;
    Till(*nasta);
    const size_t fore = nasta->Logg.Fragor.size();
    const QString text = nasta->NastaFraga();
    if (nasta->Logg.Fragor.size() > fore)
        Logg.Fragor.push_back(nasta->Logg.Fragor.back());
    Fran(*nasta);
    RitaPlatserna();
    return text;
}

bool COvningBlandad::ArRatt(const TKlick& klick) {
    if (!aktuell_)
        return false;
    Till(*aktuell_);
    return aktuell_->ArRatt(klick);
}

bool COvningBlandad::Ignoreras(const TKlick& klick) {
    if (!aktuell_)
        return true;
    Till(*aktuell_);
    return aktuell_->Ignoreras(klick);
}

void COvningBlandad::RattSvar() {
    if (!aktuell_)
        return;
    Till(*aktuell_);
    aktuell_->RattSvar();
    Fran(*aktuell_);
    if (aktuell_ == areor_.get())
        RitaPlatserna();
}

void COvningBlandad::FelSvar(const TKlick& klick) {
    // After the end the area exercise still names what was clicked.
    COvning* andel = Fragande();
    Till(*andel);
    andel->FelSvar(klick);
    Fran(*andel);
}

void COvningBlandad::Blinka() {
    if (!aktuell_)
        return;
    Till(*aktuell_);
    aktuell_->Blinka();
    Fran(*aktuell_);
    // Over a blinking area; a blinking place is the places' own drawing.
    if (aktuell_ == areor_.get())
        RitaPlatserna();
}

QStringList COvningBlandad::Kompletteringar(const QString& text) const {
    return aktuell_ ? aktuell_->Kompletteringar(text) : QStringList();
}

QString COvningBlandad::FragatNamn() const {
    return aktuell_ ? aktuell_->FragatNamn() : QString();
}

COvning* COvningBlandad::Fragande() {
    if (aktuell_)
        return aktuell_;
    return areorMed_ || !orterMed_ ? static_cast<COvning*>(areor_.get()) : orter_.get();
}

std::pair<QString, QString> COvningBlandad::Givet(const TKlick&) const {
    return {}; // a wrong answer is the asking share's to log
}

void COvningBlandad::RitaPlatserna() {
    if (orterMed_ && Karta && Karta->Bild) {
        Till(*orter_);
        // Black, as capitals on an area map are: the places' own green
        // would vanish on green land.
        orter_->RitaPlatser(Qt::black);
    }
}

void COvningBlandad::RitaKartan() {
    Till(*areor_);
    static_cast<COvning&>(*areor_).RitaKartan();
    RitaPlatserna();
}

void COvningBlandad::RitaSvaret(const QColor& color) {
    if (!aktuell_)
        return;
    Till(*aktuell_);
    static_cast<COvning&>(*aktuell_).RitaSvaret(color);
    if (aktuell_ == areor_.get())
        RitaPlatserna();
}
