// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Language.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

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
    void SetUp() override {
        LanguageTexts.Clear();
        LanguageIndex = 2;
    }
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
    w.SaveTo(dir.Path("lang.crp"));
    LoadLanguageTextsFrom(dir.Path("lang.crp"));
    EXPECT_EQ(std::tuple(LanguageTexts(1, 1), LanguageTexts(8, 1), LanguageTexts(3, 34),
                         LanguageTexts(2, 2)),
              std::tuple("b1", "b8", "z3", ""));
    LanguageIndex = 8;
    EXPECT_EQ(LangText(1), "b8");
}

TEST_F(LanguageTest, BadNumbersAndEmptyOrCutTablesAreDamagedFilesNamedInTheMessage) {
    TByteWriter w;
    Record(w, 2, "ok");
    Record(w, 100, "bad");
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
    w.SaveTo(dir.Path("lang.crp"));
    LoadLanguageTextsFrom(dir.Path("lang.crp"));

    QWidget window;
    window.setWindowTitle("Globina");
    auto* start = new QPushButton("S T A R T A", &window);
    SetTag(start, 1);
    auto* quit = new QPushButton("Avsluta", &window);
    SetTag(quit, 3);
    auto* untagged = new QPushButton("?", &window);
    auto* panel = new QWidget(&window);
    auto* label = new QLabel("instruction", panel); // nested controls count too
    SetTag(label, 1);
    auto* edit = new QLineEdit("typed", &window);
    SetTag(edit, 1);

    ApplyLanguageTexts(&window);
    // The quit text is replaced even though it is empty; the window has no Tag.
    EXPECT_EQ(std::tuple(start->text(), quit->text(), untagged->text(), label->text(), edit->text(),
                         window.windowTitle()),
              std::tuple("start2", "", "?", "start2", "typed", "Globina"));

    SetTag(&window, 1);
    LanguageIndex = 1;
    ApplyLanguageTexts(&window);
    EXPECT_EQ(std::tuple(window.windowTitle(), start->text()), std::tuple("start1", "start1"));

    SetTag(quit, 100);
    EXPECT_THROW(ApplyLanguageTexts(&window), ERangeError);
}
