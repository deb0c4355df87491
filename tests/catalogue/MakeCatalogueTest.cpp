// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue tool on a small atlas of its own: how it expands and checks
// the exercises of the close-up maps and the further place files.
#include "exercises/Ovningar.h"
#include "maps/Kartor.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

class MakeCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        // Map 7: five states of US in a row, a second piece of the first, and
        // a neighbour that no exercise asks.
        std::vector<TAreaRecord> areas;
        std::vector<TPlaceRecord> capitals;
        for (int i = 0; i < 5; ++i) {
            const QString key = QStringLiteral("US-S%1").arg(i);
            areas.push_back(Box(key, 30, -120 + 10 * i, 40, -110 + 10 * i));
            areas.back().Grupp1 = key;
            areas.back().Grupp2 = "US";
            capitals.push_back(Place("City" + QString::number(i), 1, key, 35, -115 + 10 * i));
            capitals.back().Klass1 = true;
            capitals.back().Grupp2 = "US";
        }
        areas.push_back(Box("US-S0.2", 20, -160, 22, -155));
        areas.back().Grupp1 = "US-S0";
        areas.back().Grupp2 = "US";
        areas.push_back(Box("MX", 15, -115, 29, -90));
        dir.Write("AREA7.crp", FileOf(areas));
        // Five lakes, which name no area of the map.
        for (int i = 0; i < 5; ++i)
            capitals.push_back(Place("Lake" + QString::number(i), 1, "SJO", 31 + 2 * i, -100));
        dir.Write("Ort3.crp", FileOf(capitals));
        dir.Write("Ort1.crp", FileOf({Place("Elsewhere")}));
    }

    // Runs the tool on the blocks; its error output, empty on success.
    QString Run(const QString& blocks) {
        dir.Write("catalogue.txt", blocks.toUtf8());
        QProcess tool; // in the test's environment, with the offscreen platform
        tool.start(MAKE_CATALOGUE,
                   {dir.Path("catalogue.txt"), dir.Path(""), dir.Path("Ovning.crp")});
        EXPECT_TRUE(tool.waitForFinished(60000));
        return tool.exitCode() == 0 ? QString() : QString::fromUtf8(tool.readAllStandardError());
    }

    static QString Block(int number, const QString& kind, int map, const QString& more,
                         const QString& name = {}) {
        const QString n = name.isEmpty() ? QStringLiteral("Exercise %1").arg(number) : name;
        return QStringLiteral("number: %1\nkind: %2\npart: NOR\nmap: %3\n%4\nnames: %5 | %5 | %5 "
                              "| %5 | %5 | %5 | %5 | %5\n\n")
            .arg(number)
            .arg(kind)
            .arg(map)
            .arg(more, n);
    }

    TestDir dir;
};

} // namespace

TEST_F(MakeCatalogue, ACountryCodeAsksItsStatesAndPlaceExercisesKeepTheirPlaceFile) {
    ASSERT_EQ(Run(Block(19, "AREA", 7, "items: US") +
                  Block(20, "ORT", 7, "places: 3\nlevel: 1\ncapitals: yes\nitems: US") +
                  Block(71, "ORT", 7, "places: 3\nlevel: 1\nitems: SJO")),
              "");
    COvningar catalogue;
    catalogue.LasOvningar(dir.Path("Ovning.crp"));
    const auto states = catalogue.Forsta;
    ASSERT_TRUE(states);
    QStringList items;
    for (int i = 1; i <= states->Antal; ++i)
        items << states->Objekt(i);
    EXPECT_EQ(items, (QStringList{"US-S0", "US-S1", "US-S2", "US-S3", "US-S4"}));
    const auto capitals = states->Nasta;
    EXPECT_EQ(std::tuple(capitals->Ortfil, capitals->VyNord, capitals->VySyd),
              std::tuple(3, 0.0, 0.0)); // fitted to the states at the start
    // The lakes name no area: the view that fits the whole map is written,
    // from the second piece of the first state in the west to the last state.
    const auto lakes = capitals->Nasta;
    EXPECT_TRUE(lakes->VyNord > 40 && lakes->VySyd < 15) << lakes->VyNord << " " << lakes->VySyd;
    EXPECT_DOUBLE_EQ(lakes->VyMitt, -115);
}

TEST_F(MakeCatalogue, RefusesWhatAMapOrPlaceFileCannotPlay) {
    const QString capitals = "places: 3\nlevel: 1\ncapitals: yes\nitems: US";
    for (const auto& [blocks, message] : std::initializer_list<std::pair<QString, QString>>{
             {Block(1, "FLAGG", 7, "items: US-S1"), "no such map for this kind"},
             {Block(1, "MULTI", 7, capitals), "no such map for this kind"},
             {Block(1, "AREA", kAntalKartor + 1, "items: US-S1"), "no such map for this kind"},
             {Block(1, "ORT", 7, "places: 6\nitems: US"), "no such place file"},
             {Block(1, "ORT", 7, capitals + " US-XX"), "US-XX selects no place of Ort3.crp"},
             {Block(1, "ORT", 7, "places: 2\nitems: US"), "no place file"},
             {Block(1, "AREA", 8, "items: CA"), "no area file"},
             {Block(1, "AREA", 7, "items: US-S1 US-NONE"), "US-NONE has no outline on map 7"},
             {Block(1, "AREA", 7, "items: US-S1") +
                  Block(2, "AREA", 7, "items: US-S2", "Exercise 1"),
              "the name \"Exercise 1\" is also exercise 1's"},
         }) {
        const QString errors = Run(blocks);
        EXPECT_TRUE(errors.contains(message))
            << message.toStdString() << ": " << errors.toStdString();
    }
}
