// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningLandArea.h"
#include "GameTest.h"
#include "data/Helpers.h"
#include "exercises/Felsvar.h"
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
    ex.Svarssatt = TSvarssatt::Skriva;
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

TEST_F(LandAreaTest, FourChoicesNameTheLikeliestConfusionsAndCountEachWrongBoxOnce) {
    // The record: D given for A twice, B given for D once.
    const auto kalla = SetForvaxlingskalla([](const QString& del, const QString& typ) {
        EXPECT_EQ(std::pair(del, typ), std::pair(QString("AFR"), QString("AREA")));
        return std::vector<TForvaxling>{{"A", "", "D", "", 2}, {"D", "", "B", "", 1}};
    });
    ex.Svarssatt = TSvarssatt::Fyra;
    ex.Varldsdel = "AFR", ex.Typ = "AREA";
    // B shares a side with A and one with E; C lies 20 degrees east of B.
    ex.Ovningsobjekt = {"A", "B"}, ex.Repetition = true; // asked in this order
    Start({Box("A", 0, 0, 10, 10), Box("B", 0, 10, 10, 20), Box("C", 0, 40, 10, 50),
           Box("D", 0, 90, 10, 100), Box("E", 10, 10, 20, 20)},
          {"A", "B", "C", "D", "E"});
    SetForvaxlingskalla(kalla);
    ASSERT_EQ(Asked(), "A");
    EXPECT_EQ(ex.Svarsval(), QStringList({"A", "B", "D", "E"})); // by name: the right one is 1
    EXPECT_EQ(ex.RattVal(), 1);
    const auto box = [](int n) { return TKlick{0, 0, n}; };
    screen.Svara(ex, box(2));
    screen.Svara(ex, box(2)); // a box chosen wrong once is not counted again
    EXPECT_EQ(std::tuple(ex.FelDenna, ex.ValtFel(2), ex.ValtFel(3)), std::tuple(1, true, false));
    screen.Svara(ex, box(3));
    screen.Svara(ex, box(4));
    EXPECT_EQ(ex.Blinklage, 1); // the third miss shows the answer
    screen.Svara(ex, box(1));
    EXPECT_EQ(karta->Landareor->Hitta("A")->Forsok, 4);
    EXPECT_EQ(ex.Logg.Fragor[0].Givet, QStringList({"B", "D", "E"}));
    EXPECT_EQ(ex.Logg.Fragor[0].GivetNamn, QStringList({"B", "D", "E"}));
    // B: its confusion D, then its neighbours A and E (the longer border first) before C.
    ASSERT_EQ(Asked(), "B");
    EXPECT_EQ(ex.Svarsval(), QStringList({"A", "B", "D", "E"}));
    EXPECT_EQ(ex.Topplistenummer(), kTypedScores + 200 + 7);
}

TEST_F(LandAreaTest, ACapitalsGameMarksTheAreaAndTakesItsCapitalClickedOrTyped) {
    ex.Svarssatt = TSvarssatt::Huvudstad;
    ex.Huvudstader = {2, 1, 1, true, false, {"A", "B"}}; // C has no capital in that exercise
    const auto capital = [](const char* name, const char* group, double lon, bool klass1 = true) {
        TPlaceRecord p = Place(name, 1, group, 5, lon);
        p.Klass1 = klass1;
        return p;
    };
    Start({Box("A", 0, 0, 10, 10), Box("B", 0, 20, 10, 30), Box("C", 0, 40, 10, 50)},
          {"A", "B", "C"},
          {capital("Acap", "A", 5), capital("Bcap", "B", 25), capital("Btown", "B", 22, false),
           capital("Ccap", "C", 45)});
    const auto place = [&](const QString& name) {
        for (COrt* o = karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Namn[2] == name)
                return o;
        return static_cast<COrt*>(nullptr);
    };
    const auto at = [&](const QString& name) {
        return TKlick{5, static_cast<float>(place(name)->Longitud), 0};
    };
    const auto typed = [](const QString& text) {
        TKlick k;
        k.Skrivet = true, k.Namn = text;
        return k;
    };
    EXPECT_EQ(std::tuple(place("Btown")->Deltar, place("Ccap")->Deltar), std::tuple(false, false));
    const QString asked = Asked(), other = asked == "A" ? "B" : "A";
    EXPECT_EQ(ex.FragatNamn(), asked + "cap");
    screen.Svara(ex, at(other + "cap")); // named on the map, and given as that area
    screen.Svara(ex, typed("Atlantis"));
    EXPECT_EQ(screen.names.last(), other + "cap");
    screen.Svara(ex, at(asked + "cap"));
    EXPECT_EQ(std::tuple(place(asked + "cap")->Besvarad, karta->Landareor->Hitta(asked)->Forsok),
              std::tuple(true, 3));
    EXPECT_EQ(ex.Logg.Fragor[0].Givet, QStringList({other, ""}));
    EXPECT_EQ(ex.Logg.Fragor[0].GivetNamn, QStringList({other + "cap", "Atlantis"}));
    screen.Svara(ex, at(asked + "cap")); // found already: not counted
    EXPECT_EQ(ex.FelDenna, 0);
    screen.Svara(ex, typed(other.toLower() + "cap"));
    EXPECT_TRUE(ex.Slut); // C, with no capital, was never asked
    EXPECT_EQ(topList.back().first, kTypedScores + 400 + 7);
}
