// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteWriter.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

// Writers of small area, place and sea-point files for the tests.
struct TestArea {
    QString key;
    QString group1;
    QString group2;
    QStringList names = {"Name"}; // languages 1.., missing ones empty
    double nord = 0, syd = 0, ost = 0, vast = 0;
    std::pair<double, double> seed1{0, 0}, seed2{0, 0};
    std::vector<std::pair<double, double>> points; // latitude, longitude
};

struct TestPlace {
    QStringList names = {"Place"};
    int niva = 0;
    bool klass1 = false, klass2 = false;
    QString group1, group2, group3;
    double lat = 0, lon = 0;
};

using TestSeaPoint = std::pair<double, double>; // latitude, longitude

inline int32_t Tenths(double degrees) {
    return static_cast<int32_t>(degrees * 10000 + (degrees < 0 ? -0.5 : 0.5));
}

inline void WriteRecord(TByteWriter& w, const TestSeaPoint& p) {
    w.WriteInt32(Tenths(p.first));
    w.WriteInt32(Tenths(p.second));
}

inline void WriteRecord(TByteWriter& w, const TestArea& a) {
    for (const QString& s : {a.key, a.group1, a.group2})
        w.WriteString(s);
    for (int i = 0; i < 8; ++i)
        w.WriteString(i < a.names.size() ? a.names[i] : QString());
    w.WriteString("flag.gif");
    w.WriteInt16(0);
    w.WriteInt16(static_cast<int>(a.points.size()));
    for (double v : {a.nord, a.syd, a.ost, a.vast, a.seed1.first, a.seed1.second, a.seed2.first,
                     a.seed2.second})
        w.WriteInt32(Tenths(v));
    for (const TestSeaPoint& p : a.points)
        WriteRecord(w, p);
}

inline void WriteRecord(TByteWriter& w, const TestPlace& p) {
    w.WriteString("id");
    for (int i = 0; i < 8; ++i)
        w.WriteString(i < p.names.size() ? p.names[i] : QString());
    w.WriteInt16(p.niva);
    w.WriteByte(p.klass1 ? 1 : 0);
    w.WriteByte(p.klass2 ? 1 : 0);
    for (const QString& s : {p.group1, p.group2, p.group3})
        w.WriteString(s);
    WriteRecord(w, TestSeaPoint{p.lat, p.lon});
}

// The bytes of a whole file of records.
template <class Records> QByteArray FileOf(const Records& records) {
    TByteWriter w;
    for (const auto& r : records)
        WriteRecord(w, r);
    return w.Bytes();
}
template <class Record> QByteArray FileOf(std::initializer_list<Record> records) {
    return FileOf<std::initializer_list<Record>>(records);
}

// A rectangle outline with its bounds and both seeds in the middle.
inline TestArea Box(const QString& key, double syd, double vast, double nord, double ost) {
    TestArea a;
    a.key = key;
    a.names = {key};
    a.nord = nord;
    a.syd = syd;
    a.ost = ost;
    a.vast = vast;
    a.seed1 = a.seed2 = {(nord + syd) / 2, (ost + vast) / 2};
    a.points = {{syd, vast}, {nord, vast}, {nord, ost}, {syd, ost}};
    return a;
}

inline TestPlace Place(const QString& name, int niva = 0, const QString& group1 = {},
                       double lat = 0, double lon = 0) {
    TestPlace p;
    p.names = {name, name};
    p.niva = niva;
    p.group1 = group1;
    p.lat = lat;
    p.lon = lon;
    return p;
}
