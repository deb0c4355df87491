#include "TestScreens.h"
#include "data/Globals.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningMulti.h"

#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

std::vector<TestArea> Countries(int n) {
    std::vector<TestArea> areas;
    for (int i = 0; i < n; ++i)
        areas.push_back(Box(QString("K%1").arg(i + 1), 0, i * 2, 1, i * 2 + 1));
    return areas;
}

QStringList Keys(int n) {
    QStringList keys;
    for (int i = 0; i < n; ++i)
        keys << QString("K%1").arg(i + 1);
    return keys;
}

class FlaggaTest : public EngineTest {
protected:
    void Start(int areas, const QStringList& items) {
        karta = MakeMap(Countries(areas));
        ex.Karta = karta.get();
        SetItems(ex, items);
        ex.Starta(&screen);
    }
    // Plays as the flag screen does: picks only unanswered cells in play.
    void Pick(int n) {
        if (n > ex.AntalFlaggor || ex.Fragad(n))
            return;
        TKlick k{0, 0, n};
        if (ex.ArRatt(k)) {
            ex.RattSvar();
            const QString text = ex.NastaFraga();
            screen.VisaFraga(text);
            if (text.isEmpty())
                ex.VisaTopplista(MakeScore(ex.Procent, 30), &screen);
        } else {
            ex.FelSvar(k);
        }
    }

    std::unique_ptr<CKarta> karta;
    COvningFlagga ex;
    TestFlagScreen screen;
};

class MultiTest : public EngineTest {
protected:
    void Start(const QStringList& areaNames, const QStringList& placeNames) {
        std::vector<TestArea> areas = Countries(areaNames.size());
        for (size_t i = 0; i < areas.size(); ++i)
            areas[i].names = {areaNames[static_cast<int>(i)]};
        std::vector<TestPlace> places;
        for (int i = 0; i < placeNames.size(); ++i) {
            TestPlace p;
            p.names = {placeNames[i]};
            p.niva = 1;
            p.klass1 = true;
            p.group1 = QString("K%1").arg(i + 1);
            places.push_back(p);
        }
        karta = MakeMap(areas, places);
        ex.Karta = karta.get();
        ex.Niva = 1;
        ex.KravPlats1 = true;
        SetItems(ex, Keys(areaNames.size()));
        ex.Starta(&screen);
    }
    QSet<QString> Boxes() const {
        QSet<QString> s;
        for (const QString& t : screen.texts)
            s.insert(t);
        return s;
    }
    // A right answer waits for the screen's timer tick.
    void RightAnswer() {
        QTimer::singleShot(5, [this] { ex.Blinka(); });
        ex.RattSvar();
    }

    std::unique_ptr<CKarta> karta;
    COvningMulti ex;
    TestMultiScreen screen;
};

} // namespace

TEST_F(FlaggaTest, FiveItemsMakeASheetOfFiveAndTheGameEndsAfterFive) {
    Start(5, Keys(5));
    EXPECT_EQ(ex.AntalFlaggor, 5);
    QStringList sheet;
    for (int i = 1; i <= 5; ++i)
        sheet << ex.Objekt(i);
    sheet.sort();
    EXPECT_EQ(sheet, Keys(5));
    EXPECT_EQ(ex.FlaggNamn(6), "");
    EXPECT_EQ(screen.questions[0], "Click on " + ex.FlaggNamn(ex.FragaNr));
    const int wrong = ex.FragaNr % 5 + 1;
    Pick(wrong);
    Pick(wrong); // the same wrong flag counts again
    EXPECT_EQ(ex.Fel, 2);
    EXPECT_EQ(ex.FelDenna, 2);
    EXPECT_EQ(screen.percents, (std::vector<int32_t>{0, 0}));
    for (int i = 0; i < 5; ++i)
        Pick(ex.FragaNr);
    EXPECT_EQ(screen.questions.last(), "");
    EXPECT_EQ(ex.Fragor, 5);
    EXPECT_EQ(topList.size(), 1u);
    Pick(1); // answered cells never reach the exercise
    EXPECT_EQ(ex.Svarat, 7);
}

