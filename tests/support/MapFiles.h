// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteWriter.h"
#include "maps/Karta.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

// The records of an area list and the places of a place list, for range-for.
inline std::vector<std::reference_wrapper<const CArea>> AreasOf(const CAreor& list) {
    std::vector<std::reference_wrapper<const CArea>> out;
    for (int i = 1; i <= list.Antal; ++i)
        out.push_back(list.Area(i));
    return out;
}
inline std::vector<COrt*> PlacesOf(const COrter& list) {
    std::vector<COrt*> out;
    for (COrt* p = list.Forsta.get(); p; p = p->Nasta.get())
        out.push_back(p);
    return out;
}

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
    a.Nord = nord, a.Syd = syd, a.Ost = ost, a.Vast = vast;
    a.Fyllpunkt1 = a.Fyllpunkt2 = {(nord + syd) / 2, (ost + vast) / 2};
    a.Punkter = {{syd, vast}, {nord, vast}, {nord, ost}, {syd, ost}};
    return a;
}

inline TPlaceRecord Place(const QString& name, int niva = 0, const QString& group1 = {},
                          double lat = 0, double lon = 0) {
    TPlaceRecord p;
    p.Id = "id";
    p.Namn = {name, name};
    p.Niva = niva, p.Grupp1 = group1;
    p.Latitud = lat, p.Longitud = lon;
    return p;
}
