// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningLandArea.h"
#include "GameTest.h"
#include "data/Helpers.h"
#include "platform/Audio.h"
#include "platform/MediaPlayer.h"
#include "scores/ScoreFile.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class LandAreaTest : public GameTest<COvningLandArea, TestKartScreen> {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ex.Nummer = 7;
        ex.Namn[2] = "Boxes";
        ex.Linjebredd = 1;
        Start({Box("A", 0, 0, 10, 10), Box("B", 0, 20, 10, 30), Box("C", 0, 40, 10, 50),
               Box("OUT", 20, 0, 30, 10)},
              {"A", "B", "C"});
    }

    TKlick At(const QString& key) const {
        const CArea* a = karta->Landareor->Hitta(key);
        return {a->Fyllpunkt1.Lat, a->Fyllpunkt1.Lon, 0};
    }
    QString Asked() const { return ex.FragaNamn; }
    QString Other() const { return Asked() == "A" ? "B" : "A"; }
    QRgb PixelOf(const QString& key) const {
        const TKlick k = At(key);
        return screen.bild.Picture().pixel(karta->XKoord(k.Lat, k.Lon), karta->YKoord(k.Lat));
    }
};

} // namespace

TEST_F(LandAreaTest, TheRightAreaTurnsLimeAfterTheThirdWrongClickAndBlinksFromTheFourth) {
    const QString asked = Asked(), wrong = Other();
    const QRgb lime = qRgb(0, 255, 0), green = qRgb(0, 128, 0);
    const auto blink = [&] {
        ex.Blinka();
        return PixelOf(asked);
    };
    for (int i = 0; i < 3; ++i)
        screen.Svara(ex, At(wrong));
    EXPECT_EQ(ex.Blinklage, 1);
    // Lime stays until the fourth wrong click.
    EXPECT_EQ((std::tuple{blink(), blink(), ex.Blinklage}), std::tuple(lime, lime, 2));
    screen.Svara(ex, TKlick{50, 100, 0}); // far outside: not counted, lime stays
    EXPECT_EQ((std::tuple{blink(), ex.FelDenna}), std::tuple(lime, 3));
    screen.Svara(ex, At(wrong));
    EXPECT_EQ((std::tuple{blink(), int32_t(ex.Blinklage), blink()}), std::tuple(green, 1, lime));
    screen.Svara(ex, At(asked));
    EXPECT_EQ(karta->Landareor->Hitta(asked)->Forsok, 5);
    EXPECT_EQ(PixelOf(asked), qRgb(255, 0, 0)); // answered later than the third try
}

TEST_F(LandAreaTest, AnEnclaveWinsOverTheAreaAroundItAndGroupKeysAnswer) {
    TAreaRecord enclave = Box("E", 4, 4, 6, 6);
    TAreaRecord part = Box("B.2", 40, 20, 50, 30);
    part.Grupp1 = "B";
    Start({Box("A", 0, 0, 10, 10), enclave, Box("B", 0, 20, 10, 30), part}, {"A", "E", "B"});
    EXPECT_EQ(std::tuple(ex.AreaUnder(5, 5)->Nyckel, ex.AreaUnder(2, 2)->Nyckel),
              std::tuple("E", "A"));
    EXPECT_EQ(ex.AreaUnder(15, 15), nullptr);
    for (int i = 0; i < 3 && Asked() != "B"; ++i) // bounded: a fault fails, not hangs
        screen.Svara(ex, At(Asked()));
    EXPECT_TRUE(ex.ArRatt({45, 25, 0})); // the second part of B counts as B

    // Two overlapping areas with one northern bound: the earlier in the list.
    Start({Box("X", 0, 60, 10, 70), Box("Y", 5, 60, 10, 70)}, {"X", "Y"});
    EXPECT_EQ(ex.AreaUnder(7, 65)->Nyckel, "X");
}

