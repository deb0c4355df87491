// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The 8-bit Western European code page in which data files and the highscore
// file store their texts.
namespace Cp1252 {

QString Decode(const QByteArray& bytes);
QChar DecodeByte(unsigned char byte);

// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> EncodeChar(QChar c);

// Encodes a text; characters the code page cannot hold become `replacement`.
QByteArray EncodeLossy(const QString& text, char replacement = '?');

// Encodes a text; nothing when any character cannot be held.
std::optional<QByteArray> Encode(const QString& text);

} // namespace Cp1252
