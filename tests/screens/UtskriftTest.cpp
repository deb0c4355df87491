// SPDX-License-Identifier: GPL-3.0-or-later
// The printed exercise read back as a reader of PDF files sees it: the text
// of each page, the pages, the paper and the pictures in it.
#include "screens/Utskrift.h"
#include "data/Errors.h"
#include "data/Language.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "platform/Shell.h"
#include "screens/Utskriftsdialog.h"
#include "support/BoxRecorder.h"
#include "support/MapFiles.h"
#include "support/TestFiles.h"
#include "support/TestScreens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(20000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": "
                               << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of one page, its words separated by single blanks.
QString Page(const QString& pdf, int page) {
    const QString text = Run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                                           "-layout", pdf, "-"});
    return text.simplified();
}

QString Info(const QString& pdf, const QString& field) {
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                QRegularExpression::MultilineOption);
    return re.match(Run("pdfinfo", {pdf})).captured(1).trimmed();
}

// The pictures in the PDF: one line each after pdfimages' two heading lines.
int Pictures(const QString& pdf) {
    return static_cast<int>(Run("pdfimages", {"-list", pdf}).trimmed().split('\n').size()) - 2;
}

TAreaRecord Named(TAreaRecord a, const QString& name) {
    for (int l = 0; l < 8; ++l)
        a.Namn[l] = name + QString::number(l + 1);
    return a;
}

class Utskrift : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        old = QDir::currentPath();
        QDir::setCurrent(dir.Path(""));
        for (auto [n, text] : {std::pair{TextNo::PrintName, "Nom :"},
                               {TextNo::PrintDate, "Date :"},
                               {TextNo::AnswerKey, "Corrigé"}})
            LanguageTexts(3, n) = text;
        // Two countries side by side, a state too small to see at the view,
        // a lake and a capital in the first.
        dir.Write("AREA4.crp", FileOf({Named(Box("AAA", 0, 0, 10, 10), "Alpha"),
                                       Named(Box("BBB", 0, 10, 10, 20), "Beta"),
                                       Named(Box("TIN", 5, 21, 5.02, 21.02), "Tiny"),
                                       Named(Box("CCC", 0, 22, 10, 30), "Gamma")}));
        dir.Write("Hav4.crp", FileOf<TSeaPointRecord>({{11, 5}}));
        dir.Write("Vatten.crp", FileOf({Box("LAKE", 4, 24, 6, 26)}));
        TPlaceRecord a = Place("Acity", 1, "AAA", 5, 5), b = Place("Bcity", 1, "BBB", 5, 15);
        a.Namn = {"Astad", "Acity", "Aville"}, b.Namn = {"Bstad", "Bcity", "Bville"};
        a.Klass1 = b.Klass1 = true;
        dir.Write("Ort4.crp", FileOf({a, b}));
    }
    void TearDown() override {
        QDir::setCurrent(old);
        EngineTest::TearDown();
    }

    template <class Kind> std::shared_ptr<Kind> Exercise(const QStringList& items) {
        auto ex = std::make_shared<Kind>();
        ex->Nummer = 7, ex->Kartnummer = 4, ex->Ortfil = 4, ex->Niva = 1;
        for (int l = 1; l <= 8; ++l)
            ex->Namn[l] = QStringLiteral("Exercise%1").arg(l);
        ex->VyNord = 12, ex->VySyd = -2, ex->VyMitt = 15;
        SetItems(*ex, items);
        return ex;
    }

    QString old;
};

} // namespace

TEST_F(Utskrift, EachVariantGivesItsPagesWithTheNamesWhereTheyBelong) {
    // The item that names no area of the map is never asked, so never printed.
    const auto ex = Exercise<COvningLandArea>({"AAA", "BBB", "TIN", "NONE"});
    struct Case {
        bool namnkarta, namnlista;
        int pages;
        bool namesForThePupil; // page 1
    };
    for (const Case c : {Case{false, false, 2, false},
                         {true, false, 3, false},
                         {false, true, 2, true},
                         {true, true, 3, true}}) {
        SCOPED_TRACE(testing::Message() << "key " << c.namnkarta << ", names " << c.namnlista);
        TUtskriftsval val;
        val.Sprak = 3, val.Namnkarta = c.namnkarta, val.Namnlista = c.namnlista;
        const QString pdf = dir.Path("out.pdf");
        ASSERT_EQ(SkrivUt(*ex, val, pdf), c.pages);
        EXPECT_EQ(Info(pdf, "Pages").toInt(), c.pages);
        EXPECT_EQ(Pictures(pdf), 0);

        const QString pupil = Page(pdf, 1);
        EXPECT_TRUE(pupil.startsWith("Exercise3 Nom : Date :")) << pupil.toStdString();
        for (const char* name : {"Alpha3", "Beta3", "Tiny3"})
            EXPECT_EQ(pupil.contains(name), c.namesForThePupil) << name;
        EXPECT_FALSE(pupil.contains("Gamma3")); // not asked
        EXPECT_FALSE(pupil.contains("NONE"));

        // The key pairs each number with its name: three items, 1 to 3.
        const QString key = Page(pdf, 2);
        EXPECT_TRUE(key.startsWith("Corrigé – Exercise3")) << key.toStdString();
        QStringList pairs;
        for (const auto& m : QRegularExpression("\\b([1-9]) (\\w+3)\\b").globalMatch(key))
            pairs << m.captured(1) + "=" + m.captured(2);
        pairs.sort();
        ASSERT_EQ(pairs.size(), 3) << key.toStdString();
        EXPECT_EQ(pairs[0].left(2) + pairs[1].left(2) + pairs[2].left(2), "1=2=3=");
        if (c.namnlista) { // alphabetical, as the pupil looks a name up
            EXPECT_EQ(pairs.join(' '), "1=Alpha3 2=Beta3 3=Tiny3");
        }
        if (c.namnkarta) {
            const QString names = Page(pdf, 3);
            for (const char* name : {"Alpha3", "Beta3", "Tiny3"})
                EXPECT_TRUE(names.contains(name)) << name;
        }
    }
}

