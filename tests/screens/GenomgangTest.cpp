// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Genomgang.h"
#include "ScreenTest.h"
#include "exercises/OvningLandArea.h"
#include "screens/OvningKarta.h"
#include "support/Tables.h"

#include <QTableWidget>
#include <QTest>

namespace {

// Three countries side by side, all asked; each question is answered after
// clicking, in key order, every other country not yet answered.
class GenomgangTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        LanguageTexts(2, 55) = "Practice";
        LanguageTexts(2, 58) = "Capital:";
        dir.Write("AREA4.crp", FileOf({Box("AAA", 0, 0, 10, 10), Box("BBB", 0, 10, 10, 20),
                                       Box("CCC", 0, 20, 10, 30)}));
        dir.Write("Hav4.crp", FileOf<TSeaPointRecord>({{11, 5}}));
        dir.Write("Vatten.crp", FileOf({Box("LAKE", 40, 40, 41, 41)}));
        TPlaceRecord capital = Place("Acity", 1, "AAA", 5, 5);
        capital.Klass1 = true;
        dir.Write("Ort4.crp", FileOf({capital}));
        ex = Exercise<COvningLandArea>(7, 4, 4, {"AAA", "BBB", "CCC"});
        ex->Namn[2] = "Countries";
        ex->VyMitt = 15;
        ex->VyNord = 22; // all three in view on the offscreen screen
        ex->VySyd = -12;
        screen = std::make_unique<TfrmOvningKarta>(nullptr, Qt::Window);
        screen->StartaOvning(ex);
    }

    QPoint Pixel(const QString& key) const {
        const int i = QStringList{"AAA", "BBB", "CCC"}.indexOf(key);
        return QPoint(screen->Karta()->XKoord(5, 5 + 10 * i), screen->Karta()->YKoord(5));
    }
    QRgb Color(const QString& key) const { return screen->imgKarta->Picture().pixel(Pixel(key)); }

    // Plays to the end; returns each question's key with the keys clicked wrongly.
    std::vector<std::pair<QString, QStringList>> Play() {
        std::vector<std::pair<QString, QStringList>> played;
        while (!ex->Slut) {
            played.push_back({ex->FragaNamn, {}});
            for (const QString& k : QStringList{"AAA", "BBB", "CCC"})
                if (k != ex->FragaNamn && !screen->Karta()->Landareor->Hitta(k)->Besvarad) {
                    played.back().second << k;
                    QTest::mouseClick(screen->imgKarta, Qt::LeftButton, {}, Pixel(k));
                }
            QTest::mouseClick(screen->imgKarta, Qt::LeftButton, {}, Pixel(ex->FragaNamn));
        }
        return played;
    }

    std::shared_ptr<COvningLandArea> ex;
    std::unique_ptr<TfrmOvningKarta> screen;
};

} // namespace

TEST_F(GenomgangTest, TheReviewListsEachQuestionsConfusionsAndShowsThemOnTheMap) {
    const auto played = Play();
    TfrmGenomgang* review = screen->Genomgang();
    ASSERT_TRUE(review && review->isVisible());
    ASSERT_EQ(review->grdLista->rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const auto& [asked, wrong] = played[static_cast<size_t>(r)];
        EXPECT_EQ(Row(review->grdLista, r).mid(1, 3),
                  QStringList({asked, QString::number(wrong.size() + 1), wrong.join(", ")}));
    }
    // The first question had two confusions: asked in lime, given in red,
    // and the end of the game again once the review closes.
    const QRgb before = Color(played[0].second[0]);
    review->grdLista->selectRow(0);
    EXPECT_EQ(Color(played[0].first), qRgb(0, 255, 0));
    EXPECT_EQ(Color(played[0].second[0]), RedColor.rgb());
    QTest::keyClick(review, Qt::Key_Escape);
    EXPECT_EQ(Color(played[0].second[0]), before);
}

TEST_F(GenomgangTest, PracticeAsksExactlyTheMissedItemsAndNeverReachesTheTopTen) {
    const auto played = Play();
    ASSERT_EQ(topList.size(), 1u);
    QStringList missed;
    for (const auto& [asked, wrong] : played)
        if (!wrong.isEmpty())
            missed << asked;
    QTest::mouseClick(screen->Genomgang()->cmdOva, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen->windowTitle().endsWith("Practice"));
    QStringList practised;
    for (const auto& [asked, wrong] : Play())
        practised << asked;
    practised.sort();
    missed.sort();
    EXPECT_EQ(practised, missed);
    EXPECT_EQ(topList.size(), 1u);
    ASSERT_TRUE(screen->Genomgang()); // the review of the practice game
    EXPECT_EQ(screen->Genomgang()->Logg.Ovningsspel, true);
}

TEST_F(GenomgangTest, ExploreNamesWhatIsPointedAtAndAClickShowsItsCapitalWithoutScoring) {
    screen = std::make_unique<TfrmOvningKarta>(nullptr, Qt::Window);
    screen->StartaUtforska(ex);
    QTest::mouseMove(screen->imgKarta, Pixel("BBB"));
    QTest::qWait(10);
    EXPECT_EQ(std::pair(screen->lblNamn->isVisible(), screen->lblNamn->text()),
              std::pair(true, QString("BBB")));
    QTest::mouseClick(screen->imgKarta, Qt::LeftButton, {}, Pixel("AAA"));
    EXPECT_TRUE(screen->panInfo->isVisible());
    EXPECT_EQ(std::pair(screen->lblInfoNamn->text(), screen->lblInfoText->text()),
              std::pair(QString("AAA"), QString("Capital: Acity")));
    EXPECT_EQ(std::tuple(ex->Svarat, ex->Logg.Fragor.size() <= 1, screen->tmrTid->isActive()),
              std::tuple(0, true, false));
}
