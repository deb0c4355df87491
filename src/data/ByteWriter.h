// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Produces data files in the format that TByteFile reads. Used by the tools
// that make the shipped data and by tests. Refuses values the reader could
// not read back, with a message that names the value.
class TByteWriter {
public:
    void WriteByte(int value);  // 0..255
    void WriteInt16(int value); // 0..32767
    void WriteInt32(int32_t value);
    void WriteString(const QString& text); // Windows-1252, at most 255 bytes

    const QByteArray& Bytes() const { return bytes_; }
    // Writes the bytes to the file, replacing it whole. Throws EInOutError.
    void SaveTo(const QString& fileName) const;

private:
    QByteArray bytes_;
};
