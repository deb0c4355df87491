// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoastReference.h"

#include "data/Errors.h"
#include "maps/Areas.h"

#include <QDataStream>
#include <QFile>

namespace {

// Ten-thousandths of a degree, each point stored as the step from the last.
void WriteRing(QDataStream& s, const TRing& ring) {
    s << qint32(ring.size());
    qint32 lat = 0, lon = 0;
    for (const TLatLon& p : ring) {
        const qint32 a = EncodeDegrees(p.Lat), o = EncodeDegrees(p.Lon);
        s << qint32(a - lat) << qint32(o - lon);
        lat = a, lon = o;
    }
}

TRing ReadRing(QDataStream& s) {
    qint32 n = 0, lat = 0, lon = 0;
    s >> n;
    if (n < 0 || n > 10'000'000)
        throw EGlobina(QStringLiteral("a broken reference ring"));
    TRing ring(static_cast<size_t>(n));
    for (TLatLon& p : ring) {
        qint32 da = 0, dn = 0;
        s >> da >> dn;
        lat += da, lon += dn;
        p = {float(DecodeDegrees(lat)), float(DecodeDegrees(lon))};
    }
    return ring;
}

void WriteRings(QDataStream& s, const std::vector<TRing>& rings) {
    s << qint32(rings.size());
    for (const TRing& r : rings)
        WriteRing(s, r);
}

std::vector<TRing> ReadRings(QDataStream& s) {
    qint32 n = 0;
    s >> n;
    std::vector<TRing> rings;
    for (qint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i)
        rings.push_back(ReadRing(s));
    return rings;
}

constexpr quint32 kMagic = 0x47524546; // "GREF"

} // namespace

const TReferenceMap* TReference::Map(int id) const {
    for (const TReferenceMap& m : maps)
        if (m.id == id)
            return &m;
    return nullptr;
}

void WriteReference(const QString& file, const TReference& r) {
    QByteArray raw;
    QDataStream s(&raw, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << kMagic << qint32(r.maps.size());
    for (const TReferenceMap& m : r.maps) {
        s << qint32(m.id) << m.west << m.east << m.south << m.north << qint32(m.insets.size());
        for (const QRectF& b : m.insets)
            s << b;
    }
    s << qint32(r.units.size());
    for (const TReferenceUnit& u : r.units) {
        s << u.code << u.state << qint32(u.map);
        WriteRings(s, u.rings);
    }
    s << qint32(r.lakes.size());
    for (const auto& lake : r.lakes)
        WriteRings(s, lake);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(qCompress(raw, 9)) < 0)
        throw EGlobina(QStringLiteral("Cannot write %1").arg(file));
}

TReference ReadReference(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw EGlobina(QStringLiteral("Cannot read %1").arg(file));
    const QByteArray raw = qUncompress(f.readAll());
    QDataStream s(raw);
    s.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    qint32 n = 0;
    s >> magic >> n;
    if (magic != kMagic)
        throw EGlobina(QStringLiteral("%1 is not a reference file").arg(file));
    TReference r;
    for (qint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        TReferenceMap m;
        qint32 insets = 0;
        s >> m.id >> m.west >> m.east >> m.south >> m.north >> insets;
        for (qint32 k = 0; k < insets && s.status() == QDataStream::Ok; ++k) {
            QRectF b;
            s >> b;
            m.insets.push_back(b);
        }
        r.maps.push_back(m);
    }
    s >> n;
    for (qint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        TReferenceUnit u;
        qint32 map = 0;
        s >> u.code >> u.state >> map;
        u.map = map;
        u.rings = ReadRings(s);
        r.units.push_back(std::move(u));
    }
    s >> n;
    for (qint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i)
        r.lakes.push_back(ReadRings(s));
    if (s.status() != QDataStream::Ok)
        throw EGlobina(QStringLiteral("%1 is cut short").arg(file));
    return r;
}
