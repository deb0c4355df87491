// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Huvudmeny.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/OvningBlandad.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"
#include "platform/Audio.h"
#include "platform/Image.h"
#include "platform/SettingsStore.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"
#include "scores/Spelare.h"
#include "shell/Spelarval.h"
#include "support/CatalogueFiles.h"
#include "support/OwnSettings.h"
#include "support/Tables.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QRgb kSea = qRgb(0, 0, 128), kLand = qRgb(0, 128, 0), kLime = qRgb(0, 255, 0);

// Seven aligned pictures: sea, one land pixel per continent at (20 + n, 20),
// a black pixel at (50, 50) that every picture shares, and at (60, 50) one
// that South America, Africa and the whole world share.
QImage World(int part) {
    QImage image(396, 155, QImage::Format_RGB32);
    image.fill(kSea);
    for (int n = 1; n <= 6; ++n)
        image.setPixel(20 + n, 20, part == n || part == 7 ? kLime : kLand);
    image.setPixel(50, 50, qRgb(0, 0, 0));
    image.setPixel(60, 50, part == 3 || part == 5 || part == 7 ? kLime : kLand);
    return image;
}

class MenuTest : public OwnSettingsTest {
protected:
    void SetUp() override {
        OwnSettingsTest::SetUp();
        TByteWriter w;
        TCatalogueRecord europe = Entry("AREA", "");
        europe.Namn = {"Europa", "Europe countries", "", "", "", "", "", ""};
        europe.Write(w);
        Entry("AREA", "World", 2, {}, "*").Write(w);
        Entry("AREA", "Asia", 3, {}, "ASI").Write(w);
        w.SaveTo(dir.Path("Ovning.crp"));
    }
    void TearDown() override {
        OwnSettingsTest::TearDown();
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        LanguageIndex = 2;
    }

    // The menu as the program makes it, then shown on the test's catalogue;
    // unless told otherwise it records each start and opens a window for it.
    std::unique_ptr<TfrmHuvudmeny> Menu(TSkarmStartare startare = nullptr) {
        if (!startare)
            startare = [this](const std::shared_ptr<COvning>& e, QWidget* owner,
                              const TSkarmLagrare& lagra) {
                starts.emplace_back(e, e->Ovningsobjekt);
                lagra(new QWidget(owner, Qt::Window));
            };
        auto menu = std::make_unique<TfrmHuvudmeny>(nullptr, std::move(startare), &audio);
        for (int n = 1; n <= 7; ++n)
            menu->SetVarldsbild(n, World(n));
        QDir::setCurrent(dir.Path(""));
        boxes.clear();
        menu->FormShow();
        return menu;
    }

    TAudio audio;
    std::vector<std::pair<std::shared_ptr<COvning>, QStringList>> starts; // entry, items asked
};

} // namespace

TEST_F(MenuTest, StoredSettingsAreOnOnlyForOneAndALanguageOutsideTheTableIsReplacedOr42Closes) {
    auto menu = Menu();
    EXPECT_EQ(std::tuple(audio.MusicOn(), audio.SoundsOn(), ShowTimer, LanguageIndex, boxes.size()),
              std::tuple(true, true, true, 2, 0)); // an empty store: everything on, English
    EXPECT_EQ(Lines(menu->cboOvningar), QStringList{"Europe countries"});
    EXPECT_EQ(menu->lstParts->currentRow(), -1); // part 1 is in effect, no line shown
    // A text counts as missing.
    for (auto [key, value] : {std::pair{"Options/Music", "0"},
                              {"Options/Sounds", "2"},
                              {"Options/Timer", "on"},
                              {"Languages/From", "x"}})
        Store(key, value);
    menu = Menu();
    EXPECT_EQ(std::tuple(audio.MusicOn(), audio.SoundsOn(), ShowTimer, LanguageIndex),
              std::tuple(false, false, true, 2));

    // Outside the table: said once, English stored in its place, and the menu works.
    for (const char* bad : {"9", "0", "-3"}) {
        Store("Languages/From", bad);
        menu = Menu();
        EXPECT_EQ(boxes.size(), 1) << bad;
        EXPECT_EQ(std::pair(LanguageIndex, Stored("Languages/From")), std::pair(2, QString("2")));
        EXPECT_EQ(Lines(menu->cboOvningar), QStringList{"Europe countries"});
        menu = Menu();
        EXPECT_TRUE(boxes.isEmpty());
    }

    // Language 42 closes the menu silently and stays stored.
    Store("Languages/From", "42");
    menu = Menu();
    menu->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(menu->isVisible(), boxes.size(), menu->cboOvningar->count()),
              std::tuple(false, 0, 0));
    EXPECT_EQ(Stored("Languages/From"), "42");
}

