// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Areas.h"
#include "data/ByteFile.h"
#include "data/Errors.h"
#include "maps/MapMath.h"
#include "maps/Places.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(PunktIYta, EdgesAreHalfOpenAndAVertexTouchedFromOneSideDoesNotCount) {
    TPunkter square{}, diamond{};
    square[1] = {0, 0}, square[2] = {0, 10}, square[3] = {10, 10}, square[4] = {10, 0};
    diamond[1] = {0, 5}, diamond[2] = {5, 10}, diamond[3] = {10, 5}, diamond[4] = {5, 0};
    const struct {
        const TPunkter& outline;
        float lat, lon;
        bool inside;
    } cases[] = {{square, 5, 5, true},   {square, 5, 10, false}, // crossing not strictly east
                 {square, 5, 0, true},   {square, 10, 5, false}, // top edge excluded
                 {square, 0, 5, true},                           // bottom edge included
                 {square, 5, 15, false}, {square, 5, -5, false},
                 {diamond, 5, 5, true},  {diamond, 5, 11, false}, // the ray only touches the vertex
                 {diamond, 0, 2, false}, {diamond, 2, 5, true}};  // bottom vertex touched
    for (const auto& c : cases)
        EXPECT_EQ(PunktIYta(c.lat, c.lon, c.outline, 4), c.inside) << c.lat << "," << c.lon;
    EXPECT_FALSE(PunktIYta(5, 5, square, 0));
}

TEST(MapRecords, AreasAndPlacesWriteTheFileFormatAndReadItBack) {
    TAreaRecord area;
    area.Nyckel = "a", area.Grupp1 = "b", area.Grupp2 = "c", area.Namn = {"d"}, area.Flaggfil = "e";
    area.Nord = 1, area.Syd = -1, area.Ost = 2, area.Vast = -2;
    area.Fyllpunkt1 = {1, -1}, area.Fyllpunkt2 = {2, -2};
    area.Punkter = {{2, -2}};
    // Texts are stored 23 below their characters.
    EXPECT_EQ(RoundTrip(area, TAreaRecord::Read),
              "014a014b014c014d00000000000000014e0000010010270000f0d8ffff204e0000e0b1ffff"
              "10270000f0d8ffff204e0000e0b1ffff204e0000e0b1ffff");
    TAreaRecord wideArea = Box("Åland", -89.9999, -179.9999, 89.9999, 179.9999);
    wideArea.Namn = {"Åland", "2", "3", "4", "5", "6", "7", "8"};
    wideArea.Punkter.assign(500, {-0.0001, 0.0001});
    RoundTrip(wideArea, TAreaRecord::Read);

    TPlaceRecord place = Place("b", 2, "c", 1, -1);
    place.Id = "a", place.Namn = {"b"}, place.Klass1 = true, place.Grupp2 = "d";
    place.Grupp3 = "e";
    EXPECT_EQ(RoundTrip(place, TPlaceRecord::Read),
              "014a014b0000000000000002000100014c014d014e10270000f0d8ffff");
    TPlaceRecord widePlace = Place("Zürich", 32767, "CH", -89.9999, 179.9999);
    widePlace.Namn = {"Zürich", "2", "3", "4", "5", "6", "7", "8"};
    widePlace.Klass2 = true;
    RoundTrip(widePlace, TPlaceRecord::Read);
}

