#include "exercises/OvningFlagga.h"
#include "ScreenTest.h"
#include "platform/Image.h"
#include "screens/OvningFlagga.h"
#include "screens/Panel.h"

#include <QTest>

namespace {

const QColor kSilver(192, 192, 192);

class FlaggaTest : public ScreenTest {
protected:
    void Start(int count) {
        QStringList keys;
        std::vector<TestArea> areas;
        for (int i = 1; i <= count; ++i) {
            keys << QString("K%1").arg(i);
            areas.push_back(Box(keys.last(), 0, i * 2, 1, i * 2 + 1));
        }
        dir.Write("AREA1.crp", FileOf(areas));
        dir.Write("Ort1.crp", FileOf({Place("Town")}));
        ex = Exercise<COvningFlagga>(12, 1, 1, keys);
        screen = std::make_unique<TfrmOvningFlagga>(nullptr, Qt::Window);
        screen->StartaOvning(ex);
    }

    void ClickCell(int n) {
        const int c = (n - 1) % 4, r = (n - 1) / 4;
        QTest::mouseClick(screen->imgFlags, Qt::LeftButton, {},
                          QPoint(int(c * 148.75 + 70), int(r * 94.75 + 60)));
    }

    // A pixel of cell n inside its fill, clear of the flag and its name.
    QColor CellColor(int n) const {
        const int c = (n - 1) % 4, r = (n - 1) / 4;
        return screen->imgFlags->Picture().pixelColor(qRound(c * 148.75) + 3,
                                                      qRound(r * 94.75) + 3);
    }

    int WrongCell() const { return ex->FragaNr % ex->AntalFlaggor + 1; }

    std::shared_ptr<COvningFlagga> ex;
    std::unique_ptr<TfrmOvningFlagga> screen;
};

} // namespace

TEST_F(FlaggaTest, LaysOutTheSheetAndDrawsTheFlagsInPlayOnTheGrid) {
    Start(5);
    EXPECT_EQ(screen->size(), QSize(632, 461));
    EXPECT_EQ(screen->imgFlags->geometry(), QRect(5, 5, 595, 379));
    EXPECT_FLOAT_EQ(screen->Rutbredd, 148.75f);
    EXPECT_FLOAT_EQ(screen->Ruthojd, 94.75f);
    EXPECT_EQ(screen->pnlFlags->Color(), FrameColor);
    EXPECT_EQ(screen->cmdStarta->text(), "Restart");
    EXPECT_EQ(screen->lblFraga->text(), "Click on " + ex->FlaggNamn(ex->FragaNr));
    const QImage& sheet = screen->imgFlags->Picture();
    EXPECT_EQ(sheet.pixelColor(149, 50), QColor(Qt::black)); // a grid line, halves to even
    EXPECT_EQ(sheet.pixelColor(50, 95), QColor(Qt::black));
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(CellColor(n), QColor(Qt::white)) << n;
    EXPECT_EQ(CellColor(6), kSilver);
    // No picture: a 100 x 63 placeholder box under the cell's top.
    EXPECT_EQ(sheet.pixelColor(74 - 50, 8), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(74 + 49, 8 + 62), QColor(Qt::black));
    // Every item's picture was tried, and each failure said so once.
    EXPECT_EQ(boxes.size(), 5);
    EXPECT_EQ(boxes[0], "Could not open flag file flag.gif");
    EXPECT_TRUE(screen->tmrTid->isActive());
    // Help opens from the button and F1.
    QTest::mouseClick(screen->cmdHjalp, Qt::LeftButton);
    QTest::keyClick(screen.get(), Qt::Key_F1);
    EXPECT_EQ(opened.size(), 2);

    // A picture is drawn at its own size centred in its cell.
    QImage wide(200, 50, QImage::Format_RGB32);
    wide.fill(Qt::red);
    screen->Flaggbilder[2] = wide;
    screen->RitaFlagga(2, Qt::white, false);
    const int left = 223 - 100; // centre round(1.5 x 148.75) less half the width
    EXPECT_EQ(sheet.pixelColor(left, 8), QColor(Qt::black)); // its frame
    EXPECT_EQ(sheet.pixelColor(left + 1, 20), QColor(Qt::red));
    EXPECT_EQ(sheet.pixelColor(left + 198, 20), QColor(Qt::red)); // over the next cell
    EXPECT_EQ(sheet.pixelColor(left + 199, 57), QColor(Qt::black));
}

