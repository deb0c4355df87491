// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "maps/Kartor.h"
#include "scores/ScoreFile.h"
#include "support/ShippedMaps.h"
#include "support/TestScreens.h"

#include <QDir>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

class ShippedCatalogue : public ShippedCatalogueTest {
protected:
    void SetUp() override {
        ShippedCatalogueTest::SetUp();
        LoadLanguageTexts();
    }
    // Runs fn for every entry of the kind with its map loaded and lent to it;
    // the player answers right every time, so each game ends at 100 %.
    template <class Fn> void EachOf(const QString& kind, Fn fn) {
        for (auto e = catalogue.Forsta; e; e = e->Nasta) {
            if (e->Typ != kind)
                continue;
            SCOPED_TRACE(e->Namn[2].toStdString());
            auto karta = LoadShippedMap(e->Kartnummer, e->Ortfil);
            e->Karta = karta.get();
            fn(*e, *karta);
            EXPECT_EQ(e->Procent, 100);
            e->Karta = nullptr;
        }
    }

    // A pixel of the area that no ring answers for.
    static QPoint FreePixel(const CKarta& k, const CArea& a) {
        for (int y = k.YKoord(a.Nord); y <= k.YKoord(a.Syd); ++y) {
            const float lat = k.LatVid(y);
            const auto [x0, x1] = std::minmax({k.XKoord(lat, a.Vast), k.XKoord(lat, a.Ost)});
            for (int x = x0; x <= x1; ++x)
                if (PunktIYta(lat, k.LonVid(y, x), a.Punkter, a.Antal) &&
                    !k.Ringar.Traff(QPoint(x, y), k.Pixelkvot()))
                    return {x, y};
        }
        return {k.XKoord(a.Fyllpunkt1.Lat, a.Fyllpunkt1.Lon), k.YKoord(a.Fyllpunkt1.Lat)};
    }

    // Plays a map game by clicking, through the picture as the map screen
    // converts it, the asked area's ring or seed, or the asked place.
    void PlayMap(COvning& e, CKarta& karta) {
        TestKartScreen screen;
        screen.bild.resize(1024, 700);
        e.Starta(&screen);
        auto* area = dynamic_cast<COvningLandArea*>(&e);
        for (int answers = 0; !e.Slut && answers < 1000; ++answers) {
            const CArea* asked = area ? karta.Landareor->Hitta(area->FragaNamn) : nullptr;
            const COrt* place = area ? nullptr : dynamic_cast<COvningOrt&>(e).Plats;
            ASSERT_TRUE(asked || place);
            const float lat = asked ? asked->Fyllpunkt1.Lat : place->Latitud;
            const float lon = asked ? asked->Fyllpunkt1.Lon : place->Longitud;
            QPoint p(karta.XKoord(lat, lon), karta.YKoord(lat));
            const auto& rings = karta.Ringar.Lista();
            const auto ring = std::find_if(rings.begin(), rings.end(), [&](const auto& r) {
                return asked && r.Area->Matchar(area->FragaNamn);
            });
            // A state the map rings (smaller than its pixel) is clicked on its
            // ring. A seed may lie within a small neighbour's ring (Maryland's
            // by Washington's): the player clicks the area where no ring is.
            if (ring != rings.end())
                p = ring->Mitt;
            else if (asked && karta.Ringar.Traff(p, karta.Pixelkvot()))
                p = FreePixel(karta, *asked);
            const TKlick k{karta.LatVid(p.y()), karta.LonVid(p.y(), p.x()), 0};
            ASSERT_TRUE(e.ArRatt(k)) << (asked ? asked->Nyckel : place->Namn[2]).toStdString()
                                     << " cannot be clicked where it is";
            screen.Svara(e, k);
        }
        EXPECT_TRUE(e.Slut);
        EXPECT_GE(e.Svarat, 5) << "too short a game";
    }
};

} // namespace

