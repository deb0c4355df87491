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
#include <QMap>
#include <cmath>
#include <gtest/gtest.h>
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
    QMap<std::pair<double, double>, QString> kindAt;
};

} // namespace

// Every place exercise (of every place file) shows its markers in the view,
// and at 1024 x 700, the map screen on a 1024 x 768 desktop, at least 8
// pixels apart, so that a click on one is never judged to be the other. The
// world features' exercises show seas and river mouths on the drawn sea, the
// rest on land, and each feature, carrying the group keys of its exercises,
// is asked by one of them.
TEST_F(WorldFeatures, EveryPlaceExerciseShowsItsPlacesApartAndWhereTheyLie) {
    ASSERT_GE(PlacesOf(places).size(), 120u);
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
                const auto [p, at] = shown[i];
                ASSERT_TRUE(k->InomBild(at.x(), at.y())) << p->Namn[2].toStdString() << " outside";
                for (size_t j = i + 1; j < shown.size() && size.width() == 1024; ++j)
                    EXPECT_GE(QPoint::dotProduct(at - shown[j].second, at - shown[j].second), 64)
                        << p->Namn[2].toStdString() << " and "
                        << shown[j].first->Namn[2].toStdString();
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
                seen.insert({p->Latitud, p->Longitud});
                const QString kind = kindAt.value({p->Latitud, p->Longitud});
                const bool wet = kind == "HAV" || kind == "FLOD";
                const bool sea = pic.pixel(at) == k->Sjofarg.rgb();
                const bool land = AreaAt(*k->Landareor, float(p->Latitud), float(p->Longitud));
                EXPECT_TRUE(wet ? sea : land && !sea)
                    << p->Namn[2].toStdString() << " is not on " << (wet ? "the sea" : "land")
                    << " at " << size.width();
            }
        }
    }
    for (const COrt* p : PlacesOf(places)) {
        const std::string name = p->Namn[2].toStdString();
        EXPECT_TRUE(p->Grupp1.isEmpty() || kKinds.contains(p->Grupp1)) << name;
        EXPECT_TRUE(p->Grupp2.isEmpty() || kContinents.contains(p->Grupp2)) << name;
        // A second record (no kind) is for a continent's exercise only.
        EXPECT_TRUE(!p->Grupp1.isEmpty() || (p->Niva == 2 && !p->Grupp2.isEmpty())) << name;
        EXPECT_EQ(p->Grupp3 == "VARLD", p->Niva == 1) << name;
        EXPECT_TRUE((p->Niva == 1 || p->Niva == 2) && p->Klass2 && !p->Klass1) << name;
        EXPECT_TRUE(kindAt.contains({p->Latitud, p->Longitud})) << name;
        EXPECT_TRUE(seen.count({p->Latitud, p->Longitud})) << name << " is asked by no exercise";
    }
}
