// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovningsformular.h"

#include "exercises/Ovning.h"

TOvningsformular::TSvar TOvningsformular::Svara(COvning& ovning, const TKlick& klick) {
    if (ovning.Slut || !ovning.ArRatt(klick)) {
        FoFel(klick);
        ovning.FelSvar(klick);
        return TSvar::Fel;
    }
    FoRatt(klick);
    ovning.Blinklage = 0;
    ovning.RattSvar();
    EfterRatt();
    const QString text = ovning.NastaFraga();
    if (!text.isEmpty()) {
        VisaFraga(text);
        return TSvar::Ratt;
    }
    // Marked first, so that nothing the end runs (the modal top ten) takes
    // another answer for this game.
    ovning.Slut = true;
    Avsluta(ovning);
    return TSvar::Slut;
}
