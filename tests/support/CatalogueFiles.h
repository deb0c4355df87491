// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteWriter.h"

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
    int32_t nord = 0, syd = 0, mitt = 0; // ten-thousandths of a degree
    QStringList items = {};
};

inline void WriteEntry(TByteWriter& w, const TestEntry& e) {
    w.WriteString(e.keyword);
    for (int language = 1; language <= 8; ++language)
        w.WriteString(e.names.size() >= language ? e.names[language - 1]
                                                 : e.name + QString::number(language));
    w.WriteInt16(e.nummer);
    for (int b : {e.niva, e.linjebredd, int(e.krav1), int(e.krav2), 0}) // the last is reserved
        w.WriteByte(b);
    w.WriteInt16(e.kartnummer);
    w.WriteInt16(e.ortfil);
    w.WriteString(e.varldsdel);
    for (uint32_t v : {e.landfarg, e.ovningsfarg, e.vattenfarg, uint32_t(e.nord), uint32_t(e.syd),
                       uint32_t(e.mitt)})
        w.WriteInt32(static_cast<int32_t>(v));
    w.WriteInt16(static_cast<int>(e.items.size()));
    for (const QString& item : e.items)
        w.WriteString(item);
}
