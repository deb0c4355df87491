// Data-quality tests of the shipped catalogue: every exercise can be played to
// its end on its map, by a player who always answers right.
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"
#include "support/ShippedMaps.h"
#include "support/TestScreens.h"

#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ShippedCatalogue : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        QDir::setCurrent(ProgramFolder());
        LoadLanguageTexts();
        catalogue.LasOvningar("Ovning.crp");
    }
    std::vector<std::shared_ptr<COvning>> Entries() const {
        std::vector<std::shared_ptr<COvning>> list;
        for (auto e = catalogue.Forsta; e; e = e->Nasta)
            list.push_back(e);
        return list;
    }

    // Clicks a point through the picture, as the map screen converts it.
    TKlick Click(const CKarta& karta, float lat, float lon) const {
        const int x = karta.XKoord(lat, lon), y = karta.YKoord(lat);
        return {karta.LatVid(y), karta.LonVid(y, x), 0};
    }

    void PlayMap(COvning& e, TestKartScreen& screen, const CKarta& karta) {
        auto* area = dynamic_cast<COvningLandArea*>(&e);
        auto* ort = dynamic_cast<COvningOrt*>(&e);
        for (int answers = 0; !e.Slut && answers < 1000; ++answers) {
            TKlick k;
            if (area) {
                const CArea* asked = karta.Landareor->Hitta(area->FragaNamn);
                ASSERT_TRUE(asked) << area->FragaNamn.toStdString();
                k = Click(karta, asked->Fyllpunkt1.Lat, asked->Fyllpunkt1.Lon);
                ASSERT_TRUE(e.ArRatt(k)) << e.Nummer << ": the seed of "
                                         << asked->Nyckel.toStdString() << " is not inside it";
            } else {
                ASSERT_TRUE(ort->Plats);
                k = Click(karta, ort->Plats->Latitud, ort->Plats->Longitud);
                ASSERT_TRUE(e.ArRatt(k)) << e.Nummer << ": " << ort->Plats->Namn[2].toStdString()
                                         << " is not the nearest marker at its own position";
            }
            Answer(e, screen, k);
        }
        EXPECT_TRUE(e.Slut) << e.Nummer;
    }

    COvningar catalogue;
};

} // namespace

TEST_F(ShippedCatalogue, HasAtLeastFiftyExercisesWithEveryKindForEveryPart) {
    const auto entries = Entries();
    EXPECT_GE(entries.size(), 50u);
    std::set<int> numbers;
    std::set<std::pair<QString, QString>> kinds;
    for (const auto& e : entries) {
        EXPECT_TRUE(numbers.insert(e->Nummer).second) << e->Nummer;
        EXPECT_GE(e->Nummer, 1);
        EXPECT_LE(e->Nummer, 90);
        kinds.insert({e->Varldsdel, e->Typ});
        for (int language = 1; language <= 8; ++language)
            EXPECT_FALSE(e->Namn[language].isEmpty()) << e->Nummer << " language " << language;
    }
    for (const char* part : {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS", "*"})
        for (const char* kind : {"AREA", "ORT", "FLAGG", "MULTI"})
            EXPECT_TRUE(kinds.count({part, kind})) << part << " " << kind;
}

TEST_F(ShippedCatalogue, EveryMapExerciseCanBePlayedToOneHundredPercent) {
    for (const auto& e : Entries()) {
        if (e->Typ != "AREA" && e->Typ != "ORT")
            continue;
        SCOPED_TRACE(e->Namn[2].toStdString());
        auto karta = LoadShippedMap(e->Kartnummer, e->Ortfil);
        TestKartScreen screen;
        screen.bild.resize(1024, 700);
        e->Karta = karta.get();
        e->Starta(&screen);
        PlayMap(*e, screen, *karta);
        EXPECT_EQ(e->Procent, 100);
        EXPECT_GE(e->Svarat, 5) << "too short a game";
        e->Karta = nullptr;
    }
}

TEST_F(ShippedCatalogue, EveryFlagExerciseHasItsPicturesAndEnds) {
    for (const auto& e : Entries()) {
        if (e->Typ != "FLAGG")
            continue;
        SCOPED_TRACE(e->Namn[2].toStdString());
        ASSERT_LE(e->Kartnummer, 5); // the flag screen loads maps 1 to 5
        auto karta = LoadShippedMap(e->Kartnummer, e->Ortfil);
        for (int i = 1; i <= e->Antal; ++i) {
            const CArea* a = karta->Landareor->Hitta(e->Objekt(i));
            ASSERT_TRUE(a) << e->Objekt(i).toStdString();
            EXPECT_TRUE(QFileInfo::exists(ProgramFolder() + "/flags/" + a->Flaggfil))
                << a->Flaggfil.toStdString();
        }
        TestFlagScreen screen;
        e->Karta = karta.get();
        e->Starta(&screen);
        auto& flagga = dynamic_cast<COvningFlagga&>(*e);
        EXPECT_EQ(flagga.AntalFlaggor, std::min(e->Antal, 16));
        for (int answers = 0; answers < 16 && !screen.questions.last().isEmpty(); ++answers) {
            EXPECT_FALSE(flagga.FlaggNamn(flagga.FragaNr).isEmpty());
            ASSERT_TRUE(e->ArRatt({0, 0, flagga.FragaNr}));
            e->RattSvar();
            screen.VisaFraga(e->NastaFraga());
        }
        EXPECT_EQ(screen.questions.last(), "");
        EXPECT_EQ(e->Procent, 100);
        e->Karta = nullptr;
    }
}

TEST_F(ShippedCatalogue, EveryMultipleChoiceExerciseOffersFourDistinctAnswers) {
    for (const auto& e : Entries()) {
        if (e->Typ != "MULTI")
            continue;
        SCOPED_TRACE(e->Namn[2].toStdString());
        auto karta = LoadShippedMap(e->Kartnummer, e->Ortfil);
        TestMultiScreen screen;
        e->Karta = karta.get();
        e->Starta(&screen);
        auto& multi = dynamic_cast<COvningMulti&>(*e);
        const int questions = karta->Platser->Valda;
        EXPECT_GE(questions, 4);
        for (int q = 0; q < questions; ++q) {
            std::set<QString> shown(screen.texts.begin(), screen.texts.end());
            EXPECT_EQ(shown.size(), 4u) << screen.questions.last().toStdString();
            EXPECT_FALSE(shown.count(QString()));
            ASSERT_TRUE(e->ArRatt({0, 0, multi.RattPlats}));
            // The screen's timer ticks after the box has turned green.
            QTimer::singleShot(20, [&multi] { multi.Blinka(); });
            e->RattSvar();
            const QString text = e->NastaFraga();
            if (text.isEmpty())
                break;
            screen.VisaFraga(text);
        }
        EXPECT_EQ(e->NastaFraga(), "");
        EXPECT_EQ(e->Procent, 100);
        e->Karta = nullptr;
    }
}
