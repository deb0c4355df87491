// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Tioitopp.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "platform/Audio.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/WidgetHelpers.h"
#include "scores/DamagedScores.h"
#include "scores/ScoreLocation.h"
#include "scores/Spelare.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>

namespace {

constexpr int kRowHeight = 20;
constexpr int kColumnWidths[] = {30, 190, 50, 50};
constexpr int kStaleLockMs = 10000;
constexpr int kLockWaitMs = 3000;

} // namespace

TfrmTioitopp::TfrmTioitopp(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("High scores"));
    SetTag(this, TextNo::TopTen);
    setFixedSize(361, 403);
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, Qt::white);

    lblOvningsNamn = new QLabel(this);
    lblOvningsNamn->setGeometry(12, 16, 337, 19);
    lblOvningsNamn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont labelFont = QApplication::font();
    labelFont.setPixelSize(13);
    labelFont.setBold(true);
    lblOvningsNamn->setFont(labelFont);
    SetColor(lblOvningsNamn, QPalette::WindowText, Qt::black);

    Shape2 = new QFrame(this);
    Shape2->setGeometry(12, 40, 337, 317);
    Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape2->setLineWidth(1);
    Shape2->setAutoFillBackground(true);
    SetColor(Shape2, QPalette::WindowText, Qt::black);

    Image1 = NewArtwork(this, QRect(22, 52, 319, 37), QStringLiteral("TioBand1.gif"), true);

    grdLista = new QTableWidget(kScorePlaces, 4, this);
    grdLista->setGeometry(24, 98, 313, 219);
    grdLista->setEnabled(false);
    grdLista->setFrameShape(QFrame::NoFrame);
    grdLista->setShowGrid(false);
    grdLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->horizontalHeader()->hide();
    grdLista->verticalHeader()->hide();
    grdLista->verticalHeader()->setMinimumSectionSize(1);
    grdLista->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grdLista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdLista->horizontalHeader()->setMinimumSectionSize(1);
    grdLista->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // No cell is ever marked as current.
    grdLista->setSelectionMode(QAbstractItemView::NoSelection);
    grdLista->setFocusPolicy(Qt::NoFocus);
    grdLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLista->setFont(Arial(13, true));
    SetColor(grdLista, QPalette::Text, Qt::white);

    // Over the grid and first in the tab order.
    txtNySignatur = new QLineEdit(this);
    txtNySignatur->setGeometry(80, 130, 111, 24);
    txtNySignatur->setFont(Arial(13, true));
    SetColor(txtNySignatur, QPalette::Text, Qt::black);
    txtNySignatur->hide();
    txtNySignatur->installEventFilter(this);

    Image2 = NewArtwork(this, QRect(20, 318, 319, 37), QStringLiteral("TioBand2.gif"), true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(12, 364, 337, 31);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmTioitopp::cmdOKClick);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });
}

void TfrmTioitopp::EnterResult(const QString& fileName, int32_t score) {
    grdLista->setRowCount(kScorePlaces);
    for (int c = 0; c < 4; ++c)
        grdLista->setColumnWidth(c, kColumnWidths[c]);
    grdLista->setCurrentItem(nullptr);

    Scores.Clear();
    FileName = fileName;
    NewRank = 0;
    newScore_ = score;

    if (QFileInfo::exists(fileName))
        ReadScoresSettingDamageAside(this, Scores, fileName);

    const int rank = PlaceScore(Scores, ExerciseNo, score);
    if (rank > 0) {
        NewRank = rank;
        txtNySignatur->setGeometry(grdLista->x() + grdLista->columnWidth(0),
                                   grdLista->y() + kRowHeight * (rank - 1),
                                   grdLista->columnWidth(1), txtNySignatur->height());
        // A named player's name is offered, chosen, so that typing replaces it.
        txtNySignatur->setText(AktuellSpelare().Namn.left(kMaxSignature));
        txtNySignatur->selectAll();
        txtNySignatur->show();
        Scores(ExerciseNo, rank).Signatur = QStringLiteral("Okänd");
        if (Audio)
            Audio->PlayTopTenMusic();
    }
    FillGrid();
}

