// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningFlagga.h"

#include "data/Language.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"

#include <algorithm>

bool COvningFlagga::HarArea(const QString& key) const {
    return Karta && Karta->Landareor && Karta->Landareor->Hitta(key);
}

void COvningFlagga::Starta(TOvningsformular* formular) {
    GlobinaRandom::Randomize();
    for (int i = 1; i <= Antal; ++i) {
        Fragad(i) = false;
        const int j = GlobinaRandom::Random(Antal) + 1;
        std::swap(Objekt(i), Objekt(j));
    }
    // An item that names no area of this map has neither name nor flag: it is
    // kept off the sheet so that it is never asked and every game can end.
    int spelbara = Antal;
    if (Karta) {
        auto first = ObjektLista.begin() + 1;
        auto mid = std::stable_partition(first, first + Antal,
                                         [this](const QString& key) { return HarArea(key); });
        spelbara = static_cast<int>(mid - first);
        // The flags to practise come first, so that they are on the sheet.
        std::stable_partition(first, mid, [this](const QString& key) { return Fragas(key); });
    }
    AntalFlaggor = std::min(spelbara, kMaxFlaggor);
    if (Ovningsspel())
        // Mixed with the others again, so their places do not give them away.
        for (int i = AntalFlaggor; i > 1; --i)
            std::swap(Objekt(i), Objekt(GlobinaRandom::Random(i) + 1));
    COvning::Starta(formular);
    // The other flags of the sheet are shown, not asked.
    for (int i = 1; i <= AntalFlaggor; ++i)
        if (!Fragas(Objekt(i)))
            ++Fragor;
    FragaForst();
}

QString COvningFlagga::NastaFraga() {
    if (Fragor >= AntalFlaggor)
        return QString();
    FelDenna = 0;
    ++Fragor;
    FragaNr = ForstIOrdning(AntalFlaggor);
    while (FragaNr == 0 || Fragad(FragaNr) || !Fragas(Objekt(FragaNr)))
        FragaNr = GlobinaRandom::Random(AntalFlaggor) + 1;
    LoggaFraga(Objekt(FragaNr), FlaggNamn(FragaNr));
    return LangText(TextNo::ClickOn) + QLatin1Char(' ') + FlaggNamn(FragaNr);
}

bool COvningFlagga::ArRatt(const TKlick& klick) {
    if (klick.Nr != FragaNr)
        return false;
    Fragad(FragaNr) = true;
    return true;
}

std::pair<QString, QString> COvningFlagga::Givet(const TKlick& klick) const {
    if (klick.Nr < 1 || klick.Nr > AntalFlaggor)
        return {};
    return {Objekt(klick.Nr), FlaggNamn(klick.Nr)};
}

void COvningFlagga::Blinka() {
}

QString COvningFlagga::FlaggNamn(int i) const {
    if (i < 1 || i > AntalFlaggor || !Karta || !Karta->Landareor)
        return QString();
    const CArea* area = Karta->Landareor->Hitta(Objekt(i));
    return area ? area->Namn[LanguageIndex] : QString();
}
