// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/KlassResultatSkarm.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "maps/Kartor.h"
#include "platform/Look.h"
#include "platform/WidgetHelpers.h"
#include "scores/Klassresultat.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRader = 10;
constexpr int kNamnText = 21; // "Name"
// Narrower than this the two lists of the class's misses go one above the other.
constexpr int kSidaVidSida = 800;

QString Andel(int forsta, int fragad) {
    return fragad > 0 ? QStringLiteral("%1 %").arg((200 * forsta + fragad) / (2 * fragad))
                      : QString();
}

QTableWidget* Tabell(QWidget* parent, int rader, const QStringList& rubriker) {
    auto* t = new QTableWidget(rader, static_cast<int>(rubriker.size()), parent);
    t->setHorizontalHeaderLabels(rubriker);
    t->verticalHeader()->hide();
    t->verticalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setDefaultSectionSize(18);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setShowGrid(false);
    t->horizontalHeader()->setFont(Arial(12, true));
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return t;
}

void Cell(QTableWidget* t, int r, int c, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    if (c > 0)
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(r, c, cell);
}

QLabel* Rubrik(QWidget* parent, int text) {
    auto* l = new QLabel(LangText(text), parent);
    l->setFont(Arial(13, true));
    SetColor(l, QPalette::WindowText, Qt::white);
    return l;
}

} // namespace

TfrmKlassresultat::TfrmKlassresultat(QWidget* parent, const CKlassresultat& klass,
                                     const QString& varldsdel, const QString& typ,
                                     const QStringList& fel)
    : QDialog(parent) {
    setWindowTitle(LangText(TextNo::ClassResults));
    setFont(Arial(12));
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, FrameColor);
    resize(900, 640);

    lblFel = new QLabel(fel.join(QLatin1Char('\n')), this);
    lblFel->setWordWrap(true);
    lblFel->setAutoFillBackground(true);
    SetColor(lblFel, QPalette::Window, QColor(255, 255, 192));
    lblFel->setMargin(4);
    lblFel->setVisible(!fel.isEmpty());

    const std::vector<TMissatObjekt> missade = klass.MestMissade(varldsdel, typ, kRader);
    grdMissade =
        Tabell(this, static_cast<int>(missade.size()),
               {QString(), LangText(TextNo::TimesAsked), LangText(TextNo::RightFirstTime)});
    for (int r = 0; r < static_cast<int>(missade.size()); ++r) {
        const TMissatObjekt& m = missade[r];
        objekt_ << m.Objekt;
        Cell(grdMissade, r, 0, m.Namn);
        Cell(grdMissade, r, 1, QString::number(m.Fragad));
        Cell(grdMissade, r, 2, Andel(m.ForstaForsok, m.Fragad));
    }
    lstForvaxlingar = new QListWidget(this);
    for (const TKlassForvaxling& f : klass.Forvaxlingar(varldsdel, typ, kRader))
        lstForvaxlingar->addItem(
            QStringLiteral("%1 \u2192 %2 \u00d7%3").arg(f.Namn, f.GivetNamn).arg(f.Antal));

    // Per pupil: the first-try share in each part of the world played.
    QStringList rubriker{LangText(kNamnText)};
    for (int d = 0; d < kAntalVarldsdelar; ++d)
        rubriker << LangText(TextNo::FirstPart + d);
    const std::vector<TElev> elever = klass.Elever();
    grdElever = Tabell(this, static_cast<int>(elever.size()), rubriker);
    for (int r = 0; r < static_cast<int>(elever.size()); ++r) {
        Cell(grdElever, r, 0, elever[r].Spelare);
        for (int d = 0; d < kAntalVarldsdelar; ++d) {
            const auto it = elever[r].PerDel.find(QString::fromLatin1(kVarldsdelar[d].Kod));
            if (it != elever[r].PerDel.end())
                Cell(grdElever, r, d + 1, Andel(it->second.second, it->second.first));
        }
    }

    cmdOva = new QPushButton(LangText(TextNo::PractiseThese), this);
    cmdOva->setEnabled(!objekt_.isEmpty());
    cmdTillbaka = new QPushButton(LangText(TextNo::Back), this);
    cmdTillbaka->setDefault(true);
    for (QPushButton* b : {cmdOva, cmdTillbaka}) {
        b->setFont(Arial(13));
        b->setMinimumSize(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 32, 28);
    }

    auto* hela = new QVBoxLayout(this);
    hela->addWidget(lblFel);
    auto* topp = new QHBoxLayout;
    auto* vanster = new QVBoxLayout;
    vanster->addWidget(Rubrik(this, TextNo::MostOftenMissed));
    vanster->addWidget(grdMissade);
    auto* hoger = new QVBoxLayout;
    hoger->addWidget(Rubrik(this, TextNo::FrequentConfusions));
    hoger->addWidget(lstForvaxlingar);
    topp->addLayout(vanster, 1);
    topp->addLayout(hoger, 1);
    topp_ = topp;
    hela->addLayout(topp, 1);
    hela->addWidget(Rubrik(this, TextNo::RightFirstTime));
    hela->addWidget(grdElever, 1);
    auto* knappar = new QHBoxLayout;
    knappar->addStretch(1);
    knappar->addWidget(cmdOva);
    knappar->addWidget(cmdTillbaka);
    hela->addLayout(knappar);

    connect(cmdOva, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdTillbaka, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmKlassresultat::resizeEvent(QResizeEvent* event) {
    topp_->setDirection(width() < kSidaVidSida ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    QDialog::resizeEvent(event);
}
