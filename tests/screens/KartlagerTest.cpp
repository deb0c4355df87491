// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Kartlager.h"
#include "KartaTest.h"
#include "maps/Svarsfarger.h"
#include "screens/Panel.h"

namespace {

class KartlagerTest : public KartaTest {
protected:
    void TearDown() override {
        Svarsfarger::Fargblind = Svarsfarger::Marken = false;
        KartaTest::TearDown();
    }
    // A key as the keyboard gives it: to whatever has the focus.
    void Key(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* f = QApplication::focusWidget();
        QTest::keyClick(f ? f : screen.get(), static_cast<Qt::Key>(key), mod);
    }
    TKartlager& Lager() { return *screen->Kartlager; }
    QString Asked() const { return screen->lblFraga->text().section(' ', -1); }
};

} // namespace

TEST_F(KartlagerTest, AWholeGameIsPlayedWithTheKeyboardAndASreenReaderHearsEveryAnswer) {
    Start(4, {"AAA", "BBB", "CCC"});
    ASSERT_EQ(QApplication::focusWidget(), &Lager());
    EXPECT_FALSE(Lager().RingVisas()); // until a key moves it
    EXPECT_EQ(Lager().accessibleName(), screen->lblFraga->text());
    Key(Qt::Key_Tab);
    EXPECT_EQ(std::pair(Lager().RingVisas(), Lager().AktuellNyckel()),
              std::pair(true, QString("AAA")));
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(Lager().AktuellNyckel(), "CCC");
    Key(Qt::Key_Right); // nothing further east
    Key(Qt::Key_Left);
    EXPECT_EQ(Lager().AktuellNyckel(), "BBB");

    // A wrong answer by Enter, as a click on it: counted, named, and said.
    while (Lager().AktuellNyckel() == Asked())
        Key(Qt::Key_Left);
    const QString fel = Lager().AktuellNyckel();
    Key(Qt::Key_Return);
    EXPECT_EQ(ex->Fel, 1);
    EXPECT_EQ(Lager().accessibleDescription(), "Wrong: " + fel + ". 0 %");

    // Tab past the last country leaves the map for the screen's other
    // controls, and comes round to the first country again.
    ASSERT_TRUE(Lager().Valj("CCC"));
    Key(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &Lager());
    QStringList besokta;
    for (int i = 0; i < 20 && QApplication::focusWidget() != &Lager(); ++i) {
        besokta << QApplication::focusWidget()->metaObject()->className();
        Key(Qt::Key_Tab);
    }
    EXPECT_EQ(Lager().AktuellNyckel(), "AAA");
    EXPECT_TRUE(besokta.contains("QPushButton") && besokta.contains("QToolButton"));
    Key(Qt::Key_Backtab);
    EXPECT_NE(QApplication::focusWidget(), &Lager());
    Key(Qt::Key_Tab);
    EXPECT_EQ(Lager().AktuellNyckel(), "AAA");

    // Every answer by keys alone.
    for (int tryck = 0; !ex->Slut && tryck < 60; ++tryck) {
        if (QApplication::focusWidget() == &Lager() && Lager().AktuellNyckel() == Asked()) {
            Key(Qt::Key_Enter);
            EXPECT_TRUE(Lager().accessibleDescription().startsWith("Right."));
        } else {
            Key(Qt::Key_Tab);
        }
    }
    ASSERT_TRUE(ex->Slut);
    EXPECT_EQ(std::pair(ex->Svarat, ex->Fel), std::pair(7, 1));
    EXPECT_EQ(topList.back().first, 7);
    EXPECT_TRUE(Lager().Mal().empty());
}

TEST_F(KartlagerTest, TheViewFollowsTheRingWhenCloserAndShiftWithAnArrowPans) {
    Start(4, {"AAA", "BBB", "CCC"});
    for (int i = 0; i < 4; ++i)
        Key(Qt::Key_Plus);
    ASSERT_GT(Zoom(), 3);
    const float mitt = screen->Karta()->VyMitt;
    Key(Qt::Key_Right, Qt::ShiftModifier); // east, the ring not moved
    EXPECT_GT(screen->Karta()->VyMitt, mitt);
    EXPECT_FALSE(Lager().RingVisas());
    for (int i = 0; i < 8; ++i)
        Key(Qt::Key_Left, Qt::ShiftModifier);
    const auto synlig = [&] {
        const QPoint p = Pixel(5, 15) / screen->imgKarta->PixelRatio();
        return screen->imgKarta->rect().contains(p);
    };
    ASSERT_FALSE(synlig());
    ASSERT_TRUE(Lager().Valj("BBB"));
    EXPECT_TRUE(synlig());
    // Enter answers where the ring is, at the view now shown.
    if (Asked() != "CCC")
        Key(Qt::Key_Left);
    const QString pa = Lager().AktuellNyckel();
    Key(Qt::Key_Space);
    EXPECT_EQ(screen->Karta()->Landareor->Hitta(pa)->Besvarad, pa == "CCC" || pa == Asked());
}

TEST_F(KartlagerTest, ColourBlindSafeColoursFillByTryAndTheMarksLieOverTheMap) {
    Svarsfarger::Fargblind = true;
    Start(4, {"AAA", "BBB"});
    const QString forst = Asked();
    Click(5, OtherLon());
    Click(5, AskedLon()); // at the second try
    const QPoint p = Pixel(8, forst == "AAA" ? 2 : 12);
    EXPECT_EQ(screen->imgKarta->Picture().pixelColor(p), Svarsfarger::Palett(true)[2].Farg);
    // A mark in the middle of the answered country: a dot, black on lilac
    // edged in white, on the screen and not in the picture.
    const QPoint m = Pixel(5, forst == "AAA" ? 5 : 15) / screen->imgKarta->PixelRatio();
    const QImage pa = screen->panPanel->Client()->grab().toImage();
    const QPoint i = m + screen->imgKarta->pos();
    EXPECT_EQ(pa.pixelColor(i), QColor(0, 0, 0));
    EXPECT_NE(screen->imgKarta->Picture().pixelColor(Pixel(5, forst == "AAA" ? 5 : 15)),
              QColor(0, 0, 0));
    Svarsfarger::Fargblind = false;
    screen->Kartlager->Uppdatera();
    EXPECT_NE(screen->panPanel->Client()->grab().toImage().pixelColor(i), QColor(0, 0, 0));
}
