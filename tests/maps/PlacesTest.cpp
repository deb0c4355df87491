// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Places.h"
#include "data/Errors.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(TPlaceRecord, WritesTheFileFormatAndReadsItBack) {
    const TPlaceRecord small{.Id = "a",
                             .Namn = {"b"},
                             .Niva = 2,
                             .Klass1 = true,
                             .Grupp1 = "c",
                             .Grupp2 = "d",
                             .Grupp3 = "e",
                             .Latitud = 1,
                             .Longitud = -1};
    // Texts are stored 23 below their characters.
    EXPECT_EQ(RoundTrip(small, TPlaceRecord::Read),
              "014a014b0000000000000002000100014c014d014e10270000f0d8ffff");
    TPlaceRecord wide = Place("Zürich", 32767, "CH", -89.9999, 179.9999);
    wide.Namn = {"Zürich", "2", "3", "4", "5", "6", "7", "8"};
    wide.Klass2 = true;
    RoundTrip(wide, TPlaceRecord::Read);
}

TEST(COrter, LoadsInFileOrderAndKeepsWhatCameBeforeAFailure) {
    TestDir dir;
    TPlaceRecord a = Place("Stockholm", 1, "CAP", 59.3293, -18.0686);
    a.Namn = {"Stockholm", "", "", "", "", "", "", "Stokholm"};
    a.Klass1 = true;
    a.Grupp3 = "SE";
    COrter orter;
    orter.LasOrter(dir.Write("Ort1.crp", FileOf({a, Place("Oslo", 2, "CAP")})));
    const auto list = PlacesOf(orter);
    ASSERT_EQ(list.size(), 2u);
    const COrt& s = *list[0];
    EXPECT_EQ(QStringList(s.Namn.begin() + 6, s.Namn.end()),
              (QStringList{"Stockholm", "", "Stokholm"})); // 6 falls back, 7 does not
    EXPECT_EQ(std::tuple(s.Niva, s.Klass1, s.Klass2, s.Grupp3, s.Latitud, s.Longitud),
              std::tuple(1, true, false, "SE", 59.3293, -18.0686));
    EXPECT_EQ(list[1]->Namn[1], "Oslo");

    QByteArray cut = FileOf({Place("A"), Place("B")});
    cut.chop(2);
    COrter broken;
    EXPECT_THROW(broken.LasOrter(dir.Write("cut.crp", cut)), EInOutError);
    ASSERT_GE(PlacesOf(broken).size(), 1u);
    EXPECT_EQ(PlacesOf(broken)[0]->Namn[1], "A");
}

TEST(COrter, EmptyFileGivesOneBlankPlace) {
    TestDir dir;
    COrter orter;
    orter.LasOrter(dir.Write("Ort2.crp", {}));
    const auto list = PlacesOf(orter);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(std::pair(list[0]->Namn[1], list[0]->Niva), std::pair(QString(), 0));
    // The blank place answers to the empty key through its three empty groups.
    orter.Valj("", 0, false, false);
    EXPECT_EQ(orter.Kvar, 1);
}

TEST(COrter, ValjCountsLevelsKeysAndClasses) {
    TestDir dir;
    TPlaceRecord c1 = Place("K1", 0, "X"), c2 = Place("K2", 0, "X"), both = Place("B", 0, "Y");
    c1.Klass1 = true;
    c2.Klass2 = true;
    both.Grupp2 = "X";
    COrter orter;
    orter.LasOrter(
        dir.Write("Ort1.crp", FileOf({Place("N0", 0, "L"), Place("N1", 1, "L"), Place("N2", 2, "L"),
                                      Place("N3", 3, "L"), c1, c2, both})));
    const auto list = PlacesOf(orter);

    orter.Valj("L", 2, false, false);
    EXPECT_EQ(orter.Kvar, 3);
    EXPECT_FALSE(list[3]->Deltar);

    orter.Nollstall();
    EXPECT_EQ(std::tuple(orter.Kvar, orter.Valda, list[0]->Deltar), std::tuple(0, 3, false));

    orter.Valj("X", 9, true, false); // class 1 required
    EXPECT_EQ(std::tuple(list[4]->Deltar, list[5]->Deltar, list[6]->Deltar),
              std::tuple(true, false, false));
    orter.Valj("X", 9, false, false); // classes do not matter now
    orter.Valj("Y", 9, false, false); // matches an already taking part place
    orter.Valj("none", 0, false, false);
    EXPECT_EQ(std::pair(orter.Kvar, orter.Valda), std::pair(3, 3));

    // Answering lowers Kvar (the exercises do it) but not Valda; choosing
    // again reopens the place without counting it twice.
    list[6]->Besvarad = true;
    --orter.Kvar;
    EXPECT_EQ(orter.Valda, 3);
    orter.Valj("Y", 9, false, false);
    EXPECT_FALSE(list[6]->Besvarad);
    EXPECT_EQ(std::pair(orter.Kvar, orter.Valda), std::pair(2, 2));
}

TEST(COrter, LongListIsDestroyedWithoutRecursion) {
    COrter orter;
    orter.Forsta = std::make_unique<COrt>();
    COrt* o = orter.Forsta.get();
    for (int i = 0; i < 200000; ++i)
        o = (o->Nasta = std::make_unique<COrt>()).get();
    orter.Destroy();
    EXPECT_EQ(orter.Forsta, nullptr);
}
