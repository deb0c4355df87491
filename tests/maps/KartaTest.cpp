// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Karta.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "maps/Kartvy.h"
#include "platform/Image.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// A map on a picture of the given size with the given view.
struct Map : CKarta {
    Map(int w, int h, float nord = 0, float syd = 0, float mitt = 0) {
        image.resize(w, h);
        Bild = &image;
        VyNord = nord, VySyd = syd, VyMitt = mitt;
        if (nord != syd)
            BeraknaSkala();
    }
    TImage image;
};

std::unique_ptr<CArea> Bounds(double n, double s, double e, double w) {
    auto a = std::make_unique<CArea>();
    a->Nord = n, a->Syd = s, a->Ost = e, a->Vast = w;
    a->Antal = 3;
    a->Deltar = true;
    return a;
}

// A world-like map (own view 80 N to 80 S about 10 E) on a 600 x 400 picture.
struct Vy : ::testing::Test {
    Vy() { vy.Spara(k); }
    QPointF Pixel(TLatLon p) const { return QPointF(k.XKoord(p.Lat, p.Lon), k.YKoord(p.Lat)); }
    Map k{600, 400, 80, -80, 10};
    CKartvy vy;
};

} // namespace

TEST(MapMath, RoundIsHalfToEvenAndRangeChecked) {
    using Case = std::pair<double, int32_t>;
    for (auto [value, rounded] :
         {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{-0.5, 0}, Case{-1.5, -2},
          Case{-2.4999, -2}, Case{200.5, 200}, Case{2147483647.0, 2147483647},
          Case{-2147483648.0, -2147483647 - 1}})
        EXPECT_EQ(Round(value), rounded) << value;
    for (double bad : {2147483647.5, -2147483649.0, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(Round(bad), ERangeError) << bad;
    EXPECT_FLOAT_EQ(Interpolera(45, 60, 30, 300, 0), 150);
    EXPECT_FLOAT_EQ(Interpolera(0, 0, 0, 5, 7), 7); // no division by zero
}

TEST(CKarta, ProjectionBothWaysScaleInomBildAndViewsWithoutAScaleRaiseRangeError) {
    Map k(400, 300, 60, 30);
    for (auto [lat, y] : {std::pair{60.f, 0}, {30.f, 300}, {45.f, 150}, {95.f, -300}, {90.f, -300}})
        EXPECT_EQ(k.YKoord(lat), y) << lat;
    for (auto [y, lat] : {std::pair{0, 60.f}, {150, 45.f}, {-1000, 90.f}}) // the last clamped
        EXPECT_FLOAT_EQ(k.LatVid(y), lat) << y;

    Map q(400, 200, 10, -10, 10);
    ASSERT_EQ(q.Langdskala, 90);
    EXPECT_EQ(std::tuple(q.XKoord(0, 10), q.XKoord(0, 20), q.XKoord(90, 50), q.XKoord(-90, -50)),
              std::tuple(200, 300, 200, 200));
    for (float lat : {-8.f, 0.f, 3.3f}) // within a pixel's worth of degrees
        for (float lon : {-5.f, 10.f, 17.7f})
            EXPECT_NEAR(q.LonVid(q.YKoord(lat), q.XKoord(lat, lon)), lon,
                        9 / std::sqrt(8100 - lat * lat) + 1e-4)
                << lat << " " << lon;
    COrt ort;
    ort.Longitud = 10;
    EXPECT_EQ(q.Avstand(3, 14, ort), 50); // 40 across, 30 down
    // The centre is W / 2 exactly: 201.5 rounds to 202, 301.5 to 302.
    q.image.resize(403, 200);
    EXPECT_EQ(std::pair(q.XKoord(0, 10), q.XKoord(0, 20)), std::pair(202, 302));

    Map m(400, 300, 50, 40); // the same scale south of the equator
    EXPECT_EQ(std::pair(m.Langdskala, Map(400, 300, -40, -50).Langdskala), std::pair(115, 115));
    for (auto [x, y] : {std::pair{1, 1}, {399, 299}})
        EXPECT_TRUE(m.InomBild(x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {400, 5}, {5, 300}})
        EXPECT_FALSE(m.InomBild(x, y)) << x << "," << y;

    Map u(400, 300);
    EXPECT_THROW(u.XKoord(0, 0), ERangeError); // view never set
    EXPECT_THROW(u.YKoord(0), ERangeError);
    u.VyNord = u.VySyd = 45;
    EXPECT_THROW(u.XKoord(10, 10), ERangeError);
    u.VyNord = 1e-6f, u.VySyd = 0;
    u.BeraknaSkala();
    EXPECT_THROW(u.XKoord(0, 170), ERangeError);
    EXPECT_THROW(u.YKoord(-80), ERangeError);
}

TEST(CKarta, AnpassaVyFitsTheTakingPartAreas) {
    Map k(750, 500);
    k.Landareor = std::make_unique<CAreor>();
    CArea& a = k.Landareor->Lagg(Bounds(60, 50, 20, 10));
    k.Landareor->Lagg(Bounds(80, -80, 170, -170)).Deltar = false;
    k.Landareor->Lagg(Bounds(80, -80, 170, -170)).Antal = 0;
    k.AnpassaVy();
    EXPECT_EQ(std::tuple(k.VyMitt, k.VyNord, k.VySyd, k.Langdskala),
              std::tuple(15.f, 60.4f, 49.6f, 121));

    // A wide, low area needs widening until its half-width of 40 degrees shows.
    a.Ost = 55, a.Vast = -25;
    k.AnpassaVy();
    EXPECT_TRUE(k.VyNord > 60.4f && k.VySyd < 49.6f);
    EXPECT_GE(k.SynligHalvbredd(), 40);

    // Nothing taking part leaves north below south.
    a.Deltar = false;
    k.AnpassaVy();
    EXPECT_LT(k.VyNord, k.VySyd);

    // Widening that reaches past a pole ends.
    k.Landareor->Lagg(Bounds(-60, -90, 180, -180));
    k.AnpassaVy();
    EXPECT_GE(k.SynligHalvbredd(), 180);
    EXPECT_LT(k.VySyd, -90);
}

TEST(CKarta, LasHavHoldsAtMost100Points) {
    TestDir dir;
    auto write = [&](int n) {
        std::vector<TSeaPointRecord> points;
        for (int i = 1; i <= n; ++i)
            points.push_back({double(i), -i * 0.5});
        return dir.Write(QString("Hav%1.crp").arg(n), FileOf(points));
    };
    CKarta k;
    k.LasHav(write(100));
    EXPECT_EQ(std::tuple(k.AntalHav, k.Havspunkter[100].Lat, k.Havspunkter[100].Lon),
              std::tuple(100, 100.f, -50.f));
    EXPECT_THROW(k.LasHav(write(101)), ERangeError);
    EXPECT_EQ(k.AntalHav, 100);
    k.LasHav(write(0)); // an empty file still counts its one blank point
    EXPECT_EQ(k.AntalHav, 1);
    EXPECT_THROW(k.LasHav(dir.Path("missing.crp")), EFileNotFound);
}

TEST_F(Vy, ZoomAndPanKeepTheGrippedPointUnderThePointerBetweenTwoDegreesAndTheOwnView) {
    for (auto [at, faktor] :
         {std::pair{QPointF(300, 200), std::sqrt(2.0)}, std::pair{QPointF(450, 90), 2.0},
          std::pair{QPointF(40, 350), 4.0}, std::pair{QPointF(520, 30), 8.0}}) {
        vy.Hem(k);
        const TLatLon p = CKartvy::PunktVid(k, at);
        ASSERT_TRUE(vy.Zooma(k, faktor, at));
        EXPECT_NEAR(vy.Forstoring(k), faktor, 1e-3 * faktor);
        // Where the own view would push it past its edges, the view gives way.
        EXPECT_TRUE(k.VyNord >= 80 || k.VySyd <= -80 || std::abs((Pixel(p) - at).y()) <= 1)
            << at.x() << "," << at.y();
        EXPECT_TRUE(k.VyNord <= 80 && k.VySyd >= -80) << k.VyNord << " " << k.VySyd;
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

    // Panning moves the gripped point with the pointer, within the own view.
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
