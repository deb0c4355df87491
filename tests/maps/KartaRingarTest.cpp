// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Karta.h"
#include "platform/Image.h"
#include "support/AreaBoxes.h"

#include <gtest/gtest.h>

namespace {

// Ten pixels a degree: land boxes A and B, states T and U a fifth of a
// degree wide, 12 pixels apart in the sea, V, as small, inside A, and an
// islet of B's, which belongs to B's state.
class Ringar : public ::testing::Test {
protected:
    void SetUp() override {
        image.resize(400, 200);
        k.Bild = &image;
        k.VyNord = 10, k.VySyd = -10;
        k.BeraknaSkala();
        k.Landareor = std::make_unique<CAreor>();
        for (auto [key, s, w, n, e] : {std::tuple{"A", -5.f, -15.f, 5.f, -5.f},
                                       {"B", -5.f, 5.f, 5.f, 15.f},
                                       {"T", 6.9f, -10.1f, 7.1f, -9.9f},
                                       {"U", 6.9f, -8.9f, 7.1f, -8.7f},
                                       {"V", 1.9f, -8.1f, 2.1f, -7.9f}})
            k.Landareor->Lagg(BoxArea(key, s, w, n, e)).Deltar = true;
        CArea& islet = k.Landareor->Lagg(BoxArea("ISLET", -7.1f, 9.9f, -6.9f, 10.1f));
        islet.Grupp1 = "B";
        islet.Deltar = true;
        k.Stater = {"A", "B", "T", "U", "V", "T"};
        k.Havspunkter[k.AntalHav = 1] = {9, 0};
        k.RitaAreaovning(1);
    }
    QPoint Mitt(const char* key) const {
        const CArea& a = *k.Landareor->Hitta(key);
        return QPoint(k.XKoord(a.Fyllpunkt1.Lat, a.Fyllpunkt1.Lon), k.YKoord(a.Fyllpunkt1.Lat));
    }
    QString Traff(QPoint p) const {
        const CArea* a = k.Ringar.Traff(p, 1);
        return a ? a->Nyckel : QString();
    }
    QRgb Band(const char* key) const { return image.Picture().pixel(Mitt(key) + QPoint(0, -5)); }

    TImage image;
    CKarta k;
};

} // namespace

TEST_F(Ringar, OnlyStatesTooSmallToClickGetARingAndTheNearestRingTakesTheClick) {
    QStringList keys;
    for (const auto& r : k.Ringar.Lista())
        keys << r.Nyckel;
    EXPECT_EQ(keys, QStringList({"T", "U", "V"}));
    const struct {
        QPoint at;
        QString key;
    } clicks[] = {{Mitt("T") + QPoint(-3, 2), "T"}, {Mitt("T") + QPoint(7, 0), "U"},
                  {Mitt("V") + QPoint(0, 9), "V"},  {Mitt("V") + QPoint(0, 12), ""},
                  {Mitt("U") + QPoint(9, 5), ""},   {QPoint(100, 100), ""}};
    for (const auto& c : clicks)
        EXPECT_EQ(Traff(c.at), c.key) << c.at.x() << "," << c.at.y();
}

TEST_F(Ringar, RingsTakeTheColoursOfTheirStatesAndNoFillSeesThem) {
    EXPECT_EQ(Band("T"), qRgb(0, 128, 0));
    k.FyllAreor("T", QColor(0, 255, 0));
    EXPECT_EQ(Band("T"), qRgb(0, 255, 0));
    k.Landareor->SattBesvarad("T", 5);
    k.FargaAreor();
    EXPECT_EQ(Band("T"), qRgb(255, 0, 0));
    EXPECT_EQ(Band("U"), qRgb(0, 128, 0));
    // A's land under V's ring takes A's new colour once the ring is lifted,
    // and the ring is back on top.
    k.FyllAreor("A", QColor(255, 255, 0));
    EXPECT_EQ(Band("V"), qRgb(0, 128, 0));
    {
        CKartaRingar::TPaus paus(k.Ringar, image.Canvas());
        EXPECT_EQ(Band("V"), qRgb(255, 255, 0));
    }
    EXPECT_EQ(Band("V"), qRgb(0, 128, 0));
}

TEST_F(Ringar, ARingGivesWayToTheShapeOnceItIsBigEnoughToClick) {
    k.VyNord = 8, k.VySyd = 6, k.VyMitt = -9; // 100 pixels a degree: T is 20 wide
    k.BeraknaSkala();
    k.RitaAreaovning(1);
    EXPECT_TRUE(k.Ringar.Lista().empty());
    EXPECT_EQ(Traff(Mitt("T")), "");
}
