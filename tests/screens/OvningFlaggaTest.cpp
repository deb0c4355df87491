// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningFlagga.h"
#include "ScreenTest.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "maps/Areas.h"
#include "platform/Image.h"
#include "scores/Misstagsregister.h"
#include "screens/Flaggfokus.h"
#include "screens/OvningFlagga.h"

#include <QPainter>
#include <QTest>

namespace {

class FlaggaTest : public ScreenTest<COvningFlagga, TfrmOvningFlagga> {
protected:
    void Start(int count) {
        dir.Write("AREA1.crp", FileOf(Countries(count)));
        dir.Write("Ort1.crp", FileOf({Place("Town")}));
        Exercise(12, 1, 1, Keys(count));
        Open();
    }

    void ClickCell(int n) {
        const int c = (n - 1) % 4, r = (n - 1) / 4;
        QTest::mouseClick(screen->imgFlags, Qt::LeftButton, {},
                          QPoint(int(c * 148.75 + 70), int(r * 94.75 + 60)));
    }

    // Cell n of a sheet drawn at ratio 1, and a pixel inside its fill, clear of the flag and its
    // name.
    static QImage Cell(const QImage& sheet, int n) {
        return sheet.copy(qRound((n - 1) % 4 * 148.75), qRound((n - 1) / 4 * 94.75), 148, 94);
    }
    QColor CellColor(int n) const { return Cell(screen->imgFlags->Picture(), n).pixelColor(3, 3); }

    int WrongCell() const { return ex->FragaNr % ex->AntalFlaggor + 1; }
};

} // namespace

TEST_F(FlaggaTest, OnlyTheFlagsInPlayAreDrawnAndTakeClicksAndAMissingPictureIsReportedOnce) {
    Start(5);
    EXPECT_EQ(screen->lblFraga->text(), "Click on " + ex->FlaggNamn(ex->FragaNr));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(CellColor(n), n <= 5 ? QColor(Qt::white) : kSilver) << n;
    // Every item's picture was tried, and each failure said so once.
    EXPECT_EQ(boxes, QStringList(5, "Could not open flag file flag.gif"));
    EXPECT_TRUE(screen->tmrTid->isActive());
    QTest::mouseClick(screen->cmdHjalp, Qt::LeftButton);
    QTest::keyClick(screen.get(), Qt::Key_F1);
    EXPECT_EQ(opened, QStringList(2, "file://" + ProgramFolder() + "/globina.chm"));

    // Clicks outside the flags in play and on answered flags do nothing.
    const QImage before = screen->imgFlags->Picture().copy();
    ClickCell(6);
    ClickCell(16);
    EXPECT_EQ(std::tuple(ex->Svarat, screen->imgFlags->Picture()), std::tuple(0, before));
    const int right = ex->FragaNr;
    ClickCell(right);
    const QImage after = screen->imgFlags->Picture().copy();
    ClickCell(right);
    EXPECT_EQ(std::tuple(ex->Svarat, screen->imgFlags->Picture()), std::tuple(1, after));
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
    const auto named = [&](int n) {
        return Cell(screen->imgFlags->Picture(), n) != Cell(plain, n);
    };
    const int first = WrongCell();
    ClickCell(first);
    EXPECT_EQ(std::tuple(ex->Fel, screen->lblProcent->text(), screen->Omritas, named(first),
                         screen->tmrRitaOm->isActive()),
              std::tuple(1, "0 %", first, true, true));

    const int second = first % 5 + 1; // two past the asked flag, so never it
    ClickCell(second);
    EXPECT_EQ(std::tuple(named(first), named(second), screen->Omritas),
              std::tuple(false, true, second));
    ClickCell(second); // clicked again, it keeps its name
    EXPECT_TRUE(named(second));

    Tick(screen->tmrRitaOm);
    EXPECT_EQ(
        std::tuple(screen->imgFlags->Picture(), screen->Omritas, screen->tmrRitaOm->isActive()),
        std::tuple(plain, 0, false));
}

TEST_F(FlaggaTest, TheThirdWrongAnswerStartsTheBlinkAndTheRightFlagStopsIt) {
    Start(5);
    for (int i = 0; i < 2; ++i)
        ClickCell(WrongCell());
    EXPECT_FALSE(screen->tmrBlinka->isActive());
    ClickCell(WrongCell());
    EXPECT_EQ(std::tuple(screen->tmrBlinka->isActive(), screen->Blinkraknare), std::tuple(true, 1));
    Tick(screen->tmrBlinka);
    EXPECT_EQ(CellColor(ex->FragaNr), QColor(0, 255, 0));
    Tick(screen->tmrBlinka);
    EXPECT_EQ(CellColor(ex->FragaNr), QColor(Qt::white));
    ClickCell(WrongCell()); // the fourth leaves the blink as it is
    EXPECT_EQ(screen->Blinkraknare, 3);
    const int right = ex->FragaNr;
    ClickCell(right);
    EXPECT_EQ(std::tuple(screen->Blinkraknare, CellColor(right), screen->lblProcent->text()),
              std::tuple(0, kSilver, "20 %"));
}

