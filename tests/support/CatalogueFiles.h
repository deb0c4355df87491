// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteWriter.h"
#include "exercises/Ovningar.h"

#include <QString>
#include <QStringList>

// A catalogue entry as the tests write it, named by the name with the
// language number appended ("Name1" .. "Name8"): level 2 on map 2 with place
// file 1, capitals only, pen width 1, the map's colours given.
inline TCatalogueRecord Entry(const QString& typ, const QString& name, int nummer = 1,
                              const QStringList& objekt = {}, const QString& varldsdel = "EUR") {
    TCatalogueRecord e;
    e.Typ = typ;
    for (int language = 1; language <= 8; ++language)
        e.Namn[language - 1] = name + QString::number(language);
    e.Nummer = nummer, e.Niva = 2, e.Linjebredd = 1, e.KravPlats1 = true;
    e.Kartnummer = 2, e.Ortfil = 1, e.Varldsdel = varldsdel;
    e.Landfarg = 0xC0C0C0, e.Ovningsfarg = 0x008000, e.Vattenfarg = 0x800000;
    e.Objekt = objekt;
    return e;
}
