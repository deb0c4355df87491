// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Cp1252.h"

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
const char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

namespace Cp1252 {

QChar DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(byte);
}

QString Decode(const QByteArray& bytes) {
    QString s;
    s.reserve(bytes.size());
    for (char b : bytes)
        s.append(DecodeByte(static_cast<unsigned char>(b)));
    return s;
}

std::optional<unsigned char> EncodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

QByteArray EncodeLossy(const QString& text, char replacement) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        auto b = EncodeChar(c);
        out.append(b ? static_cast<char>(*b) : replacement);
    }
    return out;
}

std::optional<QByteArray> Encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        auto b = EncodeChar(c);
        if (!b)
            return std::nullopt;
        out.append(static_cast<char>(*b));
    }
    return out;
}

} // namespace Cp1252