TEST_F(MenuTest, PressesOnTheWorldMapSelectParts) {
    auto menu = Menu();
    auto press = [&](int px, int py) {
        menu->imgMapMouseDown(px + menu->MapOffsetX, py + menu->MapOffsetY);
    };
    press(5, 5); // the sea: the whole world
    EXPECT_EQ(std::pair(menu->VarldsdelNr, menu->lstParts->currentRow()), std::pair(7, 6));
    EXPECT_EQ(Lines(menu->cboOvningar), QStringList{"World2"});
    press(24, 20); // Asia's land
    EXPECT_EQ(menu->VarldsdelNr, 4);
    EXPECT_EQ(Lines(menu->cboOvningar), QStringList{"Asia2"});
    // A pixel alike in every picture matches each continent in turn; Oceania stays.
    press(50, 50);
    EXPECT_EQ(std::pair(menu->VarldsdelNr, menu->lstParts->currentRow()), std::pair(6, 5));
    EXPECT_EQ(menu->imgMap->Picture().pixel(26 + menu->MapOffsetX, 20 + menu->MapOffsetY), kLime);
    press(60, 50); // South America is tested after Africa
    EXPECT_EQ(menu->VarldsdelNr, 3);

    // The instruction slides away only after a part other than Europe.
    menu = Menu();
    menu->SattVarldsdel(1);
    EXPECT_FALSE(menu->tmrInstruktion->isActive());
    menu->SattVarldsdel(4);
    EXPECT_TRUE(menu->tmrInstruktion->isActive());
    const int top = menu->lblInstruktion->y();
    int ticks = 0; // the 16th step passes the list's top
    for (; menu->tmrInstruktion->isActive() && ticks < 20; ++ticks)
        menu->tmrInstruktionTimer();
    EXPECT_EQ(std::pair(ticks, menu->lblInstruktion->y()), std::pair(16, top + 32));
}

TEST_F(MenuTest, TheScreenIsKnownBeforeItsStartAndAStartDuringAStartIsIgnored) {
    int started = 0;
    QWidget* knownDuringStart = nullptr;
    std::unique_ptr<TfrmHuvudmeny> menu;
    menu = Menu([&](const std::shared_ptr<COvning>&, QWidget* owner, const TSkarmLagrare& lagra) {
        ++started;
        lagra(new QWidget(owner, Qt::Window));
        knownDuringStart = menu->OppenSkarm(0);
        menu->StartaOvning(); // a second Start queued while the first lets events run
    });
    menu->cboOvningar->setCurrentRow(0);
    menu->StartaOvning();
    EXPECT_EQ(started, 1);
    ASSERT_NE(knownDuringStart, nullptr);
    EXPECT_EQ(menu->OppenSkarm(0), knownDuringStart);
    const auto children = menu->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(std::ranges::count_if(children, &QWidget::isWindow), 1);

    // The next start, once this one is done, goes ahead; activating the menu
    // releases the open screen.
    menu->StartaOvning();
    EXPECT_EQ(started, 2);
    QPointer<QWidget> open = menu->OppenSkarm(0);
    menu->show();
    menu->activateWindow();
    QApplication::setActiveWindow(menu.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(menu->OppenSkarm(0), nullptr);
}

TEST_F(MenuTest, AChangeOfLanguageRedrawsTheMenuWhileAnOpenExerciseKeepsItsEntry) {
    auto menu = Menu();
    menu->cboOvningar->setCurrentRow(0);
    menu->StartaOvning();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].first->Typ, "AREA");
    ASSERT_TRUE(menu->OppenSkarm(0));
    std::weak_ptr<COvning> watch = starts[0].first;

    LanguageIndex = 1;
    Store("Languages/From", "1");
    menu->FormShow();
    EXPECT_EQ(std::tuple(LanguageIndex, Lines(menu->cboOvningar), menu->cmdStarta->text()),
              std::tuple(1, QStringList{"Europa"}, LanguageTexts(1, 1)));
    EXPECT_FALSE(watch.expired()); // the old catalogue is gone, the entry in play is not
    EXPECT_NE(menu->Ovningar()->Forsta, starts[0].first);

    // The menu shows Europe again after a change made on another part.
    menu->SattVarldsdel(4);
    menu->FormShow();
    EXPECT_EQ(std::pair(menu->VarldsdelNr, Lines(menu->cboOvningar)),
              std::pair(1, QStringList{"Europa"}));
}

