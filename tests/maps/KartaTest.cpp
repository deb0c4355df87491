#include "maps/Karta.h"
#include "MapFiles.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "platform/Image.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

struct Map {
    explicit Map(int w, int h) {
        image.resize(w, h);
        karta.Bild = &image;
    }
    TImage image;
    CKarta karta;
};

} // namespace

TEST(MapMath, RoundIsHalfToEvenAndRangeChecked) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.4999), -2);
    EXPECT_EQ(Round(200.5), 200);
    EXPECT_EQ(Round(2147483647.0), 2147483647);
    EXPECT_EQ(Round(-2147483648.0), -2147483647 - 1);
    EXPECT_THROW(Round(2147483647.5), ERangeError);
    EXPECT_THROW(Round(-2147483649.0), ERangeError);
    EXPECT_THROW(Round(std::numeric_limits<double>::infinity()), ERangeError);
    EXPECT_THROW(Round(std::numeric_limits<double>::quiet_NaN()), ERangeError);
}

TEST(MapMath, InterpoleraAvoidsDivisionByZero) {
    EXPECT_FLOAT_EQ(Interpolera(45, 60, 30, 300, 0), 150);
    EXPECT_FLOAT_EQ(Interpolera(0, 0, 0, 5, 7), 7);
    EXPECT_FLOAT_EQ(Max(1, 2), 2);
    EXPECT_FLOAT_EQ(Min(1, 2), 1);
}

TEST(CKarta, DefaultsAtCreation) {
    CKarta k;
    EXPECT_EQ(k.Sjofarg, QColor(0, 0, 128));
    EXPECT_EQ(k.Landfarg, QColor(128, 128, 128));
    EXPECT_EQ(k.Ovningsfarg, QColor(0, 128, 0));
    EXPECT_EQ(k.Vattenfarg, QColor(0, 0, 128));
    EXPECT_EQ(k.Langdskala, 1);
    EXPECT_EQ(k.AntalHav, 0);
    EXPECT_FALSE(k.Gradnat);
    EXPECT_EQ(k.Bild, nullptr);
}

TEST(CKarta, YKoordAndLatVid) {
    Map m(400, 300);
    CKarta& k = m.karta;
    k.VyNord = 60;
    k.VySyd = 30;
    k.BeraknaSkala();
    EXPECT_EQ(k.YKoord(60), 0);
    EXPECT_EQ(k.YKoord(30), 300);
    EXPECT_EQ(k.YKoord(45), 150);
    EXPECT_EQ(k.YKoord(95), -300);
    EXPECT_EQ(k.YKoord(90), -300);
    EXPECT_FLOAT_EQ(k.LatVid(0), 60);
    EXPECT_FLOAT_EQ(k.LatVid(150), 45);
    EXPECT_FLOAT_EQ(k.LatVid(-1000), 90); // clamped
}

TEST(CKarta, XKoordAndLonVid) {
    Map m(400, 200);
    CKarta& k = m.karta;
    k.VyMitt = 10;
    k.VyNord = 10;
    k.VySyd = -10;
    k.BeraknaSkala();
    ASSERT_EQ(k.Langdskala, 90);
    EXPECT_EQ(k.XKoord(0, 10), 200);
    EXPECT_EQ(k.XKoord(0, 20), 300);
    EXPECT_EQ(k.XKoord(90, 50), 200);
    EXPECT_EQ(k.XKoord(-90, -50), 200);
    for (float lat : {-8.f, 0.f, 3.3f}) {
        for (float lon : {-5.f, 10.f, 17.7f}) {
            const int x = k.XKoord(lat, lon);
            const int y = k.YKoord(lat);
            const double degreesPerPixel = 1.0 / 10 * 90 / std::sqrt(8100 - lat * lat);
            EXPECT_NEAR(k.LonVid(y, x), lon, degreesPerPixel + 1e-4) << lat << " " << lon;
        }
    }
    m.image.resize(401, 200);
    EXPECT_EQ(k.XKoord(0, 10), 200); // Round(200.5)
    k.VyNord = 90;
    EXPECT_FLOAT_EQ(k.LonVid(0, 17), 10); // the row at the pole
}

TEST(CKarta, BeraknaSkalaAndInomBild) {
    Map m(400, 300);
    CKarta& k = m.karta;
    k.VyNord = 50;
    k.VySyd = 40;
    k.BeraknaSkala();
    EXPECT_EQ(k.Langdskala, 115);
    k.VyNord = -40;
    k.VySyd = -50;
    k.BeraknaSkala();
    EXPECT_EQ(k.Langdskala, 115);
    EXPECT_TRUE(k.InomBild(1, 1));
    EXPECT_TRUE(k.InomBild(399, 299));
    EXPECT_FALSE(k.InomBild(0, 5));
    EXPECT_FALSE(k.InomBild(5, 0));
    EXPECT_FALSE(k.InomBild(400, 5));
    EXPECT_FALSE(k.InomBild(5, 300));
}

