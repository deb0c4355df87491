// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped screen texts and exercise names, measured in every language
// with the program's fonts against the controls that show them: nothing may
// be cut, nor run into its neighbour.
#include "content/AssetPath.h"
#include "data/Language.h"
#include "exercises/Ovningar.h"
#include "maps/Areas.h"
#include "maps/Places.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/Projector.h"
#include "scores/Klassresultat.h"
#include "scores/Misstagsregister.h"
#include "scores/Tioitopp.h"
#include "scores/Topplista.h"
#include "screens/Genomgang.h"
#include "screens/OvningFlagga.h"
#include "screens/OvningKarta.h"
#include "screens/OvningMulti.h"
#include "screens/Utskriftsdialog.h"
#include "shell/About.h"
#include "shell/Huvudmeny.h"
#include "shell/KlassResultatSkarm.h"
#include "shell/MinaMisstag.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// The program's windows that both tests check, each made as the program
// makes it (the map screen apart: each test sets it out at its own size).
struct TFonster {
    explicit TFonster(TMisstagsregister& record) : mistakes(nullptr, record, 1) {}
    std::vector<std::pair<QWidget*, const char*>> Lista() {
        return {{&menu, "main menu"},
                {&flags, "flag screen"},
                {&multi, "multiple-choice screen"},
                {&topTen, "top-ten screen"},
                {&topList, "top list"},
                {&review, "review"},
                {&about, "About box"},
                {&mistakes, "My mistakes"}};
    }
    TfrmHuvudmeny menu;
    TfrmOvningFlagga flags;
    TfrmOvningMulti multi;
    TfrmTioitopp topTen;
    TfrmTopplista topList;
    TfrmGenomgang review{nullptr, TSpelLogg(), QString()};
    TfrmAbout about;
    TfrmMinaMisstag mistakes;
};

// Room a button keeps free on each side of its caption: its frame and a
// margin, so that a caption never touches the edge.
constexpr int kButtonSpace = 8;

int Width(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// Empty when a text needing `need` pixels fits into `room`.
QString Room(int need, int room) {
    return need <= room ? QString() : QStringLiteral("needs %1 of %2 px").arg(need).arg(room);
}

void ExpectFits(const QString& misfit, const QString& where) {
    EXPECT_TRUE(misfit.isEmpty()) << where.toStdString() << ": " << misfit.toStdString();
}

// The problems of one control showing its text, empty when it fits.
QString Misfit(const QWidget* w, const QString& text) {
    const QFontMetrics fm(w->font());
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && label->wordWrap()) {
        const QRect r = fm.boundingRect(QRect(0, 0, w->width(), 10000),
                                        Qt::TextWordWrap | int(label->alignment()), text);
        return Room(r.width(), w->width()) + Room(r.height(), w->height());
    }
    const bool button = qobject_cast<const QAbstractButton*>(w);
    return Room(fm.horizontalAdvance(text) + (button ? 2 * kButtonSpace : 0), w->width());
}

// An item of a closed list box, in the field left of its arrow.
QString ComboMisfit(const QComboBox* box, const QString& text) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    return Room(Width(box->font(), text), field.width());
}

// A line of a list: the text between the item's margins in the viewport,
// which a list that may scroll shares with its scroll bar.
QString ListMisfit(const QListWidget* list, const QString& text, bool scrolls = false) {
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int bar =
        scrolls ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) : 0;
    return Room(Width(list->font(), text), list->viewport()->width() - bar - 2 * margin);
}

class TextFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The program names Arial; this machine must give it Liberation Sans.
        ASSERT_EQ(QFontInfo(Arial(13)).family(), "Liberation Sans");
        LoadLanguageTextsFrom(AssetPath("lang.crp"));
        catalogue = std::make_unique<COvningar>();
        catalogue->LasOvningar(AssetPath("Ovning.crp"));
    }
    static void TearDownTestSuite() {
        catalogue.reset();
        LanguageIndex = 2;
    }

    // Every Tagged button and label of the window in every language, and
    // the window's own title where it has a Tag.
    void CheckWindow(QWidget* window, const char* name) {
        for (int l = 1; l <= kLanguageCount; ++l) {
            LanguageIndex = l;
            ApplyLanguageTexts(window);
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const int tag = Tag(w);
                if (tag != 0 && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)))
                    ExpectFits(
                        Misfit(w, LangText(tag)),
                        QStringLiteral("%1, language %2: %3").arg(name).arg(l).arg(LangText(tag)));
            }
            if (l == 1)
                ExpectUncovered(window, name);
            // A title bar leaves the title what its buttons do not take.
            if (const int tag = Tag(window))
                ExpectFits(Room(Width(Arial(13, true), LangText(tag)), window->width() - 120),
                           QStringLiteral("%1, language %2, title").arg(name).arg(l));
        }
    }

    // No button lies under a sibling made or raised after it, which is drawn
    // over it and takes its clicks (a shared edge aside).
    static void ExpectUncovered(QWidget* window, const char* name) {
        for (const QAbstractButton* w : window->findChildren<QAbstractButton*>()) {
            if (Tag(w) == 0 || w->isHidden() || !w->parentWidget())
                continue;
            const QObjectList& siblings = w->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
                const auto* over = qobject_cast<const QWidget*>(siblings[i]);
                const QRect both =
                    over && !over->isHidden() ? over->geometry() & w->geometry() : QRect();
                EXPECT_FALSE(both.width() > 1 && both.height() > 1)
                    << name << ": " << LangText(Tag(w)).toStdString() << " lies under a "
                    << over->metaObject()->className();
            }
        }
    }

    static inline std::unique_ptr<COvningar> catalogue;
};

} // namespace

TEST_F(TextFit, EveryCaptionFitsItsControlInEveryLanguage) {
    TestDir dir;
    TMisstagsregister record(dir.Path("m.sqlite"));
    TFonster fonster(record);
    auto& [menu, flags, multi, topTen, topList, review, about, mistakes] = fonster;
    TfrmOvningKarta map;
    // The map screen sets out its bar when a game has its size.
    map.resize(1024, 768);
    map.LaggUt();
    CheckWindow(&map, "map screen");
    for (auto [window, name] : fonster.Lista())
        CheckWindow(window, name);
    // Each credit line stays in the column of the texts above it, clear of the
    // dark band on the right.
    for (int l = 1; l <= kLanguageCount; ++l) {
        LanguageIndex = l;
        about.ApplyTexts();
        const QLabel* copyright = about.lblCopyright;
        EXPECT_LE(copyright->heightForWidth(copyright->width()), copyright->height())
            << "language " << l << ": " << copyright->text().toStdString();
        for (const QLabel* credit : about.lblSources)
            EXPECT_LE(credit->geometry().right(), about.lblCopyright->geometry().right())
                << "language " << l << ": " << credit->text().toStdString();
        for (int i = 0; i < about.cboProjector->count(); ++i)
            ExpectFits(ComboMisfit(about.cboProjector, about.cboProjector->itemText(i)),
                       about.cboProjector->itemText(i));
        // The parts of the world in their list.
        for (int n = 27; n <= 33; ++n) {
            ExpectFits(ListMisfit(menu.lstParts, LanguageTexts(l, n)), LanguageTexts(l, n));
            ExpectFits(ListMisfit(mistakes.lstParts, LanguageTexts(l, n)), LanguageTexts(l, n));
        }
        // My mistakes: the kinds of exercise in their list, the table's headings
        // in their columns.
        for (int n = TextNo::FirstKind; n < TextNo::NothingMissedYet; ++n)
            ExpectFits(ListMisfit(mistakes.lstTyper, LanguageTexts(l, n)), LanguageTexts(l, n));
        const QTableWidget* table = mistakes.grdMissade;
        for (auto [column, n] : {std::pair{1, TextNo::TimesAsked}, {2, TextNo::RightFirstTime}})
            ExpectFits(Room(Width(table->horizontalHeader()->font(), LanguageTexts(l, n)),
                            table->columnWidth(column) - 2 * 3),
                       LanguageTexts(l, n));
        // Today's review on its two lines, with a three-digit count.
        for (int n : {TextNo::ReviewDue, TextNo::NothingDue, TextNo::NothingPlayedYet}) {
            const QString text = LanguageTexts(l, n).replace("%1", "888");
            ExpectFits(Misfit(menu.lblRepetera, text), text);
        }
        // Explore's line is centred in the question bar and clears the help
        // and close buttons at its right end; the questions that name nothing
        // also clear the clock and the buttons at its left end.
        const int right = 2 * (map.cmdHjalp->width() + map.cmdAvsluta->width() + 4);
        const int left = 2 * (map.cmdGenomgang->geometry().right() + 4);
        for (auto [n, room] : {std::pair{TextNo::ExploreQuestion, right},
                               {TextNo::TypeTheArea, left},
                               {TextNo::TypeThePlace, left},
                               {TextNo::WhichAreaIsMarked, left},
                               {TextNo::ClickTheCapital, left}}) {
            const QString question = LanguageTexts(l, n);
            ExpectFits(Room(Width(map.lblFraga->font(), question), map.lblFraga->width() - room),
                       question);
        }
        // The ways of answering in the list beside Start, clear of its arrow.
        const int arrow = menu.cboSvarssatt->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (int n : {TextNo::AnswerByClicking, TextNo::AnswerByTyping, TextNo::AnswerByChoosing,
                      TextNo::CapitalsFromTheMap})
            ExpectFits(Room(Width(menu.cboSvarssatt->font(), LanguageTexts(l, n)) + arrow +
                                2 * kButtonSpace,
                            menu.cboSvarssatt->width()),
                       LanguageTexts(l, n));
    }
}

