// SPDX-License-Identifier: GPL-3.0-or-later
#include "KartaTest.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "maps/Areas.h"
#include "maps/Kartor.h"
#include "screens/Fyrval.h"

#include <QPushButton>

TEST_F(KartaTest, AWrongClickNamesTheCountryAndAClickOnTheNameGoesToTheMap) {
    Start();
    Click(5, OtherLon(), Qt::MiddleButton);
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    ASSERT_TRUE(screen->lblNamn->isVisible());
    EXPECT_EQ(screen->lblNamn->text(), OtherLon() == 5 ? "AAA" : "BBB");
    // Centred on the click, with silver behind it for the two seconds a name shows.
    const QPoint off =
        Pixel(5, OtherLon()) + screen->imgKarta->pos() - screen->lblNamn->geometry().center();
    EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1);
    EXPECT_EQ(std::tuple(screen->lblNamn->autoFillBackground(), screen->tmrNamnTimer->isActive(),
                         screen->tmrNamnTimer->interval()),
              std::tuple(true, true, 2000));
    Tick(screen->tmrNamnTimer);
    EXPECT_EQ(std::pair(screen->lblNamn->autoFillBackground(), screen->lblNamn->isVisible()),
              std::pair(false, true));

    // The label hides and the map beneath takes the click: a second wrong
    // answer, named anew for another two seconds.
    screen->tmrNamnTimer->stop();
    const QPoint expected = screen->lblNamn->pos() + QPoint(3, 3) - screen->imgKarta->pos();
    QTest::mouseClick(screen->lblNamn, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(std::tuple(ex->Fel, screen->tmrNamnTimer->isActive(), screen->lblNamn->isVisible()),
              std::tuple(2, true, true));
    EXPECT_EQ(Pixel(screen->Punkt.Lat, screen->Punkt.Lon), expected);
}

TEST_F(KartaTest, TheQuestionFollowsThePointerARightClickWithAnyButtonCountsAndTheLastEndsTheGame) {
    Start();
    QTest::mouseClick(screen->cmdTopp, Qt::LeftButton); // before any answer: the list only
    // The question follows the pointer over the map.
    const QString first = screen->lblFraga->text();
    EXPECT_TRUE(screen->lblText->isHidden());
    QTest::mouseMove(screen->imgKarta, QPoint(100, 80));
    QTest::qWait(10);
    EXPECT_EQ(std::pair(screen->lblText->isVisible(), screen->lblText->text()),
              std::pair(true, " " + first + " "));
    Click(5, AskedLon(), Qt::RightButton);
    // A right answer weighs two.
    EXPECT_EQ(std::pair(screen->lblProcent->text(), ex->Svarat), std::pair(QString("100 %"), 2));
    EXPECT_NE(screen->lblFraga->text(), first);
    screen->Sekunder = 42;
    Click(5, AskedLon());
    EXPECT_EQ(topList, (TopList{{7, -1}, {7, MakeScore(100, 42)}}));
    EXPECT_EQ(screen->lblFraga->text(), "-");
    EXPECT_TRUE(screen->lblText->isHidden() && !screen->tmrTid->isActive() && ex->Slut);
    Click(5, 25); // afterwards a click only names what lies under it
    EXPECT_EQ(std::pair(ex->Svarat, topList.size()), std::pair(4, size_t(2)));
}

