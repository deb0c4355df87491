// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"
#include "maps/Karta.h"
#include "platform/Image.h"
#include "support/AreaBoxes.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

// The same map on a 400 x 200 control, drawn once at ratio 1 and once at
// ratio 2: six countries in every answer state, a lake, the sea, the
// graticule and a place with its label.
class Ratio : public ::testing::Test {
protected:
    void SetUp() override { ChooseColorScheme(32, 1); }

    std::unique_ptr<CKarta> Map(TImage& image, qreal ratio) {
        image.resize(400, 200);
        QImage picture(QSize(400, 200) * ratio, QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
        image.SetPicture(picture);
        auto k = std::make_unique<CKarta>();
        k->Bild = &image;
        k->VyMitt = 0;
        k->VyNord = 30;
        k->VySyd = -10;
        k->BeraknaSkala();
        k->Landareor = std::make_unique<CAreor>();
        k->Vattenareor = std::make_unique<CAreor>();
        k->Platser = std::make_unique<COrter>();
        for (int i = 0; i < 6; ++i) {
            CArea& a =
                k->Landareor->Lagg(BoxArea(QString::number(i), 0, -30 + 10 * i, 20, -21 + 10 * i));
            a.Deltar = i > 0;
            a.Besvarad = i > 1;
            a.Forsok = i - 1; // unanswered, then 1, 2, 3 and 4 tries
        }
        k->Vattenareor->Lagg(BoxArea("LAKE", 4, -6, 8, -4));
        k->AntalHav = 1;
        k->Havspunkter[1] = {25, 0};
        k->Gradnat = true;
        return k;
    }
};

// Every colour's share of the picture, in pixels of the ratio-1 picture.
QHash<QRgb, double> Shares(const QImage& picture) {
    QHash<QRgb, double> count;
    const double pixel = 1.0 / (picture.devicePixelRatio() * picture.devicePixelRatio());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count[picture.pixel(x, y)] += pixel;
    return count;
}

} // namespace

TEST_F(Ratio, EveryAreaTakesTheSameColourAtTheSamePlaceAndTheSameShare) {
    TImage small, large;
    auto k1 = Map(small, 1);
    auto k2 = Map(large, 2);
    EXPECT_EQ(std::pair(k2->W(), k2->H()), std::pair(800, 400));
    k1->RitaAreaovning(1);
    k2->RitaAreaovning(1);

    // Points of every country, of the lake and of the sea, at the same
    // latitude and longitude in both pictures.
    std::vector<TLatLon> points = {{6, -5}, {25, 0}, {-5, 10}};
    for (int i = 0; i < 6; ++i)
        for (float lat : {3.0f, 10.0f, 17.0f})
            for (float lon : {-28.0f, -25.5f, -23.0f})
                points.push_back({lat, lon + 10 * i});
    for (const TLatLon& p : points) {
        const QRgb c1 = small.Picture().pixel(k1->XKoord(p.Lat, p.Lon), k1->YKoord(p.Lat));
        const QRgb c2 = large.Picture().pixel(k2->XKoord(p.Lat, p.Lon), k2->YKoord(p.Lat));
        EXPECT_EQ(c1, c2) << "at " << p.Lat << ", " << p.Lon;
    }

    // Outlines, frame, fills and graticule scale with the picture: every
    // colour covers the same part of it, within the pixels an edge can gain.
    const QHash<QRgb, double> s1 = Shares(small.Picture());
    const QHash<QRgb, double> s2 = Shares(large.Picture());
    EXPECT_EQ(QSet<QRgb>(s1.keyBegin(), s1.keyEnd()), QSet<QRgb>(s2.keyBegin(), s2.keyEnd()));
    for (auto it = s1.begin(); it != s1.end(); ++it)
        EXPECT_TRUE(it.value() < 100 ||
                    std::abs(s2.value(it.key()) - it.value()) <= it.value() * 0.1 + 20)
            << "colour " << std::hex << it.key();
}
