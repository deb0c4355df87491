// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Genomgang.h"

#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/WidgetHelpers.h"

#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <algorithm>

namespace {

constexpr int kRadhojd = 20;
// Number, asked, tries; what was given takes the rest.
constexpr int kKolumner[] = {34, 190, 64};
const QColor kMissad(255, 255, 0); // a line that took more than one try

} // namespace

QStringList TfrmGenomgang::Missade(const TSpelLogg& logg) {
    QStringList missade;
    for (const TFragaLogg& f : logg.Fragor)
        if (f.Forsok > 1 && !missade.contains(f.Objekt))
            missade << f.Objekt;
    return missade;
}

TfrmGenomgang::TfrmGenomgang(QWidget* parent, const TSpelLogg& logg, const QString& ovningsnamn)
    : QDialog(parent), Logg(logg), missade_(Missade(logg)) {
    setWindowTitle(QStringLiteral("Review"));
    SetTag(this, TextNo::Review);
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, Qt::white);
    const int inre = kBredd - 24;

    lblOvningsNamn = new QLabel(this);
    lblOvningsNamn->setGeometry(12, 16, inre, 19);
    lblOvningsNamn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblOvningsNamn->setFont(Arial(13, true));
    SetColor(lblOvningsNamn, QPalette::WindowText, Qt::black);
    lblOvningsNamn->setText(ovningsnamn);
    ovningsspel_ = logg.Ovningsspel;

    Shape2 = new QFrame(this);
    Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape2->setLineWidth(1);
    Shape2->setAutoFillBackground(true);
    SetColor(Shape2, QPalette::WindowText, Qt::black);

    // The ribbons above and below the list, as on the top-ten screen.
    band1_ = NewArtwork(this, QRect(), QStringLiteral("TioBand1.gif"), true);

    grdLista = new QTableWidget(0, 4, this);
    grdLista->setFrameShape(QFrame::NoFrame);
    grdLista->setShowGrid(false);
    grdLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdLista->verticalHeader()->hide();
    grdLista->verticalHeader()->setMinimumSectionSize(1);
    grdLista->verticalHeader()->setDefaultSectionSize(kRadhojd);
    grdLista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdLista->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdLista->horizontalHeader()->setStretchLastSection(true);
    grdLista->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdLista->horizontalHeader()->setHighlightSections(false);
    grdLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLista->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLista->setWordWrap(false);
    grdLista->setTextElideMode(Qt::ElideRight);
    grdLista->setFont(Arial(13, true));
    for (int c = 0; c < 3; ++c)
        grdLista->setColumnWidth(c, kKolumner[c]);
    // A line chosen by the player, not the current cell the table takes
    // when it gets the focus.
    connect(grdLista, &QTableWidget::itemSelectionChanged, this, [this] {
        const auto valda = grdLista->selectionModel()->selectedRows();
        const int rad = valda.isEmpty() ? -1 : valda.first().row();
        if (VisaRad)
            VisaRad(rad >= 0 && rad < static_cast<int>(Logg.Fragor.size())
                        ? &Logg.Fragor[static_cast<size_t>(rad)]
                        : nullptr);
    });

    band2_ = NewArtwork(this, QRect(), QStringLiteral("TioBand2.gif"), true);

    cmdOva = new QPushButton(QStringLiteral("Practise the missed ones"), this);
    SetTag(cmdOva, TextNo::PractiseTheMissed);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOva, &QPushButton::clicked, this, [this] {
        OvaValt = true;
        accept();
    });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Falla(false);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });
    FyllLista();
}

