// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteWriter.h"
#include "exercises/Ovningar.h"

#include <QString>
#include <QStringList>

// A catalogue entry as the tests write it; names get the language number
// appended ("Name1" .. "Name8") unless given per language.
struct TestEntry {
    QString keyword = "AREA";
    QString name = "Exercise";
    QStringList names = {}; // languages 1..8, when given
    int nummer = 1;
    int niva = 2;
    int linjebredd = 1;
    bool krav1 = true;
    bool krav2 = false;
    int kartnummer = 2;
    int ortfil = 1;
    QString varldsdel = "EUR";
    uint32_t landfarg = 0x00C0C0C0, ovningsfarg = 0x008000, vattenfarg = 0x800000;
    double nord = 0, syd = 0, mitt = 0; // degrees
    QStringList items = {};
};

inline void WriteEntry(TByteWriter& w, const TestEntry& e) {
    std::array<QString, 8> namn;
    for (int language = 1; language <= 8; ++language)
        namn[language - 1] =
            e.names.size() >= language ? e.names[language - 1] : e.name + QString::number(language);
    TCatalogueRecord{.Typ = e.keyword,
                     .Namn = namn,
                     .Nummer = e.nummer,
                     .Niva = e.niva,
                     .Linjebredd = e.linjebredd,
                     .KravPlats1 = e.krav1,
                     .KravPlats2 = e.krav2,
                     .Kartnummer = e.kartnummer,
                     .Ortfil = e.ortfil,
                     .Varldsdel = e.varldsdel,
                     .Landfarg = e.landfarg,
                     .Ovningsfarg = e.ovningsfarg,
                     .Vattenfarg = e.vattenfarg,
                     .VyNord = e.nord,
                     .VySyd = e.syd,
                     .VyMitt = e.mitt,
                     .Objekt = e.items}
        .Write(w);
}
