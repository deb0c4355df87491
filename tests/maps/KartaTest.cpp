// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Karta.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "platform/Image.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// A map on a picture of the given size with the given view.
struct Map {
    Map(int w, int h, float nord = 0, float syd = 0, float mitt = 0) {
        image.resize(w, h);
        karta.Bild = &image;
        karta.VyNord = nord;
        karta.VySyd = syd;
        karta.VyMitt = mitt;
        if (nord != syd)
            karta.BeraknaSkala();
    }
    TImage image;
    CKarta karta;
};

std::unique_ptr<CArea> Bounds(double n, double s, double e, double w) {
    auto a = std::make_unique<CArea>();
    a->Nord = n, a->Syd = s, a->Ost = e, a->Vast = w;
    a->Antal = 3;
    a->Deltar = true;
    return a;
}

} // namespace

TEST(MapMath, RoundIsHalfToEvenAndRangeChecked) {
    const std::pair<double, int32_t> cases[] = {{0.5, 0},
                                                {1.5, 2},
                                                {2.5, 2},
                                                {-0.5, 0},
                                                {-1.5, -2},
                                                {-2.4999, -2},
                                                {200.5, 200},
                                                {2147483647.0, 2147483647},
                                                {-2147483648.0, -2147483647 - 1}};
    for (auto [value, rounded] : cases)
        EXPECT_EQ(Round(value), rounded) << value;
    for (double bad : {2147483647.5, -2147483649.0, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(Round(bad), ERangeError) << bad;
    EXPECT_FLOAT_EQ(Interpolera(45, 60, 30, 300, 0), 150);
    EXPECT_FLOAT_EQ(Interpolera(0, 0, 0, 5, 7), 7); // no division by zero
}

TEST(CKarta, ProjectionBothWays) {
    Map m(400, 300, 60, 30);
    CKarta& k = m.karta;
    for (auto [lat, y] : {std::pair{60.f, 0}, {30.f, 300}, {45.f, 150}, {95.f, -300}, {90.f, -300}})
        EXPECT_EQ(k.YKoord(lat), y) << lat;
    for (auto [y, lat] : {std::pair{0, 60.f}, {150, 45.f}, {-1000, 90.f}}) // the last clamped
        EXPECT_FLOAT_EQ(k.LatVid(y), lat) << y;

    Map e(400, 200, 10, -10, 10);
    CKarta& q = e.karta;
    ASSERT_EQ(q.Langdskala, 90);
    EXPECT_EQ(std::tuple(q.XKoord(0, 10), q.XKoord(0, 20), q.XKoord(90, 50), q.XKoord(-90, -50)),
              std::tuple(200, 300, 200, 200));
    for (float lat : {-8.f, 0.f, 3.3f}) {
        for (float lon : {-5.f, 10.f, 17.7f}) {
            const int x = q.XKoord(lat, lon);
            const double degreesPerPixel = 1.0 / 10 * 90 / std::sqrt(8100 - lat * lat);
            EXPECT_NEAR(q.LonVid(q.YKoord(lat), x), lon, degreesPerPixel + 1e-4)
                << lat << " " << lon;
        }
    }
    COrt ort;
    ort.Longitud = 10;
    EXPECT_EQ(q.Avstand(3, 14, ort), 50); // 40 across, 30 down
    // The centre is W / 2 exactly: 201.5 rounds to 202, 301.5 to 302.
    e.image.resize(403, 200);
    EXPECT_EQ(std::pair(q.XKoord(0, 10), q.XKoord(0, 20)), std::pair(202, 302));
}

TEST(CKarta, BeraknaSkalaAndInomBild) {
    Map m(400, 300, 50, 40);
    CKarta& k = m.karta;
    EXPECT_EQ(k.Langdskala, 115);
    k.VyNord = -40, k.VySyd = -50; // the same south of the equator
    k.BeraknaSkala();
    EXPECT_EQ(k.Langdskala, 115);
    for (auto [x, y] : {std::pair{1, 1}, {399, 299}})
        EXPECT_TRUE(k.InomBild(x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {400, 5}, {5, 300}})
        EXPECT_FALSE(k.InomBild(x, y)) << x << "," << y;
}

TEST(CKarta, EqualNorthAndSouthOrHugeValuesRaiseRangeError) {
    Map m(400, 300);
    CKarta& k = m.karta;
    EXPECT_THROW(k.XKoord(0, 0), ERangeError); // view never set
    EXPECT_THROW(k.YKoord(0), ERangeError);
    k.VyNord = k.VySyd = 45;
    EXPECT_THROW(k.XKoord(10, 10), ERangeError);
    k.VyNord = 1e-6f;
    k.VySyd = 0;
    k.BeraknaSkala();
    EXPECT_THROW(k.XKoord(0, 170), ERangeError);
    EXPECT_THROW(k.YKoord(-80), ERangeError);
}

TEST(CKarta, AnpassaVyFitsTheTakingPartAreas) {
    Map m(750, 500);
    CKarta& k = m.karta;
    k.Landareor = std::make_unique<CAreor>();
    k.Landareor->Lagg(Bounds(60, 50, 20, 10));
    k.Landareor->Lagg(Bounds(80, -80, 170, -170)).Deltar = false;
    k.Landareor->Lagg(Bounds(80, -80, 170, -170)).Antal = 0;
    k.AnpassaVy();
    EXPECT_EQ(std::tuple(k.VyMitt, k.VyNord, k.VySyd, k.Langdskala),
              std::tuple(15.f, 60.4f, 49.6f, 121));

    // A wide, low area needs widening until its half-width of 40 degrees shows.
    k.Landareor->Area(1).Ost = 55;
    k.Landareor->Area(1).Vast = -25;
    k.AnpassaVy();
    EXPECT_TRUE(k.VyNord > 60.4f && k.VySyd < 49.6f);
    EXPECT_GE(k.SynligHalvbredd(), 40);

    // Nothing taking part leaves north below south.
    k.Landareor->Area(1).Deltar = false;
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
    CKarta tooMany;
    EXPECT_THROW(tooMany.LasHav(write(101)), ERangeError);
    EXPECT_EQ(tooMany.AntalHav, 100);
    CKarta empty;
    empty.LasHav(write(0));
    EXPECT_EQ(std::pair(empty.AntalHav, empty.Havspunkter[1].Lat), std::pair(1, 0.f));
    EXPECT_THROW(empty.LasHav(dir.Path("missing.crp")), EFileNotFound);
}