// Ninety exercises, every kind for every part; the menu lists a part's
// exercises in catalogue order: its countries, capitals, flags and multiple
// choice first, the close-up maps last.
TEST_F(ShippedCatalogue,
       NumbersFitTheScoreFileAndEachPartBeginsWithItsFourKindsAndEndsWithCloseUps) {
    std::set<int> numbers;
    std::map<QString, QStringList> kinds;
    std::map<QString, std::vector<int>> maps;
    for (auto e = catalogue.Forsta; e; e = e->Nasta) {
        EXPECT_TRUE(numbers.insert(e->Nummer).second && e->Nummer >= 1 &&
                    e->Nummer <= kScoreExercises)
            << e->Nummer;
        kinds[e->Varldsdel] << e->Typ;
        maps[e->Varldsdel].push_back(e->Kartnummer);
        for (int language = 1; language <= 8; ++language)
            EXPECT_FALSE(e->Namn[language].isEmpty()) << e->Nummer << " language " << language;
    }
    EXPECT_GE(numbers.size(), 90u);
    QStringList parts;
    for (const auto& [part, list] : kinds) {
        parts << part;
        EXPECT_EQ(list.mid(0, 4), (QStringList{"AREA", "ORT", "FLAGG", "MULTI"}))
            << part.toStdString();
        EXPECT_TRUE(std::ranges::is_sorted(maps[part], [](int a, int b) {
            return a <= 6 && b > 6;
        })) << part.toStdString();
    }
    EXPECT_EQ(parts, (QStringList{"*", "AFR", "ASI", "AUS", "EUR", "NOR", "SYD"}));
}

TEST_F(ShippedCatalogue, EveryMapExerciseCanBePlayedToOneHundredPercent) {
    EachOf("AREA", [this](COvning& e, CKarta& karta) { PlayMap(e, karta); });
    EachOf("ORT", [this](COvning& e, CKarta& karta) { PlayMap(e, karta); });
}

TEST_F(ShippedCatalogue, EveryFlagExerciseHasItsPicturesAndEnds) {
    EachOf("FLAGG", [](COvning& e, CKarta& karta) {
        ASSERT_TRUE(Kartinfo(e.Kartnummer).Flaggor); // the flag screen loads only these
        for (int i = 1; i <= e.Antal; ++i) {
            const CArea* a = karta.Landareor->Hitta(e.Objekt(i));
            ASSERT_TRUE(a) << e.Objekt(i).toStdString();
            EXPECT_TRUE(QFileInfo::exists(ProgramFolder() + "/flags/" + a->Flaggfil))
                << a->Flaggfil.toStdString();
        }
        TestFlagScreen screen;
        e.Starta(&screen);
        auto& flagga = dynamic_cast<COvningFlagga&>(e);
        for (int answers = 0; answers < 16 && !screen.questions.last().isEmpty(); ++answers) {
            EXPECT_FALSE(flagga.FlaggNamn(flagga.FragaNr).isEmpty());
            ASSERT_TRUE(e.ArRatt({0, 0, flagga.FragaNr}));
            e.RattSvar();
            screen.VisaFraga(e.NastaFraga());
        }
        EXPECT_EQ(screen.questions.last(), "");
    });
}

TEST_F(ShippedCatalogue, EveryMultipleChoiceExerciseOffersFourDistinctAnswers) {
    EachOf("MULTI", [](COvning& e, CKarta& karta) {
        TestMultiScreen screen;
        e.Starta(&screen);
        auto& multi = dynamic_cast<COvningMulti&>(e);
        EXPECT_GE(karta.Platser->Valda, 4);
        for (QString text = "first"; !text.isEmpty(); text = e.NastaFraga()) {
            const std::set<QString> shown(screen.texts.begin(), screen.texts.end());
            EXPECT_TRUE(shown.size() == 4 && !shown.count(QString())) << text.toStdString();
            ASSERT_TRUE(e.ArRatt({0, 0, multi.RattPlats}));
            // The screen's timer ticks after the box has turned green.
            QTimer::singleShot(20, [&multi] { multi.Blinka(); });
            e.RattSvar();
        }
        EXPECT_EQ(karta.Platser->Kvar, 0);
    });
}
