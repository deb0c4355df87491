// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Svarsfarger.h"
#include "maps/Fargsyn.h"

#include <gtest/gtest.h>

using Fargsyn::TSyn;

TEST(Fargsyn, Ciede2000MatchesThePublishedPairsAndTheSimulationsThoseOfMachado) {
    // Sharma, Wu and Dalal (2005), table 1: pairs 1, 7, 13, 17, 25, 34.
    struct Par {
        Fargsyn::TLab x, y;
        double dE;
    };
    for (const Par& p : std::vector<Par>{
             {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
             {{50, 0, 0}, {50, -1, 2}, 2.3669},
             {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
             {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
             {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
             {{2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}, 0.9082},
         })
        EXPECT_NEAR(Fargsyn::DeltaE2000(p.x, p.y), p.dE, 1e-4);
    // Machado's protanopia applied to pure red in linear RGB; grey stays grey;
    // the map's red and green merge for a red-green viewer.
    const QColor rod = Fargsyn::Simulera(QColor(255, 0, 0), TSyn::Protanopi);
    EXPECT_TRUE(std::abs(rod.red() - 109) <= 1 && std::abs(rod.green() - 95) <= 1 &&
                rod.blue() == 0)
        << rod.name().toStdString();
    for (TSyn syn : Fargsyn::kAllaSyner)
        EXPECT_LE(Fargsyn::Skillnad(QColor(128, 128, 128),
                                    Fargsyn::Simulera(QColor(128, 128, 128), syn), TSyn::Normal),
                  0.5);
    EXPECT_LT(Fargsyn::Skillnad(QColor(255, 0, 0), QColor(0, 128, 0), TSyn::Protanopi), 10);
    EXPECT_GT(Fargsyn::Skillnad(QColor(255, 0, 0), QColor(0, 128, 0), TSyn::Normal), 60);
    EXPECT_EQ(Fargsyn::SimuleraPixel(0x80FF0000u, TSyn::Protanopi) >> 24, 0x80u);
}

TEST(Svarsfarger, TheColourBlindSafeColoursStay20ApartForEveryViewerAndDarkenByTry) {
    const auto palett = Svarsfarger::Palett(true);
    ASSERT_EQ(palett.size(), 8u);
    for (TSyn syn : Fargsyn::kAllaSyner)
        for (size_t i = 0; i < palett.size(); ++i)
            for (size_t j = i + 1; j < palett.size(); ++j) {
                if (i >= 6) // land and sea are the map's own
                    continue;
                EXPECT_GE(Fargsyn::Skillnad(palett[i].Farg, palett[j].Farg, syn), 20)
                    << palett[i].Namn << " / " << palett[j].Namn << ", " << Fargsyn::Namn(syn);
            }
    // Each try later is darker, whatever the viewer tells of hue.
    for (int forsok = 1; forsok < 4; ++forsok)
        EXPECT_GT(Fargsyn::Lab(palett[forsok].Farg).L,
                  Fargsyn::Lab(palett[forsok + 1].Farg).L + 10);
    // The normal colours are the game's as before, and fail for a tritan viewer.
    const auto normal = Svarsfarger::Palett(false);
    EXPECT_EQ(normal[2].Farg, QColor(255, 255, 128));
    EXPECT_LT(Fargsyn::Skillnad(normal[2].Farg, normal[3].Farg, TSyn::Tritanopi), 3);
    EXPECT_FALSE(Svarsfarger::Fargblind);
}

TEST(Svarsfarger, MarksByTryAndLegibleText) {
    using Svarsfarger::TMark;
    for (auto [forsok, mark] : std::vector<std::pair<int, TMark>>{{0, TMark::Ingen},
                                                                  {1, TMark::Bock},
                                                                  {2, TMark::Punkt},
                                                                  {3, TMark::Kryss},
                                                                  {7, TMark::Kryss}})
        EXPECT_EQ(Svarsfarger::Mark(forsok), mark) << forsok;
    EXPECT_EQ(Svarsfarger::Textfarg(QColor(88, 16, 32)), QColor(255, 255, 255));
    EXPECT_EQ(Svarsfarger::Textfarg(QColor(232, 160, 255)), QColor(0, 0, 0));
    EXPECT_EQ(Svarsfarger::Textfarg(QColor(176, 40, 232)), QColor(255, 255, 255));
}
