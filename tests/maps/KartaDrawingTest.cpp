// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"
#include "data/Language.h"
#include "maps/Karta.h"
#include "platform/Image.h"
#include "support/AreaBoxes.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kNavy = qRgb(0, 0, 128);
using Colours = std::vector<QRgb>;

// A 400 x 200 picture of 20 degrees of latitude around (0, 0): ten pixels
// per degree near the equator. Land boxes A (west) and B (east), a lake in
// between.
class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        image.resize(400, 200);
        k.Bild = &image;
        k.VyMitt = 0;
        k.VyNord = 10;
        k.VySyd = -10;
        k.BeraknaSkala();
        k.Landareor = std::make_unique<CAreor>();
        k.Vattenareor = std::make_unique<CAreor>();
        k.Platser = std::make_unique<COrter>();
        k.Landareor->Lagg(BoxArea("A", -5, -15, 5, -5));
        k.Landareor->Lagg(BoxArea("B", -5, 5, 5, 15));
        k.Vattenareor->Lagg(BoxArea("LAKE", -2, -2, 2, 2));
    }
    QRgb At(float lat, float lon) const {
        return image.Picture().pixel(k.XKoord(lat, lon), k.YKoord(lat));
    }
    Colours At(std::initializer_list<TLatLon> points) const {
        Colours c;
        for (const TLatLon& p : points)
            c.push_back(At(p.Lat, p.Lon));
        return c;
    }
    void Sea(std::initializer_list<TLatLon> points) {
        k.AntalHav = 0;
        for (const TLatLon& p : points)
            k.Havspunkter[++k.AntalHav] = p;
    }
    void Draw() {
        k.Rensa();
        k.RitaGranser(1);
        k.RitaVatten();
        k.FyllHav();
    }

    TImage image;
    CKarta k;
};

} // namespace

TEST_F(Drawing, InvisibleOrDotLikeLandIsSkippedButWaterIsNot) {
    // Bounds that claim the area lies far east of the picture, and below it.
    k.Landareor->Area(1).Vast = 40;
    k.Landareor->Area(2).Nord = -11;
    auto lake = BoxArea("L2", -5, -15, 5, -5);
    lake->Vast = 40;
    k.Vattenareor->Lagg(std::move(lake));
    k.Rensa();
    k.RitaGranser(1);
    EXPECT_EQ(At({{5, 10}, {0, -15}}), (Colours{kGrey, kGrey}));
    k.RitaVatten();
    EXPECT_EQ(At(0, -15), kNavy);

    // An outline whose points fall on one pixel draws nothing.
    auto dot = BoxArea("DOT", 0.01f, 0.01f, 0.01f, 0.01f);
    dot->Antal = 3;
    k.Landareor->Lagg(std::move(dot));
    k.Rensa();
    k.RitaGranser(1);
    EXPECT_EQ(At(0.01f, 0.01f), kGrey);
}

TEST_F(Drawing, SeaSeedsFloodOnlyFromTheBackground) {
    // On an outline, in the lake, in land box A: then in open background.
    Sea({{5, -10}, {0, 0}, {0, -10}});
    Draw();
    // Land keeps its colour although land and sea share it before the fill;
    // the background, which no sea point reached, is water all the same.
    EXPECT_EQ(At({{0, 10}, {7, 0}, {0, -10}, {5, -10}}), (Colours{kGrey, kNavy, kGrey, kBlack}));
    Sea({{7, 0}});
    Draw();
    EXPECT_EQ(At({{7, 0}, {-8, 19}, {0, -10}, {0, 10}}), (Colours{kNavy, kNavy, kGrey, kGrey}));
    EXPECT_EQ(image.Picture().pixel(1, 1), kBlack); // frame corner
}