TEST_F(LandAreaTest, RightAnswersSoundOnTheFirstChannelWrongOnesOnTheSecondIgnoredOnesNot) {
    TAudio audio;
    ex.Ljud = &audio;
    const TMediaPlayer &first = audio.Wave(1), &second = audio.Wave(2);
    const auto heard = [&] { return std::pair(first.FileName(), second.FileName()); };
    const QString folder = ProgramFolder() + "/";
    screen.Svara(ex, At(Other()));
    EXPECT_EQ(heard(), std::pair(QString(), folder + "Rassel11.WAV"));
    screen.Svara(ex, At(Asked()));
    EXPECT_EQ(heard(), std::pair(folder + "Plopp4.WAV", folder + "Rassel11.WAV"));
    audio.Play(TAudio::TEffect::Select); // another sound in the second player
    screen.Svara(ex, At("OUT"));         // outside the exercise: ignored, neither counted nor named
    EXPECT_EQ(heard(), std::pair(folder + "Plopp4.WAV", folder + "Plopp.WAV"));
    EXPECT_EQ(std::pair(ex.Svarat, screen.names.size()), std::pair(3, qsizetype(1)));
    ex.Ljud = nullptr;
}

TEST_F(LandAreaTest, ADuplicatedItemIsAskedTwiceAndOneThatNamesNoAreaNever) {
    SetItems(ex, {"A", "NOWHERE", "A"});
    ex.Starta(&screen);
    EXPECT_EQ(screen.questions.last(), "Click on A");
    screen.Svara(ex, At("A"));
    EXPECT_EQ(std::tuple(Asked(), ex.Slut), std::tuple("A", false));
    screen.Svara(ex, At("A"));
    // Each right answer weighs two.
    EXPECT_EQ(std::tuple(ex.Svarat, ex.Slut, topList.size()), std::tuple(4, true, 1u));
}

TEST_F(LandAreaTest, AReviewGameAsksItsItemsInItsOwnOrderAndNoOthers) {
    for (const QStringList& order : {QStringList{"C", "A"}, QStringList{"A", "C"}}) {
        ex.Ovningsobjekt = order;
        ex.Repetition = true;
        ex.Starta(&screen);
        QStringList asked;
        while (!ex.Slut && asked.size() < 5) {
            asked << Asked();
            screen.Svara(ex, At(Asked()));
        }
        EXPECT_EQ(asked, order);
    }
}

TEST_F(LandAreaTest, ATypedGameJudgesNamesCountsEveryWrongOneAndHasItsOwnTopTen) {
    const auto named = [](const QString& key, const QString& name, double vast) {
        TAreaRecord a = Box(key, 0, vast, 10, vast + 10);
        a.Namn.fill(name);
        return a;
    };
    ex.Skriva = true;
    Start({named("NE", "Niger", 0), named("NG", "Nigeria", 20), named("GN", "Guinea", 40)},
          {"NE", "NG", "GN"});
    const auto name = [&](const QString& key) { return karta->Landareor->Hitta(key)->Namn[2]; };
    const auto typed = [](const QString& text) {
        TKlick k;
        k.Skrivet = true, k.Namn = text;
        return k;
    };
    const QString asked = Asked(), other = asked == "GN" ? "NE" : "GN";
    EXPECT_FALSE(screen.questions.last().contains(name(asked)));
    EXPECT_EQ(ex.FragatNamn(), name(asked));
    // Another item's name and a name of nothing both count and are given as typed.
    screen.Svara(ex, typed(name(other).toUpper()));
    screen.Svara(ex, typed("Atlantis"));
    EXPECT_EQ(std::tuple(ex.FelDenna, ex.Blinklage), std::tuple(2, 0));
    screen.Svara(ex, typed("Nigr")); // near both Niger and Nigeria: no one's name
    EXPECT_EQ(ex.Blinklage, 1);      // the third miss shows the answer
    const TFragaLogg& fraga = ex.Logg.Fragor.back();
    EXPECT_EQ(fraga.Givet, QStringList({other, "", ""}));
    EXPECT_EQ(fraga.GivetNamn, QStringList({name(other).toUpper(), "Atlantis", "Nigr"}));
    // A typing error per six letters still answers, as a click on the area would.
    const std::map<QString, QString> slarvigt{{"NE", "niger"}, {"NG", "Nigreia"}, {"GN", "Guinae"}};
    screen.Svara(ex, typed(slarvigt.at(asked)));
    EXPECT_EQ(karta->Landareor->Hitta(asked)->Forsok, 4);
    // An answered area named again is a wrong answer, not ignored.
    screen.Svara(ex, typed(name(asked)));
    EXPECT_EQ(ex.FelDenna, 1);
    for (int i = 0; i < 3 && !ex.Slut; ++i) // bounded: a fault fails, not hangs
        screen.Svara(ex, typed(name(Asked())));
    EXPECT_EQ(std::tuple(ex.Slut, topList.size()), std::tuple(true, 1u));
    EXPECT_EQ(topList.back().first, kTypedScores + 7);
}
