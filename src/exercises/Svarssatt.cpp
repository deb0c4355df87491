// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Svarssatt.h"

#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"

THuvudstader HuvudstaderFor(const COvning& ovning, const COvningar* katalog) {
    THuvudstader bast;
    if (!katalog || !dynamic_cast<const COvningLandArea*>(&ovning))
        return bast;
    int flest = 1;
    for (auto e = katalog->Forsta; e; e = e->Nasta) {
        if (!dynamic_cast<const COvningOrt*>(e.get()) || e->Kartnummer != ovning.Kartnummer ||
            !e->KravPlats1)
            continue;
        QStringList objekt;
        for (int i = 1; i <= e->Antal; ++i)
            objekt << e->Objekt(i);
        int antal = 0;
        for (int i = 1; i <= ovning.Antal; ++i)
            antal += objekt.contains(ovning.Objekt(i)) ? 1 : 0;
        if (antal > flest) {
            flest = antal;
            bast = {e->Nummer, e->Ortfil, e->Niva, e->KravPlats1, e->KravPlats2, objekt};
        }
    }
    return bast;
}

QList<TSvarssatt> Svarssatter(const COvning& ovning, const COvningar* katalog) {
    QList<TSvarssatt> satt{TSvarssatt::Klicka};
    const bool area = dynamic_cast<const COvningLandArea*>(&ovning) != nullptr;
    if (area || dynamic_cast<const COvningOrt*>(&ovning))
        satt << TSvarssatt::Skriva;
    if (area)
        satt << TSvarssatt::Fyra;
    if (area && HuvudstaderFor(ovning, katalog).Ovning != 0)
        satt << TSvarssatt::Huvudstad;
    return satt;
}