TEST_F(Utskrift, PlacesAreNumberedAndTheMapTurnsAsItFitsThePaper) {
    const auto ex = Exercise<COvningOrt>({"AAA", "BBB"});
    TUtskriftsval val;
    val.Sprak = 2, val.Papper = QPageSize::Letter;
    const QString pdf = dir.Path("places.pdf");
    ASSERT_EQ(SkrivUt(*ex, val, pdf), 2);
    // Two places side by side: a wide map, the page on its side.
    EXPECT_EQ(Info(pdf, "Page size").toStdString(), "792 x 612 pts (letter)");
    const QString key = Page(pdf, 2);
    EXPECT_TRUE(key.contains("1 Acity") && key.contains("2 Bcity")) << key.toStdString();

    // A view of the screen, taller than wide, is printed upright.
    const TUtskriftsvy vy{5, 11, 3, 300, 900};
    val.Papper = QPageSize::A4;
    ASSERT_EQ(SkrivUt(*ex, val, pdf, &vy), 2);
    EXPECT_EQ(Info(pdf, "Page size").toStdString(), "595 x 842 pts (A4)");
}

TEST_F(Utskrift, WhatCannotBePrintedSaysWhy) {
    const auto flags = Exercise<COvningFlagga>({"AAA"});
    EXPECT_TRUE(MessageOf<EGlobina>([&] {
                    SkrivUt(*flags, {}, dir.Path("f.pdf"));
                }).contains("not played on a map"));
    const auto areas = Exercise<COvningLandArea>({"AAA"});
    EXPECT_TRUE(MessageOf<EGlobina>([&] {
                    SkrivUt(*areas, {}, dir.Path("no/such/dir/f.pdf"));
                }).contains("Cannot write"));
}

TEST_F(Utskrift, TheDialogPrintsAsChosenAndOpensThePdfOrSaysWhyNot) {
    QStringList opened;
    const TShellHook oldShell = SetShellHook([&](const QString& f) { opened << f; });
    TBoxRecorder boxes;
    TfrmUtskrift dialog(nullptr, Exercise<COvningLandArea>({"AAA", "BBB"}));
    dialog.cboSprak->setCurrentIndex(2); // French
    dialog.cboPapper->setCurrentIndex(1);
    dialog.optNamn->setChecked(true);
    dialog.chkNamnkarta->setChecked(true);
    dialog.txtFil->setText(dir.Path("sheet")); // the extension is added
    ASSERT_TRUE(dialog.SkrivUtNu());
    const QString pdf = dir.Path("sheet.pdf");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(pdf)) << opened[0].toStdString(); // as a file: address
    EXPECT_EQ(Info(pdf, "Pages").toInt(), 3);
    EXPECT_TRUE(Info(pdf, "Page size").contains("letter"));
    EXPECT_TRUE(Page(pdf, 1).contains("1 Alpha3 2 Beta3")) << Page(pdf, 1).toStdString();

    dialog.txtFil->setText(dir.Path("no/such/dir/sheet.pdf"));
    EXPECT_FALSE(dialog.SkrivUtNu());
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains("no/such/dir")) << boxes.texts[0].toStdString();
    SetShellHook(oldShell);
}

TEST_F(Utskrift, APlaceExerciseWithoutAViewOfItsOwnIsFittedToItsLand) {
    // As the game does it: the keys mark the land the view is fitted to.
    auto ex = Exercise<COvningOrt>({"AAA", "BBB"});
    ex->VyNord = ex->VySyd = ex->VyMitt = 0;
    const QString pdf = dir.Path("fitted.pdf");
    ASSERT_EQ(SkrivUt(*ex, {}, pdf), 2);
    // Where the numbers of the two places stand on the pupil's page.
    const QString words = ::Run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    std::map<QString, double> x;
    for (const auto& m :
         QRegularExpression("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>").globalMatch(words))
        x[m.captured(2)] = m.captured(1).toDouble();
    ASSERT_TRUE(x.count("1") && x.count("2")) << words.toStdString();
    // Ten degrees apart on a page some 500 points wide: far apart.
    EXPECT_GT(std::abs(x["1"] - x["2"]), 100);
}