TEST_F(Drawing, WaterCutOffFromTheSeaPointsIsSeaButAPieceOfLandIsNot) {
    // A ring of land round a bay whose mouth is too narrow for a pixel, and
    // in the bay a piece of land whose seeds lie in the ring (as a piece
    // that simplification pinched off).
    k.Landareor = std::make_unique<CAreor>();
    k.Vattenareor = std::make_unique<CAreor>();
    auto ring = BoxArea("RING", -9, -16, 9, 16);
    ring->Antal = 0;
    for (const TLatLon p :
         {TLatLon{-9, -16}, TLatLon{9, -16}, TLatLon{9, 16}, TLatLon{-9, 16}, TLatLon{-9, 0.02f},
          TLatLon{-6, 0.02f}, TLatLon{-6, 13}, TLatLon{6, 13}, TLatLon{6, -13}, TLatLon{-6, -13},
          TLatLon{-6, -0.02f}, TLatLon{-9, -0.02f}})
        ring->Punkter[++ring->Antal] = p;
    ring->Fyllpunkt1 = ring->Fyllpunkt2 = TLatLon{7.5f, 0};
    auto piece = BoxArea("PIECE", -3, -8, 3, 8);
    piece->Fyllpunkt1 = piece->Fyllpunkt2 = TLatLon{7.5f, 0};
    k.Landareor->Lagg(std::move(ring));
    k.Landareor->Lagg(std::move(piece));
    Sea({{9.7f, 18}});
    Draw();
    EXPECT_EQ(At({{-4.5f, 10}, {4.5f, 0}, {0, 0}, {7.5f, 0}, {9.7f, 18}}),
              (Colours{kNavy, kNavy, kGrey, kGrey, kNavy}));
}

TEST_F(Drawing, LandAndLakesThatNoSeedReachesGetTheirColoursAndFollowTheAnswers) {
    // Seeds beyond the picture's edge, as a close view leaves them.
    CAreor& areor = *k.Landareor;
    areor.Area(1).Fyllpunkt1 = areor.Area(1).Fyllpunkt2 = {0, -40};
    areor.Area(1).Deltar = areor.Area(2).Deltar = true;
    k.Vattenareor->Area(1).Fyllpunkt1 = k.Vattenareor->Area(1).Fyllpunkt2 = {30, 0};
    k.Sjofarg = QColor(10, 20, 30);
    Sea({{7, 0}});
    Draw();
    k.FargaAreor();
    EXPECT_EQ(At({{0, -10}, {0, 10}, {0, 0}, {7, 0}}),
              (Colours{qRgb(0, 128, 0), qRgb(0, 128, 0), qRgb(10, 20, 30), kNavy}));
    areor.SattBesvarad("A", 4);
    k.FargaAreor();
    EXPECT_EQ(At(0, -10), qRgb(255, 0, 0));
}

TEST_F(Drawing, AreaColoursFollowTheAnswers) {
    Sea({{7, 0}});
    k.Landareor->Lagg(BoxArea("C", -9, -19, -6, -16));
    k.Landareor->Lagg(BoxArea("D", -9, 16, -6, 19));
    k.Landareor->Lagg(BoxArea("E", 6, -19, 9, -16));
    CAreor& areor = *k.Landareor;
    for (int i = 1; i <= areor.Antal; ++i)
        areor.Area(i).Deltar = true;
    areor.Area(2).Besvarad = true; // B at the first try
    areor.Area(2).Forsok = 1;
    areor.SattBesvarad("C", 2);
    areor.SattBesvarad("D", 5);
    areor.SattBesvarad("E", 0); // answered with no try count: left as it is
    Draw();
    k.FargaAreor();
    EXPECT_EQ(At({{0, -10}, {0, 10}, {-7.5f, -17.5f}, {-7.5f, 17.5f}, {7.5f, -17.5f}}),
              (Colours{qRgb(0, 128, 0), qRgb(255, 255, 255), qRgb(255, 255, 128), qRgb(255, 0, 0),
                       kGrey}));

    // The same colour again changes nothing; another recolours the region.
    const QImage before = image.Picture();
    k.FyllArea(areor.Area(1), QColor(0, 128, 0));
    EXPECT_EQ(image.Picture(), before);
    k.FyllAreor("A", QColor(0, 255, 0));
    EXPECT_EQ(At({{0, -10}, {-4.9f, -14.9f}}), (Colours{qRgb(0, 255, 0), qRgb(0, 255, 0)}));
    // A seed in the lake does nothing.
    auto inLake = BoxArea("F", -1, -1, 1, 1);
    k.FyllArea(*inLake, QColor(255, 0, 0));
    EXPECT_EQ(At(0, 0), kNavy);
}

