#include "exercises/OvningFlagga.h"
#include "ScreenTest.h"
#include "maps/Areas.h"
#include "maps/Kortnamn.h"
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
    EXPECT_EQ(
        std::tuple(screen->size(), screen->imgFlags->geometry(), screen->Rutbredd, screen->Ruthojd),
        std::tuple(QSize(632, 461), QRect(5, 5, 595, 379), 148.75f, 94.75f));
    EXPECT_EQ(screen->pnlFlags->Color(), FrameColor);
    EXPECT_EQ(screen->cmdStarta->text(), "Restart");
    EXPECT_EQ(screen->lblFraga->text(), "Click on " + ex->FlaggNamn(ex->FragaNr));
    const QImage& sheet = screen->imgFlags->Picture();
    // Grid lines (halves to even), and a 100 x 63 placeholder box under a cell's top for
    // want of a picture.
    for (auto [x, y] : {std::pair{149, 50}, {50, 95}, {74 - 50, 8}, {74 + 49, 8 + 62}})
        EXPECT_EQ(sheet.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(CellColor(n), QColor(Qt::white)) << n;
    EXPECT_EQ(CellColor(6), kSilver);
    // Every item's picture was tried, and each failure said so once.
    EXPECT_EQ(boxes, QStringList(5, "Could not open flag file flag.gif"));
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
    EXPECT_EQ(std::tuple(ex->Svarat, screen->imgFlags->Picture()), std::tuple(0, before));
    const int right = ex->FragaNr;
    ClickCell(right);
    EXPECT_EQ(CellColor(right), kSilver);
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
    const auto cell = [](const QImage& sheet, int n) {
        const int c = (n - 1) % 4, r = (n - 1) / 4;
        return sheet.copy(qRound(c * 148.75), qRound(r * 94.75), 148, 94);
    };

    const int first = WrongCell();
    ClickCell(first);
    EXPECT_EQ(std::tuple(ex->Fel, screen->lblProcent->text(), screen->Omritas),
              std::tuple(1, "0 %", first));
    EXPECT_NE(cell(screen->imgFlags->Picture(), first), cell(plain, first));
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

TEST_F(FlaggaTest, TheLastFlagEndsTheGameAndRestartBeginsAgain) {
    Start(3);
    for (int i = 0; i < 3; ++i) {
        screen->Sekunder = 10 * i;
        ClickCell(ex->FragaNr);
    }
    EXPECT_EQ(topList, (std::vector<std::pair<int32_t, int32_t>>{{12, MakeScore(100, 20)}}));
    EXPECT_TRUE(screen->lblFraga->text().isEmpty());
    EXPECT_FALSE(screen->tmrTid->isActive());

    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_EQ(std::tuple(screen->Sekunder, screen->lblTid->text(), screen->lblProcent->text()),
              std::tuple(0, QString(), "0 %"));
    EXPECT_TRUE(screen->tmrTid->isActive());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(CellColor(n), QColor(Qt::white));
    EXPECT_FALSE(screen->lblFraga->text().isEmpty());
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
    // The short form is only there for the states that have one.
    EXPECT_EQ(Kortnamn("SE", 2), "");
    EXPECT_EQ(Kortnamn("VC", 9), "");
}