TEST_F(FlaggaTest, TwentyItemsPutSixteenOnTheSheetAndShuffleAgainAtEachStart) {
    Start(20, Keys(20));
    EXPECT_EQ(ex.AntalFlaggor, 16);
    EXPECT_EQ(ex.FlaggNamn(17), "");
    QStringList first;
    for (int i = 1; i <= 20; ++i)
        first << ex.Objekt(i);
    GlobinaRandom::SetClock([] { return 99u; });
    ex.Starta(&screen);
    QStringList second;
    for (int i = 1; i <= 20; ++i)
        second << ex.Objekt(i);
    EXPECT_NE(first, second);
    second.sort();
    QStringList all = Keys(20);
    all.sort();
    EXPECT_EQ(second, all);
}

TEST_F(FlaggaTest, ItemsWithoutAnAreaStayOffTheSheet) {
    Start(3, {"K1", "GONE", "K2", "K3"});
    EXPECT_EQ(ex.AntalFlaggor, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NE(ex.Objekt(i), "GONE");
    for (int i = 0; i < 3; ++i)
        Pick(ex.FragaNr);
    EXPECT_EQ(topList.size(), 1u);
}

TEST_F(MultiTest, FourDistinctNamesAllShowWithTheRightOneInItsBox) {
    Start({"Anland", "Beland", "Celand", "Deland"}, {"Acity", "Bcity", "Ccity", "Dcity"});
    EXPECT_EQ(Boxes().size(), 4);
    const QString right = screen.texts[ex.RattPlats - 1];
    const QString question = screen.questions[0];
    if (question.endsWith("lies in")) {
        EXPECT_EQ(question, ex.Plats->Namn[1] + " lies in");
        EXPECT_EQ(right, karta->Landareor->Hitta(ex.Plats->Grupp1)->Namn[1]);
        EXPECT_EQ(Boxes(), (QSet<QString>{"Anland", "Beland", "Celand", "Deland"}));
    } else {
        EXPECT_EQ(question,
                  "Capital of " + karta->Landareor->Hitta(ex.Plats->Grupp1)->Namn[1] + " ?");
        EXPECT_EQ(right, ex.Plats->Namn[1]);
        EXPECT_EQ(Boxes(), (QSet<QString>{"Acity", "Bcity", "Ccity", "Dcity"}));
    }
    for (const QColor& c : screen.colors)
        EXPECT_EQ(c, QColor(255, 255, 255));
}

TEST_F(MultiTest, WrongBoxesTurnRedRightOnesGreenAndTheGameEnds) {
    ChooseColorScheme(32, 1);
    Start({"Anland", "Beland", "Celand", "Deland"}, {"Acity", "Bcity", "Ccity", "Dcity"});
    const int wrong = ex.RattPlats % 4 + 1;
    ex.FelSvar({0, 0, wrong});
    ex.FelSvar({0, 0, wrong});
    EXPECT_EQ(screen.colors[wrong - 1], RedColor);
    EXPECT_EQ(ex.Fel, 2);
    COrt* asked = ex.Plats;
    RightAnswer();
    EXPECT_EQ(screen.colors[ex.RattPlats - 1], QColor(0, 128, 0));
    EXPECT_EQ(asked->Forsok, 3);
    EXPECT_EQ(karta->Platser->Kvar, 3);
    for (int q = 2; q <= 4; ++q) {
        screen.VisaFraga(ex.NastaFraga());
        EXPECT_EQ(ex.Fragor, q);
        RightAnswer();
    }
    EXPECT_EQ(ex.NastaFraga(), "");
    EXPECT_EQ(karta->Platser->Valda, 4);
    EXPECT_EQ(screen.percents.back(), 67); // 4 right of 6
}

TEST_F(MultiTest, TooFewDistinctNamesLeaveBoxesEmptyInsteadOfSearchingForever) {
    Start({"Anland", "Anland", "Celand"}, {"Same", "Same", "Ccity"});
    QStringList shown;
    for (const QString& t : screen.texts)
        if (!t.isEmpty())
            shown << t;
    EXPECT_EQ(shown.size(), QSet<QString>(shown.begin(), shown.end()).size());
    EXPECT_LE(shown.size(), 2);
    EXPECT_FALSE(screen.texts[ex.RattPlats - 1].isEmpty());
}

TEST_F(FlaggaTest, PercentagesRoundHalvesToEven) {
    Start(2, Keys(2));
    for (auto [svarat, fel, expected] :
         {std::tuple{7, 7, 12}, {7, 5, 38}, {2, 1, 67}, {2, 2, 33}}) {
        ex.Svarat = svarat; // the next right answer makes it one more
        ex.Fel = fel;
        ex.RattSvar();
        EXPECT_EQ(ex.Procent, expected);
    }
}