TEST(CAreor, LoadsRecordsWithNameFallbackAndPrecisionWithinItsLimits) {
    TestDir dir;
    TAreaRecord a = Box("SE", 55.3371, 11.1, 69.06, 24.1667);
    a.Grupp1 = "NORDEN";
    a.Namn = {"Sverige"};
    a.Fyllpunkt2 = {60.1234, 15.5};
    TAreaRecord b = Box("NO", 58, 4, 71, 31);
    b.Namn = {"Norge", "Norway", "Norvège", "", "", "Norvegia", "Noorwegen-7", "Noorwegen"};
    CAreor areor;
    areor.LasAreor(dir.Write("AREA1.crp", FileOf({a, b})));
    ASSERT_EQ(areor.Antal, 2);
    const CArea& se = areor.Area(1);
    EXPECT_EQ(std::tuple(se.Nyckel, se.Grupp1, se.Flaggfil),
              std::tuple("SE", "NORDEN", "flag.gif"));
    // Languages 2 to 6 fall back to the first name, 7 and 8 do not.
    const CArea& no = areor.Area(2);
    EXPECT_EQ(
        QStringList(se.Namn.begin() + 1, se.Namn.end()),
        (QStringList{"Sverige", "Sverige", "Sverige", "Sverige", "Sverige", "Sverige", "", ""}));
    EXPECT_EQ(QStringList(no.Namn.begin() + 4, no.Namn.end() - 1),
              (QStringList{"Norge", "Norge", "Norvegia", "Noorwegen-7"}));
    EXPECT_DOUBLE_EQ(se.Syd, 55.3371); // bounds kept as doubles
    EXPECT_EQ(std::tuple(se.Fyllpunkt2.Lat, se.Antal, se.Punkter[1].Lat, se.Deltar),
              std::tuple(60.1234f, 4, 55.3371f, false));
    EXPECT_THROW(areor.Area(3), ERangeError);

    // A failed load keeps the count from before, never the records read so far.
    TAreaRecord big = Box("BIG", 0, 0, 1, 1);
    big.Punkter.assign(501, {0.5, 0.5});
    areor.LasAreor(dir.Write("500.crp", FileOf(std::vector(500, a))));
    EXPECT_THROW(areor.LasAreor(dir.Write("big.crp", FileOf({a, big}))), ERangeError);
    EXPECT_EQ(areor.Antal, 500);
    big.Punkter.resize(500);
    areor.LasAreor(dir.Write("big.crp", FileOf({big})));
    EXPECT_EQ(std::pair(areor.Antal, areor.Area(1).Antal), std::pair(1, 500));
    EXPECT_THROW(areor.LasAreor(dir.Write("501.crp", FileOf(std::vector(501, a)))), ERangeError);
    EXPECT_EQ(areor.Antal, 1);
    EXPECT_THROW(areor.LasAreor(dir.Write("cut.crp", FileOf({a}).chopped(3))), EInOutError);
    areor.LasAreor(dir.Write("empty.crp", {}));
    EXPECT_EQ(areor.Antal, 0);
    EXPECT_THROW(areor.LasAreor(dir.Path("none.crp")), EFileNotFound);
}

TEST(CAreor, KeysGroupsAndMarks) {
    TestDir dir;
    TAreaRecord a = Box("A", 0, 0, 1, 1), b = Box("B", 0, 0, 1, 1), c = Box("C", 0, 0, 1, 1);
    TAreaRecord d = Box("D", 0, 0, 1, 1), a2 = Box("A", 5, 5, 6, 6);
    a.Grupp1 = b.Grupp1 = c.Grupp1 = d.Grupp2 = "G";
    c.Punkter.clear();
    CAreor areor;
    areor.LasAreor(dir.Write("AREA1.crp", FileOf({a, b, c, d, a2})));
    const auto flags = [&](bool CArea::*flag) {
        std::vector<bool> v;
        for (int i = 1; i <= areor.Antal; ++i)
            v.push_back(areor.Area(i).*flag);
        return v;
    };

    EXPECT_EQ(areor.Hitta("G"), nullptr); // a group is no key
    EXPECT_TRUE(areor.Area(1).Matchar("G") && !areor.Area(1).Matchar("g"));
    EXPECT_EQ(areor.Hitta("A"), &areor.Area(5)); // the last of equal keys

    areor.Markera("G"); // C has no outline
    EXPECT_EQ(flags(&CArea::Deltar), (std::vector<bool>{true, true, false, true, false}));
    areor.SattBesvarad("A", 3); // E does not take part, still marked
    areor.SattBesvarad("G", 2);
    EXPECT_EQ(flags(&CArea::Besvarad), (std::vector<bool>{true, true, true, true, true}));
    EXPECT_EQ(std::pair(areor.Area(5).Forsok, areor.Area(1).Forsok), std::pair(3, 2));

    areor.Nollstall();
    EXPECT_EQ(flags(&CArea::Deltar), flags(&CArea::Besvarad));
    EXPECT_EQ(flags(&CArea::Deltar), std::vector<bool>(5, false));
}

TEST(COrter, LoadsInFileOrderKeepsWhatCameBeforeAFailureAndMakesOneBlankPlaceOfAnEmptyFile) {
    TestDir dir;
    TPlaceRecord a = Place("Stockholm", 1, "CAP", 59.3293, -18.0686);
    a.Namn = {"Stockholm", "", "", "", "", "", "", "Stokholm"};
    a.Klass1 = true, a.Grupp3 = "SE";
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

    COrter broken;
    EXPECT_THROW(broken.LasOrter(dir.Write("cut.crp", FileOf({Place("A"), Place("B")}).chopped(2))),
                 EInOutError);
    ASSERT_GE(PlacesOf(broken).size(), 1u);
    EXPECT_EQ(PlacesOf(broken)[0]->Namn[1], "A");

    COrter empty;
    empty.LasOrter(dir.Write("Ort2.crp", {}));
    const auto blank = PlacesOf(empty);
    ASSERT_EQ(blank.size(), 1u);
    EXPECT_EQ(std::pair(blank[0]->Namn[1], blank[0]->Niva), std::pair(QString(), 0));
    // The blank place answers to the empty key through its three empty groups.
    empty.Valj("", 0, false, false);
    EXPECT_EQ(empty.Kvar, 1);
}