TEST(CKarta, EqualNorthAndSouthOrHugeValuesRaiseRangeError) {
    Map m(400, 300);
    CKarta& k = m.karta;
    EXPECT_THROW(k.XKoord(0, 0), ERangeError); // view never set
    EXPECT_THROW(k.YKoord(0), ERangeError);
    k.VyNord = 45;
    k.VySyd = 45;
    EXPECT_THROW(k.XKoord(10, 10), ERangeError);
    k.VyNord = 1e-6f;
    k.VySyd = 0;
    k.BeraknaSkala();
    EXPECT_THROW(k.XKoord(0, 170), ERangeError);
    EXPECT_THROW(k.YKoord(-80), ERangeError);
}

TEST(CKarta, AvstandMeasuresPixels) {
    Map m(400, 200);
    CKarta& k = m.karta;
    k.VyMitt = 10;
    k.VyNord = 10;
    k.VySyd = -10;
    k.BeraknaSkala();
    COrt ort;
    ort.Latitud = 0;
    ort.Longitud = 10;
    EXPECT_EQ(k.Avstand(3, 14, ort), 50); // 40 across, 30 down
}

TEST(CKarta, AnpassaVyFitsTheTakingPartAreas) {
    Map m(750, 500);
    CKarta& k = m.karta;
    k.Landareor = std::make_unique<CAreor>();
    auto area = [](double n, double s, double e, double w) {
        auto a = std::make_unique<CArea>();
        a->Nord = n;
        a->Syd = s;
        a->Ost = e;
        a->Vast = w;
        a->Antal = 3;
        a->Deltar = true;
        return a;
    };
    k.Landareor->Lagg(area(60, 50, 20, 10));
    k.Landareor->Lagg(area(80, -80, 170, -170)).Deltar = false;
    k.Landareor->Lagg(area(80, -80, 170, -170)).Antal = 0;
    k.AnpassaVy();
    EXPECT_FLOAT_EQ(k.VyMitt, 15);
    EXPECT_FLOAT_EQ(k.VyNord, 60.4f);
    EXPECT_FLOAT_EQ(k.VySyd, 49.6f);
    EXPECT_EQ(k.Langdskala, 121);

    // A wide, low area needs widening until its half-width of 40 degrees shows.
    k.Landareor->Area(1).Ost = 55;
    k.Landareor->Area(1).Vast = -25;
    k.AnpassaVy();
    EXPECT_GT(k.VyNord, 60.4f);
    EXPECT_LT(k.VySyd, 49.6f);
    EXPECT_GE(k.SynligHalvbredd(), 40);

    // Nothing taking part leaves north below south.
    k.Landareor->Area(1).Deltar = false;
    k.AnpassaVy();
    EXPECT_LT(k.VyNord, k.VySyd);
}

TEST(CKarta, AnpassaVyReachingPastAPoleEnds) {
    Map m(750, 500);
    CKarta& k = m.karta;
    k.Landareor = std::make_unique<CAreor>();
    auto a = std::make_unique<CArea>();
    a->Nord = -60;
    a->Syd = -90;
    a->Ost = 180;
    a->Vast = -180;
    a->Antal = 3;
    a->Deltar = true;
    k.Landareor->Lagg(std::move(a));
    k.AnpassaVy();
    EXPECT_GE(k.SynligHalvbredd(), 180);
    EXPECT_LT(k.VySyd, -90);
}

TEST(CKarta, LasHavHoldsAtMost100Points) {
    TestDir dir;
    auto write = [&](int n) {
        TByteWriter w;
        for (int i = 1; i <= n; ++i) {
            w.WriteInt32(i * 10000);
            w.WriteInt32(-i * 5000);
        }
        return dir.Write(QString("Hav%1.crp").arg(n), w.Bytes());
    };
    CKarta k;
    k.LasHav(write(100));
    EXPECT_EQ(k.AntalHav, 100);
    EXPECT_FLOAT_EQ(k.Havspunkter[100].Lat, 100);
    EXPECT_FLOAT_EQ(k.Havspunkter[100].Lon, -50);
    CKarta tooMany;
    EXPECT_THROW(tooMany.LasHav(write(101)), ERangeError);
    EXPECT_EQ(tooMany.AntalHav, 100);
    CKarta empty;
    empty.LasHav(write(0));
    EXPECT_EQ(empty.AntalHav, 1);
    EXPECT_FLOAT_EQ(empty.Havspunkter[1].Lat, 0);
    EXPECT_THROW(empty.LasHav(dir.Path("missing.crp")), EFileNotFound);
}
