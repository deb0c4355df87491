// SPDX-License-Identifier: GPL-3.0-or-later
// Data-quality tests of the questions that the shipped catalogue asks on the
// shipped atlas: no multiple-choice question that names its own answer (the
// place markers' spacing is tested with the world features).
#include "data/Helpers.h"
#include "exercises/OvningMulti.h"
#include "exercises/Ovningar.h"
#include "support/ShippedMaps.h"
#include "support/TestScreens.h"

#include "NameWords.h"

#include <QDir>
#include <gtest/gtest.h>

using ShippedQuestions = ShippedCatalogueTest;

TEST(SharedNames, AreWholeWordsOfEitherName) {
    EXPECT_TRUE(ShareAName("Luxembourg", "Luxembourg"));
    EXPECT_TRUE(ShareAName("Kuwait-Stadt", "Kuwait"));
    EXPECT_TRUE(ShareAName("Brazzaville", "Kongo-Brazzaville"));
    EXPECT_TRUE(ShareAName("Ciudad de Panamá", "Panama"));
    EXPECT_FALSE(ShareAName("Tunis", "Tunisien"));
    EXPECT_FALSE(ShareAName("San Salvador", "El Salvador"));
}

// A question names a capital and offers countries, or names a country and
// offers capitals; where the two names share a word in some language the
// question gives its answer away.
TEST_F(ShippedQuestions, NoMultipleChoiceQuestionNamesItsOwnAnswer) {
    QStringList giveaways;
    int asked = 0; // with no question looked at, nothing would be tested
    for (auto e = catalogue.Forsta; e; e = e->Nasta) {
        if (e->Typ != "MULTI")
            continue;
        auto karta = LoadShippedMap(e->Kartnummer, e->Ortfil);
        TestMultiScreen screen;
        e->Karta = karta.get();
        e->Starta(&screen);
        for (const COrt* p = karta->Platser->Forsta.get(); p; p = p->Nasta.get()) {
            if (!p->Deltar)
                continue;
            ++asked;
            // The question's key, as the exercise finds it: the last item
            // that is one of the place's group keys.
            QString key;
            for (int i = 1; i <= e->Antal; ++i)
                if (QStringList{p->Grupp1, p->Grupp2, p->Grupp3}.contains(e->Objekt(i)))
                    key = e->Objekt(i);
            const CArea* area = karta->Landareor->Hitta(key);
            ASSERT_TRUE(area) << e->Nummer << " " << key.toStdString();
            for (int l = 1; l <= 8; ++l)
                if (ShareAName(p->Namn[l], area->Namn[l]))
                    giveaways << QStringLiteral("exercise %1: %2 / %3")
                                     .arg(e->Nummer)
                                     .arg(p->Namn[l], area->Namn[l]);
        }
        e->Karta = nullptr;
    }
    EXPECT_GT(asked, 0);
    EXPECT_TRUE(giveaways.isEmpty()) << giveaways.join("\n").toStdString();
}
