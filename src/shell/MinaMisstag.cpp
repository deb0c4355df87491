// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MinaMisstag.h"

#include "data/Errors.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/Ovningar.h"
#include "exercises/Ovningsslag.h"
#include "maps/Kartor.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/WidgetHelpers.h"
#include "scores/Klassresultat.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"
#include "shell/KlassResultatSkarm.h"

#include "scores/Idag.h"
#include "screens/Kunskapskarta.h"
#include <QFileDialog>

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QValueAxis>

namespace {

constexpr int kRader = 10; // items and confusions shown
constexpr int kRadhojd = 18;

QListWidget* Lista(QWidget* parent, const QRect& r, const QFont& font) {
    auto* l = new QListWidget(parent);
    l->setGeometry(r);
    l->setFont(font);
    l->setUniformItemSizes(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setStyleSheet(QStringLiteral("QListWidget { background: white; color: black; }"
                                    "QListWidget::item { height: %1px; padding: 0px 2px; }")
                         .arg(kRadhojd));
    return l;
}

QLabel* Rubrik(QWidget* parent, int text, const QRect& r) {
    auto* l = new QLabel(parent);
    SetTag(l, text);
    l->setGeometry(r);
    l->setFont(Arial(13, true));
    SetColor(l, QPalette::WindowText, Qt::white);
    return l;
}

QPushButton* Knapp(QWidget* parent, int text, const QRect& r) {
    auto* b = new QPushButton(parent);
    SetTag(b, text);
    b->setGeometry(r);
    b->setFont(Arial(13));
    return b;
}

} // namespace

TfrmMinaMisstag::TfrmMinaMisstag(QWidget* parent, TMisstagsregister& registret, int varldsdel,
                                 const COvningar* ovningar)
    : QDialog(parent), registret_(registret), ovningar_(ovningar) {
    setWindowTitle(QStringLiteral("My mistakes"));
    SetTag(this, TextNo::MyMistakes);
    setFixedSize(1000, 696);
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, FrameColor);

    lstParts = Lista(this, QRect(12, 36, 150, kAntalVarldsdelar * kRadhojd + 4), Arial(13, true));
    lstTyper = Lista(this, QRect(12, 196, 150, 4 * kRadhojd + 4), Arial(12));
    for (int i = 0; i < kAntalVarldsdelar; ++i)
        lstParts->addItem(LangText(TextNo::FirstPart + i));
    for (int i = 0; i < int(kOvningsslag.size()); ++i)
        lstTyper->addItem(LangText(TextNo::FirstKind + i));

    lblMissade = Rubrik(this, TextNo::MostOftenMissed, QRect(176, 12, 452, 20));
    grdMissade = new QTableWidget(kRader, 3, this);
    grdMissade->setGeometry(176, 36, 452, 22 + kRader * kRadhojd + 2);
    grdMissade->setFont(Arial(12));
    grdMissade->verticalHeader()->hide();
    grdMissade->verticalHeader()->setMinimumSectionSize(1);
    grdMissade->verticalHeader()->setDefaultSectionSize(kRadhojd);
    grdMissade->horizontalHeader()->setFont(Arial(12, true));
    grdMissade->horizontalHeader()->setFixedHeight(22);
    grdMissade->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdMissade->horizontalHeader()->setHighlightSections(false);
    grdMissade->setColumnWidth(0, 230);
    grdMissade->setColumnWidth(1, 95);
    grdMissade->setColumnWidth(2, 125);
    grdMissade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMissade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMissade->setSelectionMode(QAbstractItemView::NoSelection);
    grdMissade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMissade->setFocusPolicy(Qt::NoFocus);
    grdMissade->setShowGrid(false);

    lblForvaxlingar = Rubrik(this, TextNo::FrequentConfusions, QRect(176, 258, 452, 20));
    lstForvaxlingar = Lista(this, QRect(176, 282, 452, kRader * kRadhojd + 4), Arial(12));
    lstForvaxlingar->setSelectionMode(QAbstractItemView::NoSelection);
    lstForvaxlingar->setFocusPolicy(Qt::NoFocus);

    // Over the empty table when the part and kind hold no miss yet.
    lblTomt = new QLabel(this);
    SetTag(lblTomt, TextNo::NothingMissedYet);
    lblTomt->setGeometry(178, 100, 448, 40);
    lblTomt->setAlignment(Qt::AlignCenter);
    lblTomt->setWordWrap(true);
    lblTomt->setFont(Arial(13));
    lblTomt->setAutoFillBackground(true);
    SetColor(lblTomt, QPalette::Window, Qt::white);