TEST_F(Drawing, GraticuleParallelsAndMeridians) {
    image.resize(400, 356);
    k.VyNord = 89;
    k.VySyd = -89;
    k.BeraknaSkala();
    k.Landareor = std::make_unique<CAreor>();
    k.Vattenareor = std::make_unique<CAreor>();
    k.Landfarg = QColor(255, 255, 255);
    k.Rensa();
    k.RitaGradnat(10, QColor(255, 0, 0), TPenMode::Copy);
    // A column between two meridians crosses the parallels only (away from
    // the poles, where the meridians meet).
    std::vector<int> rows;
    const QImage& pic = image.Picture();
    for (int y = 10; y < 346; ++y)
        if (pic.pixel(205, y) != qRgb(255, 255, 255))
            rows.push_back(y);
    std::vector<int> expected;
    for (int lat = 80; lat >= -80; lat -= 10)
        expected.push_back(k.YKoord(lat));
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(pic.pixel(k.XKoord(10, 10), k.YKoord(10) - 3), qRgb(255, 0, 0)); // a meridian
    // The meridians go the whole way round: 180 degrees to both sides of the centre.
    for (float lon : {-180.f, 180.f})
        EXPECT_EQ(pic.pixel(k.XKoord(85, lon), k.YKoord(85)), qRgb(255, 0, 0)) << lon;

    // Drawn in another mix mode, the lines leave the canvas in copy mode.
    k.Landfarg = QColor(0, 128, 128);
    k.Rensa();
    k.RitaGradnat(10, QColor(192, 192, 192), TPenMode::NotXor);
    EXPECT_EQ(pic.pixel(205, k.YKoord(0)), qRgb(0x3F, 0xBF, 0xBF));
    EXPECT_EQ(k.Bild->Canvas().PenMode(), TPenMode::Copy);
}

TEST_F(Drawing, PlaceMarkersAndLabels) {
    RedColor = QColor(255, 64, 64);
    k.Landfarg = QColor(0, 0, 0);
    for (int w : {750, 200}) {
        image.resize(w, 200);
        image.SetPicture(QImage());
        k.Rensa();
        COrt ort;
        k.RitaOrt(ort, QColor(0, 128, 0));
        const int x = k.XKoord(0, 0), y = k.YKoord(0);
        const int r = w == 750 ? 5 : 2;
        const QImage& pic = image.Picture();
        EXPECT_EQ(PaintedBounds(pic, kBlack), QRect(x - r, y - r, 2 * r, 2 * r)) << w;
        EXPECT_EQ(pic.pixel(x, y), qRgb(0, 128, 0));
        EXPECT_EQ(pic.pixel(x, y - r), qRgb(255, 255, 255));
    }

    const std::pair<int, QRgb> labels[] = {{1, qRgb(255, 255, 255)},
                                           {2, qRgb(255, 255, 160)},
                                           {3, qRgb(255, 255, 0)},
                                           {5, qRgb(255, 64, 64)}};
    for (const auto& [forsok, colour] : labels) {
        k.Rensa();
        COrt ort;
        ort.Namn[LanguageIndex] = "Wien";
        ort.Besvarad = true;
        ort.Forsok = forsok;
        k.RitaOrt(ort, QColor(0, 128, 0));
        // The box starts at the top of the marker (radius 2), 4 pixels wider each
        // side than the text: its fill, its edge, then the background.
        const int x = k.XKoord(0, 0) - k.Bild->Canvas().TextWidth("Wien") / 2, y = k.YKoord(0) - 1;
        const QImage& pic = image.Picture();
        EXPECT_EQ(Colours({pic.pixel(x - 3, y), pic.pixel(x - 4, y), pic.pixel(x - 5, y)}),
                  (Colours{colour, kBlack, kBlack}))
            << forsok;
    }
}

TEST_F(Drawing, ExerciseSequencesLetEventsRunBetweenSteps) {
    int calls = 0;
    k.HanteraHandelser = [&] { ++calls; };
    Sea({{7, 0}, {-7, 0}});
    k.Landareor->Area(1).Deltar = true;
    k.Gradnat = true;
    k.RitaAreaovning(2);
    EXPECT_GE(calls, 6);
    EXPECT_EQ(At({{0, -10}, {7, 1}}), (Colours{qRgb(0, 128, 0), kNavy}));

    k.Platser->Forsta = std::make_unique<COrt>();
    k.Platser->Forsta->Latitud = 7;
    k.Platser->Forsta->Longitud = 3;
    k.Platser->Forsta->Deltar = true;
    calls = 0;
    k.RitaOrtovning(1);
    EXPECT_GE(calls, 5);
    // A marker on the sea, no area colours in the place exercise.
    EXPECT_EQ(At({{7, 3}, {0, -10}}), (Colours{qRgb(0, 128, 0), kGrey}));
}
