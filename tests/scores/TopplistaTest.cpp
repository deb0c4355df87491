#include "scores/Topplista.h"
#include "data/Errors.h"
#include "platform/Image.h"
#include "scores/ScoreFile.h"
#include "support/TestFiles.h"

#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

QString Cell(const TfrmTopplista& list, int row, int column) {
    const QTableWidgetItem* item = list.grdLista->item(row, column);
    return item ? item->text() : QString();
}

const std::vector<TTopplistaRad> kRader{{12, "Capitals"}, {3, "Countries"}, {90, "World"}};

} // namespace

TEST(Topplista, WithoutAFileEveryExerciseIsListedInCatalogueOrder) {
    TestDir dir;
    TfrmTopplista list;
    list.LoadScores(dir.Path("scores.hgh"), kRader);
    ASSERT_EQ(list.grdLista->rowCount(), 3);
    EXPECT_EQ(Cell(list, 0, 0), "12");
    EXPECT_EQ(Cell(list, 0, 1), "Capitals");
    EXPECT_EQ(Cell(list, 1, 1), "Countries");
    EXPECT_EQ(Cell(list, 2, 0), "90");
    for (int c = 2; c <= 4; ++c)
        EXPECT_EQ(Cell(list, 1, c), "");
}

TEST(Topplista, ShowsPlaceOneWithABarePercentageWithoutTime) {
    TestDir dir;
    TScoreTable table;
    table(3, 1) = {MakeScore(95, 60), "QRS"};
    table(12, 1) = {75, "Old"};
    table(12, 2) = {MakeScore(99, 1), "Second place is not shown"};
    SaveScores(table, dir.Path("scores.hgh"));
    TfrmTopplista list;
    list.LoadScores(dir.Path("scores.hgh"), kRader);
    EXPECT_EQ(Cell(list, 0, 2), "Old");
    EXPECT_EQ(Cell(list, 0, 3), "75 %");
    EXPECT_EQ(Cell(list, 0, 4), "");
    EXPECT_EQ(Cell(list, 1, 2), "QRS");
    EXPECT_EQ(Cell(list, 1, 3), "95 %");
    EXPECT_EQ(Cell(list, 1, 4), "01:00");
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
