// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <cstdio>

// Text offset of every data file: a stored text byte b stands for the
// character (b + kTextOffset) mod 256. Shared by the reader and the writer.
constexpr unsigned char kTextOffset = 23;

// Reads a data file front to back through a 512-byte block buffer and
// decodes its four primitives: byte, int16, int32 and offset text.
class TByteFile {
public:
    static constexpr int kBlockSize = 512;

    // Opens the file read-only. Throws EFileNotFound or EFileOpenFailed.
    explicit TByteFile(const QString& fileName);
    ~TByteFile();
    TByteFile(const TByteFile&) = delete;
    TByteFile& operator=(const TByteFile&) = delete;

    uint8_t ReadByte();
    int16_t ReadInt16(); // only 0..32767; the rest raises the range error
    int32_t ReadInt32();
    // n int32 values in a row, as ReadInt32 reads them, at the buffer's speed.
    void ReadInt32s(int32_t* out, size_t n);
    QString ReadString(); // decoded from Windows-1252
    bool Eof() const;

private:
    void FillBuffer();

    std::FILE* file_ = nullptr;
    long long fileSize_ = 0;
    long long filePos_ = 0; // bytes taken from the file into the buffer so far
    unsigned char buffer_[kBlockSize];
    uint16_t bufferCount_ = 0;
    uint16_t bufferPos_ = 0;
};