void TfrmGenomgang::Falla(bool ihop) {
    hopfalld_ = ihop;
    const int inre = kBredd - 24;
    // Folded: the list of at most kHopfalldaRader lines with its heading,
    // between the name and the buttons, and no ribbons.
    const int lista =
        ihop ? kRadhojd * (std::min(grdLista->rowCount(), kHopfalldaRader) + 1) + 4 : 0;
    const int hojd = ihop ? 40 + lista + 16 + 46 : kHojd;
    setFixedSize(kBredd, hojd);
    const int ramHojd = hojd - 40 - 46;
    Shape2->setGeometry(12, 40, inre, ramHojd);
    band1_->setGeometry(22, 52, inre - 20, 37);
    band2_->setGeometry(20, 40 + ramHojd - 39, inre - 20, 37);
    band1_->setVisible(!ihop);
    band2_->setVisible(!ihop);
    if (ihop)
        grdLista->setGeometry(24, 48, inre - 24, lista);
    else
        grdLista->setGeometry(24, 96, inre - 24, ramHojd - 56 - 44);
    const int knappTopp = hojd - 39;
    const int halv = (inre - 6) / 2;
    cmdOva->setGeometry(12, knappTopp, halv, 31);
    cmdOK->setGeometry(12 + halv + 6, knappTopp, inre - halv - 6, 31);
    // The chosen line stays in sight in the shorter list.
    if (const auto valda = grdLista->selectionModel()->selectedRows(); !valda.isEmpty())
        grdLista->scrollTo(valda.first());
}

void TfrmGenomgang::FyllLista() {
    grdLista->setRowCount(static_cast<int>(Logg.Fragor.size()));
    for (int r = 0; r < grdLista->rowCount(); ++r) {
        const TFragaLogg& f = Logg.Fragor[static_cast<size_t>(r)];
        // The same wrong answer given again is one name with its count.
        QStringList givet;
        std::vector<int> ganger;
        for (const QString& namn : f.GivetNamn) {
            const QString visat = namn.isEmpty() ? QStringLiteral("?") : namn;
            const auto i = givet.indexOf(visat);
            if (i >= 0) {
                ++ganger[static_cast<size_t>(i)];
            } else {
                givet << visat;
                ganger.push_back(1);
            }
        }
        for (int i = 0; i < givet.size(); ++i)
            if (ganger[static_cast<size_t>(i)] > 1)
                givet[i] +=
                    QStringLiteral(" \u00d7") + QString::number(ganger[static_cast<size_t>(i)]);
        const QString celler[] = {QString::number(r + 1), f.Namn, QString::number(f.Forsok),
                                  givet.join(QStringLiteral(", "))};
        for (int c = 0; c < 4; ++c) {
            auto* cell = new QTableWidgetItem(celler[c]);
            cell->setForeground(f.Forsok > 1 ? kMissad : QColor(Qt::white));
            if (c == 3)
                cell->setToolTip(celler[c]);
            grdLista->setItem(r, c, cell);
        }
    }
}

void TfrmGenomgang::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ApplyLanguageTexts(this);
    const QString slag = LangText(Logg.Repetition ? TextNo::TodaysReview : TextNo::Practice);
    if (ovningsspel_ && !lblOvningsNamn->text().endsWith(slag))
        lblOvningsNamn->setText(lblOvningsNamn->text() + QStringLiteral(" \u2013 ") + slag);
    grdLista->setHorizontalHeaderLabels({QString(), LangText(TextNo::Asked),
                                         LangText(TextNo::Tries), LangText(TextNo::GivenInstead)});
    SetColor(Shape2, QPalette::Window, FrameColor);
    SetColor(grdLista, QPalette::Base, FrameColor);
    SetColor(grdLista, QPalette::Text, Qt::white);
    grdLista->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: %1; color: white; border: none; "
                       "font: bold 13px Arial; padding-left: 2px; }"
                       "QTableWidget { background: %1; }")
            .arg(FrameColor.name()));
    cmdOva->setEnabled(!missade_.isEmpty());
    cmdOva->setToolTip(missade_.isEmpty() ? LangText(TextNo::NothingToPractise) : QString());
}

void TfrmGenomgang::done(int result) {
    // Escape, the close box and both buttons come here: the map shows the
    // end of the game again.
    if (VisaRad)
        VisaRad(nullptr);
    QDialog::done(result);
}