TEST_F(MenuTest, EnterOrStartOnASelectedExerciseStartsItAndWithNoSelectionOnlyStartAsksForOne) {
    auto menu = Menu();
    menu->show();
    QTest::keyClick(menu->cboOvningar, Qt::Key_Return); // no selection: no start, no question
    menu->StartaOvning();
    EXPECT_EQ(std::pair(starts.size(), boxes),
              std::pair(size_t(0), QStringList{"Choose an exercise"}));
    EXPECT_TRUE(menu->isVisible());
    menu->cboOvningar->setCurrentRow(0);
    QTest::keyClick(menu->cboOvningar, Qt::Key_Return);
    QTest::keyClick(menu->cboOvningar, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(starts.size(), 2u);
}

TEST_F(MenuTest, APracticeGameAsksTheGivenItemsAndTheNextStartFromTheListTheWholeExercise) {
    auto menu = Menu();
    menu->StartaOvningsspel(1, {"SI", "SK"});
    menu->StartaOvningsspel(42, {"SI"}); // no such exercise: nothing starts
    menu->cboOvningar->setCurrentRow(0);
    menu->StartaOvning();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(
        std::tuple(starts[0].first, starts[0].second, starts[1].first->Nummer, starts[1].second),
        std::tuple(starts[1].first, QStringList{"SI", "SK"}, 1, QStringList{}));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join("|").toStdString();
}

TEST_F(MenuTest, PrintIsOfferedForTheMapExercisesOnly) {
    TByteWriter w;
    for (auto [typ, name, nr] : {std::tuple{"AREA", "Countries", 1},
                                 {"ORT", "Cities", 2},
                                 {"FLAGG", "Flags", 3},
                                 {"MULTI", "Quiz", 4}})
        Entry(typ, name, nr).Write(w);
    w.SaveTo(dir.Path("Ovning.crp"));
    auto menu = Menu();
    std::vector<std::pair<QString, bool>> offered;
    for (int row = 0; row < menu->cboOvningar->count(); ++row) {
        menu->cboOvningar->setCurrentRow(row);
        offered.emplace_back(menu->cboOvningar->currentItem()->text(),
                             menu->cmdSkrivUt->isEnabled());
    }
    EXPECT_EQ(offered,
              (std::vector<std::pair<QString, bool>>{
                  {"Countries2", true}, {"Cities2", true}, {"Flags2", false}, {"Quiz2", false}}));
}

// The clock of the review schedule, moved for as long as it lives.
class TIdag {
public:
    explicit TIdag(int dagar) {
        qputenv("GLOBINA_TODAY",
                QDate::currentDate().addDays(dagar).toString(Qt::ISODate).toLatin1());
    }
    ~TIdag() { qunsetenv("GLOBINA_TODAY"); }
};

TEST_F(MenuTest, TodaysReviewStartsAPartThenPlaysWhatIsDueWithConfusionsBackToBack) {
    auto menu = Menu();
    // Nothing played: the button offers the chosen part's first exercise, whole.
    ASSERT_TRUE(menu->cmdRepetera->isEnabled());
    menu->cmdRepetera->click();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(std::tuple(starts[0].first->Nummer, starts[0].second, starts[0].first->Repetition),
              std::tuple(1, QStringList{}, false));

    // SI failed (taken for SK), NO hard, SK right at once.
    const auto fraga = [](const char* item, int tries, QStringList given = {}) {
        return TFragaLogg{item, item, tries, given, given};
    };
    ASSERT_TRUE(Misstagsregister().Spara(
        {1, "AREA", "", false, {fraga("SI", 3, {"SK", "SK"}), fraga("NO", 2), fraga("SK", 1)}}));
    for (auto [dagar, text] : {std::pair{0, "Nothing due: come back tomorrow"},
                               {1, "Review: 2 due"},
                               {2, "Review: 3 due"}}) {
        TIdag idag(dagar);
        menu->VisaRepetition();
        EXPECT_EQ(std::pair(menu->lblRepetera->text(), menu->cmdRepetera->isEnabled()),
                  std::pair(QString(text), dagar > 0))
            << dagar;
    }
    // Most overdue first, but SK comes straight after SI, which it was taken for.
    TIdag idag(2);
    menu->cmdRepetera->click();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(std::tuple(starts[1].first->Nummer, starts[1].second, starts[1].first->Repetition),
              std::tuple(1, QStringList{"SI", "SK", "NO"}, true));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join("|").toStdString();
}

TEST_F(MenuTest, TodaysReviewPlaysTheAreasAndThePlacesOfAMapAsOneGame) {
    TByteWriter w;
    Entry("AREA", "Countries", 1, {"SI", "SK"}).Write(w);
    Entry("ORT", "Capitals", 2, {"SI", "SK"}).Write(w);
    w.SaveTo(dir.Path("Ovning.crp"));
    auto menu = Menu();
    const auto missad = [](const char* item, const char* given) {
        return TFragaLogg{item, item, 3, {given}, {given}};
    };
    {
        TIdag igar(-1); // SI is the more overdue
        ASSERT_TRUE(Misstagsregister().Spara({1, "AREA", "EUR", false, {missad("SI", "SK")}}));
    }
    ASSERT_TRUE(
        Misstagsregister().Spara({2, "ORT", "EUR", false, {missad("Ljubljana", "Bratislava")}}));
    TIdag idag(2);
    menu->VisaRepetition();
    menu->cmdRepetera->click();
    ASSERT_EQ(starts.size(), 1u);
    const auto* spel = dynamic_cast<const COvningBlandad*>(starts[0].first.get());
    ASSERT_NE(spel, nullptr);
    // (The items of the test before, where one process runs both, come after.)
    EXPECT_EQ(std::tuple(spel->Areor().Nummer, spel->Orter().Nummer, starts[0].second.mid(0, 4),
                         spel->Repetition),
              std::tuple(1, 2, QStringList{"SI", "SK", "Ljubljana", "Bratislava"}, true));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join("|").toStdString();
}

TEST_F(MenuTest, TheWayOfAnsweringIsChosenAmongTheWaysTheExerciseOffersAndKept) {
    TByteWriter w;
    // Cities is a capitals exercise on the same map, asking for two of the
    // countries: Countries can be played as capitals from the map, Islands not.
    for (auto [typ, name, nr, objekt] :
         {std::tuple{"AREA", "Countries", 1, QStringList{"SE", "NO", "FI"}},
          {"ORT", "Cities", 2, QStringList{"SE", "NO"}},
          {"FLAGG", "Flags", 3, QStringList{"SE"}},
          {"AREA", "Islands", 4, QStringList{"IS", "SE"}}})
        Entry(typ, name, nr, objekt).Write(w);
    w.SaveTo(dir.Path("Ovning.crp"));
    const auto offered = [](TfrmHuvudmeny& menu, int row) {
        menu.cboOvningar->setCurrentRow(row);
        QList<int> ways;
        for (int i = 0; i < menu.cboSvarssatt->count(); ++i)
            ways << menu.cboSvarssatt->itemData(i).toInt();
        return std::pair(ways, menu.cboSvarssatt->isEnabled());
    };
    const auto choose = [](TfrmHuvudmeny& menu, int row, int satt) {
        menu.cboOvningar->setCurrentRow(row);
        const int i = menu.cboSvarssatt->findData(satt);
        menu.cboSvarssatt->setCurrentIndex(i);
        emit menu.cboSvarssatt->activated(i);
    };
    {
        auto menu = Menu();
        EXPECT_EQ(offered(*menu, 0), std::pair(QList<int>{0, 1, 2, 3}, true));
        EXPECT_EQ(offered(*menu, 1), std::pair(QList<int>{0, 1}, true));
        EXPECT_EQ(offered(*menu, 2), std::pair(QList<int>{0}, false)); // flags: nothing to choose
        EXPECT_EQ(offered(*menu, 3), std::pair(QList<int>{0, 1, 2}, true));
        EXPECT_EQ(menu->cboSvarssatt->currentIndex(), 0); // by clicking unless chosen
        choose(*menu, 0, 3);
        choose(*menu, 1, 1);
    }
    // A way kept that the exercise no longer offers plays by clicking.
    TSettingsStore().WriteText(TSetting{Setting::kAnsweringGroup, "4"}, "3");
    auto menu = Menu(); // read back from the settings
    const int capitals = offered(*menu, 0).first.indexOf(3);
    EXPECT_EQ(menu->cboSvarssatt->currentIndex(), capitals);
    for (int row : {0, 1, 2, 3}) {
        menu->cboOvningar->setCurrentRow(row);
        menu->StartaOvning();
    }
    ASSERT_EQ(starts.size(), 4u);
    EXPECT_EQ(std::tuple(starts[0].first->Svarssatt, starts[1].first->Svarssatt,
                         starts[2].first->Svarssatt, starts[3].first->Svarssatt),
              std::tuple(TSvarssatt::Huvudstad, TSvarssatt::Skriva, TSvarssatt::Klicka,
                         TSvarssatt::Klicka));
    // The capitals are those of Cities: its place file, level and items.
    const THuvudstader& h = starts[0].first->Huvudstader;
    EXPECT_EQ(std::tuple(h.Ovning, h.Ortfil, h.Niva, h.Objekt),
              std::tuple(2, 1, 2, QStringList{"SE", "NO"}));
}

// The player choice above the logo: the desktop user first, as before
// players had names; a player added by name gets a record and a review of
// their own, and choosing the desktop user again finds the old record as it was.
TEST_F(MenuTest, APlayerAddedByNameGetsARecordAndAReviewOfTheirOwn) {
    const TSpelare standard = AktuellSpelare();
    ASSERT_TRUE(standard.Standard());
    auto menu = Menu();
    TSpelarval& val = *menu->cboSpelare;
    EXPECT_EQ(val.itemText(val.currentIndex()), SpelarNamn());
    EXPECT_EQ(val.itemText(val.count() - 1), QString("New player\u2026"));
    const QDate imorgon = QDate::currentDate().addDays(1);
    const int standardDue = Misstagsregister().AntalForfallna(imorgon);

    // Cancelled, nothing changes; named, the new player is playing.
    std::optional<QString> svar;
    const auto gammal = TSpelarval::SetNamnfragare([&svar](QWidget*) { return svar; });
    emit val.activated(val.count() - 1);
    EXPECT_EQ(AktuellSpelare().Fil, standard.Fil);
    EXPECT_EQ(val.currentIndex(), 0);
    svar = QStringLiteral("  Zoë \"7B\"/Ньюка ");
    emit val.activated(val.count() - 1);
    TSpelarval::SetNamnfragare(gammal);
    EXPECT_EQ(AktuellSpelare().Namn, QStringLiteral("Zoë \"7B\"/Ньюка"));
    EXPECT_EQ(val.itemText(val.currentIndex()), QStringLiteral("Zoë \"7B\"/Ньюка"));
    EXPECT_EQ(menu->lblRepetera->text(), "Nothing played yet: start here");

    // Her game is hers alone.
    const auto fraga = [](const char* item, int tries) {
        return TFragaLogg{item, item, tries, {}, {}};
    };
    ASSERT_TRUE(Misstagsregister().Spara({1, "AREA", "", false, {fraga("SI", 3), fraga("SK", 2)}}));
    TIdag idag(1);
    menu->VisaRepetition();
    EXPECT_EQ(menu->lblRepetera->text(), "Review: 2 due");
    menu->cmdRepetera->click();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].second, (QStringList{"SI", "SK"}));

    // Back to the desktop user: the old record, untouched by her game.
    val.Valj(0);
    EXPECT_EQ(AktuellSpelare().Fil, standard.Fil);
    EXPECT_EQ(Misstagsregister().AntalForfallna(imorgon), standardDue);
    // A new menu (the next start of the program) lists her after the desktop user.
    auto next = Menu();
    EXPECT_EQ(next->cboSpelare->itemText(1), QStringLiteral("Zoë \"7B\"/Ньюка"));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join("|").toStdString();
}
