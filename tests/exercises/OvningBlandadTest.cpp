// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/OvningBlandad.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "support/TestScreens.h"

#include <gtest/gtest.h>

namespace {

// Areas A, B and C side by side, each with a town near its top;
// an area exercise (7) and a capitals exercise (8) of the map.
class BlandadTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        std::vector<TPlaceRecord> towns;
        for (auto [name, group, lon] :
             {std::tuple("Acity", "A", 6), {"Bcity", "B", 26}, {"Ccity", "C", 46}}) {
            towns.push_back(Place(name, 1, group, 8, lon));
            towns.back().Klass1 = true;
        }
        karta = MakeMap({Box("A", 0, 0, 10, 10), Box("B", 0, 20, 10, 30), Box("C", 0, 40, 10, 50)},
                        towns);
        areor.Nummer = 7, areor.Typ = "AREA", areor.Linjebredd = 1;
        areor.VyNord = 35, areor.VySyd = -5, areor.VyMitt = 25;
        orter.Nummer = 8, orter.Typ = "ORT", orter.Niva = 1, orter.KravPlats1 = true;
        orter.VyNord = 40, orter.VySyd = 0, orter.VyMitt = 25;
        SetItems(areor, {"A", "B", "C"});
        SetItems(orter, {"A", "B", "C"});
    }

    TKlick Area(const QString& key) const {
        const CArea* a = karta->Landareor->Hitta(key);
        return {a->Fyllpunkt1.Lat, a->Fyllpunkt1.Lon, 0};
    }
    TKlick Town(const QString& name) const {
        for (const COrt* o = karta->Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Namn[2] == name)
                return {static_cast<float>(o->Latitud), static_cast<float>(o->Longitud), 0};
        return {};
    }
    QRgb PixelAt(const TKlick& k) const {
        return screen.bild.Picture().pixel(karta->XKoord(k.Lat, k.Lon), karta->YKoord(k.Lat));
    }

    std::unique_ptr<CKarta> karta;
    COvningLandArea areor;
    COvningOrt orter;
    TestKartScreen screen;
};

} // namespace

TEST_F(BlandadTest, AreasAndPlacesAreAskedInTheGivenOrderAsOneGameEachJudgedByItsOwnExercise) {
    COvningBlandad spel(areor, orter);
    spel.Karta = karta.get();
    spel.Ovningsobjekt = {"A", "B", "Bcity", "Acity"};
    spel.Repetition = true;
    spel.Starta(&screen);
    // The view holds the places' view as well as the areas'.
    EXPECT_EQ(std::pair(karta->VyNord, karta->VySyd), std::pair(40.0f, -5.0f));
    screen.Svara(spel, Area("A"));
    // The towns are on the map while areas are asked, over their fill.
    EXPECT_NE(PixelAt(Town("Acity")), PixelAt(Area("A")));
    screen.Svara(spel, Area("B"));
    ASSERT_NE(dynamic_cast<COvningOrt*>(spel.Fragande()), nullptr);
    // B takes its answered colour while a place is asked.
    EXPECT_EQ(PixelAt(Area("B")), karta->Svarsfarg(*karta->Landareor->Hitta("B")).rgb());
    for (int i = 0; i < 3; ++i)
        screen.Svara(spel, Town("Acity")); // taken for Bcity
    EXPECT_EQ(screen.names.last(), "Acity");
    // The third miss shows the answer, lime, over the places' own markers.
    spel.Blinka();
    EXPECT_EQ(PixelAt(Town("Bcity")), qRgb(0, 255, 0));
    screen.Svara(spel, Town("Bcity"));
    screen.Svara(spel, Town("Acity"));
    EXPECT_EQ(screen.questions,
              (QStringList{"Click on A", "Click on B", "Click on Bcity", "Click on Acity", "-"}));
    // One percentage for the whole: a right area weighs two, as in its own game.
    EXPECT_EQ(screen.percents, (std::vector<int32_t>{100, 100, 80, 67, 57, 62, 67}));
    std::vector<std::tuple<QString, int32_t, int32_t, QStringList>> logg;
    for (const TFragaLogg& f : spel.Logg.Fragor)
        logg.emplace_back(f.Objekt, f.Ovning, f.Forsok, f.Givet);
    EXPECT_EQ(logg, (decltype(logg){{"A", 7, 1, {}},
                                    {"B", 7, 1, {}},
                                    {"Bcity", 8, 4, {"Acity", "Acity", "Acity"}},
                                    {"Acity", 8, 1, {}}}));
    EXPECT_TRUE(spel.Logg.Ovningsspel);

    // Started again without items (the review's replay), it asks its own
    // items again, never two whole exercises; the catalogue's entries stay
    // free of it.
    spel.Ovningsobjekt.clear();
    spel.Starta(&screen);
    EXPECT_EQ(std::tuple(screen.questions.last(), spel.Svarat, spel.Ovningsobjekt.size()),
              std::tuple(QString("Click on A"), 0, 4));
    EXPECT_EQ(std::tuple(areor.Helhet, areor.Ovningsobjekt.size(), orter.Karta),
              std::tuple(nullptr, 0, nullptr));
}

TEST_F(BlandadTest, WithItemsOfOneKindOnlyTheOtherExerciseAsksNothing) {
    for (const QStringList& objekt : {QStringList{"Ccity"}, QStringList{"C"}}) {
        COvningBlandad spel(areor, orter);
        spel.Karta = karta.get();
        spel.Ovningsobjekt = objekt;
        spel.Repetition = true;
        screen.questions.clear();
        spel.Starta(&screen);
        EXPECT_EQ(screen.questions, QStringList{"Click on " + objekt[0]});
        screen.Svara(spel, objekt[0].size() == 1 ? Area("C") : Town("Ccity"));
        EXPECT_EQ(screen.questions.last(), "-") << objekt[0].toStdString();
    }
}
