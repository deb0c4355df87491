// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTest.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningMulti.h"

#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace {

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

class FlaggaTest : public GameTest<COvningFlagga, TestFlagScreen> {
protected:
    void Start(int areas, const QStringList& items) { GameTest::Start(Countries(areas), items); }
    QStringList Sheet(int n) const {
        QStringList sheet;
        for (int i = 1; i <= n; ++i)
            sheet << ex.Objekt(i);
        return sheet;
    }
    // Plays as the flag screen does: picks only unanswered cells in play.
    void Pick(int n) {
        if (n <= ex.AntalFlaggor && !ex.Fragad(n))
            screen.Svara(ex, {0, 0, n});
    }
};

class MultiTest : public GameTest<COvningMulti, TestMultiScreen> {
protected:
    void Start(const QStringList& areaNames, const QStringList& placeNames) {
        ex.Niva = 1, ex.KravPlats1 = true;
        GameTest::Start(Countries(areaNames.size(), areaNames), Keys(areaNames.size()),
                        Capitals(placeNames));
    }
};

} // namespace

TEST_F(FlaggaTest, TheSheetHoldsUpToSixteenItemsWithAreasInTheGeneratorsOrderAndShufflesAtStart) {
    Start(5, Keys(5));
    // Each place swaps with a drawn one, in the generator's order from the clock 4711.
    EXPECT_EQ(std::tuple(ex.AntalFlaggor, Sheet(5), ex.FlaggNamn(6)),
              std::tuple(5, QStringList{"K5", "K3", "K4", "K2", "K1"}, QString()));
    Start(20, Keys(20));
    EXPECT_EQ(std::tuple(ex.AntalFlaggor, ex.FlaggNamn(17)), std::tuple(16, QString()));
    const QStringList first = Sheet(20);
    GlobinaRandom::SetClock([] { return 99u; });
    ex.Starta(&screen);
    EXPECT_NE(Sheet(20), first);
    EXPECT_EQ(Sorted(Sheet(20)), Sorted(Keys(20)));

    // Items without an area stay off the sheet.
    Start(3, {"K1", "GONE", "K2", "K3"});
    EXPECT_EQ(std::pair(ex.AntalFlaggor, Sorted(Sheet(3))), std::pair(3, Keys(3)));
    for (int i = 0; i < 3; ++i)
        Pick(ex.FragaNr);
    EXPECT_EQ(topList.size(), 1u);
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

TEST_F(MultiTest, FourDistinctNamesShowWithTheRightOneInAnyBoxAndTooFewLeaveBoxesEmpty) {
    Start({"Anland", "Beland", "Celand", "Deland"}, {"Acity", "Bcity", "Ccity", "Dcity"});
    const QSet<QString> boxes(screen.texts.begin(), screen.texts.end());
    const QString right = screen.texts[ex.RattPlats - 1];
    const QString country = karta->Landareor->Hitta(ex.Plats->Grupp1)->Namn[1];
    // The question asks either way round.
    using Shown = std::tuple<QString, QString, QSet<QString>>;
    const bool byCity = screen.questions[0].endsWith("lies in");
    EXPECT_EQ(Shown(screen.questions[0], right, boxes),
              byCity ? Shown(ex.Plats->Namn[1] + " lies in", country,
                             QSet<QString>{"Anland", "Beland", "Celand", "Deland"})
                     : Shown("Capital of " + country + " ?", ex.Plats->Namn[1],
                             QSet<QString>{"Acity", "Bcity", "Ccity", "Dcity"}));
    // Over many starts the right answer lands in every box.
    std::set<int> rightBoxes;
    for (uint32_t clock = 1; clock <= 40; ++clock) {
        GlobinaRandom::SetClock([clock] { return clock; });
        ex.Starta(&screen);
        rightBoxes.insert(ex.RattPlats);
    }
    EXPECT_EQ(rightBoxes, (std::set<int>{1, 2, 3, 4}));

    // Too few distinct names leave boxes empty instead of searching forever.
    Start({"Anland", "Anland", "Celand"}, {"Same", "Same", "Ccity"});
    QStringList shown(screen.texts.begin(), screen.texts.end());
    shown.removeAll(QString());
    EXPECT_EQ(shown.size(), QSet<QString>(shown.begin(), shown.end()).size());
    EXPECT_LE(shown.size(), 2);
    EXPECT_FALSE(screen.texts[ex.RattPlats - 1].isEmpty());
}

TEST_F(FlaggaTest, TheLogNamesTheFlagPickedAndPracticePutsOnlyItsItemsOnTheSheet) {
    Start(5, Keys(5));
    const int asked = ex.FragaNr, wrong = asked % 5 + 1;
    Pick(wrong);
    Pick(asked);
    const TFragaLogg& f = ex.Logg.Fragor.at(0);
    EXPECT_EQ(std::tuple(f.Objekt, f.Forsok, f.Givet, f.GivetNamn),
              std::tuple(ex.Objekt(asked), 2, QStringList{ex.Objekt(wrong)},
                         QStringList{ex.FlaggNamn(wrong)}));

    // Of twenty items, the two to practise reach the sheet and only they are asked.
    ex.Ovningsobjekt = {"K17", "K3"};
    Start(20, Keys(20));
    QStringList practised;
    while (screen.questions.last() != "-" && practised.size() < 20) {
        practised << ex.Objekt(ex.FragaNr);
        Pick(ex.FragaNr);
    }
    EXPECT_EQ(Sorted(practised), (QStringList{"K17", "K3"}));
    EXPECT_TRUE(ex.Logg.Ovningsspel);

    // A review game asks them in its own order.
    for (const QStringList& order : {QStringList{"K3", "K17", "K9"}, {"K9", "K17", "K3"}}) {
        ex.Ovningsobjekt = order;
        ex.Repetition = true;
        Start(20, Keys(20));
        QStringList asked;
        while (screen.questions.last() != "-" && asked.size() < 20) {
            asked << ex.Objekt(ex.FragaNr);
            Pick(ex.FragaNr);
        }
        EXPECT_EQ(asked, order);
    }
}

TEST_F(MultiTest, TheLogNamesTheCountryAskedAndTheAnswerChosen) {
    Start({"Aland", "Bland", "Cland", "Dland"}, {"Acity", "Bcity", "Ccity", "Dcity"});
    const int wrong = ex.RattPlats % 4 + 1;
    const QString given = screen.texts[wrong - 1];
    ex.FelSvar({0, 0, wrong});
    QTimer::singleShot(5, [this] { ex.Blinka(); }); // a right answer waits for the screen's tick
    ex.RattSvar();
    const TFragaLogg& f = ex.Logg.Fragor.at(0);
    // The key of the box chosen is the country it stands for, whichever way the question asks.
    const QString givenKey =
        QString("K%1").arg(given.isEmpty() ? 0 : QString("ABCD").indexOf(given[0]) + 1);
    EXPECT_EQ(std::tuple(f.Objekt, f.Forsok, f.Givet, f.GivetNamn),
              std::tuple(ex.Plats->Grupp1, 2, QStringList{givenKey}, QStringList{given}));
    EXPECT_EQ(karta->Platser->Kvar, 3);
}

// A review game of capitals asks its items in its own order, so that those
// confused with each other come one after the other; any other game draws them.
TEST_F(MultiTest, AReviewGameAsksItsItemsInTheOrderGiven) {
    const QStringList lander{"Aland", "Bland", "Cland", "Dland", "Eland"};
    const QStringList stader{"Acity", "Bcity", "Ccity", "Dcity", "Ecity"};
    for (const QStringList& order : {QStringList{"K4", "K2", "K5"}, {"K1", "K5", "K3", "K2"}}) {
        ex.Ovningsobjekt = order;
        ex.Repetition = true;
        Start(lander, stader);
        QStringList asked;
        for (bool mer = true; mer && asked.size() < 10;) {
            asked << ex.Logg.Fragor.back().Objekt;
            QTimer::singleShot(5, [this] { ex.Blinka(); });
            ex.RattSvar();
            mer = !ex.NastaFraga().isEmpty();
        }
        EXPECT_EQ(asked, order);
    }
}
