#include "maps/Areas.h"
#include "MapFiles.h"
#include "data/ByteFile.h"
#include "data/Errors.h"
#include "maps/MapMath.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

QString WriteAreas(const TestDir& dir, const std::vector<TestArea>& areas) {
    TByteWriter w;
    for (const TestArea& a : areas)
        WriteArea(w, a);
    return dir.Write("AREA1.crp", w.Bytes());
}

TPunkter Square() {
    TPunkter p{};
    p[1] = {0, 0};
    p[2] = {0, 10};
    p[3] = {10, 10};
    p[4] = {10, 0};
    return p;
}

} // namespace

TEST(PunktIYta, SquareEdgesFollowTheHalfOpenRule) {
    const TPunkter sq = Square();
    EXPECT_TRUE(PunktIYta(5, 5, sq, 4));
    EXPECT_FALSE(PunktIYta(5, 10, sq, 4)); // crossing not strictly east
    EXPECT_TRUE(PunktIYta(5, 0, sq, 4));
    EXPECT_FALSE(PunktIYta(10, 5, sq, 4)); // top edge excluded
    EXPECT_TRUE(PunktIYta(0, 5, sq, 4));   // bottom edge included
    EXPECT_FALSE(PunktIYta(5, 15, sq, 4));
    EXPECT_FALSE(PunktIYta(5, -5, sq, 4));
    EXPECT_FALSE(PunktIYta(5, 5, sq, 0));
}

TEST(PunktIYta, VertexTouchedFromOneSideCountsTwiceOrNotAtAll) {
    // A diamond: the ray at the latitude of its right vertex only touches it.
    TPunkter d{};
    d[1] = {0, 5};
    d[2] = {5, 10};
    d[3] = {10, 5};
    d[4] = {5, 0};
    EXPECT_TRUE(PunktIYta(5, 5, d, 4));
    EXPECT_FALSE(PunktIYta(5, 11, d, 4));
    EXPECT_FALSE(PunktIYta(0, 2, d, 4)); // bottom vertex touched
    EXPECT_TRUE(PunktIYta(2, 5, d, 4));
}

TEST(CAreor, LoadsRecordsWithNameFallbackAndPrecision) {
    TestDir dir;
    TestArea a = Box("SE", 55.3371, 11.1, 69.06, 24.1667);
    a.group1 = "NORDEN";
    a.names = {"Sverige", "", "", "", "", "", "", ""};
    a.seed2 = {60.1234, 15.5};
    TestArea b = Box("NO", 58, 4, 71, 31);
    b.names = {"Norge", "Norway", "Norvège", "", "", "Norvegia", "Noorwegen-7", "Noorwegen"};
    CAreor areor;
    areor.LasAreor(WriteAreas(dir, {a, b}));
    ASSERT_EQ(areor.Antal, 2);
    const CArea& se = areor.Area(1);
    EXPECT_EQ(se.Nyckel, "SE");
    EXPECT_EQ(se.Grupp1, "NORDEN");
    EXPECT_EQ(se.Flaggfil, "flag.gif");
    for (int lang = 1; lang <= 6; ++lang)
        EXPECT_EQ(se.Namn[lang], "Sverige") << lang;
    EXPECT_EQ(se.Namn[7], "");
    EXPECT_EQ(se.Namn[8], "");
    EXPECT_DOUBLE_EQ(se.Syd, 55.3371); // bounds kept as doubles
    EXPECT_EQ(se.Fyllpunkt2.Lat, static_cast<float>(60.1234));
    EXPECT_EQ(se.Antal, 4);
    EXPECT_EQ(se.Punkter[1].Lat, static_cast<float>(55.3371));
    EXPECT_FALSE(se.Deltar);
    const CArea& no = areor.Area(2);
    EXPECT_EQ(no.Namn[4], "Norge");
    EXPECT_EQ(no.Namn[5], "Norge");
    EXPECT_EQ(no.Namn[6], "Norvegia");
    EXPECT_EQ(no.Namn[7], "Noorwegen-7");
    EXPECT_THROW(areor.Area(3), ERangeError);
}

