// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Klassresultat.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

TFragaLogg Fraga(const QString& item, int tries, const QStringList& given = {}) {
    QStringList names;
    for (const QString& g : given)
        names << g + "-name";
    return {item, item + "-name", tries, given, names};
}

// A pupil's record with the games given, exported as the pupil would.
QString Pupil(const TestDir& dir, const QString& name, const std::vector<TSpelLogg>& games) {
    TMisstagsregister r(dir.Path(name + ".sqlite"), [](const QString&) {});
    for (const TSpelLogg& g : games)
        EXPECT_TRUE(r.Spara(g));
    const QString file = dir.Path(name + ".csv");
    ExporteraPost(r, name, file);
    return file;
}

} // namespace

TEST(Klassresultat, ThePupilsFilesAddUpAndABadFileIsNamedWithItsLine) {
    TestDir dir;
    const QStringList files{
        Pupil(dir, "Ada",
              {{41, "AREA", "AFR", false, {Fraga("GH", 3, {"TG", "BJ"}), Fraga("EG", 1)}},
               {42, "ORT", "AFR", false, {Fraga("Accra", 2, {"Lome"})}}}),
        Pupil(dir, "Bo",
              {{41, "AREA", "AFR", false, {Fraga("GH", 2, {"TG"}), Fraga("EG", 2, {"LY"})}},
               {1, "AREA", "EUR", false, {Fraga("SE", 1), Fraga("NO", 1)}}}),
        dir.Write("foreign.csv", "name,score\r\nAda,12\r\n"),
        dir.Write("cut.csv", "player,date,exercise,part,way of asking,item,name,tries,given,given "
                             "names\r\nCy,d,41,AFR,AREA,GH,GH-name,1,,\r\nCy,d,41,AFR,AREA,EG\r\n"),
        dir.Write("quote.csv",
                  "player,date,exercise,part,way of asking,item,name,tries,given,given "
                  "names\r\nDan,d,41,AFR,AREA,GH,\"GH\nname\",1,,\r\nDan,\"d,41\r\n"),
        dir.Path("missing.csv"),
    };
    CKlassresultat klass;
    QStringList messages;
    for (const QString& f : files)
        messages << klass.LasFil(f);
    EXPECT_EQ(messages[0], "");
    EXPECT_EQ(messages[1], "");
    for (auto [i, where] : {std::pair{2, "foreign.csv, line 1: not a record exported"},
                            {3, "cut.csv, line 3: 6 fields where 10 belong"},
                            {4, "quote.csv, line 4: a quote"},
                            {5, "missing.csv: "}})
        EXPECT_TRUE(messages[i].contains(where)) << messages[i].toStdString();
    // Only the two good files count, and nothing of the damaged ones.
    EXPECT_EQ(klass.Fragor(), 7);

    std::vector<std::tuple<QString, int, int>> missed;
    for (const TMissatObjekt& o : klass.MestMissade("AFR", "AREA"))
        missed.emplace_back(o.Namn, o.Fragad, o.ForstaForsok);
    EXPECT_EQ(missed,
              (std::vector<std::tuple<QString, int, int>>{{"GH-name", 2, 0}, {"EG-name", 2, 1}}));
    EXPECT_EQ(klass.MestMissade("AFR", "").size(), 3u); // the capital too
    std::vector<std::tuple<QString, QString, int>> confused;
    for (const TKlassForvaxling& f : klass.Forvaxlingar("AFR", "AREA"))
        confused.emplace_back(f.Namn, f.GivetNamn, f.Antal);
    EXPECT_EQ(confused,
              (std::vector<std::tuple<QString, QString, int>>{{"GH-name", "TG-name", 2},
                                                              {"EG-name", "LY-name", 1},
                                                              {"GH-name", "BJ-name", 1}}));

    const std::vector<TElev> pupils = klass.Elever();
    ASSERT_EQ(pupils.size(), 2u);
    EXPECT_EQ(pupils[0].Spelare, "Ada");
    EXPECT_EQ(pupils[0].PerDel.at("AFR"), std::pair(3, 1));
    EXPECT_EQ(pupils[1].PerDel.at("AFR"), std::pair(2, 0));
    EXPECT_EQ(pupils[1].PerDel.at("EUR"), std::pair(2, 2));

    EXPECT_EQ(klass.OvningFor("AFR", "AREA", {"GH", "EG"}), 41);
    EXPECT_EQ(klass.OvningFor("EUR", "AREA", {"SE"}), 0); // never missed
}