TEST_F(FlaggaTest, ClicksOutsideTheFlagsInPlayAndOnAnsweredFlagsDoNothing) {
    Start(5);
    const QImage before = screen->imgFlags->Picture().copy();
    ClickCell(6);
    ClickCell(16);
    EXPECT_EQ(ex->Svarat, 0);
    EXPECT_EQ(screen->imgFlags->Picture(), before);
    const int right = ex->FragaNr;
    ClickCell(right);
    EXPECT_EQ(CellColor(right), kSilver);
    const QImage after = screen->imgFlags->Picture().copy();
    ClickCell(right);
    EXPECT_EQ(ex->Svarat, 1);
    EXPECT_EQ(screen->imgFlags->Picture(), after);
}

TEST_F(FlaggaTest, AWrongFlagShowsItsNameUntilTheNextWrongClickOrTick) {
    Start(5);
    // With pictures, a flag's name shows only when it is asked for.
    for (int n = 1; n <= 5; ++n) {
        screen->Flaggbilder[n] = QImage(60, 40, QImage::Format_RGB32);
        screen->Flaggbilder[n].fill(Qt::blue);
    }
    screen->RitaAllaFlaggor();
    const QImage plain = screen->imgFlags->Picture().copy();
    const auto cell = [](const QImage& sheet, int n) {
        const int c = (n - 1) % 4, r = (n - 1) / 4;
        return sheet.copy(qRound(c * 148.75), qRound(r * 94.75), 148, 94);
    };

    const int first = WrongCell();
    ClickCell(first);
    EXPECT_EQ(ex->Fel, 1);
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    EXPECT_NE(cell(screen->imgFlags->Picture(), first), cell(plain, first));
    EXPECT_EQ(screen->Omritas, first);
    EXPECT_TRUE(screen->tmrRitaOm->isActive());

    int second = first % 5 + 1;
    if (second == ex->FragaNr)
        second = second % 5 + 1;
    ClickCell(second);
    EXPECT_EQ(cell(screen->imgFlags->Picture(), first), cell(plain, first));
    EXPECT_NE(cell(screen->imgFlags->Picture(), second), cell(plain, second));
    EXPECT_EQ(screen->Omritas, second);
    ClickCell(second); // clicked again, it keeps its name
    EXPECT_NE(cell(screen->imgFlags->Picture(), second), cell(plain, second));

    Tick(screen->tmrRitaOm);
    EXPECT_EQ(screen->imgFlags->Picture(), plain);
    EXPECT_EQ(screen->Omritas, 0);
    EXPECT_FALSE(screen->tmrRitaOm->isActive());
}

TEST_F(FlaggaTest, TheThirdWrongAnswerStartsTheBlinkAndTheRightFlagStopsIt) {
    Start(5);
    for (int i = 0; i < 2; ++i)
        ClickCell(WrongCell());
    EXPECT_FALSE(screen->tmrBlinka->isActive());
    ClickCell(WrongCell());
    EXPECT_TRUE(screen->tmrBlinka->isActive());
    EXPECT_EQ(screen->Blinkraknare, 1);
    Tick(screen->tmrBlinka);
    EXPECT_EQ(CellColor(ex->FragaNr), QColor(0, 255, 0));
    Tick(screen->tmrBlinka);
    EXPECT_EQ(CellColor(ex->FragaNr), QColor(Qt::white));
    ClickCell(WrongCell()); // the fourth leaves the blink as it is
    EXPECT_EQ(screen->Blinkraknare, 3);
    const int right = ex->FragaNr;
    ClickCell(right);
    EXPECT_EQ(screen->Blinkraknare, 0);
    EXPECT_EQ(CellColor(right), kSilver);
    EXPECT_EQ(screen->lblProcent->text(), "20 %");
}

TEST_F(FlaggaTest, TheLastFlagEndsTheGameAndRestartBeginsAgain) {
    Start(3);
    for (int i = 0; i < 3; ++i) {
        screen->Sekunder = 10 * i;
        ClickCell(ex->FragaNr);
    }
    ASSERT_EQ(topList.size(), 1u);
    EXPECT_EQ(topList[0], std::make_pair(12, MakeScore(100, 20)));
    EXPECT_TRUE(screen->lblFraga->text().isEmpty());
    EXPECT_FALSE(screen->tmrTid->isActive());

    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_EQ(screen->Sekunder, 0);
    EXPECT_TRUE(screen->lblTid->text().isEmpty());
    EXPECT_TRUE(screen->tmrTid->isActive());
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(CellColor(n), QColor(Qt::white));
    EXPECT_FALSE(screen->lblFraga->text().isEmpty());
}