TEST_F(FlaggaTest, TheLastFlagEndsTheGameAndEntersTheMistakesRestartBeginsAgainAndPracticeDoesNot) {
    Start(3);
    for (int i = 0; i < 3; ++i) {
        screen->Sekunder = 10 * i;
        ClickCell(ex->FragaNr);
    }
    EXPECT_EQ(topList, (TopList{{12, MakeScore(100, 20)}}));
    EXPECT_TRUE(screen->lblFraga->text().isEmpty() && !screen->tmrTid->isActive());

    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_EQ(std::tuple(screen->Sekunder, screen->lblTid->text(), screen->lblProcent->text()),
              std::tuple(0, QString(), "0 %"));
    EXPECT_TRUE(screen->tmrTid->isActive() && !screen->lblFraga->text().isEmpty());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(CellColor(n), QColor(Qt::white));

    // A finished game enters the record of mistakes and a practice game does not.
    ex->Varldsdel = "T1"; // a part that no other test plays
    const auto play = [&] {
        QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
        ClickCell(WrongCell());
        // Bounded, so that clicks that miss their flag fail the test, not hang it.
        for (int i = 0; i < 10 && !screen->lblFraga->text().isEmpty(); ++i)
            ClickCell(ex->FragaNr);
        return Misstagsregister().MestMissade("T1");
    };
    const auto first = play();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(std::tuple(first[0].Objekt, first[0].Fragad, first[0].ForstaForsok),
              std::tuple(ex->Logg.Fragor[0].Objekt, 1, 0));
    EXPECT_EQ(Misstagsregister().Forvaxlingar("T1").size(), 1u);
    ex->Ovningsobjekt = QStringList{first[0].Objekt};
    EXPECT_EQ(play().at(0).Fragad, 1);
}

TEST_F(FlaggaTest, AQuestionThatWouldRunIntoThePercentageAsksByAShorterText) {
    LanguageTexts(2, 9) = "Click on:";
    TfrmOvningFlagga screen(nullptr, Qt::Window);
    const auto question = [&screen](const QString& key, const QString& name) {
        CArea area;
        area.Nyckel = key;
        area.Namn[2] = name;
        return screen.FragaFor(area);
    };
    EXPECT_EQ(question("SE", "Sweden"), "Click on: Sweden");
    // Too long with the lead-in: the short form with it, else the name alone,
    // else the short form alone.
    EXPECT_EQ(question("BA", "Bosnia and Herzegovina of the Balkans"), "Click on: Bosnia");
    EXPECT_EQ(question("XX", "Central African Republic"), "Central African Republic");
    EXPECT_EQ(question("VC", "Saint Vincent and the Grenadines of the Caribbean"),
              "St. Vincent & Grenadines");
}

