// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the world features (Ort2.crp) as the place exercises
// that ask them show them: every marker inside the view, 8 pixels from every
// other marker of its exercise at 1024 x 700, seas and river mouths on the
// drawn sea and islands and mountains on land.
#include "data/Helpers.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"
#include "platform/Image.h"
#include "support/ShippedMaps.h"
#include "support/TestScreens.h"

#include <QDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// The exercises of the world features, as a stand-in for a catalogue that
// does not list them yet: number, map, level, view (north, south, centre;
// 0, 0 fits the areas of the items, and the world exercises show the whole
// map) and items.
struct TFeatureExercise {
    int number, map, level;
    float north, south, centre;
    QStringList items;
};
const TFeatureExercise kExercises[] = {
    {29, 1, 1, 0, 0, 0, {"HAV"}},          {30, 1, 1, 0, 0, 0, {"O"}},
    {90, 1, 1, 0, 0, 0, {"BERG", "FLOD"}}, {74, 2, 2, 0, 0, 0, {"EUR"}},
    {82, 3, 2, 0, 0, 0, {"NOR"}},          {28, 1, 2, 14, -57, -62, {"SYD"}},
    {86, 5, 2, 0, 0, 0, {"ASI"}},          {89, 4, 2, 0, 0, 0, {"AFR"}},
    {60, 6, 2, 0, 0, 0, {"AUS"}},
};

const QStringList kKinds = {"HAV", "O", "BERG", "FLOD"};
const QStringList kContinents = {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS"};

std::vector<const COrt*> Places(const COrter& list) {
    std::vector<const COrt*> out;
    for (const COrt* p = list.Forsta.get(); p; p = p->Nasta.get())
        out.push_back(p);
    return out;
}

class WorldFeatures : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        QDir::setCurrent(ProgramFolder());
        catalogue.LasOvningar("Ovning.crp");
        places.LasOrter("Ort2.crp");
        // A second record of a sea for another continent has no kind: it
        // takes the kind of the record at the same spot.
        for (const COrt* p : Places(places))
            if (!p->Grupp1.isEmpty())
                kindAt[{p->Latitud, p->Longitud}] = p->Grupp1;
    }

    // Every place exercise of Ort2: the catalogue's, and the table's for the
    // numbers the catalogue does not hold.
    std::vector<std::shared_ptr<COvning>> Exercises() {
        std::vector<std::shared_ptr<COvning>> list;
        QSet<int> listed;
        for (auto e = catalogue.Forsta; e; e = e->Nasta)
            if (dynamic_cast<COvningOrt*>(e.get()) && e->Ortfil == 2) {
                list.push_back(e);
                listed.insert(e->Nummer);
            }
        for (const TFeatureExercise& t : kExercises) {
            if (listed.contains(t.number))
                continue;
            auto e = COvningar::Skapa("ORT");
            e->Nummer = t.number, e->Kartnummer = t.map, e->Ortfil = 2, e->Niva = t.level;
            e->VyNord = t.north, e->VySyd = t.south, e->VyMitt = t.centre;
            e->Antal = int(t.items.size());
            for (int i = 1; i <= e->Antal; ++i)
                e->Objekt(i) = t.items[i - 1];
            // An exercise whose items name no area fits no view: the world
            // exercises show the whole map, as fitted at 1024 x 700.
            auto k = LoadShippedMap(t.map, 2);
            bool fits = t.north != 0 || t.south != 0;
            for (const QString& item : t.items)
                fits = fits || k->Landareor->Hitta(item);
            if (!fits) {
                TImage image;
                image.resize(1024, 700);
                k->Bild = &image;
                for (int i = 1; i <= k->Landareor->Antal; ++i)
                    k->Landareor->Markera(k->Landareor->Area(i).Nyckel);
                k->BeraknaSkala();
                k->AnpassaVy();
                e->VyNord = k->VyNord, e->VySyd = k->VySyd, e->VyMitt = k->VyMitt;
            }
            list.push_back(e);
        }
        return list;
    }

    // Starts the exercise at a size as the map screen does.
    std::unique_ptr<CKarta> Start(COvning& e, QSize size, TestKartScreen& screen) {
        auto karta = LoadShippedMap(e.Kartnummer, e.Ortfil);
        screen.bild.resize(size.width(), size.height());
        e.Karta = karta.get();
        e.Starta(&screen);
        e.Karta = nullptr;
        return karta;
    }

    COvningar catalogue;
    COrter places;
    std::map<std::pair<double, double>, QString> kindAt;
};

} // namespace