    // Under the knowledge map: the plot takes the width above the other buttons.
    cmdKlass = Knapp(this, TextNo::ClassResults, QRect(818, 656, 170, 28));
    cmdExportera = Knapp(this, TextNo::ExportRecord, QRect(12, 656, 150, 28));
    cmdOva = Knapp(this, TextNo::PractiseThese, QRect(176, 656, 222, 28));
    cmdOva->setToolTip(LangText(TextNo::PractiseTheseHint));
    cmdTillbaka = Knapp(this, TextNo::Back, QRect(406, 656, 222, 28));
    cmdTillbaka->setDefault(true);
    kunskap = new TKunskapskarta(this);
    kunskap->setGeometry(640, 12, 348, 488);

    auto* chart = new QChart;
    serForlopp = new QLineSeries(chart);
    serForlopp->setPointsVisible(true);
    serForlopp->setPen(QPen(QColor(0xd9, 0x5f, 0x0e), 2));
    chart->addSeries(serForlopp);
    axlSpel = new QValueAxis(chart);
    axlSpel->setLabelFormat(QStringLiteral("%d"));
    axlSpel->setLabelsFont(Arial(11));
    auto* andel = new QValueAxis(chart);
    andel->setRange(0, 100);
    andel->setTickCount(3);
    andel->setLabelFormat(QStringLiteral("%d %"));
    andel->setLabelsFont(Arial(11));
    chart->addAxis(axlSpel, Qt::AlignBottom);
    chart->addAxis(andel, Qt::AlignLeft);
    serForlopp->attachAxis(axlSpel);
    serForlopp->attachAxis(andel);
    chart->legend()->hide();
    chart->setTitleFont(Arial(12, true));
    chart->setMargins(QMargins(4, 0, 4, 0));
    chart->setBackgroundRoundness(0);
    chtForlopp = new QChartView(chart, this);
    chtForlopp->setGeometry(12, 508, 976, 140);
    chtForlopp->setRenderHint(QPainter::Antialiasing);

    ApplyLanguageTexts(this);
    // Whose record it is, where players have names.
    if (const QString namn = registret_.Spelarnamn(); !namn.isEmpty())
        setWindowTitle(windowTitle() + QStringLiteral(" \u2013 ") + namn);
    grdMissade->setHorizontalHeaderLabels(
        {QString(), LangText(TextNo::TimesAsked), LangText(TextNo::RightFirstTime)});

    connect(cmdExportera, &QPushButton::clicked, this, [this] {
        const QString fil = QFileDialog::getSaveFileName(
            this, LangText(TextNo::ExportRecord),
            SparaSom(SpelarNamn(registret_), QStringLiteral(".csv"), QLatin1Char('_')),
            QStringLiteral("CSV (*.csv)"));
        if (!fil.isEmpty())
            Exportera(fil);
    });
    connect(cmdKlass, &QPushButton::clicked, this, [this] {
        const QStringList filer = QFileDialog::getOpenFileNames(
            this, LangText(TextNo::ClassResults), QString(), QStringLiteral("CSV (*.csv)"));
        if (!filer.isEmpty())
            VisaKlass(filer);
    });
    connect(lstParts, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row + 1 != varldsdel_)
            VisaVarldsdel(row + 1);
    });
    connect(lstTyper, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != typ_)
            VisaTyp(row);
    });
    connect(cmdOva, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdTillbaka, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });

    VisaVarldsdel(varldsdel >= 1 && varldsdel <= 7 ? varldsdel : 1);
}

QString TfrmMinaMisstag::Varldsdel() const {
    return QString::fromLatin1(kVarldsdelar[varldsdel_ - 1].Kod);
}

QString TfrmMinaMisstag::Typ() const {
    return QString::fromLatin1(kOvningsslag[typ_].Nyckelord);
}

void TfrmMinaMisstag::VisaVarldsdel(int n) {
    varldsdel_ = n;
    lstParts->setCurrentRow(n - 1);
    // The kind with the most misses in this part comes first.
    int basta = 0, flest = 0;
    for (int t = 0; t < int(kOvningsslag.size()); ++t) {
        const auto topp =
            registret_.MestMissade(Varldsdel(), QString::fromLatin1(kOvningsslag[t].Nyckelord), 1);
        if (!topp.empty() && topp[0].Missar() > flest) {
            flest = topp[0].Missar();
            basta = t;
        }
    }
    VisaTyp(basta);
}