TEST(CAreor, EmptyFileAndMissingFile) {
    TestDir dir;
    CAreor areor;
    areor.LasAreor(dir.Write("empty.crp", {}));
    EXPECT_EQ(areor.Antal, 0);
    EXPECT_THROW(areor.LasAreor(dir.Path("none.crp")), EFileNotFound);
}

TEST(CAreor, LimitsRaiseRangeErrorAndLeaveCountUnset) {
    TestDir dir;
    {
        std::vector<TestArea> many(500, Box("A", 0, 0, 1, 1));
        CAreor ok;
        ok.LasAreor(WriteAreas(dir, many));
        EXPECT_EQ(ok.Antal, 500);
        many.push_back(Box("B", 0, 0, 1, 1));
        CAreor tooMany;
        EXPECT_THROW(tooMany.LasAreor(WriteAreas(dir, many)), ERangeError);
        EXPECT_EQ(tooMany.Antal, 0);
    }
    {
        TestArea big = Box("BIG", 0, 0, 1, 1);
        big.points.assign(501, {0.5, 0.5});
        CAreor areor;
        EXPECT_THROW(areor.LasAreor(WriteAreas(dir, {Box("A", 0, 0, 1, 1), big})), ERangeError);
        EXPECT_EQ(areor.Antal, 0);
        big.points.resize(500);
        areor.LasAreor(WriteAreas(dir, {big}));
        EXPECT_EQ(areor.Area(1).Antal, 500);
    }
    {
        TByteWriter w;
        WriteArea(w, Box("A", 0, 0, 1, 1));
        QByteArray cut = w.Bytes();
        cut.chop(3);
        CAreor areor;
        EXPECT_THROW(areor.LasAreor(dir.Write("cut.crp", cut)), EInOutError);
    }
}

TEST(CAreor, KeysGroupsAndMarks) {
    TestDir dir;
    TestArea a = Box("A", 0, 0, 1, 1), b = Box("B", 0, 0, 1, 1), c = Box("C", 0, 0, 1, 1);
    TestArea d = Box("D", 0, 0, 1, 1), a2 = Box("A", 5, 5, 6, 6);
    a.group1 = b.group1 = c.group1 = "G";
    d.group2 = "G";
    c.points.clear();
    CAreor areor;
    areor.LasAreor(WriteAreas(dir, {a, b, c, d, a2}));

    EXPECT_EQ(areor.Hitta("G"), nullptr);
    EXPECT_TRUE(areor.Area(1).Matchar("G"));
    EXPECT_FALSE(areor.Area(1).Matchar("g"));
    EXPECT_EQ(areor.Hitta("A"), &areor.Area(5)); // the last of equal keys
    EXPECT_EQ(areor.Hitta("X"), nullptr);

    areor.Markera("G");
    EXPECT_TRUE(areor.Area(1).Deltar);
    EXPECT_TRUE(areor.Area(2).Deltar);
    EXPECT_FALSE(areor.Area(3).Deltar); // no outline
    EXPECT_TRUE(areor.Area(4).Deltar);
    EXPECT_FALSE(areor.Area(5).Deltar);

    areor.SattBesvarad("A", 3);
    EXPECT_TRUE(areor.Area(5).Besvarad); // not taking part, still marked
    EXPECT_EQ(areor.Area(5).Forsok, 3);
    areor.SattBesvarad("G", 2);
    EXPECT_TRUE(areor.Area(3).Besvarad);
    EXPECT_EQ(areor.Area(1).Forsok, 2);

    areor.Nollstall();
    for (int i = 1; i <= areor.Antal; ++i) {
        EXPECT_FALSE(areor.Area(i).Deltar);
        EXPECT_FALSE(areor.Area(i).Besvarad);
    }
}
