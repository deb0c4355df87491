// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteWriter.h"
#include "maps/Karta.h"

#include <QString>
#include <initializer_list>

// The bytes of a whole file of area, place or sea-point records.
template <class Records> QByteArray FileOf(const Records& records) {
    TByteWriter w;
    for (const auto& r : records)
        r.Write(w);
    return w.Bytes();
}
template <class Record> QByteArray FileOf(std::initializer_list<Record> records) {
    return FileOf<std::initializer_list<Record>>(records);
}

// A rectangle outline with its bounds and both seeds in the middle.
inline TAreaRecord Box(const QString& key, double syd, double vast, double nord, double ost) {
    TAreaRecord a;
    a.Nyckel = key;
    a.Namn = {key};
    a.Flaggfil = "flag.gif";
    a.Nord = nord;
    a.Syd = syd;
    a.Ost = ost;
    a.Vast = vast;
    a.Fyllpunkt1 = a.Fyllpunkt2 = {(nord + syd) / 2, (ost + vast) / 2};
    a.Punkter = {{syd, vast}, {nord, vast}, {nord, ost}, {syd, ost}};
    return a;
}

inline TPlaceRecord Place(const QString& name, int niva = 0, const QString& group1 = {},
                          double lat = 0, double lon = 0) {
    TPlaceRecord p;
    p.Id = "id";
    p.Namn = {name, name};
    p.Niva = niva;
    p.Grupp1 = group1;
    p.Latitud = lat;
    p.Longitud = lon;
    return p;
}
