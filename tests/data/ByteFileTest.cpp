// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "data/Language.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ByteFile, BlockBoundariesAndTheEnd) {
    TestDir dir;
    QByteArray data;
    for (int i = 0; i < 513; ++i)
        data.append(static_cast<char>(i % 251));
    for (int size : {0, 512, 513}) {
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
    TByteFile f(dir.Write("ints.crp", QByteArray::fromHex("3412ff7f10270000f0d8ffff0080")));
    EXPECT_EQ((std::tuple{f.ReadInt16(), f.ReadInt16(), f.ReadInt32(), f.ReadInt32()}),
              std::tuple(4660, 32767, 10000, -10000));
    EXPECT_EQ(MessageOf<ERangeError>([&] { f.ReadInt16(); }), "Range check error"); // 0x8000

    // Stored bytes are the character less K modulo 256: 256 - K + 1 is 0x01.
    TByteFile t(dir.Write("text.crp", QByteArray::fromHex("0003") + char('A' - kTextOffset) +
                                          char(256 - kTextOffset + 1) + char(0xE9 - kTextOffset)));
    EXPECT_EQ(t.ReadString(), QString());
    EXPECT_EQ(t.ReadString(), QString("A") + QChar(1) + QChar(0xE9));
    EXPECT_TRUE(t.Eof());
}

TEST(ByteFile, WriterRefusesWhatCannotBeReadBackAndRoundTripsEveryPrimitive) {
    TestDir dir;
    TByteWriter w;
    EXPECT_THROW(w.WriteInt16(32768), EGlobina);
    EXPECT_THROW(w.WriteInt16(-1), EGlobina);
    EXPECT_THROW(w.WriteByte(256), EGlobina);
    EXPECT_THROW(w.WriteString(QString(256, QChar('x'))), EGlobina);
    const QString message = MessageOf<EGlobina>([&] { w.WriteString(QStringLiteral("Łódź")); });
    EXPECT_TRUE(message.contains("Łódź") && message.contains("Windows-1252"))
        << message.toStdString();
    EXPECT_TRUE(w.Bytes().isEmpty());

    const QString euro = QStringLiteral("Œuvre € Zürich — «ÿ» Ÿ");
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

namespace {

// Writes a language record: the number, then the texts of languages 1..8,
// each the prefix and its language's number (all empty with no prefix).
void Record(TByteWriter& w, int number, const QString& prefix = {}) {
    w.WriteInt16(number);
    for (int language = 1; language <= 8; ++language)
        w.WriteString(prefix.isEmpty() ? prefix : prefix + QString::number(language));
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        LanguageTexts.Clear();
        LanguageIndex = 2;
    }
    TestDir dir;
};

} // namespace

TEST_F(LanguageTest, LoadsRecordsInAnyOrderLaterOnesWin) {
    TByteWriter w;
    Record(w, 34, "z");
    for (int n = 33; n >= 2; --n)
        Record(w, n);
    Record(w, 1, "a");
    Record(w, 1, "b");
    LoadLanguageTextsFrom(dir.Write("lang.crp", w.Bytes()));
    EXPECT_EQ(std::tuple(LanguageTexts(1, 1), LanguageTexts(8, 1), LanguageTexts(3, 34),
                         LanguageTexts(2, 2)),
              std::tuple("b1", "b8", "z3", ""));
    LanguageIndex = 8;
    EXPECT_EQ(LangText(1), "b8");
}

TEST_F(LanguageTest, BadNumbersAndEmptyOrCutTablesAreDamagedFilesNamedInTheMessage) {
    TByteWriter w;
    Record(w, 2, "ok");
    Record(w, kTextCount + 1, "bad");
    EXPECT_THROW(LoadLanguageTextsFrom(dir.Write("bad.crp", w.Bytes())), ERangeError);
    EXPECT_EQ(LanguageTexts(1, 2), "ok1");
    EXPECT_THROW(LanguageTexts(0, 1), ERangeError);
    LanguageIndex = 9;
    EXPECT_THROW(LangText(1), ERangeError);

    TByteWriter cut;
    Record(cut, 3, "t");
    cut.WriteInt16(4);
    cut.WriteString("only one");
    EXPECT_THROW(LoadLanguageTextsFrom(dir.Write("cut.crp", cut.Bytes())), EInOutError);
    EXPECT_EQ(std::tuple(LanguageTexts(2, 3), LanguageTexts(1, 4)), std::tuple("t2", "only one"));

    // Whole records, but fewer texts than the screens use: empty, or cut after a record.
    TByteWriter short33;
    for (int n = 1; n <= 33; ++n)
        Record(short33, n, "s");
    for (const auto& [name, bytes] :
         {std::pair{"empty.crp", QByteArray()}, std::pair{"short.crp", short33.Bytes()}}) {
        const QString path = dir.Write(name, bytes);
        EXPECT_EQ(MessageOf<EInOutError>([&] { LoadLanguageTextsFrom(path); }),
                  QString("The language table \"%1\" is damaged: text %2 is missing.")
                      .arg(path)
                      .arg(bytes.isEmpty() ? 1 : 34));
    }
}

TEST_F(LanguageTest, ApplyPutsTextsOnButtonsLabelsAndTitleOnly) {
    TByteWriter w;
    for (int n = 2; n <= 34; ++n)
        Record(w, n);
    Record(w, 1, "start");
    LoadLanguageTextsFrom(dir.Write("lang.crp", w.Bytes()));

    QWidget window;
    window.setWindowTitle("Globina");
    const auto tagged = [](auto* control, int tag) { return SetTag(control, tag), control; };
    auto* start = tagged(new QPushButton("S T A R T A", &window), 1);
    auto* quit = tagged(new QPushButton("Avsluta", &window), 3);
    auto* untagged = new QPushButton("?", &window);
    auto* label = tagged(new QLabel("instruction", new QWidget(&window)), 1); // nested counts too
    auto* edit = tagged(new QLineEdit("typed", &window), 1);

    ApplyLanguageTexts(&window);
    // The quit text is replaced even though it is empty; the window has no Tag.
    EXPECT_EQ(std::tuple(start->text(), quit->text(), untagged->text(), label->text(), edit->text(),
                         window.windowTitle()),
              std::tuple("start2", "", "?", "start2", "typed", "Globina"));

    SetTag(&window, 1);
    LanguageIndex = 1;
    ApplyLanguageTexts(&window);
    EXPECT_EQ(std::tuple(window.windowTitle(), start->text()), std::tuple("start1", "start1"));

    SetTag(quit, kTextCount + 1);
    EXPECT_THROW(ApplyLanguageTexts(&window), ERangeError);
}