TEST_F(TextFit, EveryExerciseNameFitsTheListTheTopTenAndTheTopList) {
    TfrmHuvudmeny menu;
    TfrmTioitopp topTen;
    TfrmTopplista topList;
    topList.LoadScores(AssetPath("no-such-scores.hgh"), {{1, "x"}});
    const int column = topList.grdLista->columnWidth(1) - 2 * 3;
    for (auto e = catalogue->Forsta; e; e = e->Nasta)
        for (int l = 1; l <= kLanguageCount; ++l) {
            const QString& name = e->Namn[l];
            ExpectFits(ListMisfit(menu.cboOvningar, name), "list: " + name);
            ExpectFits(Misfit(topTen.lblOvningsNamn, name), "top ten: " + name);
            ExpectFits(Room(Width(topList.grdLista->font(), name), column), "top list: " + name);
        }
}

TEST_F(TextFit, QuestionsFitTheirScreensWithEveryNameTheyAsk) {
    COrter places;
    places.LasOrter(AssetPath("Ort1.crp"));

    TfrmOvningFlagga flags;
    flags.lblProcent->setText(QStringLiteral("100 %"));
    // The question ends where the widest percentage begins, a few pixels before.
    const int flagRoom =
        flags.lblProcent->x() +
        (flags.lblProcent->width() - Width(flags.lblProcent->font(), "100 %")) / 2 - 4 -
        flags.lblFraga->x();
    TfrmOvningMulti multi;

    for (auto e = catalogue->Forsta; e; e = e->Nasta) {
        if (e->Typ != QLatin1String("FLAGG") && e->Typ != QLatin1String("MULTI"))
            continue;
        CAreor map;
        map.LasAreor(AssetPath(QStringLiteral("AREA%1.crp").arg(e->Kartnummer)));
        for (int l = 1; l <= kLanguageCount; ++l) {
            LanguageIndex = l;
            for (int i = 1; i <= e->Antal; ++i) {
                const CArea* area = map.Hitta(e->Objekt(i));
                if (!area)
                    continue;
                if (e->Typ == QLatin1String("FLAGG")) {
                    const QString q = flags.FragaFor(*area);
                    ExpectFits(Room(Width(flags.lblFraga->font(), q), flagRoom), q);
                } else {
                    const QString q = LangText(13) + ' ' + area->Namn[l] + ' ' + LangText(14);
                    ExpectFits(Misfit(multi.Label1, q), q);
                }
            }
            if (e->Typ != QLatin1String("MULTI"))
                continue;
            for (const COrt* o = places.Forsta.get(); o; o = o->Nasta.get()) {
                if (o->Niva > e->Niva || (e->KravPlats1 && !o->Klass1))
                    continue;
                const QString q = o->Namn[l] + ' ' + LangText(10);
                ExpectFits(Misfit(multi.Label1, q), q);
            }
        }
    }
}

