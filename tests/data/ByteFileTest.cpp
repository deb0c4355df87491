// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

} // namespace

TEST(ByteFile, BlockBoundariesAndTheEnd) {
    TestDir dir;
    TByteFile empty(dir.Write("empty.crp", {}));
    EXPECT_TRUE(empty.Eof());
    EXPECT_THROW(empty.ReadByte(), EInOutError);

    QByteArray data;
    for (int i = 0; i < 513; ++i)
        data.append(static_cast<char>(i % 251));
    for (int size : {512, 513}) {
        TByteFile f(dir.Write("blocks.crp", data.left(size)));
        for (int i = 0; i < size; ++i) {
            ASSERT_FALSE(f.Eof()) << i;
            ASSERT_EQ(f.ReadByte(), i % 251) << i;
        }
        EXPECT_TRUE(f.Eof());
        EXPECT_EQ(MessageOf<EInOutError>([&] { f.ReadByte(); }), "Read beyond end of file");
    }
    EXPECT_EQ(MessageOf<EFileNotFound>([] { TByteFile f(QStringLiteral("no/such/file.crp")); }),
              "File \"no/such/file.crp\" not found.");
}

TEST(ByteFile, IntegersDecodeLittleEndianAndTextsUseTheOffsetAndWrap) {
    TestDir dir;
    TByteFile f(dir.Write("ints.crp", Bytes({0x34, 0x12, 0xFF, 0x7F, 0x10, 0x27, 0, 0, 0xF0, 0xD8,
                                             0xFF, 0xFF, 0x00, 0x80})));
    EXPECT_EQ((std::tuple{f.ReadInt16(), f.ReadInt16(), f.ReadInt32(), f.ReadInt32()}),
              std::tuple(4660, 32767, 10000, -10000));
    EXPECT_EQ(MessageOf<ERangeError>([&] { f.ReadInt16(); }), "Range check error"); // 0x8000

    // Stored bytes are the character less K modulo 256: 256 - K + 1 is 0x01.
    TByteFile t(dir.Write(
        "text.crp", Bytes({0, 3, 'A' - kTextOffset, 256 - kTextOffset + 1, 0xE9 - kTextOffset})));
    EXPECT_EQ(t.ReadString(), QString());
    EXPECT_EQ(t.ReadString(), QString("A") + QChar(1) + QChar(0xE9));
    EXPECT_TRUE(t.Eof());
}

TEST(ByteFile, WriterRoundTripsEveryPrimitive) {
    TestDir dir;
    const QString euro = QStringLiteral("Œuvre € Zürich — «ÿ»");
    TByteWriter w;
    for (int b : {0, 255})
        w.WriteByte(b);
    for (int i : {0, 32767})
        w.WriteInt16(i);
    for (int32_t i : {INT32_MIN, -1, 1234567})
        w.WriteInt32(i);
    for (const QString& s : {euro, QString(), QString(255, QChar('x'))})
        w.WriteString(s);

    TByteFile f(dir.Write("round.crp", w.Bytes()));
    for (int b : {0, 255})
        EXPECT_EQ(f.ReadByte(), b);
    for (int i : {0, 32767})
        EXPECT_EQ(f.ReadInt16(), i);
    for (int32_t i : {INT32_MIN, -1, 1234567})
        EXPECT_EQ(f.ReadInt32(), i);
    for (const QString& s : {euro, QString(), QString(255, QChar('x'))})
        EXPECT_EQ(f.ReadString(), s);
    EXPECT_TRUE(f.Eof());
}

TEST(ByteFile, WriterRefusesWhatCannotBeReadBack) {
    TByteWriter w;
    EXPECT_THROW(w.WriteInt16(32768), EGlobina);
    EXPECT_THROW(w.WriteInt16(-1), EGlobina);
    EXPECT_THROW(w.WriteByte(256), EGlobina);
    EXPECT_THROW(w.WriteString(QString(256, QChar('x'))), EGlobina);
    const QString message = MessageOf<EGlobina>([&] { w.WriteString(QStringLiteral("Łódź")); });
    EXPECT_TRUE(message.contains("Łódź") && message.contains("Windows-1252"))
        << message.toStdString();
    EXPECT_TRUE(w.Bytes().isEmpty());
}