TEST_F(KartaTest, WheelKeysAndDragsZoomAndPanAndClicksAreJudgedAtTheViewOnScreen) {
    Start();
    const QPoint at = Pixel(5, AskedLon());
    Wheel(at, 2);
    EXPECT_NEAR(Zoom(), 2, 1e-3);
    EXPECT_LE((Pixel(5, AskedLon()) - at).manhattanLength(), 2);
    EXPECT_TRUE(screen->cmdHem->isVisible());
    // A drag with the right or middle button pans and answers nothing; a
    // press that hardly moves is a click with that button.
    Drag(at, at + QPoint(30, 20));
    Drag(at + QPoint(30, 20), at + QPoint(40, 10), Qt::MiddleButton);
    EXPECT_EQ(ex->Svarat, 0);
    EXPECT_LE((Pixel(5, AskedLon()) - at - QPoint(40, 10)).manhattanLength(), 3);
    Drag(Pixel(5, AskedLon()), Pixel(5, AskedLon()) + QPoint(2, 1));
    EXPECT_EQ(ex->Svarat, 2);
    Click(5, AskedLon());
    EXPECT_EQ(ex->Svarat, 4); // both right: a wrong answer weighs one
    // Keys zoom about the middle; Home and the corner control go back.
    QTest::keyClick(screen.get(), Qt::Key_Plus);
    EXPECT_NEAR(Zoom(), 2 * std::sqrt(2.0), 1e-3);
    QTest::keyClick(screen.get(), Qt::Key_Minus);
    QTest::keyClick(screen.get(), Qt::Key_Home);
    EXPECT_TRUE(Zoom() == 1 && !screen->cmdHem->isVisible());
    Wheel(at, 4);
    QTest::mouseClick(screen->cmdHem, Qt::LeftButton);
    EXPECT_TRUE(Zoom() == 1 && screen->Karta()->VyMitt == ex->VyMitt);
}

TEST_F(KartaTest, RestartResetsTheClockTheCountsAndTheMapAndQuitLeavesNoMapBehind) {
    Start();
    Click(5, AskedLon());
    Click(5, OtherLon()); // the answered country: named, not counted
    ASSERT_EQ(screen->lblProcent->text(), "100 %");
    screen->Sekunder = 77;
    Tick(screen->tmrTid);
    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_EQ(std::tuple(screen->Sekunder, screen->lblTid->text(), screen->lblProcent->text(),
                         ex->Svarat, ex->Fel, ex->Fragor),
              std::tuple(0, QString(), QString("0 %"), 0, 0, 1));
    EXPECT_TRUE(!screen->Karta()->Landareor->Hitta("AAA")->Besvarad && screen->tmrTid->isActive() &&
                screen->lblNamn->isHidden());

    // Quit and the screen's end leave the exercise without a map.
    QTest::mouseClick(screen->cmdAvsluta, Qt::LeftButton);
    EXPECT_TRUE(screen->isHidden());
    screen.reset();
    EXPECT_TRUE(!ex->Karta && !ex->Formular);
    Open(); // the next start gets a fresh map
    EXPECT_EQ(ex->Karta, screen->Karta());
}

TEST_F(KartaTest, EachMapNumberLoadsItsFilesAMissingOneIsPassedOnAndOnlyTheWorldHasTheGraticule) {
    Exercise(7, 1, 1, {}); // map 1 needs Vatten.crp, which is not there yet
    dir.Write("Ort1.crp", FileOf({Place("Town")}));
    EXPECT_THROW(Open(), EInOutError);
    EXPECT_TRUE(screen->isHidden() && screen->cmdAvsluta->isEnabled());

    // The close-up maps have water files of their own, never the shared one.
    dir.Write("Vatten7.crp", FileOf({Box("L1", 1, 1, 2, 2), Box("L2", 3, 3, 4, 4)}));
    for (int n : {1, 2, 7}) {
        dir.Write(QString("AREA%1.crp").arg(n), FileOf({Box("AAA", 0, 0, 10, 10)}));
        dir.Write(QString("Hav%1.crp").arg(n),
                  FileOf(std::vector<TSeaPointRecord>(n + 2, {11, 5})));
    }
    // Start writes the shared Vatten.crp and Hav4.crp with two points.
    for (const auto& [map, seaPoints, lakes, graticule] :
         {std::tuple{1, 3, 1, true}, {2, 4, 1, false}, {4, 2, 1, false}, {7, 9, 2, false}}) {
        Start(map);
        const CKarta& k = *screen->Karta();
        EXPECT_EQ(std::tuple(k.AntalHav, k.Vattenareor->Antal, k.Gradnat),
                  std::tuple(seaPoints, lakes, graticule))
            << map;
    }
    Start(kAntalKartor + 1); // a map number past the last loads only the places
    EXPECT_EQ(std::pair(screen->Karta()->Landareor->Antal, screen->Karta()->AntalHav),
              std::pair(0, 0));
}

