// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Topplista.h"
#include "data/Errors.h"
#include "platform/MessageBox.h"
#include "scores/ScoreFile.h"
#include "support/Tables.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const std::vector<TTopplistaRad> kRader{{12, "Capitals"}, {3, "Countries"}, {90, "World"}};

} // namespace

TEST(Topplista, ListsEveryExerciseInCatalogueOrderWithItsBestResult) {
    TestDir dir;
    TfrmTopplista list;
    list.LoadScores(dir.Path("scores.hgh"), kRader); // no file yet
    ASSERT_EQ(list.grdLista->rowCount(), 3);
    EXPECT_EQ(Row(list.grdLista, 2), (QStringList{"90", "World", "", "", ""}));
    list.show(); // Escape closes it
    list.grdLista->setFocus();
    QTest::keyClick(list.grdLista, Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());

    TScoreTable table;
    table(3, 1) = {MakeScore(95, 60), "QRS"};
    table(12, 1) = {75, "Old"}; // a bare percentage has no time
    table(12, 2) = {MakeScore(99, 1), "Second place is not shown"};
    SaveScores(table, dir.Path("scores.hgh"));
    TfrmTopplista filled;
    filled.LoadScores(dir.Path("scores.hgh"), kRader);
    EXPECT_EQ(Row(filled.grdLista, 0), (QStringList{"12", "Capitals", "Old", "75 %", ""}));
    EXPECT_EQ(Row(filled.grdLista, 1), (QStringList{"3", "Countries", "QRS", "95 %", "01:00"}));
}

// The setting aside and its message are the top-ten screen's too (tested there).
TEST(Topplista, ADamagedFileShowsWhatWasReadBeforeTheDamage) {
    TestDir dir;
    TScoreTable table;
    table(3, 1) = {MakeScore(95, 60), "Before"};
    const QString path = dir.Path("scores.hgh");
    SaveScores(table, path);
    dir.Write("scores.hgh", ReadAll(path) + "0\r\n1\r\nAfter\r\n1\r\n"); // exercise 0: out of range
    const TMessageBoxHook old = SetMessageBoxHook([](TBoxKind, const QString&) {});
    TfrmTopplista list;
    list.LoadScores(path, kRader);
    SetMessageBoxHook(old);
    EXPECT_EQ(Row(list.grdLista, 1), (QStringList{"3", "Countries", "Before", "95 %", "01:00"}));
    EXPECT_TRUE(QFile::exists(path + ".damaged"));

    TfrmTopplista beyond;
    EXPECT_THROW(beyond.LoadScores(dir.Path("none.hgh"), {{91, "Beyond"}}), ERangeError);
}
