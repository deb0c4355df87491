// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningOrt.h"
#include "GameTest.h"

#include <gtest/gtest.h>

namespace {

// A place of group X, level 1 and class 1 unless told.
TPlaceRecord Town(const QString& name, double lat, double lon, int niva = 1, bool klass1 = true) {
    TPlaceRecord p = Place(name, niva, "X", lat, lon);
    p.Klass1 = klass1;
    return p;
}

class OrtTest : public GameTest<COvningOrt, TestKartScreen> {
protected:
    void Start(std::vector<TPlaceRecord> places, int niva = 2, bool krav1 = false) {
        ex.Niva = niva, ex.KravPlats1 = krav1, ex.Linjebredd = 1;
        ex.VyNord = 25, ex.VySyd = -5, ex.VyMitt = 20;
        GameTest::Start({Box("L", 0, 0, 20, 40)}, {"X"}, places);
    }
    TKlick At(const COrt* o) const {
        return {static_cast<float>(o->Latitud), static_cast<float>(o->Longitud), 0};
    }
    // The first of places A and B that is not asked.
    COrt* Other() const {
        COrt* a = karta->Platser->Forsta.get();
        return ex.Plats == a ? a->Nasta.get() : a;
    }
};

} // namespace

TEST_F(OrtTest, NearestMarkerJudgesAndTiesGoToTheEarlierPlace) {
    Start({Town("West", 10, 10), Town("East", 10, 30), Town("Twin", 10, 30)});
    EXPECT_EQ(ex.NarmasteOrt(10, 29)->Namn[1], "East");
    EXPECT_EQ(ex.NarmasteOrt(0, 11)->Namn[1], "West");  // far away still counts
    EXPECT_EQ(ex.NarmasteOrt(10, 20)->Namn[1], "West"); // equal distance
}

TEST_F(OrtTest, AGameCountsEachAnswerOnceAndLabelsByTries) {
    Start({Town("A", 5, 5), Town("B", 5, 35), Town("C", 15, 20)});
    EXPECT_EQ(screen.questions[0], "Click on " + ex.Plats->Namn[1]);
    // Two wrong clicks on another place, then the right one.
    COrt *asked = ex.Plats, *other = Other();
    screen.Svara(ex, At(other));
    EXPECT_EQ(screen.names.last(), other->Namn[1]);
    screen.Svara(ex, At(other));
    screen.Svara(ex, At(asked));
    EXPECT_EQ(std::tuple(asked->Forsok, karta->Platser->Kvar, screen.percents),
              std::tuple(3, 2, std::vector<int32_t>{0, 0, 33}));
    // A click nearest to the answered place is ignored and shows no name.
    const int names = screen.names.size();
    screen.Svara(ex, At(asked));
    EXPECT_EQ(std::tuple(ex.Svarat, screen.names.size()), std::tuple(3, names));
    screen.Svara(ex, At(ex.Plats));
    screen.Svara(ex, At(ex.Plats));
    EXPECT_EQ(std::tuple(screen.questions.last(), screen.percents.back(), topList.size()),
              std::tuple("-", 60, 1u)); // 3 right of 5
}

TEST_F(OrtTest, TheAskedMarkerBlinksLimeAndBlackFromTheFourthWrongClick) {
    Start({Town("A", 5, 5), Town("B", 5, 35)});
    COrt *asked = ex.Plats, *other = Other();
    const QPoint p(karta->XKoord(asked->Latitud, asked->Longitud), karta->YKoord(asked->Latitud));
    const auto blink = [&] {
        ex.Blinka();
        return screen.bild.Picture().pixel(p);
    };
    for (int i = 0; i < 3; ++i)
        screen.Svara(ex, At(other));
    const QRgb lime = qRgb(0, 255, 0);
    // Lime stays until the fourth wrong click.
    EXPECT_EQ((std::tuple{blink(), blink()}), std::tuple(lime, lime));
    screen.Svara(ex, At(other));
    EXPECT_EQ((std::tuple{blink(), blink()}), std::tuple(qRgb(0, 0, 0), lime));
}

TEST_F(OrtTest, WithNoPlaceInTheGameTheQuestionIsEmptyAndClicksAreIgnored) {
    // The exercise's level and class go to the choice of places: one is too
    // high, the other lacks the class.
    Start({Town("A", 5, 5, 9), Town("B", 5, 5, 1, false)}, 2, true);
    EXPECT_EQ(screen.questions, QStringList{""});
    screen.Svara(ex, {5, 5, 0});
    EXPECT_EQ(std::tuple(ex.Svarat, ex.Slut), std::tuple(0, false));
}

TEST_F(OrtTest, ATypedGameJudgesThePlacesNamesInAnyLanguage) {
    ex.Svarssatt = TSvarssatt::Skriva;
    TPlaceRecord wien = Town("Vienna", 5, 5);
    wien.Namn = {"Wien", "Vienna", "Vienne", "Wien", "Viena", "Vienna", "Wien", "Wenen"};
    Start({wien, Town("Berlin", 5, 35)});
    const auto typed = [](const QString& text) {
        TKlick k;
        k.Skrivet = true, k.Namn = text;
        return k;
    };
    COrt* vienna = karta->Platser->Forsta.get();
    EXPECT_EQ(ex.Kompletteringar("vi"), QStringList{"Vienna"});
    if (ex.Plats != vienna) {
        screen.Svara(ex, typed("Vienne")); // the other place, in French
        EXPECT_EQ(ex.Logg.Fragor.back().Givet, QStringList{"Vienna"});
        screen.Svara(ex, typed("berlin"));
    }
    EXPECT_EQ(ex.Plats, vienna);
    screen.Svara(ex, typed("Berlin")); // answered already: wrong, not ignored
    EXPECT_EQ(ex.FelDenna, 1);
    screen.Svara(ex, typed("Wenen"));
    EXPECT_TRUE(vienna->Besvarad);
    EXPECT_TRUE(ex.Slut);
}
