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

TEST_F(CatalogueTest, RecordsWriteTheFileFormatAndReadItBack) {
    // The catalogue reads a record's keyword ahead of the rest.
    const auto read = [](TByteFile& f) { return TCatalogueRecord::Read(f, f.ReadString()); };
    TCatalogueRecord small;
    small.Typ = "A", small.Namn = {"b"}, small.Nummer = 3, small.Niva = 4, small.Linjebredd = 5;
    small.KravPlats1 = small.Reserv = true, small.Kartnummer = 6, small.Ortfil = 7;
    small.Varldsdel = "c", small.Landfarg = 0x010203, small.Ovningsfarg = 0x040506;
    small.Vattenfarg = 0x070809, small.VyNord = 1, small.VySyd = -1, small.VyMitt = 2;
    small.Objekt = {"d"};
    // Texts are stored 23 below their characters.
    EXPECT_EQ(RoundTrip(small, read), "012a014b000000000000000300040501000106000700014c030201000605"
                                      "04000908070010270000f0d8ffff204e00000100014d");
    TCatalogueRecord wide;
    wide.Typ = "MULTI", wide.Namn = {"Å", "2", "3", "4", "5", "6", "7", "8"};
    wide.Nummer = 90, wide.Niva = 255, wide.KravPlats2 = true, wide.Varldsdel = "*";
    wide.Landfarg = 0xFFFFFF, wide.VySyd = -89.9999, wide.VyMitt = -179.9999;
    wide.Objekt = QStringList(100, "K");
    RoundTrip(wide, read);
}

TEST_F(CatalogueTest, KeywordsChooseTheKindAndFieldsComeInFileOrder) {
    TByteWriter w;
    TCatalogueRecord countries = Entry("AREA", "Countries", 3, {"SE", "NO"});
    countries.Niva = 3, countries.Linjebredd = 2, countries.Kartnummer = 5, countries.Ortfil = 4;
    countries.VyNord = 72, countries.VySyd = -1, countries.VyMitt = 15;
    countries.Write(w);
    for (const char* keyword : {"ORT", "FLAGG", "MULTI", "multi"})
        Entry(keyword, keyword).Write(w);
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
    EXPECT_EQ(std::tuple(a.Varldsdel, a.Landfarg, a.Ovningsfarg, a.Vattenfarg),
              std::tuple("EUR", 0xC0C0C0u, 0x008000u, 0x800000u));
    EXPECT_EQ(std::tuple(a.VyNord, a.VySyd, a.VyMitt), std::tuple(72.0, -1.0, 15.0));
    EXPECT_EQ(std::tuple(a.Antal, a.Objekt(2), entries[1]->Antal), std::tuple(2, "NO", 0));

    LanguageIndex = 2;
    EXPECT_EQ(catalogue.HittaOvning("FLAGG2"), entries[2]);
    EXPECT_EQ(catalogue.HittaOvning("FLAGG1"), nullptr);
    LanguageIndex = 1;
    EXPECT_EQ(catalogue.HittaOvning("FLAGG1"), entries[2]);

    // Two entries with one name: the earlier one is found.
    TByteWriter twins;
    Entry("FLAGG", "Same", 7).Write(twins);
    Entry("MULTI", "Same", 8).Write(twins);
    COvningar withTwins;
    withTwins.LasOvningar(dir.Write("Twins.crp", twins.Bytes()));
    EXPECT_EQ(withTwins.HittaOvning("Same1"), withTwins.Forsta);
}

TEST_F(CatalogueTest, AFailureKeepsTheEntriesReadSoFar) {
    TByteWriter w;
    Entry("AREA", "One").Write(w);
    w.WriteString("ORT");
    w.WriteString("half a record");
    COvningar catalogue;
    EXPECT_THROW(catalogue.LasOvningar(dir.Write("Ovning.crp", w.Bytes())), EInOutError);
    ASSERT_TRUE(catalogue.Forsta);
    EXPECT_EQ(catalogue.Forsta->Namn[1], "One1");
    EXPECT_TRUE(catalogue.Forsta->Nasta);

    TByteWriter big;
    Entry("AREA", "Big", 1, QStringList(101, "K")).Write(big);
    COvningar tooMany;
    EXPECT_THROW(tooMany.LasOvningar(dir.Write("Big.crp", big.Bytes())), ERangeError);
    EXPECT_TRUE(tooMany.Forsta); // the entry itself is linked before its items
}
