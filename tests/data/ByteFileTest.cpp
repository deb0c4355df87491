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

TEST(ByteFile, EmptyFileIsAtEndAtOnce) {
    TestDir dir;
    TByteFile f(dir.Write("empty.crp", {}));
    EXPECT_TRUE(f.Eof());
    EXPECT_THROW(f.ReadByte(), EInOutError);
}

TEST(ByteFile, BlockBoundaries) {
    TestDir dir;
    QByteArray data;
    for (int i = 0; i < 513; ++i)
        data.append(static_cast<char>(i % 251));
    {
        TByteFile f(dir.Write("512.crp", data.left(512)));
        for (int i = 0; i < 512; ++i) {
            EXPECT_FALSE(f.Eof());
            EXPECT_EQ(f.ReadByte(), i % 251);
        }
        EXPECT_TRUE(f.Eof());
        try {
            f.ReadByte();
            FAIL() << "read past the end";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.Message(), "Read beyond end of file");
        }
    }
    {
        TByteFile f(dir.Write("513.crp", data));
        for (int i = 0; i < 512; ++i)
            f.ReadByte();
        EXPECT_FALSE(f.Eof());
        EXPECT_EQ(f.ReadByte(), 512 % 251);
        EXPECT_TRUE(f.Eof());
    }
}

TEST(ByteFile, IntegersDecodeLittleEndian) {
    TestDir dir;
    TByteFile f(dir.Write("ints.crp", Bytes({0x34, 0x12, 0xFF, 0x7F, 0x10, 0x27, 0, 0, 0xF0, 0xD8,
                                             0xFF, 0xFF, 0x00, 0x80})));
    EXPECT_EQ(f.ReadInt16(), 4660);
    EXPECT_EQ(f.ReadInt16(), 32767);
    EXPECT_EQ(f.ReadInt32(), 10000);
    EXPECT_EQ(f.ReadInt32(), -10000);
    try {
        f.ReadInt16();
        FAIL() << "0x8000 must not fit";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), "Range check error");
    }
}

TEST(ByteFile, TextsUseTheOffsetAndWrap) {
    TestDir dir;
    // Stored byte 255 - K + 1 wraps round to 0 + ...; stored 0xE9 - K is 'é'.
    const int wrap = 256 - kTextOffset; // (wrap + K) mod 256 == 0x00
    TByteFile f(
        dir.Write("text.crp", Bytes({0, 3, 'A' - kTextOffset, wrap + 1, 0xE9 - kTextOffset})));
    EXPECT_EQ(f.ReadString(), QString());
    EXPECT_FALSE(f.Eof());
    const QString s = f.ReadString();
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[0], QChar('A'));
    EXPECT_EQ(s[1].unicode(), 1);
    EXPECT_EQ(s[2], QChar(0xE9));
    EXPECT_TRUE(f.Eof());
}

TEST(ByteFile, MissingFileNamesItInQuotes) {
    try {
        TByteFile f(QStringLiteral("no/such/file.crp"));
        FAIL();
    } catch (const EFileNotFound& e) {
        EXPECT_EQ(e.Message(), "File \"no/such/file.crp\" not found.");
    }
}

TEST(ByteFile, WriterRoundTripsEveryPrimitive) {
    TestDir dir;
    TByteWriter w;
    w.WriteByte(0);
    w.WriteByte(255);
    w.WriteInt16(0);
    w.WriteInt16(32767);
    w.WriteInt32(INT32_MIN);
    w.WriteInt32(-1);
    w.WriteInt32(1234567);
    const QString euro = QStringLiteral("Œuvre € Zürich — «ÿ»");
    w.WriteString(euro);
    w.WriteString(QString());
    w.WriteString(QString(255, QChar('x')));
    w.SaveTo(dir.Path("round.crp"));

    TByteFile f(dir.Path("round.crp"));
    EXPECT_EQ(f.ReadByte(), 0);
    EXPECT_EQ(f.ReadByte(), 255);
    EXPECT_EQ(f.ReadInt16(), 0);
    EXPECT_EQ(f.ReadInt16(), 32767);
    EXPECT_EQ(f.ReadInt32(), INT32_MIN);
    EXPECT_EQ(f.ReadInt32(), -1);
    EXPECT_EQ(f.ReadInt32(), 1234567);
    EXPECT_EQ(f.ReadString(), euro);
    EXPECT_EQ(f.ReadString(), QString());
    EXPECT_EQ(f.ReadString(), QString(255, QChar('x')));
    EXPECT_TRUE(f.Eof());
}

TEST(ByteFile, WriterRefusesWhatCannotBeReadBack) {
    TByteWriter w;
    EXPECT_THROW(w.WriteInt16(32768), EGlobina);
    EXPECT_THROW(w.WriteInt16(-1), EGlobina);
    EXPECT_THROW(w.WriteByte(256), EGlobina);
    EXPECT_THROW(w.WriteString(QString(256, QChar('x'))), EGlobina);
    try {
        w.WriteString(QStringLiteral("Łódź"));
        FAIL();
    } catch (const EGlobina& e) {
        EXPECT_TRUE(e.Message().contains("Łódź"));
        EXPECT_TRUE(e.Message().contains("Windows-1252"));
    }
    EXPECT_TRUE(w.Bytes().isEmpty());
}
