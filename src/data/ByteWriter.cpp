// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ByteWriter.h"

#include "data/ByteFile.h"
#include "data/Cp1252.h"
#include "data/Errors.h"

#include <QSaveFile>

void TByteWriter::WriteByte(int value) {
    if (value < 0 || value > 255)
        throw EGlobina(QStringLiteral("Byte value %1 is outside 0..255").arg(value));
    bytes_.append(static_cast<char>(value));
}

void TByteWriter::WriteInt16(int value) {
    if (value < 0 || value > 32767)
        throw EGlobina(QStringLiteral("16-bit value %1 is outside 0..32767").arg(value));
    bytes_.append(static_cast<char>(value & 0xFF));
    bytes_.append(static_cast<char>(value >> 8));
}

void TByteWriter::WriteInt32(int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void TByteWriter::WriteString(const QString& text) {
    for (QChar c : text)
        if (!Cp1252::EncodeChar(c))
            throw EGlobina(QStringLiteral("Text \"%1\" has the character '%2' (U+%3), which "
                                          "Windows-1252 cannot hold")
                               .arg(text, QString(c))
                               .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    const QByteArray encoded = Cp1252::EncodeLossy(text);
    if (encoded.size() > 255)
        throw EGlobina(QStringLiteral("Text \"%1\" is %2 bytes long; at most 255 fit")
                           .arg(text)
                           .arg(encoded.size()));
    bytes_.append(static_cast<char>(encoded.size()));
    for (char c : encoded)
        bytes_.append(static_cast<char>(static_cast<unsigned char>(c) - kTextOffset));
}

void TByteWriter::SaveTo(const QString& fileName) const {
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes_) != bytes_.size() || !f.commit())
        throw EInOutError(
            QStringLiteral("Could not write \"%1\": %2").arg(fileName, f.errorString()));
}
