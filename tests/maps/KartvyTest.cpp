// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Kartvy.h"
#include "maps/Karta.h"
#include "platform/Image.h"

#include <gtest/gtest.h>

namespace {

// A world-like map (own view 80 N to 80 S about 10 E) on a 600 x 400 picture.
struct Vy : ::testing::Test {
    Vy() {
        image.resize(600, 400);
        k.Bild = &image;
        k.VyMitt = 10, k.VyNord = 80, k.VySyd = -80;
        k.BeraknaSkala();
        vy.Spara(k);
    }
    QPointF Pixel(TLatLon p) const { return QPointF(k.XKoord(p.Lat, p.Lon), k.YKoord(p.Lat)); }
    TImage image;
    CKarta k;
    CKartvy vy;
};

} // namespace

TEST_F(Vy, ZoomKeepsThePointUnderThePointerAndStaysBetweenTwoDegreesAndTheOwnView) {
    struct {
        QPointF at;
        double faktor;
    } const cases[] = {
        {{300, 200}, std::sqrt(2.0)}, {{450, 90}, 2}, {{40, 350}, 4}, {{520, 30}, 8}};
    for (const auto& c : cases) {
        vy.Hem(k);
        const TLatLon p = CKartvy::PunktVid(k, c.at);
        ASSERT_TRUE(vy.Zooma(k, c.faktor, c.at));
        EXPECT_NEAR(vy.Forstoring(k), c.faktor, 1e-3 * c.faktor);
        // Where the own view would push it past its edges, the view gives way.
        const QPointF d = Pixel(p) - c.at;
        EXPECT_TRUE(k.VyNord >= 80 || k.VySyd <= -80 || std::abs(d.y()) <= 1)
            << c.at.x() << "," << c.at.y();
        EXPECT_LE(k.VyNord, 80);
        EXPECT_GE(k.VySyd, -80);
    }
    vy.Hem(k);
    const TLatLon mitt = CKartvy::PunktVid(k, {300, 200});
    ASSERT_TRUE(vy.Zooma(k, 4, {300, 200}));
    EXPECT_LE((Pixel(mitt) - QPointF(300, 200)).manhattanLength(), 2);

    EXPECT_TRUE(vy.Zooma(k, 1e6, {300, 200}));
    EXPECT_NEAR(k.VyNord - k.VySyd, CKartvy::kMinHojd, 1e-4);
    EXPECT_FALSE(vy.Zooma(k, 2, {300, 200})); // no closer than that
    // Out again, never past the own view, which comes back exactly.
    for (int i = 0; i < 20; ++i)
        vy.Zooma(k, 1 / std::sqrt(2.0), {100, 100});
    EXPECT_TRUE(vy.ArEgen(k));
    EXPECT_EQ(std::tuple(k.VyMitt, k.VyNord, k.VySyd), std::tuple(10.f, 80.f, -80.f));
    EXPECT_FALSE(vy.Zooma(k, 0.5, {300, 200}));
}

TEST_F(Vy, PanningMovesTheGrippedPointWithThePointerWithinTheOwnView) {
    EXPECT_FALSE(vy.Flytta(k, CKartvy::PunktVid(k, {300, 200}), {350, 250}));
    vy.Zooma(k, 4, {300, 200});
    const TLatLon p = CKartvy::PunktVid(k, {300, 200});
    ASSERT_TRUE(vy.Flytta(k, p, {340, 230}));
    EXPECT_LE((Pixel(p) - QPointF(340, 230)).manhattanLength(), 2);
    EXPECT_NEAR(vy.Forstoring(k), 4, 1e-3);
    // Dragged far beyond an edge, the view stops at the own view's edge.
    vy.Flytta(k, p, {-5000, 5000});
    EXPECT_FLOAT_EQ(k.VyNord, 80);
    EXPECT_GT(k.VyMitt, 10);
    const float east = k.VyMitt;
    vy.Flytta(k, p, {-9000, 5000});
    EXPECT_FLOAT_EQ(k.VyMitt, east);
    EXPECT_TRUE(vy.Hem(k));
    EXPECT_TRUE(vy.ArEgen(k));
    EXPECT_FALSE(vy.Hem(k));
}
