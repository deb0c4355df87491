// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovningar.h"
#include "data/Errors.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"
#include "support/CatalogueFiles.h"
#include "support/TestScreens.h"

#include <gtest/gtest.h>

namespace {

class CatalogueTest : public EngineTest {};

} // namespace

TEST_F(CatalogueTest, KeywordsChooseTheKindAndFieldsComeInFileOrder) {
    TByteWriter w;
    WriteEntry(w, {.keyword = "AREA",
                   .name = "Countries",
                   .nummer = 3,
                   .niva = 3,
                   .linjebredd = 2,
                   .kartnummer = 5,
                   .ortfil = 4,
                   .nord = 720000,
                   .syd = -10000,
                   .mitt = 150000,
                   .items = {"SE", "NO"}});
    for (const char* keyword : {"ORT", "FLAGG", "MULTI", "multi"})
        WriteEntry(w, {.keyword = keyword, .name = keyword});
    COvningar catalogue;
    catalogue.LasOvningar(dir.Write("Ovning.crp", w.Bytes()));
    std::vector<std::shared_ptr<COvning>> entries;
    for (auto e = catalogue.Forsta; e; e = e->Nasta)
        entries.push_back(e);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_TRUE(dynamic_cast<COvningLandArea*>(entries[0].get()));
    EXPECT_TRUE(dynamic_cast<COvningOrt*>(entries[1].get()));
    EXPECT_TRUE(dynamic_cast<COvningFlagga*>(entries[2].get()));
    EXPECT_TRUE(dynamic_cast<COvningMulti*>(entries[3].get()));
    EXPECT_TRUE(dynamic_cast<COvningMulti*>(entries[4].get())); // any case of "multi"
    EXPECT_EQ(entries[4]->Typ, "multi");

    const COvning& a = *entries[0];
    EXPECT_EQ(std::tuple(a.Typ, a.Namn[1], a.Namn[8]),
              std::tuple("AREA", "Countries1", "Countries8"));
    EXPECT_EQ(std::tuple(a.Nummer, a.Niva, a.Linjebredd, a.KravPlats1, a.KravPlats2, a.Kartnummer,
                         a.Ortfil),
              std::tuple(3, 3, 2, true, false, 5, 4));
    EXPECT_EQ(a.Varldsdel, "EUR");
    EXPECT_EQ(std::tuple(a.Landfarg, a.Ovningsfarg, a.Vattenfarg),
              std::tuple(0xC0C0C0u, 0x008000u, 0x800000u));
    EXPECT_EQ(std::tuple(a.VyNord, a.VySyd, a.VyMitt), std::tuple(72.0, -1.0, 15.0));
    EXPECT_EQ(std::tuple(a.Antal, a.Objekt(2), entries[1]->Antal), std::tuple(2, "NO", 0));

    LanguageIndex = 2;
    EXPECT_EQ(catalogue.HittaOvning("FLAGG2"), entries[2]);
    EXPECT_EQ(catalogue.HittaOvning("FLAGG1"), nullptr);
    LanguageIndex = 1;
    EXPECT_EQ(catalogue.HittaOvning("FLAGG1"), entries[2]);

    // Two entries with one name: the earlier one is found.
    TByteWriter twins;
    WriteEntry(twins, {.keyword = "FLAGG", .name = "Same", .nummer = 7});
    WriteEntry(twins, {.keyword = "MULTI", .name = "Same", .nummer = 8});
    COvningar withTwins;
    withTwins.LasOvningar(dir.Write("Twins.crp", twins.Bytes()));
    ASSERT_TRUE(withTwins.HittaOvning("Same1"));
    EXPECT_EQ(withTwins.HittaOvning("Same1")->Nummer, 7);
}

TEST_F(CatalogueTest, AFailureKeepsTheEntriesReadSoFar) {
    TByteWriter w;
    WriteEntry(w, {.name = "One"});
    w.WriteString("ORT");
    w.WriteString("half a record");
    COvningar catalogue;
    EXPECT_THROW(catalogue.LasOvningar(dir.Write("Ovning.crp", w.Bytes())), EInOutError);
    ASSERT_TRUE(catalogue.Forsta);
    EXPECT_EQ(catalogue.Forsta->Namn[1], "One1");
    EXPECT_TRUE(catalogue.Forsta->Nasta);

    TByteWriter big;
    WriteEntry(big, {.items = QStringList(101, "K")});
    COvningar tooMany;
    EXPECT_THROW(tooMany.LasOvningar(dir.Write("Big.crp", big.Bytes())), ERangeError);
    EXPECT_TRUE(tooMany.Forsta); // the entry itself is linked before its items
}

TEST_F(CatalogueTest, AnEntryOutlivesItsCatalogue) {
    TByteWriter w;
    WriteEntry(w, {.name = "Kept"});
    std::shared_ptr<COvning> playing;
    {
        COvningar catalogue;
        catalogue.LasOvningar(dir.Write("Ovning.crp", w.Bytes()));
        playing = catalogue.HittaOvning("Kept2");
    }
    ASSERT_TRUE(playing);
    EXPECT_EQ(playing->Namn[2], "Kept2");
}