TEST_F(KartaTest, TheScreenShowsTheMapsPictureAfterEveryAnswerAndBlinkTick) {
    Start();
    EXPECT_TRUE(Fresh());
    // Four wrong answers, highlighted from the third and blinking from the
    // fourth, then three blink ticks.
    for (int step = 1; step <= 7; ++step) {
        step <= 4 ? Click(5, OtherLon()) : Tick(screen->tmrBlinka);
        EXPECT_TRUE(Fresh()) << "after step " << step;
    }
    // The highlight and every colour come back at any view.
    const QPoint middle = Pixel(5, 10);
    for (int notches : {1, 2, -1, 3}) {
        Wheel(middle, notches);
        EXPECT_TRUE(Fresh()) << "after zooming " << notches;
    }
    Drag(middle, middle + QPoint(-25, 15));
    EXPECT_TRUE(Fresh());
    Click(5, AskedLon()); // answered late: red
    QTest::keyClick(screen.get(), Qt::Key_Home);
    EXPECT_TRUE(Fresh());
    Click(5, AskedLon()); // answered at once: white, and the game ends
    EXPECT_TRUE(Fresh());
    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_TRUE(Fresh());
}

// The map's detail file is not read at the exercise's own view, which draws
// the records. The first zoom reads it and draws a finer level, even at a
// scale the records' tolerance would allow, as the records hold only at the
// exercises' own views; clicks are judged on the level drawn (a bay cut into
// AAA is no land), and Home goes back to the records.
TEST_F(KartaTest, TheDetailFileIsReadAtTheFirstZoomAndJudgedOn) {
    TDetaljer d;
    d.BasTolerans = 0.0001;
    d.Nivaer = {
        {0.00002, {{{{0, 0}, {10, 0}, {10, 10}, {6, 10}, {5, 6}, {4, 10}, {0, 10}}}, {}, {}}}};
    TByteWriter w;
    d.Write(w);
    dir.Write(DetaljFil(4), w.Bytes());
    Start();
    const CAreor& land = *screen->Karta()->Landareor;
    const auto under = [&] { return land.Under(5, 9, [](const CArea&) { return true; }); };
    EXPECT_EQ(std::tuple(land.Niva, land.Area(1).Finare.size(), under() != nullptr),
              std::tuple(0, size_t(0), true));
    Wheel(Pixel(5, 9), 1);
    ASSERT_GT((screen->Karta()->VyNord - screen->Karta()->VySyd) / screen->Karta()->H(),
              d.BasTolerans);
    EXPECT_EQ(std::tuple(land.Niva, land.Area(1).Finare.size(), under() != nullptr),
              std::tuple(1, size_t(1), false));
    QTest::keyClick(screen.get(), Qt::Key_Home);
    EXPECT_EQ(std::tuple(land.Niva, under() != nullptr), std::tuple(0, true));
}