void TfrmTioitopp::FillGrid() {
    for (int r = 1; r <= kScorePlaces; ++r) {
        const TScoreEntry& entry = Scores(ExerciseNo, r);
        QString texts[4] = {QString::number(r), entry.Signatur};
        if (entry.Score > 0) {
            texts[2] = QString::number(ScorePercent(entry.Score)) + QStringLiteral(" %");
            texts[3] = TimeText(ScoreSeconds(entry.Score));
        }
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setFlags(Qt::ItemIsEnabled);
            grdLista->setItem(r - 1, c, item);
        }
    }
}

void TfrmTioitopp::TakeSignature() {
    if (NewRank > 0)
        Scores(ExerciseNo, NewRank).Signatur = txtNySignatur->text().left(kMaxSignature);
    txtNySignatur->hide();
    FillGrid();
}

void TfrmTioitopp::cmdOKClick() {
    if (!txtNySignatur->isHidden())
        TakeSignature();
    SaveUnderLock();
    accept();
}

void TfrmTioitopp::SaveUnderLock() {
    const auto cannotWrite = [this](const QString& why) {
        ShowMessageBox(this, TBoxKind::Information,
                       QStringLiteral("Could not write to the highscore file. The following "
                                      "error occurred: ") +
                           why);
    };
    // The player's data folder does not exist before the first save.
    QDir().mkpath(QFileInfo(FileName).absolutePath());
    // A save takes milliseconds, so a lock older than a few seconds was left
    // by a program that died; one of a process gone on this machine is stale
    // at once.
    QLockFile lock(FileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    // A folder that takes no lock file takes no save either: the save says why.
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        cannotWrite(QStringLiteral("another program holds it locked"));
        return;
    }

    TScoreTable now;
    // Without a copy of a damaged file the file is left alone, so that its
    // unread records are not lost.
    if (QFileInfo::exists(FileName) && !ReadScoresSettingDamageAside(this, now, FileName)) {
        if (NewRank > 0)
            ShowMessageBox(this, TBoxKind::Information,
                           QStringLiteral("The new result was not saved, because the highscore "
                                          "file could not be read."));
        return;
    }
    if (NewRank > 0) {
        const QString signature = Scores(ExerciseNo, NewRank).Signatur;
        NewRank = PlaceScore(now, ExerciseNo, newScore_);
        if (NewRank > 0)
            now(ExerciseNo, NewRank).Signatur = signature;
    }
    try {
        SaveScores(now, FileName);
    } catch (const EGlobina& e) {
        cannotWrite(e.Message());
        return;
    }
    Scores = now;
    FillGrid();
}

void TfrmTioitopp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyLanguageTexts(this);
    lblOvningsNamn->setText(ExerciseName);
    SetColor(Shape2, QPalette::Window, FrameColor);
    SetColor(grdLista, QPalette::Base, FrameColor);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    if (!txtNySignatur->isHidden())
        txtNySignatur->setFocus();
    else
        cmdOK->setFocus();
}

void TfrmTioitopp::keyPressEvent(QKeyEvent* event) {
    // Escape closes a list that is only shown; with a new result it would
    // close without saving and lose the result unasked, so there only the
    // title-bar close does that.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (NewRank == 0)
            close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmTioitopp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtNySignatur && event->type() == QEvent::FocusOut) {
        // Switching to another window is no leaving of the edit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !txtNySignatur->isHidden())
            TakeSignature();
    }
    return QDialog::eventFilter(watched, event);
}

void ShowTopTen(QWidget* owner, int exerciseNo, const QString& exerciseName, int32_t score,
                TAudio* audio) {
    // The owner may go while the screen is open; the pointer then clears.
    QPointer<TfrmTioitopp> form = new TfrmTioitopp(owner);
    try {
        form->Audio = audio;
        form->ExerciseNo = exerciseNo;
        form->ExerciseName = exerciseName;
        form->EnterResult(ScoreFileName(), score);
        form->exec();
    } catch (const EGlobina& e) {
        ShowMessageBox(owner, TBoxKind::Error, e.Message());
    }
    delete form.data();
}