TEST_F(FlaggaTest, AtRatioTwoEveryCellLooksTheSameSharperAndClicksPickTheSameFlags) {
    Start(6);
    // Flags of two colours side by side, in sizes that put their centres
    // between picture pixels; the odd ones have a double-size picture, the
    // even ones are enlarged from the small one.
    const auto flagga = [](QSize size, int n, int skala) {
        QImage f(size * skala, QImage::Format_RGB32);
        f.fill(QColor(40 * n, 0, 255 - 40 * n));
        QPainter(&f).fillRect(0, 0, size.width() / 2 * skala, f.height(), QColor(0, 30 * n, 0));
        return f;
    };
    const auto rita = [&](qreal kvot) {
        screen->NyttArk(kvot);
        for (int n = 1; n <= 6; ++n) {
            const QSize size(41 + 6 * n, 23 + 2 * n);
            screen->Flaggbilder[n] = flagga(size, n, 1);
            screen->Flaggbilder2x[n] = n % 2 ? flagga(size, n, 2) : QImage();
        }
        screen->RitaAllaFlaggor();
        screen->RitaFlagga(2, kSilver, true);            // answered, with its name
        screen->RitaFlagga(3, QColor(0, 255, 0), false); // blinking
        screen->Flaggbilder[5] = QImage();               // a placeholder with its name
        screen->RitaFlagga(5, Qt::white, false);
        return screen->imgFlags->Picture().copy();
    };
    const QImage ett = rita(1), tva = rita(2);
    ASSERT_EQ(std::tuple(tva.size(), tva.devicePixelRatio()), std::tuple(ett.size() * 2, 2.0));

    // Every layout pixel but the names' is a block of 2 x 2 picture pixels of
    // its colour at ratio 1: grid, frames, fills and flags.
    const QRect namn2(150, 8 + 27, 147, 94 - 35), namn5(24, 95 + 8 + 63, 124, 189 - 166);
    int fel = 0;
    for (int y = 0; y < ett.height(); ++y)
        for (int x = 0; x < ett.width(); ++x)
            for (int k = 0; k < 4 && !namn2.contains(x, y) && !namn5.contains(x, y); ++k)
                fel += tva.pixel(2 * x + k % 2, 2 * y + k / 2) != ett.pixel(x, y);
    EXPECT_EQ(fel, 0);
    // A double-size picture is what the sheet shows.
    screen->Flaggbilder2x[1].fill(Qt::yellow);
    screen->RitaFlagga(1, Qt::white, false);
    EXPECT_EQ(screen->imgFlags->Picture().pixelColor(2 * 74, 2 * 30), QColor(Qt::yellow));

    // A press at a layout point picks the same flag at both ratios, on
    // either side of every line between flags in play.
    std::vector<std::pair<QPoint, int>> punkter{{{10, 190}, 0}, {{300, 300}, 0}};
    for (auto [a, b, p, q] : {std::tuple{1, 2, QPoint(148, 50), QPoint(149, 50)},
                              {2, 3, QPoint(297, 50), QPoint(298, 50)},
                              {3, 4, QPoint(446, 50), QPoint(447, 50)},
                              {1, 5, QPoint(70, 94), QPoint(70, 95)},
                              {5, 6, QPoint(148, 120), QPoint(149, 120)}})
        if (a != ex->FragaNr && b != ex->FragaNr)
            punkter.insert(punkter.end(), {{p, a}, {q, b}});
    for (qreal kvot : {1.0, 2.0}) {
        screen->NyttArk(kvot);
        for (auto [p, n] : punkter) {
            Tick(screen->tmrRitaOm);
            QTest::mouseClick(screen->imgFlags, Qt::LeftButton, {}, p);
            EXPECT_EQ(screen->Omritas, n) << kvot << ": " << p.x() << "," << p.y();
        }
    }
    EXPECT_EQ(ex->Fel, ex->Svarat); // no press hit the flag asked for
}

TEST_F(FlaggaTest, TheSheetIsPlayedWithTheKeyboardRowByRow) {
    Start(6);
    const auto key = [](int k) {
        QWidget* f = QApplication::focusWidget();
        ASSERT_TRUE(f);
        QTest::keyClick(f, static_cast<Qt::Key>(k));
    };
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    ASSERT_EQ(QApplication::focusWidget(), screen->Flaggfokus);
    key(Qt::Key_Tab);
    EXPECT_EQ(std::pair(screen->Flaggfokus->RingVisas(), screen->Flaggfokus->Aktuell()),
              std::pair(true, 1));
    key(Qt::Key_Down); // the second row holds cells 5 and 6
    EXPECT_EQ(screen->Flaggfokus->Aktuell(), 5);
    key(Qt::Key_Right);
    EXPECT_EQ(screen->Flaggfokus->Aktuell(), 6);
    key(Qt::Key_Down); // nothing below
    key(Qt::Key_Up);
    EXPECT_EQ(screen->Flaggfokus->Aktuell(), 2);
    for (int tryck = 0; !ex->Slut && tryck < 200; ++tryck) {
        if (QApplication::focusWidget() == screen->Flaggfokus &&
            screen->Flaggfokus->Aktuell() == ex->FragaNr) {
            key(Qt::Key_Return);
            EXPECT_TRUE(screen->Flaggfokus->accessibleDescription().startsWith("Right."));
        } else {
            key(Qt::Key_Tab);
        }
    }
    EXPECT_TRUE(ex->Slut);
    EXPECT_EQ(std::pair(ex->Svarat, ex->Fel), std::pair(6, 0));
}

// Each answer enters the record as it is given: a game closed halfway keeps
// the answers given, and no game is stored until one is finished.
TEST_F(FlaggaTest, AGameClosedHalfwayKeepsTheAnswersGivenInTheRecord) {
    Start(3);
    ex->Varldsdel = "T2"; // a part that no other test plays
    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    ClickCell(WrongCell());
    const QString first = ex->Logg.Fragor.at(0).Objekt;
    ClickCell(ex->FragaNr);
    const auto states = [] { return Misstagsregister().Minnen("T2"); };
    ASSERT_EQ(states().size(), 1u);
    EXPECT_EQ(std::tuple(states()[0].Objekt, states()[0].Satt, states()[0].SenastForsok),
              std::tuple(first, SattAttFraga(ex->Typ), 2));
    screen->close();
    screen.reset();
    ASSERT_EQ(states().size(), 1u);
    EXPECT_TRUE(Misstagsregister().MestMissade("T2").empty()); // no game was finished
}
