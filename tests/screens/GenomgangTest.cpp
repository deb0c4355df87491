// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Genomgang.h"
#include "KartaTest.h"
#include "screens/Utforskning.h"
#include "support/Tables.h"

#include <QLabel>
#include <QTableWidget>

namespace {

// Three countries side by side, all asked; each question is answered after
// clicking, in key order, every other country not yet answered.
class GenomgangTest : public KartaTest {
protected:
    void SetUp() override {
        KartaTest::SetUp();
        LanguageTexts(2, TextNo::Practice) = "Practice";
        LanguageTexts(2, TextNo::CapitalLead) = "Capital:";
        Start(4, {"AAA", "BBB", "CCC"}, 22, -12); // all three in view on the offscreen screen
    }

    // A point of the country clear of the lake.
    QPoint Pixel(const QString& key) const {
        return KartaTest::Pixel(2, 5 + 10 * QStringList{"AAA", "BBB", "CCC"}.indexOf(key));
    }
    QRgb Color(const QString& key) const { return screen->imgKarta->Picture().pixel(Pixel(key)); }

    // Plays to the end; returns each question's key with the keys clicked wrongly.
    std::vector<std::pair<QString, QStringList>> Play() {
        std::vector<std::pair<QString, QStringList>> played;
        for (int i = 0; i < 10 && !ex->Slut; ++i) { // bounded: a fault fails, not hangs
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
    // The review, folded where it must be, leaves the names on the map in sight.
    const QStringList named = QStringList(played[0].first) + played[0].second;
    int seen = 0;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        if (label->isVisible() && named.contains(label->text().trimmed()) &&
            label->parentWidget() == screen->imgKarta->parentWidget()) {
            ++seen;
            EXPECT_FALSE(review->frameGeometry().intersects(
                QRect(label->mapToGlobal(QPoint(0, 0)), label->size())))
                << label->text().toStdString();
        }
    EXPECT_EQ(seen, named.size());
    QTest::keyClick(review, Qt::Key_Escape);
    EXPECT_EQ(Color(played[0].second[0]), before);
}

TEST_F(GenomgangTest, PracticeAsksExactlyTheMissedItemsAndNeverReachesTheTopTen) {
    const auto played = Play();
    ASSERT_EQ(topList.size(), 1u);
    QStringList missed, practised;
    for (const auto& [asked, wrong] : played)
        if (!wrong.isEmpty())
            missed << asked;
    QTest::mouseClick(screen->Genomgang()->cmdOva, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen->windowTitle().endsWith("Practice"));
    for (const auto& [asked, wrong] : Play())
        practised << asked;
    practised.sort();
    missed.sort();
    EXPECT_EQ(practised, missed);
    EXPECT_EQ(topList.size(), 1u);
    // The review of the practice game.
    EXPECT_TRUE(screen->Genomgang() && screen->Genomgang()->Logg.Ovningsspel);
}

TEST_F(GenomgangTest, ExploreNamesWhatIsPointedAtAndAClickShowsItsCapitalWithoutScoring) {
    screen = std::make_unique<TfrmOvningKarta>(nullptr, Qt::Window);
    screen->StartaUtforska(ex);
    QTest::mouseMove(screen->imgKarta, Pixel("BBB"));
    QTest::qWait(10);
    EXPECT_EQ(std::pair(screen->lblNamn->isVisible(), screen->lblNamn->text()),
              std::pair(true, QString("BBB")));
    QTest::mouseClick(screen->imgKarta, Qt::LeftButton, {}, Pixel("AAA"));
    const TUtforskning& info = *screen->Utforskning();
    EXPECT_TRUE(info.panInfo->isVisible());
    EXPECT_EQ(std::pair(info.lblInfoNamn->text(), info.lblInfoText->text()),
              std::pair(QString("AAA"), QString("Capital: Acity")));
    EXPECT_EQ(std::tuple(ex->Svarat, ex->Logg.Fragor.size() <= 1, screen->tmrTid->isActive()),
              std::tuple(0, true, false));
}
