// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"
#include "data/Language.h"
#include "maps/Karta.h"
#include "maps/Kartvy.h"
#include "platform/Image.h"
#include "support/AreaBoxes.h"
#include "support/Pictures.h"

#include <QHash>
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
        k.VyMitt = 0, k.VyNord = 10, k.VySyd = -10;
        k.BeraknaSkala();
        k.Landareor = std::make_unique<CAreor>();
        k.Vattenareor = std::make_unique<CAreor>();
        k.Platser = std::make_unique<COrter>();
        k.Landareor->Lagg(BoxArea("A", -5, -15, 5, -5));
        k.Landareor->Lagg(BoxArea("B", -5, 5, 5, 15));
        k.Vattenareor->Lagg(BoxArea("LAKE", -2, -2, 2, 2));
    }
    Colours At(std::initializer_list<TLatLon> points) const {
        Colours c;
        for (const TLatLon& p : points)
            c.push_back(image.Picture().pixel(k.XKoord(p.Lat, p.Lon), k.YKoord(p.Lat)));
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

// States T and U a fifth of a degree wide, 12 pixels apart in the sea, V, as
// small, inside A, and an islet of B's, which belongs to B's state.
class Ringar : public Drawing {
protected:
    void SetUp() override {
        Drawing::SetUp();
        for (auto [key, s, w, n, e] : {std::tuple{"T", 6.9f, -10.1f, 7.1f, -9.9f},
                                       {"U", 6.9f, -8.9f, 7.1f, -8.7f},
                                       {"V", 1.9f, -8.1f, 2.1f, -7.9f},
                                       {"ISLET", -7.1f, 9.9f, -6.9f, 10.1f}})
            k.Landareor->Lagg(BoxArea(key, s, w, n, e));
        k.Landareor->Area(6).Grupp1 = "B";
        for (int i = 1; i <= k.Landareor->Antal; ++i)
            k.Landareor->Area(i).Deltar = true;
        k.Stater = {"A", "B", "T", "U", "V", "T"};
        Sea({{9, 0}});
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
};

} // namespace

TEST_F(Drawing, InvisibleOrDotLikeLandIsSkippedButWaterIsNot) {
    // Bounds that claim the area lies far east of the picture, and below it.
    k.Landareor->Area(1).Vast = 40;
    k.Landareor->Area(2).Nord = -11;
    k.Vattenareor->Lagg(BoxArea("L2", -5, -15, 5, -5)).Vast = 40;
    k.Rensa();
    k.RitaGranser(1);
    EXPECT_EQ(At({{5, 10}, {0, -15}}), (Colours{kGrey, kGrey}));
    k.RitaVatten();
    EXPECT_EQ(At({{0, -15}}), Colours{kNavy});

    // An outline whose points fall on one pixel draws nothing.
    k.Landareor->Lagg(BoxArea("DOT", 0.01f, 0.01f, 0.01f, 0.01f)).Antal = 3;
    k.Rensa();
    k.RitaGranser(1);
    EXPECT_EQ(At({{0.01f, 0.01f}}), Colours{kGrey});
}

TEST_F(Drawing, SeaSeedsFloodOnlyFromTheBackgroundAndCutOffWaterIsSeaButAPieceOfLandIsNot) {
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

    // Water cut off from the sea points is sea, but a piece of land is not: a
    // ring of land round a bay whose mouth is too narrow for a pixel, and in
    // the bay a piece of land whose seeds lie in the ring (as a piece that
    // simplification pinched off).
    k.Landareor = std::make_unique<CAreor>();
    k.Vattenareor = std::make_unique<CAreor>();
    auto ring = BoxArea("RING", -9, -16, 9, 16); // its corners, then the bay
    for (const TLatLon p :
         {TLatLon{-9, 0.02f}, TLatLon{-6, 0.02f}, TLatLon{-6, 13}, TLatLon{6, 13}, TLatLon{6, -13},
          TLatLon{-6, -13}, TLatLon{-6, -0.02f}, TLatLon{-9, -0.02f}})
        ring->Punkter[++ring->Antal] = p;
    ring->Fyllpunkt1 = ring->Fyllpunkt2 = TLatLon{7.5f, 0};
    k.Landareor->Lagg(std::move(ring));
    CArea& piece = k.Landareor->Lagg(BoxArea("PIECE", -3, -8, 3, 8));
    piece.Fyllpunkt1 = piece.Fyllpunkt2 = TLatLon{7.5f, 0};
    Sea({{9.7f, 18}});
    Draw();
    EXPECT_EQ(At({{-4.5f, 10}, {4.5f, 0}, {0, 0}, {7.5f, 0}, {9.7f, 18}}),
              (Colours{kNavy, kNavy, kGrey, kGrey, kNavy}));
}

// Seeds beyond the picture's edge, as a close view leaves them, still colour
// their land and lake.
TEST_F(Drawing, AreaColoursFollowTheAnswers) {
    Sea({{7, 0}});
    CAreor& areor = *k.Landareor;
    // E is answered with no try count: left as it is.
    for (auto [key, s, w, forsok] :
         {std::tuple{"C", -9.f, -19.f, 2}, {"D", -9.f, 16.f, 4}, {"E", 6.f, -19.f, 0}})
        areor.Lagg(BoxArea(key, s, w, s + 3, w + 3)), areor.SattBesvarad(key, forsok);
    areor.SattBesvarad("B", 1);
    for (int i = 1; i <= areor.Antal; ++i)
        areor.Area(i).Deltar = true;
    areor.Area(1).Fyllpunkt1 = areor.Area(1).Fyllpunkt2 = {0, -40};
    k.Vattenareor->Area(1).Fyllpunkt1 = k.Vattenareor->Area(1).Fyllpunkt2 = {30, 0};
    k.Sjofarg = QColor(10, 20, 30);
    Draw();
    k.FargaAreor();
    EXPECT_EQ(
        At({{0, -10}, {0, 10}, {-7.5f, -17.5f}, {-7.5f, 17.5f}, {7.5f, -17.5f}, {0, 0}, {7, 0}}),
        (Colours{qRgb(0, 128, 0), qRgb(255, 255, 255), qRgb(255, 255, 128), qRgb(255, 0, 0), kGrey,
                 qRgb(10, 20, 30), kNavy}));

    // The same colour again changes nothing; another recolours the region.
    const QImage before = image.Picture();
    k.FyllArea(areor.Area(1), QColor(0, 128, 0));
    EXPECT_EQ(image.Picture(), before);
    k.FyllAreor("A", QColor(0, 255, 0));
    EXPECT_EQ(At({{0, -10}, {-4.9f, -14.9f}}), (Colours{qRgb(0, 255, 0), qRgb(0, 255, 0)}));
    // A seed in the lake does nothing.
    k.FyllArea(*BoxArea("F", -1, -1, 1, 1), QColor(255, 0, 0));
    EXPECT_EQ(At({{0, 0}}), Colours{qRgb(10, 20, 30)});
}

TEST_F(Drawing, GraticuleParallelsAndMeridians) {
    image.resize(400, 356);
    k.VyNord = 89, k.VySyd = -89;
    k.BeraknaSkala();
    k.Landfarg = QColor(255, 255, 255);
    k.Rensa();
    k.RitaGradnat(10, QColor(255, 0, 0), TPenMode::Copy);
    // A column between two meridians crosses the parallels only (away from
    // the poles, where the meridians meet).
    std::vector<int> rows, expected;
    const QImage& pic = image.Picture();
    for (int y = 10; y < 346; ++y)
        if (pic.pixel(205, y) != qRgb(255, 255, 255))
            rows.push_back(y);
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
    COrt ort; // nameless and unanswered: a marker only
    for (int w : {750, 200}) {
        image.resize(w, 200);
        image.SetPicture(QImage());
        k.Rensa();
        k.RitaOrt(ort, QColor(0, 128, 0));
        const int x = k.XKoord(0, 0), y = k.YKoord(0), r = w == 750 ? 5 : 2;
        const QImage& pic = image.Picture();
        // The ellipse leaves out its box's right and bottom edges, as rectangles do.
        EXPECT_EQ(PaintedBounds(pic, kBlack), QRect(x - r, y - r, 2 * r, 2 * r)) << w;
        EXPECT_EQ(pic.pixel(x, y), qRgb(0, 128, 0));
        EXPECT_EQ(pic.pixel(x, y - r), qRgb(255, 255, 255));
        const QImage marker = pic.copy(x - r, y - r, 2 * r, 2 * r);
        EXPECT_EQ(marker, marker.mirrored(true, false)) << w;
    }

    ort.Namn[LanguageIndex] = "Wien";
    ort.Besvarad = true;
    for (auto [forsok, colour] :
         {std::pair{1, qRgb(255, 255, 255)}, std::pair{2, qRgb(255, 255, 160)},
          std::pair{3, qRgb(255, 255, 0)}, std::pair{5, qRgb(255, 64, 64)}}) {
        k.Rensa();
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

    COrt& ort = *(k.Platser->Forsta = std::make_unique<COrt>());
    ort.Latitud = 7, ort.Longitud = 3, ort.Deltar = true;
    calls = 0;
    k.RitaOrtovning(1);
    EXPECT_GE(calls, 5);
    // A marker on the sea, no area colours in the place exercise.
    EXPECT_EQ(At({{7, 3}, {0, -10}}), (Colours{qRgb(0, 128, 0), kGrey}));
}

TEST_F(Ringar, OnlyStatesTooSmallToClickGetARingInTheirColoursAndTheNearestRingTakesTheClick) {
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

    // Rings take the colours of their states, and no fill sees them.
    EXPECT_EQ(Band("T"), qRgb(0, 128, 0));
    k.FyllAreor("T", QColor(0, 255, 0));
    EXPECT_EQ(Band("T"), qRgb(0, 255, 0));
    k.Landareor->SattBesvarad("T", 5);
    k.FargaAreor();
    EXPECT_EQ(std::pair(Band("T"), Band("U")), std::pair(qRgb(255, 0, 0), qRgb(0, 128, 0)));
    // A's land under V's ring takes A's new colour once the ring is lifted,
    // and the ring is back on top.
    k.FyllAreor("A", QColor(255, 255, 0));
    EXPECT_EQ(Band("V"), qRgb(0, 128, 0));
    {
        CKartaRingar::TPaus paus(k.Ringar, image.Canvas());
        EXPECT_EQ(Band("V"), qRgb(255, 255, 0));
    }
    EXPECT_EQ(Band("V"), qRgb(0, 128, 0));

    // Closer in, a state big enough to click loses its ring.
    k.VyNord = 8, k.VySyd = 6, k.VyMitt = -9; // 100 pixels a degree: T is 20 wide
    k.BeraknaSkala();
    k.RitaAreaovning(1);
    EXPECT_TRUE(k.Ringar.Lista().empty());
    EXPECT_EQ(Traff(Mitt("T")), "");
}

TEST_F(Ringar, TheClosestZoomGivesTheSmallestStateAnOutlineToClickInsteadOfARing) {
    // W is a hundredth of a degree: at the two degrees that bound zooming
    // otherwise, it is a pixel wide.
    k.Landareor->Lagg(BoxArea("W", 3.995f, -0.005f, 4.005f, 0.005f)).Deltar = true;
    k.Stater.push_back("W");
    CKartvy vy;
    vy.Spara(k);
    ASSERT_TRUE(vy.Zooma(k, 1e6, QPointF(k.XKoord(4, 0), k.YKoord(4))));
    k.RitaAreaovning(1);
    EXPECT_LT(k.VyNord - k.VySyd, CKartvy::kMinHojd);
    EXPECT_GE(CKartaRingar::MinstaStat(k), CKartaRingar::kGrans);
    EXPECT_TRUE(k.Ringar.Lista().empty());
    EXPECT_EQ(k.Landareor
                  ->Under(k.LatVid(Mitt("W").y()), k.LonVid(Mitt("W").y(), Mitt("W").x()),
                          [](const CArea&) { return true; })
                  ->Nyckel,
              "W");
}

// The same map on a 400 x 200 control, drawn once at ratio 1 and once at
// ratio 2: six countries in every answer state, a lake, the sea and the
// graticule.
TEST(Ratio, EveryAreaTakesTheSameColourAtTheSamePlaceAndTheSameShare) {
    ChooseColorScheme(32, 1);
    TImage image[2];
    CKarta k[2];
    QHash<QRgb, double> share[2]; // of every colour, in pixels of the ratio-1 picture
    for (int r = 0; r < 2; ++r) {
        image[r].resize(400, 200);
        QImage picture(QSize(400, 200) * (r + 1), QImage::Format_RGB32);
        picture.setDevicePixelRatio(r + 1);
        image[r].SetPicture(picture);
        k[r].Bild = &image[r];
        k[r].VyNord = 30, k[r].VySyd = -10;
        k[r].BeraknaSkala();
        k[r].Landareor = std::make_unique<CAreor>();
        k[r].Vattenareor = std::make_unique<CAreor>();
        for (int i = 0; i < 6; ++i) {
            CArea& a = k[r].Landareor->Lagg(
                BoxArea(QString::number(i), 0, -30 + 10 * i, 20, -21 + 10 * i));
            a.Deltar = i > 0, a.Besvarad = i > 1, a.Forsok = i - 1; // unanswered, then 1 to 4 tries
        }
        k[r].Vattenareor->Lagg(BoxArea("LAKE", 4, -6, 8, -4));
        k[r].Havspunkter[k[r].AntalHav = 1] = {25, 0};
        k[r].Gradnat = true;
        k[r].RitaAreaovning(1);
        const QImage& pic = image[r].Picture();
        for (int y = 0; y < pic.height(); ++y)
            for (int x = 0; x < pic.width(); ++x)
                share[r][pic.pixel(x, y)] += 1.0 / ((r + 1) * (r + 1));
    }

    // Points of every country, of the lake and of the sea, at the same
    // latitude and longitude in both pictures.
    std::vector<TLatLon> points = {{6, -5}, {25, 0}, {-5, 10}};
    for (int i = 0; i < 6; ++i)
        for (float lat : {3.0f, 10.0f, 17.0f})
            for (float lon : {-28.0f, -25.5f, -23.0f})
                points.push_back({lat, lon + 10 * i});
    for (const TLatLon& p : points)
        EXPECT_EQ(image[0].Picture().pixel(k[0].XKoord(p.Lat, p.Lon), k[0].YKoord(p.Lat)),
                  image[1].Picture().pixel(k[1].XKoord(p.Lat, p.Lon), k[1].YKoord(p.Lat)))
            << "at " << p.Lat << ", " << p.Lon;

    // Outlines, frame, fills and graticule scale with the picture: every
    // colour covers the same part of it, within the pixels an edge can gain.
    EXPECT_EQ(QSet<QRgb>(share[0].keyBegin(), share[0].keyEnd()),
              QSet<QRgb>(share[1].keyBegin(), share[1].keyEnd()));
    for (auto it = share[0].begin(); it != share[0].end(); ++it)
        EXPECT_TRUE(it.value() < 100 ||
                    std::abs(share[1].value(it.key()) - it.value()) <= it.value() * 0.1 + 20)
            << "colour " << std::hex << it.key();
}

// With finer rings, a view draws the coarsest level within a pixel of the
// source and a click there is judged on the same rings: at a tenth of a
// degree per pixel A's finer ring has a bay and an islet off its coast, at a
// fifth (farther out) A is drawn and judged on its record's box.
TEST_F(Drawing, AViewDrawsAndJudgesTheLevelItsPixelChooses) {
    CArea& a = *k.Landareor->Hitta("A");
    a.Deltar = true;
    TFinKontur fin;
    fin.Ringar = {{{-5, -15}, {5, -15}, {5, -5}, {1, -5}, {1, -9}, {-1, -9}, {-1, -5}, {-5, -5}},
                  {{-8, -12}, {-7, -12}, {-7, -10}, {-8, -10}}};
    fin.Nord = 5, fin.Syd = -8, fin.Ost = -5, fin.Vast = -15;
    a.Finare = {fin};
    k.Landareor->Toleranser = {0.15, 0.05};
    Sea({{9, 0}});
    const QRgb green = k.Ovningsfarg.rgb();
    for (auto [nord, niva, bay, islet] :
         {std::tuple{10.f, 1, kNavy, green}, std::tuple{20.f, 0, green, kNavy}}) {
        k.VyNord = nord, k.VySyd = -nord;
        k.BeraknaSkala();
        k.RitaAreaovning(1);
        EXPECT_EQ(k.Landareor->Niva, niva);
        EXPECT_EQ(At({{0, -7}, {-7.5f, -11}, {3, -12}}), (Colours{bay, islet, green})) << nord;
        for (const TLatLon p : {TLatLon{0, -7}, TLatLon{-7.5f, -11}}) {
            const QPoint px(k.XKoord(p.Lat, p.Lon), k.YKoord(p.Lat));
            EXPECT_EQ(k.AreaVid(k.Landareor.get(), px) != nullptr,
                      image.Picture().pixel(px) == green)
                << nord << " " << p.Lat;
        }
    }
}