void TfrmMinaMisstag::VisaTyp(int t) {
    typ_ = t;
    lstTyper->setCurrentRow(t);
    Fyll();
}

void TfrmMinaMisstag::Fyll() {
    const std::vector<TMissatObjekt> missade = registret_.MestMissade(Varldsdel(), Typ(), kRader);
    objekt_.clear();
    grdMissade->clearContents();
    for (int r = 0; r < int(missade.size()); ++r) {
        const TMissatObjekt& m = missade[r];
        objekt_ << m.Objekt;
        const int andel = m.Fragad > 0 ? (200 * m.ForstaForsok + m.Fragad) / (2 * m.Fragad) : 0;
        const QString celler[] = {m.Namn, QString::number(m.Fragad),
                                  QStringLiteral("%1 %").arg(andel)};
        for (int c = 0; c < 3; ++c) {
            auto* cell = new QTableWidgetItem(celler[c]);
            if (c > 0)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdMissade->setItem(r, c, cell);
        }
    }
    lstForvaxlingar->clear();
    for (const TForvaxling& f : registret_.Forvaxlingar(Varldsdel(), Typ(), kRader))
        lstForvaxlingar->addItem(QStringLiteral("%1 \u2192 %2 \u00d7%3")
                                     .arg(f.Namn, f.GivetNamn.isEmpty() ? f.Givet : f.GivetNamn)
                                     .arg(f.Antal));
    // The map of the part's first area exercise, with this kind's way of asking.
    std::shared_ptr<COvning> karta;
    for (auto e = ovningar_ ? ovningar_->Forsta : nullptr; e && !karta; e = e->Nasta)
        if (e->Varldsdel == Varldsdel() && e->Typ == QLatin1String("AREA"))
            karta = e;
    std::vector<TMinnesrad> minnen = registret_.Minnen(Varldsdel());
    const QString satt = SattAttFraga(Typ());
    std::erase_if(minnen, [&satt](const TMinnesrad& m) { return m.Satt != satt; });
    try {
        kunskap->Visa(karta.get(), minnen, Idag());
    } catch (const std::exception&) {
        kunskap->Visa(nullptr, {}, Idag()); // a map that cannot be read shows none
    }
    // Games along the bottom, the first of them 1; percentages up the side.
    const std::vector<double> andelar = registret_.ForstaForsokPerSpel(Varldsdel(), Typ());
    QList<QPointF> punkter;
    for (int i = 0; i < int(andelar.size()); ++i)
        punkter << QPointF(i + 1, 100 * andelar[i]);
    serForlopp->replace(punkter);
    // Half a game of room at either end, so that the first and last points
    // stand clear of the frame, a single game's too.
    const int antal = std::max(int(andelar.size()), 1);
    axlSpel->setRange(0.5, antal + 0.5);
    // Whole games between the ticks, ten steps at the most.
    axlSpel->setTickType(QValueAxis::TicksDynamic);
    axlSpel->setTickAnchor(1);
    axlSpel->setTickInterval(std::max(1, (antal - 1 + 9) / 10));
    chtForlopp->chart()->setTitle(LangText(TextNo::FirstTryPerGame));
    lblTomt->setVisible(missade.empty());
    cmdOva->setEnabled(!missade.empty());
}

bool TfrmMinaMisstag::Exportera(const QString& fileName) {
    try {
        ExporteraPost(registret_, fileName);
        return true;
    } catch (const EGlobina& e) {
        ShowMessageBox(this, TBoxKind::Error, e.Message());
        return false;
    }
}

void TfrmMinaMisstag::VisaKlass(const QStringList& fileNames) {
    CKlassresultat klass;
    QStringList fel;
    for (const QString& fil : fileNames)
        if (const QString f = klass.LasFil(fil); !f.isEmpty())
            fel << f;
    if (!fel.isEmpty())
        ShowMessageBox(this, TBoxKind::Error, fel.join(QLatin1Char('\n')));
    if (klass.Fragor() == 0)
        return;
    TfrmKlassresultat skarm(this, klass, Varldsdel(), Typ(), fel);
    if (skarm.exec() != QDialog::Accepted)
        return;
    objekt_ = skarm.OvningsObjekt();
    ovning_ = klass.OvningFor(Varldsdel(), Typ(), objekt_);
    accept();
}
