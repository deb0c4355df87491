#include "exercises/Ovningar.h"
#include "TestScreens.h"
#include "data/Errors.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"
#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

namespace {

TestEntry Entry(const QString& keyword, const QString& name, int nummer, int32_t nord = 0,
                int32_t syd = 0, int32_t mitt = 0, QStringList items = {}) {
    TestEntry e;
    e.keyword = keyword;
    e.name = name;
    e.nummer = nummer;
    e.nord = nord;
    e.syd = syd;
    e.mitt = mitt;
    e.items = std::move(items);
    return e;
}

class CatalogueTest : public EngineTest {};

} // namespace

TEST_F(CatalogueTest, KeywordsChooseTheKindAndFieldsComeInFileOrder) {
    TByteWriter w;
    WriteEntry(w, Entry("AREA", "Countries", 3, 720000, -10000, 150000, {"SE", "NO"}));
    WriteEntry(w, Entry("ORT", "Capitals", 4, 0, 0, 0, {}));
    WriteEntry(w, Entry("FLAGG", "Flags", 5));
    WriteEntry(w, Entry("MULTI", "Quiz", 6));
    WriteEntry(w, Entry("multi", "Lower", 7));
    w.SaveTo(dir.Path("Ovning.crp"));

    COvningar catalogue;
    catalogue.LasOvningar(dir.Path("Ovning.crp"));
    std::vector<std::shared_ptr<COvning>> entries;
    for (auto e = catalogue.Forsta; e; e = e->Nasta)
        entries.push_back(e);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_TRUE(dynamic_cast<COvningLandArea*>(entries[0].get()));
    EXPECT_TRUE(dynamic_cast<COvningOrt*>(entries[1].get()));
    EXPECT_TRUE(dynamic_cast<COvningFlagga*>(entries[2].get()));
    EXPECT_TRUE(dynamic_cast<COvningMulti*>(entries[3].get()));
    EXPECT_TRUE(
        dynamic_cast<COvningMulti*>(entries[4].get())); // not "MULTI", still multiple choice
    EXPECT_EQ(entries[4]->Typ, "multi");

    const COvning& a = *entries[0];
    EXPECT_EQ(a.Typ, "AREA");
    EXPECT_EQ(a.Namn[1], "Countries1");
    EXPECT_EQ(a.Namn[8], "Countries8");
    EXPECT_EQ(a.Nummer, 3);
    EXPECT_EQ(a.Niva, 2);
    EXPECT_EQ(a.Linjebredd, 1);
    EXPECT_TRUE(a.KravPlats1);
    EXPECT_FALSE(a.KravPlats2);
    EXPECT_EQ(a.Kartnummer, 2);
    EXPECT_EQ(a.Ortfil, 1);
    EXPECT_EQ(a.Varldsdel, "EUR");
    EXPECT_EQ(a.Landfarg, 0xC0C0C0u);
    EXPECT_EQ(a.Ovningsfarg, 0x008000u);
    EXPECT_EQ(a.Vattenfarg, 0x800000u);
    EXPECT_DOUBLE_EQ(a.VyNord, 72.0);
    EXPECT_DOUBLE_EQ(a.VySyd, -1.0);
    EXPECT_DOUBLE_EQ(a.VyMitt, 15.0);
    EXPECT_EQ(a.Antal, 2);
    EXPECT_EQ(a.Objekt(2), "NO");
    EXPECT_EQ(entries[1]->Antal, 0);
    EXPECT_EQ(entries[4]->Nasta, nullptr);

    LanguageIndex = 2;
    EXPECT_EQ(catalogue.HittaOvning("Flags2"), entries[2]);
    EXPECT_EQ(catalogue.HittaOvning("Flags1"), nullptr);
    LanguageIndex = 1;
    EXPECT_EQ(catalogue.HittaOvning("Flags1"), entries[2]);
}

TEST_F(CatalogueTest, ATruncatedFileKeepsTheEntriesReadSoFar) {
    TByteWriter w;
    WriteEntry(w, Entry("AREA", "One", 1));
    w.WriteString("ORT");
    w.WriteString("half a record");
    w.SaveTo(dir.Path("Ovning.crp"));
    COvningar catalogue;
    EXPECT_THROW(catalogue.LasOvningar(dir.Path("Ovning.crp")), EInOutError);
    ASSERT_TRUE(catalogue.Forsta);
    EXPECT_EQ(catalogue.Forsta->Namn[1], "One1");
    ASSERT_TRUE(catalogue.Forsta->Nasta);
}

TEST_F(CatalogueTest, MoreThanAHundredItemsRaiseTheRangeError) {
    TByteWriter w;
    TestEntry e = Entry("AREA", "Big", 1);
    for (int i = 0; i < 101; ++i)
        e.items << "K";
    WriteEntry(w, e);
    w.SaveTo(dir.Path("Ovning.crp"));
    COvningar catalogue;
    EXPECT_THROW(catalogue.LasOvningar(dir.Path("Ovning.crp")), ERangeError);
    EXPECT_TRUE(catalogue.Forsta);
}

TEST_F(CatalogueTest, AnEntryOutlivesItsCatalogue) {
    TByteWriter w;
    WriteEntry(w, Entry("AREA", "Kept", 1));
    w.SaveTo(dir.Path("Ovning.crp"));
    std::shared_ptr<COvning> playing;
    {
        COvningar catalogue;
        catalogue.LasOvningar(dir.Path("Ovning.crp"));
        playing = catalogue.HittaOvning("Kept2");
    }
    ASSERT_TRUE(playing);
    EXPECT_EQ(playing->Namn[2], "Kept2");
}
