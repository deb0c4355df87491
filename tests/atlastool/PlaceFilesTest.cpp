// The atlas tool's writer of further place files and its checks, on small
// files and a made-up map of its own.
#include "PlaceFiles.h"
#include "data/Errors.h"
#include "maps/Places.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

FilePlace Place(const QString& id, double lat, double lon, const QString& surface = {}) {
    FilePlace p;
    p.id = id;
    for (int i = 0; i < 8; ++i)
        p.names[size_t(i)] = id + QString::number(i + 1);
    p.level = 1;
    p.group1 = "HAV";
    p.lat = lat, p.lon = lon;
    p.surface = surface;
    return p;
}

bool Mentions(const QStringList& problems, const QString& text) {
    return problems.join('\n').contains(text);
}

// A square island from 0 to 10 degrees each way in a sea flooded from a point
// south-west of it.
AtlasMap Island() {
    AtlasArea a;
    a.key = "XX";
    a.points = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    a.north = 10, a.south = 0, a.east = 10, a.west = 0;
    a.seed1 = a.seed2 = {5, 5};
    AtlasMap m;
    m.id = 1;
    m.areas = {a};
    return m;
}

} // namespace

TEST(PlaceFiles, TheWriterWritesWhatTheProgramReadsBack) {
    TestDir dir;
    FilePlace a = Place("A", 12.34565, -170.00005);
    a.names[0] = QStringLiteral("Östersjön"), a.names[6] = QStringLiteral("Œresund ’");
    a.level = 2, a.klass1 = true, a.group2 = "EUR", a.group3 = "VARLD";
    FilePlace b = Place("B", -1, 200);
    b.klass2 = true, b.group1 = "", b.group3 = "";
    WritePlaceRecords(dir.Path("Ort9.crp"), {a, b});
    COrter list;
    list.LasOrter(dir.Path("Ort9.crp"));
    const COrt* p = list.Forsta.get();
    ASSERT_TRUE(p && p->Nasta && !p->Nasta->Nasta);
    EXPECT_EQ(p->Namn[1], QStringLiteral("Östersjön"));
    EXPECT_EQ(p->Namn[7], QStringLiteral("Œresund ’"));
    EXPECT_EQ(p->Namn[8], "A8");
    EXPECT_EQ(p->Niva, 2);
    EXPECT_TRUE(p->Klass1 && !p->Klass2);
    EXPECT_EQ(p->Grupp1 + p->Grupp2 + p->Grupp3, "HAVEURVARLD");
    // Ten-thousandths, half to even.
    EXPECT_DOUBLE_EQ(p->Latitud, 12.3456);
    EXPECT_DOUBLE_EQ(p->Longitud, -170.0);
    const COrt* q = p->Nasta.get();
    EXPECT_TRUE(!q->Klass1 && q->Klass2 && q->Grupp1.isEmpty() && q->Grupp3.isEmpty());
    EXPECT_DOUBLE_EQ(q->Longitud, 200.0);
}

TEST(PlaceFiles, TheRecordCheckNamesEveryFault) {
    PlaceFile f{"Ort9.crp", {Place("A", 0, 0), Place("B", 1, 1)}, {}};
    EXPECT_TRUE(CheckPlaceRecords(f).isEmpty());
    f.places[1].names[3] = " ";
    f.places[1].names[4] = QStringLiteral("Ōsaka");
    f.places.push_back(Place("A", 95, 0));
    f.places.back().level = -1;
    const QStringList problems = CheckPlaceRecords(f);
    EXPECT_TRUE(Mentions(problems, "B: name \" \""));
    EXPECT_TRUE(Mentions(problems, "Ōsaka"));
    EXPECT_TRUE(Mentions(problems, "A: empty or repeated identifier"));
    EXPECT_TRUE(Mentions(problems, "level -1"));
    EXPECT_TRUE(Mentions(problems, "off the globe"));
    EXPECT_EQ(problems.size(), 5);
    f.places.assign(501, Place("C", 0, 0));
    EXPECT_TRUE(Mentions(CheckPlaceRecords(f), "501 places"));
}

