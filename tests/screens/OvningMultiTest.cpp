// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningMulti.h"
#include "ScreenTest.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "platform/Image.h"
#include "screens/OvningMulti.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>

namespace {

class MultiTest : public ScreenTest<COvningMulti, TfrmOvningMulti> {
protected:
    // Four countries with their capitals, of which the first count are in the file.
    void Start(int count, int map = 2) {
        dir.Write(QString("AREA%1.crp").arg(map),
                  FileOf(Countries(4, {"Anland", "Beland", "Celand", "Deland"})));
        dir.Write("Ort2.crp",
                  FileOf(Capitals(QStringList{"Acity", "Bcity", "Ccity", "Dcity"}.first(count))));
        Exercise(30, map, 2, Keys(4));
        ex->Niva = 1, ex->KravPlats1 = true;
        Open();
    }

    static Qt::Key Digit(int n) { return static_cast<Qt::Key>(Qt::Key_0 + n); }
    int Wrong() const { return ex->RattPlats % 4 + 1; }
    QColor BoxColor(int n) const { return screen->imgSvar[n - 1]->Picture().pixelColor(3, 3); }
};

} // namespace

TEST_F(MultiTest, TheClockShowsAsSetTheFlowerTurnsAndEachMapNumberLoadsItsAreas) {
    Start(4);
    QTest::mouseClick(screen->imgBlomma, Qt::LeftButton);
    EXPECT_TRUE(screen->imgBlomma->isHidden() && screen->imgBar->isVisible());
    ShowTimer = false; // the clock setting hides the clock, not the time kept
    Start(4);
    EXPECT_TRUE(screen->lblTid->isHidden() && screen->tmrTid->isActive());
    // Every map number up to the last loads its areas, any other only the places.
    for (const auto& [map, areas] :
         {std::pair{1, 4}, {9, 4}, {kAntalKartor, 4}, {kAntalKartor + 1, 0}}) {
        Start(4, map);
        EXPECT_EQ(screen->Karta()->Landareor->Antal, areas) << map;
    }
}

TEST_F(MultiTest, DigitKeysAnswerAndASecondPressDuringTheRightAnswerIsDropped) {
    Start(4);
    QTest::keyClick(screen.get(), Digit(Wrong()));
    EXPECT_EQ(std::tuple(BoxColor(Wrong()), ex->Fel, screen->lblProcent->text()),
              std::tuple(RedColor, 1, "0 %"));

    const int right = ex->RattPlats;
    QColor inThePause;
    QTimer::singleShot(100, [&] {
        inThePause = BoxColor(right);
        QTest::keyClick(screen.get(), Digit(right));
    });
    QTest::keyClick(screen.get(), Digit(right));
    EXPECT_EQ(std::tuple(inThePause, ex->Svarat, screen->lblProcent->text(),
                         screen->lblCount->text(), screen->tmrTimer->isActive()),
              std::tuple(QColor(0, 128, 0), 2, "50 %", "2 (4)", false));
}

TEST_F(MultiTest, KeysWorkWhateverHasTheFocusButNotOnTheKeypad) {
    Start(4);
    QTest::keyClick(screen.get(), Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(ex->Svarat, 0);
    screen->cmdTopp->setFocus();
    QTest::keyClick(screen->cmdTopp, Digit(Wrong()));
    EXPECT_EQ(std::pair(ex->Fel, topList.size()), std::pair(1, size_t(0)));
    QTest::keyClick(screen->cmdAvsluta, Qt::Key_F1);
    EXPECT_EQ(opened.size(), 1);

    // A layout whose digit row gives other characters: the key's position counts.
    const int wrong = Wrong();
    const Qt::Key french[] = {Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl,
                              Qt::Key_Apostrophe};
    QKeyEvent press(QEvent::KeyPress, french[wrong - 1], Qt::NoModifier, 9 + wrong, 0, 0,
                    QString(QChar(french[wrong - 1])));
    QApplication::sendEvent(screen->cmdTopp, &press);
    EXPECT_EQ(ex->Fel, 2);
}

TEST_F(MultiTest, AClickAndBothPressesOfADoubleClickAnswerAndTheLastAnswerEndsTheGame) {
    Start(2);
    EXPECT_EQ(screen->lblCount->text(), "1 (2)");
    // A widget sees a double click as press, release, double-click, release: two answers.
    QTest::mouseClick(screen->imgSvar[Wrong() - 1], Qt::LeftButton);
    QTest::mouseDClick(screen->imgSvar[Wrong() - 1], Qt::LeftButton);
    EXPECT_EQ(ex->Fel, 2);
    QTest::mouseClick(screen->imgSvar[ex->RattPlats - 1], Qt::LeftButton);
    QTest::keyClick(screen.get(), Digit(ex->RattPlats));
    EXPECT_TRUE(ex->Slut && !screen->tmrTid->isActive());
    EXPECT_EQ(topList, (TopList{{30, MakeScore(50, screen->Sekunder)}}));
    QTest::keyClick(screen.get(), Qt::Key_1);
    EXPECT_EQ(ex->Svarat, 4);
    QTest::mouseClick(screen->cmdTopp, Qt::LeftButton);
    EXPECT_EQ(topList.back(), std::make_pair(30, -1));
}

TEST_F(MultiTest, QuitOrAReleaseDuringTheRightAnswerWaitsUntilTheAnswerIsHandled) {
    Start(4);
    bool visibleInThePause = false;
    QTimer::singleShot(100, [&] {
        QTest::mouseClick(screen->cmdAvsluta, Qt::LeftButton);
        visibleInThePause = screen->isVisible();
    });
    QTest::keyClick(screen.get(), Digit(ex->RattPlats));
    EXPECT_EQ(std::pair(visibleInThePause, screen->lblCount->text()),
              std::pair(true, QString("2 (4)")));
    QTest::qWait(20);
    EXPECT_TRUE(screen->isHidden());

    Start(4);
    QPointer<TfrmOvningMulti> alive(screen.release());
    QTimer::singleShot(100, [&] { alive->deleteLater(); });
    QTest::keyClick(alive.data(), Digit(ex->RattPlats));
    ASSERT_FALSE(alive.isNull());
    QTest::qWait(20);
    EXPECT_TRUE(alive.isNull());
}
