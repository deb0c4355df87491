#include "maps/Places.h"
#include "MapFiles.h"
#include "data/Errors.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

QString WritePlaces(const TestDir& dir, const std::vector<TestPlace>& places) {
    TByteWriter w;
    for (const TestPlace& p : places)
        WritePlace(w, p);
    return dir.Write("Ort1.crp", w.Bytes());
}

std::vector<const COrt*> List(const COrter& orter) {
    std::vector<const COrt*> v;
    for (const COrt* o = orter.Forsta.get(); o; o = o->Nasta.get())
        v.push_back(o);
    return v;
}

TestPlace Place(const QString& name, int niva, const QString& group) {
    TestPlace p;
    p.names = {name};
    p.niva = niva;
    p.group1 = group;
    return p;
}

} // namespace

TEST(COrter, LoadsInFileOrder) {
    TestDir dir;
    TestPlace a = Place("Stockholm", 1, "CAP");
    a.names = {"Stockholm", "", "", "", "", "", "", "Stokholm"};
    a.klass1 = true;
    a.group3 = "SE";
    a.lat = 59.3293;
    a.lon = -18.0686;
    COrter orter;
    orter.LasOrter(WritePlaces(dir, {a, Place("Oslo", 2, "CAP")}));
    const auto list = List(orter);
    ASSERT_EQ(list.size(), 2u);
    const COrt& s = *list[0];
    EXPECT_EQ(s.Namn[6], "Stockholm");
    EXPECT_EQ(s.Namn[7], "");
    EXPECT_EQ(s.Namn[8], "Stokholm");
    EXPECT_EQ(s.Niva, 1);
    EXPECT_TRUE(s.Klass1);
    EXPECT_FALSE(s.Klass2);
    EXPECT_EQ(s.Grupp3, "SE");
    EXPECT_DOUBLE_EQ(s.Latitud, 59.3293);
    EXPECT_DOUBLE_EQ(s.Longitud, -18.0686);
    EXPECT_EQ(list[1]->Namn[1], "Oslo");
}

TEST(COrter, EmptyFileGivesOneBlankPlace) {
    TestDir dir;
    COrter orter;
    orter.LasOrter(dir.Write("Ort2.crp", {}));
    const auto list = List(orter);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->Namn[1], "");
    EXPECT_EQ(list[0]->Niva, 0);
    // The blank place answers to the empty key through its three empty groups.
    orter.Valj("", 0, false, false);
    EXPECT_EQ(orter.Kvar, 1);
}

TEST(COrter, FailureKeepsPlacesReadBefore) {
    TestDir dir;
    TByteWriter w;
    WritePlace(w, Place("A", 0, "G"));
    WritePlace(w, Place("B", 0, "G"));
    QByteArray cut = w.Bytes();
    cut.chop(2);
    COrter orter;
    EXPECT_THROW(orter.LasOrter(dir.Write("cut.crp", cut)), EInOutError);
    ASSERT_GE(List(orter).size(), 1u);
    EXPECT_EQ(List(orter)[0]->Namn[1], "A");
}

TEST(COrter, ValjCountsLevelsKeysAndClasses) {
    TestDir dir;
    TestPlace c1 = Place("K1", 0, "X");
    c1.klass1 = true;
    TestPlace c2 = Place("K2", 0, "X");
    c2.klass2 = true;
    TestPlace both = Place("B", 0, "Y");
    both.group2 = "X";
    COrter orter;
    orter.LasOrter(WritePlaces(dir, {Place("N0", 0, "L"), Place("N1", 1, "L"), Place("N2", 2, "L"),
                                     Place("N3", 3, "L"), c1, c2, both}));
    const auto list = List(orter);

    orter.Valj("L", 2, false, false);
    EXPECT_EQ(orter.Kvar, 3);
    EXPECT_FALSE(list[3]->Deltar);

    orter.Nollstall();
    EXPECT_EQ(orter.Kvar, 0);
    EXPECT_EQ(orter.Valda, 3);
    for (const COrt* o : list)
        EXPECT_FALSE(o->Deltar);

    orter.Valj("X", 9, true, false);
    EXPECT_TRUE(list[4]->Deltar);
    EXPECT_FALSE(list[5]->Deltar); // class 1 required
    EXPECT_FALSE(list[6]->Deltar);
    orter.Valj("X", 9, false, false); // classes do not matter now
    orter.Valj("Y", 9, false, false); // matches an already taking part place
    EXPECT_EQ(orter.Kvar, 3);
    EXPECT_EQ(orter.Valda, 3);

    // Answering lowers Kvar (the exercises do it); choosing again reopens the
    // place without counting it twice.
    orter.Forsta->Nasta->Nasta->Nasta->Nasta->Nasta->Nasta->Besvarad = true;
    --orter.Kvar;
    orter.Valj("Y", 9, false, false);
    EXPECT_FALSE(list[6]->Besvarad);
    EXPECT_EQ(orter.Kvar, 2);
    EXPECT_EQ(orter.Valda, 2);
}

TEST(COrter, ValdaFollowsKvarAfterSeveralCalls) {
    TestDir dir;
    std::vector<TestPlace> places;
    for (int i = 0; i < 4; ++i)
        places.push_back(Place("A", 0, "A"));
    places.push_back(Place("C", 0, "C"));
    places.push_back(Place("C", 0, "C"));
    COrter orter;
    orter.LasOrter(WritePlaces(dir, places));
    orter.Valj("A", 0, false, false);
    orter.Valj("none", 0, false, false);
    orter.Valj("C", 0, false, false);
    EXPECT_EQ(orter.Kvar, 6);
    EXPECT_EQ(orter.Valda, 6);
    --orter.Kvar;
    EXPECT_EQ(orter.Valda, 6);
}

TEST(COrter, LongListIsDestroyedWithoutRecursion) {
    COrter orter;
    orter.Forsta = std::make_unique<COrt>();
    COrt* o = orter.Forsta.get();
    for (int i = 0; i < 200000; ++i) {
        o->Nasta = std::make_unique<COrt>();
        o = o->Nasta.get();
    }
    orter.Destroy();
    EXPECT_EQ(orter.Forsta, nullptr);
}
