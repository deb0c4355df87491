// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Topplista.h"

#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/WidgetHelpers.h"
#include "scores/DamagedScores.h"

#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>

namespace {

constexpr int kColumnWidths[] = {0, 295, 120, 50, 50};

} // namespace

TfrmTopplista::TfrmTopplista(QWidget* parent) : QDialog(parent) {
    SetTag(this, TextNo::BestResults);
    setWindowTitle(QStringLiteral("Top list"));
    setFixedSize(640, 559);
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, Qt::white);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(36, 18, 565, 527);
    Panel1->setAutoFillBackground(true);

    lblRubrik = new QLabel(Panel1);
    SetTag(lblRubrik, TextNo::HighScores);
    lblRubrik->setGeometry(38, 14, 485, 27);
    lblRubrik->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblRubrik->setFont(Arial(21, true));
    SetColor(lblRubrik, QPalette::WindowText, QColor(255, 255, 0));

    imgBlomma1 = NewArtwork(Panel1, QRect(16, 10, 45, 35), QStringLiteral("ListBlomma1.gif"));
    imgBlomma2 = NewArtwork(Panel1, QRect(510, 10, 37, 35), QStringLiteral("ListBlomma2.gif"));
    connect(imgBlomma1, &TImage::MouseDown, this, &TfrmTopplista::SwapFlowers);
    connect(imgBlomma2, &TImage::MouseDown, this, &TfrmTopplista::SwapFlowers);

    grdLista = new QTableWidget(Panel1);
    grdLista->setGeometry(18, 53, 529, 420);
    grdLista->setColumnCount(5);
    grdLista->horizontalHeader()->hide();
    grdLista->verticalHeader()->hide();
    grdLista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdLista->verticalHeader()->setDefaultSectionSize(20);
    grdLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLista->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->setShowGrid(true);
    grdLista->setFont(Arial(13));
    for (int c = 0; c < 5; ++c)
        grdLista->setColumnWidth(c, kColumnWidths[c]);
    grdLista->setColumnHidden(0, true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(54, 500, 531, 31);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });
}

void TfrmTopplista::LoadScores(const QString& fileName,
                               const std::vector<TTopplistaRad>& ovningar) {
    FileName = fileName;
    Scores.Clear();
    if (QFileInfo::exists(fileName))
        ReadScoresSettingDamageAside(this, Scores, fileName);
    FillGrid(ovningar);
}

void TfrmTopplista::FillGrid(const std::vector<TTopplistaRad>& ovningar) {
    std::vector<TTopplistaRad> rader;
    for (const TTopplistaRad& rad : ovningar)
        if (rad.Lista == 0 || Scores(rad.Lista, 1).Score != 0)
            rader.push_back(rad);
    grdLista->setRowCount(static_cast<int>(rader.size()));
    int row = 0;
    for (const TTopplistaRad& rad : rader) {
        const TScoreEntry& best = Scores(rad.Lista != 0 ? rad.Lista : rad.Nummer, 1);
        QStringList cells{QString::number(rad.Nummer), rad.Namn, best.Signatur};
        if (best.Score > 0)
            cells << QString::number(ScorePercent(best.Score)) + QStringLiteral(" %")
                  << TimeText(ScoreSeconds(best.Score));
        for (int c = 0; c < cells.size(); ++c)
            grdLista->setItem(row, c, new QTableWidgetItem(cells[c]));
        ++row;
    }
    if (row > 0)
        grdLista->setCurrentCell(0, 4);
}

void TfrmTopplista::SwapFlowers() {
    const int left1 = imgBlomma1->x();
    imgBlomma1->move(imgBlomma2->x(), imgBlomma1->y());
    imgBlomma2->move(left1, imgBlomma2->y());
}

void TfrmTopplista::showEvent(QShowEvent* event) {
    ApplyLanguageTexts(this);
    grdLista->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: #808080; background: %1; }")
            .arg(LightColor.name()));
    SetColor(Panel1, QPalette::Window, FrameColor);
    QDialog::showEvent(event);
}
