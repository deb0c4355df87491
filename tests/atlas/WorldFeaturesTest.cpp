// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the world features (Ort2.crp), and of every place
// exercise as it shows its places: every marker inside the view, 8 pixels
// from every other marker of its exercise at 1024 x 700, seas and river
// mouths on the drawn sea and islands and mountains on land.
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

const QStringList kKinds = {"HAV", "O", "BERG", "FLOD"};
const QStringList kContinents = {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS"};

class WorldFeatures : public ShippedCatalogueTest {
protected:
    void SetUp() override {
        ShippedCatalogueTest::SetUp();
        places.LasOrter("Ort2.crp");
        // A second record of a sea for another continent has no kind: it
        // takes the kind of the record at the same spot.
        for (const COrt* p : PlacesOf(places))
            if (!p->Grupp1.isEmpty())
                kindAt[{p->Latitud, p->Longitud}] = p->Grupp1;
    }

    COrter places;
    std::map<std::pair<double, double>, QString> kindAt;
};

} // namespace

TEST_F(WorldFeatures, TheRecordsCarryTheGroupKeysOfTheirExercises) {
    const auto all = PlacesOf(places);
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

// Every place exercise (of every place file) shows its markers in the view,
// and at 1024 x 700, the map screen on a 1024 x 768 desktop, at least 8
// pixels apart, so that a click on one is never judged to be the other. The
// world features' exercises show seas and river mouths on the drawn sea, the
// rest on land, and each feature is asked by one of them.
TEST_F(WorldFeatures, EveryPlaceExerciseShowsItsPlacesApartAndWhereTheyLie) {
    std::set<std::pair<double, double>> seen; // by position: each start loads its own copy
    for (auto e = catalogue.Forsta; e; e = e->Nasta) {
        if (e->Typ != "ORT")
            continue;
        SCOPED_TRACE(e->Nummer);
        for (QSize size : {QSize(1024, 700), QSize(1920, 1048)}) {
            TestKartScreen screen;
            auto k = StartOnShippedMap(*e, size, screen);
            // Items that name no area (HAV, O) fit no view: such an entry
            // needs a view of its own.
            ASSERT_TRUE(k->VyNord > k->VySyd && k->VyNord < 1000) << "no view";
            std::vector<std::pair<const COrt*, QPoint>> shown;
            for (const COrt* p : PlacesOf(*k->Platser))
                if (p->Deltar)
                    shown.push_back({p, QPoint(k->XKoord(float(p->Latitud), float(p->Longitud)),
                                               k->YKoord(float(p->Latitud)))});
            EXPECT_GE(shown.size(), 5u);
            for (size_t i = 0; i < shown.size(); ++i) {
                const QPoint at = shown[i].second;
                const std::string name = shown[i].first->Namn[2].toStdString();
                ASSERT_TRUE(k->InomBild(at.x(), at.y())) << name << " outside the view";
                for (size_t j = i + 1; j < shown.size() && size.width() == 1024; ++j) {
                    const QPoint d = at - shown[j].second;
                    EXPECT_GE(d.x() * d.x() + d.y() * d.y(), 64)
                        << name << " and " << shown[j].first->Namn[2].toStdString();
                }
            }
            if (e->Ortfil != 2)
                continue;
            // The map without its markers, as the exercise draws it under them.
            k->Rensa();
            k->RitaGranser(1);
            k->RitaVatten();
            k->FyllHav();
            const QImage& pic = screen.bild.Picture();
            for (const auto& [p, at] : shown) {
                const std::string name = p->Namn[2].toStdString();
                seen.insert({p->Latitud, p->Longitud});
                const QString kind = kindAt[{p->Latitud, p->Longitud}];
                const bool sea = pic.pixel(at) == k->Sjofarg.rgb();
                if (kind == "HAV" || kind == "FLOD")
                    EXPECT_TRUE(sea) << name << " is not on the sea at " << size.width();
                else
                    EXPECT_TRUE(AreaAt(*k->Landareor, float(p->Latitud), float(p->Longitud)) &&
                                !sea)
                        << name << " is not on land at " << size.width();
            }
        }
    }
    for (const COrt* p : PlacesOf(places))
        EXPECT_TRUE(seen.count({p->Latitud, p->Longitud}))
            << p->Namn[2].toStdString() << " is asked by no exercise";
}