TEST_F(WorldFeatures, TheRecordsCarryTheGroupKeysOfTheirExercises) {
    const auto all = Places(places);
    ASSERT_GE(all.size(), 120u);
    for (const COrt* p : all) {
        const std::string name = p->Namn[2].toStdString();
        EXPECT_TRUE(p->Grupp1.isEmpty() || kKinds.contains(p->Grupp1)) << name;
        EXPECT_TRUE(p->Grupp2.isEmpty() || kContinents.contains(p->Grupp2)) << name;
        // A second record (no kind) is for a continent's exercise only.
        if (p->Grupp1.isEmpty()) {
            EXPECT_TRUE(p->Niva == 2 && kContinents.contains(p->Grupp2)) << name;
        }
        EXPECT_EQ(p->Grupp3 == "VARLD", p->Niva == 1) << name;
        EXPECT_TRUE(p->Niva == 1 || p->Niva == 2) << name;
        EXPECT_TRUE(p->Klass2 && !p->Klass1) << name;
        EXPECT_TRUE(kindAt.count({p->Latitud, p->Longitud})) << name;
    }
}

TEST_F(WorldFeatures, EveryExerciseShowsItsFeaturesWhereTheyLie) {
    std::set<std::pair<double, double>> seen; // by position: each start loads its own copy
    for (const auto& e : Exercises()) {
        SCOPED_TRACE(e->Nummer);
        for (QSize size : {QSize(1024, 700), QSize(1920, 1048)}) {
            TestKartScreen screen;
            auto k = Start(*e, size, screen);
            // Items that name no area (HAV, O) fit no view: such an entry
            // needs a view of its own.
            ASSERT_TRUE(k->VyNord > k->VySyd && k->VyNord < 1000) << "no view";
            std::vector<const COrt*> asked;
            for (const COrt* p : Places(*k->Platser))
                if (p->Deltar)
                    asked.push_back(p);
            EXPECT_GE(asked.size(), 5u);
            // The map without its markers, as the exercise draws it under them.
            k->Rensa();
            k->RitaGranser(1);
            k->RitaVatten();
            k->FyllHav();
            const QImage& pic = screen.bild.Picture();
            const QRgb sea = k->Sjofarg.rgb();
            for (size_t i = 0; i < asked.size(); ++i) {
                const COrt& p = *asked[i];
                const std::string name = p.Namn[2].toStdString();
                const float lat = float(p.Latitud), lon = float(p.Longitud);
                const QPoint at(k->XKoord(lat, lon), k->YKoord(lat));
                ASSERT_TRUE(k->InomBild(at.x(), at.y())) << name << " outside the view";
                seen.insert({p.Latitud, p.Longitud});
                const QString kind = kindAt[{p.Latitud, p.Longitud}];
                bool land = false;
                for (int a = 1; a <= k->Landareor->Antal && !land; ++a)
                    land = InArea(k->Landareor->Area(a), lat, lon);
                if (kind == "HAV" || kind == "FLOD")
                    EXPECT_EQ(pic.pixel(at), sea)
                        << name << " is not on the sea at " << size.width();
                else
                    EXPECT_TRUE(land && pic.pixel(at) != sea)
                        << name << " is not on land at " << size.width();
            }
        }
    }
    for (const COrt* p : Places(places))
        EXPECT_TRUE(seen.count({p->Latitud, p->Longitud}))
            << p->Namn[2].toStdString() << " is asked by no exercise";
}
