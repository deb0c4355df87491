// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MinaMisstag.h"
#include "scores/Misstagsregister.h"
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