TEST(COrter, ValjCountsLevelsKeysAndClasses) {
    TestDir dir;
    TPlaceRecord c1 = Place("K1", 0, "X"), c2 = Place("K2", 0, "X"), both = Place("B", 0, "Y");
    c1.Klass1 = true, c2.Klass2 = true, both.Grupp2 = "X";
    COrter orter;
    orter.LasOrter(
        dir.Write("Ort1.crp", FileOf({Place("N0", 0, "L"), Place("N1", 1, "L"), Place("N2", 2, "L"),
                                      Place("N3", 3, "L"), c1, c2, both})));
    const auto list = PlacesOf(orter);

    orter.Valj("L", 2, false, false);
    EXPECT_EQ(std::pair(orter.Kvar, list[3]->Deltar), std::pair(3, false));

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

namespace {

QByteArray BytesOf(const TDetaljer& d) {
    TByteWriter w;
    d.Write(w);
    return w.Bytes();
}

} // namespace

// A detail file gives an area file's records finer rings by level: the view's
// pixel chooses the level, a click is judged on that level's rings, and a
// file that is missing, damaged or written for other records leaves the
// records' own outlines.
TEST(CAreor, DetailFileGivesFinerRingsByLevelAndAnyFaultLeavesTheRecordsOwn) {
    TestDir dir;
    CAreor areor;
    areor.LasAreor(dir.Write("AREA1.crp", FileOf({Box("A", 0, 0, 1, 1), Box("B", 2, 2, 3, 3)})));
    TDetaljer d;
    d.BasTolerans = 0.01;
    // Level 1: A reaches past its record's north and has an islet; B keeps its
    // own. Level 2: A as at level 1, B with a bay cut into its east side.
    const TDetaljer::TRingar a1 = {{{0, 0}, {1.2, 0}, {1, 1}, {0, 1}},
                                   {{0, 1.5}, {0.5, 1.5}, {0.5, 1.8}}};
    const TDetaljer::TRingar b2 = {
        {{2, 2}, {3, 2}, {3, 3}, {2.6, 3}, {2.5, 2.4}, {2.4, 3}, {2, 3}}};
    d.Nivaer = {{0.002, {a1, {}}}, {0.0005, {{}, b2}}};
    const QString good = dir.Write("Detalj1.crp", BytesOf(d));
    {
        TByteFile f(good);
        EXPECT_EQ(TDetaljer::Read(f), d);
    }
    ASSERT_TRUE(areor.LasDetaljer(good));
    for (auto [perPixel, niva] :
         {std::pair{0.05, 0}, {0.01, 0}, {0.005, 1}, {0.002, 1}, {0.001, 2}})
        EXPECT_EQ(areor.NivaFor(perPixel), niva) << perPixel;
    struct Click {
        int niva;
        float lat, lon;
        const char* area; // empty: none
    };
    const Click clicks[] = {{0, 1.05f, 0.1f, ""}, {1, 1.05f, 0.1f, "A"}, {2, 1.05f, 0.1f, "A"},
                            {0, 0.2f, 1.6f, ""},  {1, 0.2f, 1.6f, "A"},  {2, 2.5f, 2.8f, ""},
                            {1, 2.5f, 2.8f, "B"}, {0, 2.5f, 2.8f, "B"}};
    for (const Click& c : clicks) {
        areor.Niva = c.niva;
        const CArea* got = areor.Under(c.lat, c.lon, [](const CArea&) { return true; });
        EXPECT_EQ(got ? got->Nyckel : QString(), c.area) << c.niva << " " << c.lat << "," << c.lon;
    }
    EXPECT_EQ(areor.Area(1).Kontur(2).Nord, 1.2f);

    TDetaljer coarser = d, other = d;
    coarser.Nivaer[1].Tolerans = 0.002; // a level no finer than the one before
    other.Nivaer = {{0.002, {a1}}};     // written for one record
    QByteArray wrongMark = BytesOf(d);
    wrongMark[1] = 'X';
    const QByteArray faults[] = {BytesOf(d).chopped(3), BytesOf(d) + "x", wrongMark,
                                 BytesOf(coarser),      BytesOf(other),   {}};
    for (const QByteArray& bytes : faults) {
        ASSERT_TRUE(areor.LasDetaljer(good));
        EXPECT_FALSE(areor.LasDetaljer(dir.Write("bad.crp", bytes))) << bytes.size();
        EXPECT_EQ(std::tuple(areor.NivaFor(0.0001), areor.Area(1).Kontur(2).Nord, areor.Niva),
                  std::tuple(0, 1.0, 0));
    }
    EXPECT_FALSE(areor.LasDetaljer(dir.Path("none.crp")));
    EXPECT_TRUE(areor.Area(2).Finare.empty());
}

// A long ring from a detail file is tested by bands of latitude: a star of 400
// points with a hole and a comb of thin teeth, each tested on a fine grid
// (the band edges, the vertices' own parallels and points on the ring among
// them), holds exactly the points the edge-by-edge test says it holds.
TEST(CAreor, ALongRingsPointTestAgreesWithTheEdgeByEdgeTest) {
    TestDir dir;
    CAreor areor;
    areor.LasAreor(dir.Write("AREA1.crp", FileOf({Box("A", -2, -2, 2, 2)})));
    std::vector<TPointRecord> star, hole, comb;
    for (int i = 0; i < 400; ++i) {
        const double t = i * 2 * M_PI / 400, r = 1.5 + 0.4 * std::sin(17 * t);
        star.push_back({Round(r * std::sin(t) * 1e4) / 1e4, Round(r * std::cos(t) * 1e4) / 1e4});
    }
    for (int i = 0; i < 80; ++i) {
        const double t = -i * 2 * M_PI / 80;
        hole.push_back({0.3 * std::sin(t), 0.3 * std::cos(t)});
    }
    for (int k = 0; k < 40; ++k) // teeth 0.01 wide hanging from a bar at 3
        for (const auto& [lat, lon] : {std::pair{3.0, k * 0.05},
                                       {2.0, k * 0.05 + 0.005},
                                       {2.0, k * 0.05 + 0.01},
                                       {3.0, k * 0.05 + 0.015}})
            comb.push_back({lat, lon});
    comb.push_back({3.2, 2.0});
    comb.push_back({3.2, 0.0});
    TDetaljer d;
    d.BasTolerans = 0.01;
    d.Nivaer = {{0.001, {{star, hole, comb}}}};
    TByteWriter w;
    d.Write(w);
    ASSERT_TRUE(areor.LasDetaljer(dir.Write("Detalj1.crp", w.Bytes())));
    const TKontur k = areor.Area(1).Kontur(1);
    ASSERT_NE(k.Ringar, nullptr);
    int inside = 0, tests = 0;
    auto check = [&](float lat, float lon) {
        bool expected = false;
        for (const auto& r : *k.Ringar)
            expected ^= PunktIRing(lat, lon, r.data(), static_cast<int>(r.size()));
        ASSERT_EQ(k.Haller(lat, lon), expected) << lat << "," << lon;
        inside += expected, ++tests;
    };
    for (float lat = -2.1f; lat <= 3.3f; lat += 0.0173f)
        for (float lon = -2.1f; lon <= 2.1f; lon += 0.0191f)
            check(lat, lon);
    for (const auto& r : *k.Ringar)
        for (const TLatLon& p : r) {
            check(p.Lat, p.Lon);
            check(p.Lat, p.Lon - 0.001f);
            check(p.Lat, p.Lon + 0.001f);
        }
    EXPECT_GT(inside, tests / 5);
}

// A detail file named for later is read at the first view finer than the
// records' tolerance and not before; a damaged one never gives a level.
TEST(CAreor, ADetailFileNamedForLaterIsReadAtTheFirstViewThatNeedsIt) {
    TestDir dir;
    CAreor areor;
    areor.LasAreor(dir.Write("AREA1.crp", FileOf({Box("A", 0, 0, 1, 1)})));
    TDetaljer d;
    d.BasTolerans = 0.01;
    d.Nivaer = {{0.002, {{{{0, 0}, {1.2, 0}, {1, 1}, {0, 1}}}}}};
    TByteWriter w;
    d.Write(w);
    const QString good = dir.Write("Detalj1.crp", w.Bytes());
    const QString bad = dir.Write("bad.crp", w.Bytes().chopped(2));
    for (const auto& [file, perPixel, read] : {std::tuple{good, 0.02, false},
                                               {good, 0.01, false},
                                               {good, 0.005, true},
                                               {bad, 0.005, false},
                                               {dir.Path("none.crp"), 0.005, false}}) {
        areor.LasDetaljerSenare(file);
        EXPECT_EQ(areor.NivaFor(0.001), 0);
        areor.LasDetaljerOmBehovs(perPixel);
        EXPECT_EQ(areor.NivaFor(0.001), read ? 1 : 0) << file.toStdString() << " " << perPixel;
        EXPECT_EQ(areor.Area(1).Kontur(1).Nord, read ? 1.2f : 1.0f);
    }
}