// In projector mode every screen fits a screen of 1280 × 720 and one of
// 1920 × 1080, a window larger than the screen scrolling its page, and the
// map screen's question fits its bar with every name it asks. ctest runs
// this binary also at Qt's scale factors 1.5 and 2, as the program sets
// them, so the tests above measure the texts at those sizes too.
TEST_F(TextFit, EveryScreenFitsTheScreenInProjectorMode) {
    const qreal scale = qApp->devicePixelRatio();
    if (scale == 1.0)
        GTEST_SKIP() << "the normal size; ctest runs this at the projector sizes";
    std::shared_ptr<COvning> karta;
    for (auto e = catalogue->Forsta; e && !karta; e = e->Nasta)
        if (e->Typ == QLatin1String("AREA"))
            karta = e;
    ASSERT_TRUE(karta);
    TestDir dir;
    TMisstagsregister record(dir.Path("m.sqlite"));
    for (const QSize screen : {QSize(1280, 720), QSize(1920, 1080)}) {
        const QSize room = Projector::Room(screen / scale, Projector::AssumedFrame(scale));
        const std::string at = QStringLiteral("%1 x %2 at %3: ")
                                   .arg(screen.width())
                                   .arg(screen.height())
                                   .arg(scale)
                                   .toStdString();
        TFonster fonster(record);
        TfrmGenomgang& review = fonster.review;
        TfrmUtskrift print(nullptr, karta, std::nullopt);
        TfrmKlassresultat klass(nullptr, CKlassresultat(), "AFR", "AREA", {});
        auto fonstren = fonster.Lista();
        fonstren.insert(fonstren.end(), {{&print, "print dialog"}, {&klass, "class results"}});
        for (auto [window, name] : fonstren) {
            const QSize design = window->size();
            EXPECT_TRUE(Projector::Fit(window, room)) << at << name;
            EXPECT_LE(window->width(), room.width()) << at << name;
            EXPECT_LE(window->height(), room.height()) << at << name;
            // What does not show scrolls into view: the page keeps the design.
            if (const QWidget* page = Projector::Page(window)) {
                EXPECT_EQ(page->size(), design) << at << name;
            }
        }
        // The review folds and unfolds on the map screen: the page follows,
        // for a hidden window as it is shown again.
        review.Falla(true);
        Projector::Fit(&review, room);
        const QSize folded = review.size();
        review.Falla(false);
        Projector::Fit(&review, room);
        if (const QWidget* page = Projector::Page(&review)) {
            EXPECT_GT(page->height(), folded.height()) << at << "review unfolded";
        }
        EXPECT_LE(review.height(), room.height()) << at << "review unfolded";

        TfrmOvningKarta map;
        map.resize(room);
        map.LaggUt();
        const QRect fraga = map.Fragerum();
        EXPECT_LT(map.cmdGenomgang->geometry().right(), map.cmdStarta->x()) << at << "map bar";
        EXPECT_LE(map.panSkriv->width(), map.imgKarta->width()) << at << "typing panel";
        for (auto e = catalogue->Forsta; e; e = e->Nasta) {
            const bool areas = e->Typ == QLatin1String("AREA");
            if (!areas && e->Typ != QLatin1String("ORT"))
                continue;
            CAreor areor;
            COrter orter;
            if (areas)
                areor.LasAreor(AssetPath(QStringLiteral("AREA%1.crp").arg(e->Kartnummer)));
            else
                orter.LasOrter(AssetPath(QStringLiteral("Ort%1.crp").arg(e->Ortfil)));
            for (int l = 1; l <= kLanguageCount; ++l) {
                QStringList names;
                for (int i = 1; areas && i <= e->Antal; ++i)
                    if (const CArea* area = areor.Hitta(e->Objekt(i)))
                        names << area->Namn[l];
                for (const COrt* o = orter.Forsta.get(); o; o = o->Nasta.get())
                    if (o->Niva <= e->Niva && (!e->KravPlats1 || o->Klass1))
                        names << o->Namn[l];
                for (const QString& name : names) {
                    const QString q = LanguageTexts(l, TextNo::ClickOn) + ' ' + name;
                    ExpectFits(Room(Width(map.lblFraga->font(), q), fraga.width()),
                               QString::fromStdString(at) + q);
                }
            }
        }
    }
}
