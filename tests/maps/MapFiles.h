#pragma once

#include "data/ByteWriter.h"

#include <QString>
#include <QStringList>
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
    int storedCount = -1;                          // point count to store; -1: points.size()
};

inline int32_t Tenths(double degrees) {
    return static_cast<int32_t>(degrees * 10000 + (degrees < 0 ? -0.5 : 0.5));
}

inline void WriteArea(TByteWriter& w, const TestArea& a) {
    w.WriteString(a.key);
    w.WriteString(a.group1);
    w.WriteString(a.group2);
    for (int i = 0; i < 8; ++i)
        w.WriteString(i < a.names.size() ? a.names[i] : QString());
    w.WriteString("flag.gif");
    w.WriteInt16(0);
    w.WriteInt16(a.storedCount >= 0 ? a.storedCount : static_cast<int>(a.points.size()));
    for (double v : {a.nord, a.syd, a.ost, a.vast, a.seed1.first, a.seed1.second, a.seed2.first,
                     a.seed2.second})
        w.WriteInt32(Tenths(v));
    for (const auto& [lat, lon] : a.points) {
        w.WriteInt32(Tenths(lat));
        w.WriteInt32(Tenths(lon));
    }
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

struct TestPlace {
    QStringList names = {"Place"};
    int niva = 0;
    bool klass1 = false, klass2 = false;
    QString group1, group2, group3;
    double lat = 0, lon = 0;
};

inline void WritePlace(TByteWriter& w, const TestPlace& p) {
    w.WriteString("id");
    for (int i = 0; i < 8; ++i)
        w.WriteString(i < p.names.size() ? p.names[i] : QString());
    w.WriteInt16(p.niva);
    w.WriteByte(p.klass1 ? 1 : 0);
    w.WriteByte(p.klass2 ? 1 : 0);
    w.WriteString(p.group1);
    w.WriteString(p.group2);
    w.WriteString(p.group3);
    w.WriteInt32(Tenths(p.lat));
    w.WriteInt32(Tenths(p.lon));
}
