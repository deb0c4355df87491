// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Kunskapskarta.h"
#include "ScreenTest.h"
#include "data/Language.h"
#include "exercises/OvningLandArea.h"
#include "maps/Karta.h"
#include "platform/Image.h"
#include "screens/OvningKarta.h"
#include "support/MapFiles.h"

#include <gtest/gtest.h>

namespace {

class KunskapTest : public ScreenTest<COvningLandArea, TfrmOvningKarta> {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dir.Write("AREA4.crp", FileOf({Box("AAA", 0, 0, 10, 10), Box("BBB", 0, 10, 10, 20),
                                       Box("CCC", 0, 20, 10, 30)}));
        dir.Write("Hav4.crp", FileOf<TSeaPointRecord>({{11, 5}, {-1, 25}}));
        dir.Write("Vatten.crp", FileOf<TAreaRecord>({}));
        for (auto [n, text] : {std::pair{TextNo::NeverAsked, "never asked"},
                               {TextNo::KnowledgeTip, "%1: %2 % today; last answer: %3"},
                               {TextNo::NTries, "%1 tries"},
                               {TextNo::RightAtFirstTry, "right at once"}})
            LanguageTexts(2, n) = text;
        Exercise(1, 4, 4, {"AAA", "BBB"}); // CCC is on the map but not asked
        ex->VyNord = 12, ex->VySyd = -2, ex->VyMitt = 15;
        ex->Landfarg = 0x808080;
        karta.resize(400, 300);
    }

    QRgb Pixel(float lat, float lon) const {
        const QPoint p = Punkt(lat, lon);
        return karta.imgKarta->Picture().pixel(p);
    }
    QPoint Punkt(float lat, float lon) const {
        // The same projection as the widget's own map, for the same view and size.
        CKarta k;
        k.Landareor = std::make_unique<CAreor>();
        k.Landareor->LasAreor("AREA4.crp");
        TImage bild;
        bild.SetPicture(karta.imgKarta->Picture());
        k.Bild = &bild;
        k.VyMitt = 15, k.VyNord = 12, k.VySyd = -2;
        k.BeraknaSkala();
        return QPoint(k.XKoord(lat, lon), k.YKoord(lat));
    }

    TKunskapskarta karta;
};

TMinnesrad Minne(const QString& objekt, TBetyg betyg, int forsok, const QDate& senast) {
    TMinnesrad m;
    m.Objekt = objekt;
    m.Satt = "map";
    m.Minne = TFsrs().Efter({}, betyg, 0);
    m.Senast = senast;
    m.SenastForsok = forsok;
    return m;
}

} // namespace

TEST_F(KunskapTest, AreasTakeTheColourOfTheirRecallTodayAndTheNeverAskedStayGrey) {
    const QDate idag(2026, 5, 10);
    karta.Visa(ex.get(), {Minne("AAA", TBetyg::Again, 3, idag.addDays(-2))}, idag);
    const double r = TFsrs().Aterkallning(2, 0.212);
    EXPECT_EQ(QColor(Pixel(5, 5)), TKunskapskarta::Farg(r));
    EXPECT_EQ(QColor(Pixel(5, 15)), TKunskapskarta::kAldrigFragad);
    EXPECT_EQ(QColor(Pixel(5, 25)), QColor(0x80, 0x80, 0x80)); // not in the exercise
    EXPECT_EQ(karta.Beskrivning(Punkt(5, 5)),
              QString("AAA: %1 % today; last answer: 3 tries").arg(qRound(r * 100)));
    EXPECT_EQ(karta.Beskrivning(Punkt(5, 15)), "BBB: never asked");
    EXPECT_EQ(karta.Beskrivning(Punkt(5, 25)), "");

    // Answered at once today: the pale end of the scale.
    karta.Visa(ex.get(), {Minne("AAA", TBetyg::Good, 1, idag)}, idag);
    EXPECT_EQ(QColor(Pixel(5, 5)), TKunskapskarta::Farg(1.0));
    EXPECT_EQ(karta.Beskrivning(Punkt(5, 5)), "AAA: 100 % today; last answer: right at once");
}

TEST(Kunskapsskala, RunsFromDarkToPaleInOrderAndStaysApartFromTheGrey) {
    // Lightness rises with recall, so the order reads without hue.
    double forra = -1;
    for (double r = 0; r <= 1.0001; r += 0.05) {
        const double l = TKunskapskarta::Farg(r).lightnessF();
        EXPECT_GT(l, forra) << r;
        forra = l;
        EXPECT_NE(TKunskapskarta::Farg(r), TKunskapskarta::kAldrigFragad);
    }
    EXPECT_EQ(TKunskapskarta::Farg(-3), TKunskapskarta::Farg(0));
    EXPECT_EQ(TKunskapskarta::Farg(7), TKunskapskarta::Farg(1));
}