TEST(PlaceFiles, TheLoaderReadsThePlaceFilesOfThePreparedJson) {
    TestDir dir;
    const QString json = dir.Write("atlas.json", R"({"placeFiles": [{"file": "Ort9.crp",
        "places": [{"id": "K", "names": ["Ōsaka","b","c","d","e","f","g","h"], "niva": 2,
                    "klass2": true, "g1": "O", "lat": 1.5, "lon": 2.5, "surface": "land"}],
        "exercises": [{"number": 7, "map": 1, "level": 2, "items": ["O", "EUR"],
                       "view": [20, -5, 5]}]}]})");
    const auto files = LoadPlaceFiles(json);
    ASSERT_EQ(files.size(), 1u);
    const PlaceFile& f = files[0];
    ASSERT_EQ(f.places.size(), 1u);
    // Names are fitted to Windows-1252 as every atlas name is.
    EXPECT_EQ(f.places[0].names[0], "Osaka");
    EXPECT_TRUE(f.places[0].klass2 && !f.places[0].klass1);
    EXPECT_EQ(f.places[0].surface, "land");
    ASSERT_EQ(f.exercises.size(), 1u);
    EXPECT_EQ(f.exercises[0].items, QStringList({"O", "EUR"}));
    EXPECT_TRUE(f.exercises[0].Asks(f.places[0]));
    // A place above the exercise's level, or with no matching key, is not asked.
    FilePlace other = f.places[0];
    other.level = 3;
    EXPECT_FALSE(f.exercises[0].Asks(other));
    other.level = 1, other.group1 = "BERG";
    EXPECT_FALSE(f.exercises[0].Asks(other));

    EXPECT_TRUE(LoadPlaceFiles(dir.Write("none.json", "{}")).empty());
    const QString seven = dir.Write("seven.json", R"({"placeFiles": [{"file": "Ort9.crp",
        "places": [{"id": "K", "names": ["a","b","c","d","e","f","g"], "niva": 1, "lat": 0, "lon": 0}]}]})");
    EXPECT_TRUE(MessageOf<EGlobina>([&] { LoadPlaceFiles(seven); }).contains("not 8 names"));
}

TEST(PlaceFiles, TheMapCheckFindsMarkersOnTheWrongSurfaceTooCloseOrOutOfView) {
    const std::vector<AtlasMap> maps = {Island()};
    const std::map<int, std::vector<LatLon>> sea = {{1, {{-4, -4}}}};
    PlaceFileExercise e;
    e.number = 7, e.map = 1, e.level = 1, e.items = {"HAV"};
    e.north = 15, e.south = -5, e.centre = 5;
    PlaceFile f{"Ort9.crp",
                {Place("SEA", -2, 5, "sea"), Place("LAND", 5, 5, "land"),
                 Place("WET", 5, 0.2, "sea"), Place("DRY", 12, 5, "land"),
                 Place("NEAR", 5.05, 5.05, "land"), Place("FAR", 5, 60, ""),
                 Place("UNASKED", 5, 5.02, "sea")},
                {e}};
    f.places.back().group1 = "O";
    const QStringList problems = CheckPlacesOnMaps(f, maps, {}, sea);
    EXPECT_TRUE(Mentions(problems, "WET in exercise 7 at 1024x700: not on the drawn sea (try"));
    EXPECT_TRUE(Mentions(problems, "DRY in exercise 7 at 1024x700: not on land"));
    EXPECT_TRUE(Mentions(problems, "NEAR in exercise 7 at 1024x700: within 8 px"));
    EXPECT_TRUE(Mentions(problems, "FAR in exercise 7 at 1920x1048: outside the view"));
    EXPECT_FALSE(Mentions(problems, "SEA ") || Mentions(problems, "LAND ") ||
                 Mentions(problems, "UNASKED"))
        << problems.join('\n').toStdString();
    // Spacing counts at 1024 x 700 only; the rest at both sizes.
    EXPECT_EQ(problems.size(), 7) << problems.join('\n').toStdString();

    // A map with a water file of its own draws it: a lake on the island is
    // water there, land where the shared lakes are drawn instead.
    AtlasArea lake;
    lake.key = "LAKE";
    lake.points = {{7, 7}, {9, 7}, {9, 9}, {7, 9}};
    lake.north = 9, lake.south = 7, lake.east = 9, lake.west = 7;
    lake.seed1 = lake.seed2 = {8, 8};
    const std::vector<AtlasArea> water = {lake};
    PlaceFile inLake{"Ort9.crp", {Place("INLAKE", 8, 8, "sea")}, {e}};
    EXPECT_TRUE(CheckPlacesOnMaps(inLake, maps, water, sea).isEmpty());
    EXPECT_EQ(CheckPlacesOnMaps(inLake, maps, {}, sea, {{1, &water}}).size(), 0);
    EXPECT_EQ(CheckPlacesOnMaps(inLake, maps, water, sea, {{1, nullptr}}).size(), 0);
    EXPECT_EQ(CheckPlacesOnMaps(inLake, maps, {}, sea).size(), 2);

    f.exercises[0].map = 3;
    EXPECT_TRUE(Mentions(CheckPlacesOnMaps(f, maps, {}, sea), "exercise 7 has no map 3"));
}
