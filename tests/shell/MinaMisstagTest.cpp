// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MinaMisstag.h"
#include "scores/Klassresultat.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"
#include "shell/KlassResultatSkarm.h"
#include "support/BoxRecorder.h"
#include "support/Tables.h"
#include "support/TestFiles.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

TSpelLogg Spel(const QString& part, const QString& kind, const QString& asked,
               const QStringList& given) {
    std::vector<TFragaLogg> fragor{
        {asked, asked + "-name", int32_t(given.size()) + 1, given, given},
        {"OK", "OK-name", 1, {}, {}}};
    return {1, kind, part, false, std::move(fragor)};
}

} // namespace

TEST(MinaMisstag, OpensOnTheKindWithTheMostMissesAndPractisesWhatItShows) {
    TestDir dir;
    TMisstagsregister r(dir.Path("m.sqlite"));
    r.Spara(Spel("EUR", "AREA", "SI", {"SK"}));
    r.Spara(Spel("EUR", "FLAGG", "SI", {"SK", "SK"}));
    r.Spara(Spel("EUR", "FLAGG", "FR", {"IT", "BE"}));
    r.Spara(Spel("EUR", "FLAGG", "SI", {"HR"}));
    r.Spara(Spel("AFR", "AREA", "EG", {"LY"}));

    TfrmMinaMisstag screen(nullptr, r, 1);
    EXPECT_EQ(std::pair(screen.Typ(), screen.lstTyper->currentRow()),
              std::pair(QString("FLAGG"), 2));
    EXPECT_EQ(std::tuple(screen.grdMissade->item(0, 0)->text(),
                         screen.grdMissade->item(0, 1)->text(),
                         screen.grdMissade->item(1, 0)->text()),
              std::tuple("SI-name", "2", "FR-name"));
    EXPECT_EQ(Lines(screen.lstForvaxlingar),
              (QStringList{"SI-name \u2192 SK \u00d72", "FR-name \u2192 BE \u00d71",
                           "FR-name \u2192 IT \u00d71", "SI-name \u2192 HR \u00d71"}));
    EXPECT_EQ(screen.OvningsObjekt(), (QStringList{"SI", "FR"}));
    EXPECT_TRUE(screen.cmdOva->isEnabled());
    // The plot: the three flag games of Europe, each half right at the first try.
    EXPECT_EQ(screen.serForlopp->points(), (QList<QPointF>{{1, 50}, {2, 50}, {3, 50}}));

    screen.lstParts->setCurrentRow(5); // Oceania: nothing yet
    EXPECT_TRUE(screen.serForlopp->points().isEmpty());
    EXPECT_EQ(std::tuple(screen.Varldsdel(), screen.OvningsObjekt(), screen.cmdOva->isEnabled(),
                         screen.lblTomt->isHidden()),
              std::tuple("AUS", QStringList(), false, false));
}

TEST(MinaMisstag, SavesTheRecordAsCsvOrSaysWhyNot) {
    TestDir dir;
    TMisstagsregister r(dir.Path("m.sqlite"));
    r.Spara(Spel("EUR", "AREA", "SI", {"SK"}));
    TBoxRecorder boxes;
    TfrmMinaMisstag screen(nullptr, r, 1);
    ASSERT_TRUE(screen.Exportera(dir.Path("r.csv")));
    const std::vector<QStringList> rows = LasCsv(QString::fromUtf8(ReadAll(dir.Path("r.csv"))));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], kPostKolumner);
    EXPECT_EQ(rows[1].mid(5, 4), QStringList({"SI", "SI-name", "2", "SK"}));
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_FALSE(screen.Exportera(dir.Path("no/such/folder/r.csv")));
    EXPECT_EQ(boxes.texts.size(), 1);
}

TEST(MinaMisstag, ClassResultsShowTheClassMissesAndEveryPupil) {
    TestDir dir;
    CKlassresultat klass;
    const QString header = kPostKolumner.join(',') + "\r\n";
    ASSERT_EQ(klass.LasText("a.csv", header + "Ada,d,41,AFR,AREA,GH,Ghana,3,TG,Togo\r\n"
                                              "Ada,d,41,AFR,AREA,EG,Egypt,1,,\r\n"),
              "");
    ASSERT_EQ(klass.LasText("b.csv", header + "Bo,d,1,EUR,AREA,SE,Sweden,2,NO,Norway\r\n"), "");
    TfrmKlassresultat screen(nullptr, klass, "AFR", "AREA", {"c.csv, line 2: damaged"});
    EXPECT_FALSE(screen.lblFel->isHidden());
    ASSERT_EQ(screen.grdMissade->rowCount(), 1);
    EXPECT_EQ(screen.grdMissade->item(0, 0)->text(), "Ghana");
    EXPECT_EQ(screen.grdMissade->item(0, 2)->text(), "0 %");
    EXPECT_EQ(screen.lstForvaxlingar->item(0)->text(), "Ghana \u2192 Togo \u00d71");
    EXPECT_EQ(screen.OvningsObjekt(), QStringList{"GH"});
    // Per pupil and part: Europe is the first part, Africa the fifth.
    ASSERT_EQ(screen.grdElever->rowCount(), 2);
    EXPECT_EQ(screen.grdElever->item(0, 5)->text(), "50 %");
    EXPECT_EQ(screen.grdElever->item(0, 1), nullptr);
    EXPECT_EQ(screen.grdElever->item(1, 1)->text(), "0 %");
}
