// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ByteFile.h"

#include "data/Cp1252.h"
#include "data/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

TByteFile::TByteFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir())
        throw EFileNotFound(fileName);
    const QByteArray encoded = QFile::encodeName(fileName);
    errno = 0;
    file_ = std::fopen(encoded.constData(), "rb");
    if (!file_) {
        const int code = errno;
        throw EFileOpenFailed(QString::fromLocal8Bit(std::strerror(code)), code);
    }
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        fileSize_ = std::ftell(file_);
        std::fseek(file_, 0, SEEK_SET);
    }
    if (fileSize_ < 0) {
        std::fclose(file_);
        file_ = nullptr;
        throw EFileOpenFailed(QStringLiteral("cannot determine the size of the file"), EIO);
    }
}

TByteFile::~TByteFile() {
    if (file_)
        std::fclose(file_);
}

void TByteFile::FillBuffer() {
    const size_t n = std::fread(buffer_, 1, kBlockSize, file_);
    if (n == 0)
        throw EInOutError(QStringLiteral("Read beyond end of file"), IoCode::ReadBeyondEnd);
    filePos_ += static_cast<long long>(n);
    bufferCount_ = static_cast<uint16_t>(n);
    bufferPos_ = 0;
}

uint8_t TByteFile::ReadByte() {
    if (bufferPos_ >= bufferCount_)
        FillBuffer();
    return buffer_[bufferPos_++];
}

int16_t TByteFile::ReadInt16() {
    const int low = ReadByte();
    const int high = ReadByte();
    if (high > 0x7F)
        throw ERangeError();
    return static_cast<int16_t>(high * 256 + low);
}

int32_t TByteFile::ReadInt32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(ReadByte()) << (8 * i);
    return static_cast<int32_t>(v);
}

void TByteFile::ReadInt32s(int32_t* out, size_t n) {
    const size_t bytes = 4 * n;
    auto* dest = reinterpret_cast<unsigned char*>(out);
    // What the buffer holds, then the rest straight from the file.
    const size_t held = std::min<size_t>(bytes, bufferCount_ - bufferPos_);
    std::memcpy(dest, buffer_ + bufferPos_, held);
    bufferPos_ = static_cast<uint16_t>(bufferPos_ + held);
    if (held < bytes) {
        const size_t got = std::fread(dest + held, 1, bytes - held, file_);
        filePos_ += static_cast<long long>(got);
        if (got < bytes - held)
            throw EInOutError(QStringLiteral("Read beyond end of file"), IoCode::ReadBeyondEnd);
    }
    // The file is little-endian, as ReadInt32 reads it.
    if constexpr (std::endian::native != std::endian::little)
        for (size_t k = 0; k < n; ++k) {
            const unsigned char* b = dest + 4 * k;
            out[k] = static_cast<int32_t>(b[0] | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                                          (uint32_t(b[3]) << 24));
        }
}

QString TByteFile::ReadString() {
    const int n = ReadByte();
    QByteArray bytes(n, '\0');
    for (int i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(ReadByte() + kTextOffset));
    return Cp1252::Decode(bytes);
}

bool TByteFile::Eof() const {
    return filePos_ >= fileSize_ && bufferPos_ >= bufferCount_;
}