TEST_F(KartaTest, ATypedGameAnswersWithTheNameFieldAndClicksGiveNothingAway) {
    Start(4, {"AAA", "BBB"}, 12, -2, TSvarssatt::Skriva);
    EXPECT_TRUE(screen->panSkriv->isVisible() && screen->lblText->text().isEmpty());
    const QString asked = ex->FragatNamn();
    EXPECT_FALSE(screen->lblFraga->text().contains(asked));
    Click(5, AskedLon()); // the marked area is the answer: a click does nothing
    EXPECT_EQ(ex->Svarat, 0);
    const auto type = [&](const QString& text) {
        screen->txtNamn->setText(text);
        QTest::keyClick(screen->txtNamn, Qt::Key_Return);
    };
    type("Atlantis");
    EXPECT_EQ(std::pair(ex->Fel, screen->lblSkrivsvar->text()),
              std::pair(1, QString::fromUtf8("✗ Atlantis")));
    EXPECT_TRUE(screen->txtNamn->text().isEmpty());
    type(asked == "AAA" ? "BBB" : "AAA");
    type("   "); // nothing typed: no answer
    type("CCC"); // on the map but not asked: no item's name
    EXPECT_EQ(ex->Fel, 3);
    EXPECT_TRUE(screen->lblSkrivsvar->text().endsWith(QString::fromUtf8("→ ") + asked));
    type(asked.toLower());
    EXPECT_EQ(std::pair(ex->Svarat, screen->lblSkrivsvar->text()),
              std::pair(5, QString::fromUtf8("✓ ") + asked));
    type(ex->FragatNamn());
    EXPECT_TRUE(ex->Slut);
    EXPECT_EQ(topList.back().first, 1007);
}

TEST_F(KartaTest, FourChoicesAnswerByKeyOrButtonAndACapitalsGameByAClickOnTheCapital) {
    // Two items: the third country of the map stands in as a choice.
    Start(4, {"AAA", "BBB"}, 12, -2, TSvarssatt::Fyra);
    ASSERT_TRUE(screen->panFyrval->isVisible());
    EXPECT_TRUE(screen->lblText->text().isEmpty() && !screen->panSkriv->isVisible());
    const auto shown = [&] {
        QStringList texts;
        for (const QPushButton* b : screen->panFyrval->cmdVal)
            if (b->isVisible())
                texts << b->text();
        return texts;
    };
    EXPECT_EQ(shown(), QStringList({"1   AAA", "2   BBB", "3   CCC"}));
    Click(5, 5); // the marked area is the answer: a click gives nothing
    EXPECT_EQ(ex->Svarat, 0);
    const int right = ex->RattVal(), wrong = right == 3 ? 2 : 3;
    QTest::keyClick(screen.get(), static_cast<Qt::Key>(Qt::Key_0 + wrong));
    EXPECT_EQ(std::pair(ex->Fel, screen->panFyrval->cmdVal[wrong - 1]->isEnabled()),
              std::pair(1, false));
    QTest::mouseClick(screen->panFyrval->cmdVal[right - 1], Qt::LeftButton);
    EXPECT_EQ(ex->Svarat, 3);
    ASSERT_TRUE(screen->panFyrval->isVisible()); // the next question, every box open again
    EXPECT_TRUE(screen->panFyrval->cmdVal[wrong - 1]->isEnabled());
    QTest::keyClick(screen.get(), static_cast<Qt::Key>(Qt::Key_0 + ex->RattVal()));
    EXPECT_TRUE(ex->Slut && !screen->panFyrval->isVisible());
    EXPECT_EQ(topList.back().first, 1207);

    // Capitals: the places come from the capitals exercise's file, the
    // question does not name them, and a click on one answers.
    TPlaceRecord capital = Place("Fivecity", 1, "AAA", 5, 5);
    capital.Klass1 = true;
    dir.Write("Ort5.crp", FileOf({capital}));
    huvudstader = {2, 5, 1, true, false, {"AAA"}};
    Start(4, {"AAA", "BBB"}, 12, -2, TSvarssatt::Huvudstad);
    EXPECT_TRUE(screen->panSkriv->isVisible() && !screen->panFyrval->isVisible());
    EXPECT_EQ(ex->FragatNamn(), "Fivecity");
    EXPECT_FALSE(screen->lblFraga->text().contains("Fivecity"));
    Click(5, 5);
    EXPECT_TRUE(ex->Slut); // BBB has no capital there: not asked
    EXPECT_EQ(topList.back().first, 1407);
}
