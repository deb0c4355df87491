// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "exercises/Ovningsformular.h"
#include "exercises/Random.h"
#include "maps/Karta.h"
#include "platform/Image.h"
#include "scores/ScoreFile.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Keys K1..Kn; their land areas side by side, named by the names given or
// by their keys; and capitals of those areas by the names given.
inline QStringList Keys(int n) {
    QStringList keys;
    for (int i = 1; i <= n; ++i)
        keys << QString("K%1").arg(i);
    return keys;
}
inline std::vector<TAreaRecord> Countries(int n, const QStringList& names = {}) {
    std::vector<TAreaRecord> areas;
    for (int i = 0; i < n; ++i) {
        areas.push_back(Box(Keys(n)[i], 0, i * 2, 1, i * 2 + 1));
        if (!names.isEmpty())
            areas.back().Namn = {names[i]};
    }
    return areas;
}
inline std::vector<TPlaceRecord> Capitals(const QStringList& names) {
    std::vector<TPlaceRecord> places;
    for (int i = 0; i < names.size(); ++i) {
        places.push_back(Place(names[i], 1, Keys(i + 1).last()));
        places.back().Klass1 = true;
    }
    return places;
}

// Screens that stand in for the real ones and record what the exercise shows;
// answers go through the screens' shared Svara. The end shows no question
// and hands the result, taken in 30 seconds, to the top list.
template <class Screen> class Recording : public Screen {
public:
    void VisaFraga(const QString& text) override { questions << text; }
    void VisaProcent(int32_t percent) override { percents.push_back(percent); }
    void Avsluta(COvning& ovning) override {
        VisaFraga(QStringLiteral("-"));
        ovning.VisaTopplista(MakeScore(ovning.Procent, 30), this);
    }
    QStringList questions;
    std::vector<int32_t> percents;
};

using TestFlagScreen = Recording<TOvningsformular>;

class TestKartScreen : public Recording<TKartformular> {
public:
    TestKartScreen() { bild.resize(400, 300); }
    TImage* Kartbild() override { return &bild; }
    void VisaNamn(const QString& text, int32_t, int32_t, bool show) override {
        if (show)
            names << text;
    }
    TImage bild;
    QStringList names;
};

class TestMultiScreen : public Recording<TMultiformular> {
public:
    TImage* Svarsbild(int n) override { return &boxes[n - 1]; }
    void RitaSvar(TImage* box, const QColor&, const QString& text) override {
        texts[box - &boxes[0]] = text;
    }
    std::array<TImage, 4> boxes;
    std::array<QString, 4> texts;
};

// Fixed texts, a fixed clock for the generator and a recorder for the top list.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ChooseColorScheme(32, 1);
        LanguageIndex = 2;
        for (auto [n, text] :
             {std::pair{9, "Click on"}, {10, "lies in"}, {13, "Capital of"}, {14, "?"}})
            LanguageTexts(2, n) = text;
        GlobinaRandom::SetClock([] { return 4711u; });
        oldVisare = SetTopplistaVisare(
            [this](QWidget*, int32_t nummer, const QString&, int32_t score, TAudio*) {
                topList.push_back({nummer, score});
            });
    }
    void TearDown() override {
        GlobinaRandom::SetClock(nullptr);
        SetTopplistaVisare(oldVisare);
        LanguageTexts.Clear();
    }

    // A map with the given land areas and places, loaded from written files.
    std::unique_ptr<CKarta> MakeMap(const std::vector<TAreaRecord>& areas,
                                    const std::vector<TPlaceRecord>& places = {}) {
        auto karta = std::make_unique<CKarta>();
        karta->Landareor = std::make_unique<CAreor>();
        karta->Vattenareor = std::make_unique<CAreor>();
        karta->Platser = std::make_unique<COrter>();
        karta->Landareor->LasAreor(dir.Write("AREA.crp", FileOf(areas)));
        karta->Platser->LasOrter(dir.Write("Ort.crp", FileOf(places)));
        return karta;
    }

    void SetItems(COvning& ex, const QStringList& items) {
        ex.Antal = static_cast<int32_t>(items.size());
        for (int i = 1; i <= ex.Antal; ++i)
            ex.Objekt(i) = items[i - 1];
    }

    TestDir dir;
    TTopplistaVisare oldVisare;
    std::vector<std::pair<int32_t, int32_t>> topList; // exercise number, score
};
