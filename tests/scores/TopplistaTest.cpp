#include "scores/Topplista.h"
#include "data/Errors.h"
#include "platform/Image.h"
#include "scores/ScoreFile.h"
#include "support/Tables.h"
#include "support/TestFiles.h"

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
    EXPECT_EQ(Row(list.grdLista, 0), (QStringList{"12", "Capitals", "", "", ""}));
    EXPECT_EQ(Row(list.grdLista, 1), (QStringList{"3", "Countries", "", "", ""}));
    EXPECT_EQ(Row(list.grdLista, 2), (QStringList{"90", "World", "", "", ""}));

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

TEST(Topplista, FailuresAreRaisedForTheCallerToReport) {
    TestDir dir;
    TfrmTopplista list;
    EXPECT_THROW(
        list.LoadScores(dir.Write("scores.hgh", "1\r\n1\r\nX\r\nnot a number\r\n"), kRader),
        EGlobina);
    TfrmTopplista other;
    EXPECT_THROW(other.LoadScores(dir.Path("none.hgh"), {{91, "Beyond"}}), ERangeError);
}

TEST(Topplista, TwoPressesOnAFlowerBringBothBack) {
    TfrmTopplista list;
    const int left1 = list.imgBlomma1->x(), left2 = list.imgBlomma2->x();
    emit list.imgBlomma1->MouseDown(1, 1, Qt::LeftButton);
    EXPECT_EQ(list.imgBlomma1->x(), left2);
    EXPECT_EQ(list.imgBlomma2->x(), left1);
    emit list.imgBlomma2->MouseDown(1, 1, Qt::LeftButton);
    EXPECT_EQ(list.imgBlomma1->x(), left1);
}

TEST(Topplista, EscapeClosesTheList) {
    TestDir dir;
    TfrmTopplista list;
    list.LoadScores(dir.Path("scores.hgh"), kRader);
    list.show();
    list.grdLista->setFocus();
    QTest::keyClick(list.grdLista, Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
}
