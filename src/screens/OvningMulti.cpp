// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/OvningMulti.h"

#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "platform/DigitKeys.h"
#include "platform/Image.h"
#include "platform/Shape.h"
#include "platform/WidgetHelpers.h"
#include "screens/Panel.h"
#include "screens/Tillganglighet.h"

#include <QApplication>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

using namespace Skarm;

namespace {

constexpr int kSvarTopp[] = {106, 154, 202, 250};
constexpr int kNrTopp[] = {112, 162, 210, 256};

} // namespace

TfrmOvningMulti::TfrmOvningMulti(QWidget* parent, Qt::WindowFlags flags)
    : TOvningsskarm<TMultiformular>(parent, flags | kFastFonster) {
    setWindowTitle(QStringLiteral("Globina"));
    SetTag(this, TextNo::MultipleChoice);
    setFixedSize(632, 465);
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, Qt::white);
    setFont(Arial(12));
    SetColor(this, QPalette::WindowText, Qt::black);

    imgBlomma = NewArtwork(this, QRect(296, 6, 37, 37), QStringLiteral("MultiBlomma.gif"));
    imgBar = NewArtwork(this, QRect(301, 6, 37, 37), QStringLiteral("MultiBar.gif"));
    imgBar->hide();

    Panel1 = new TPanel(this, 1, 0);
    Panel1->Placera(168, 48, 299, 361);
    Panel1->SetColor(Qt::white);
    QWidget* kort = Panel1->Client();
    Shape1 = new TShape(kort);
    Shape1->setGeometry(8, 8, 281, 305);
    Shape1->SetBrushColor(QColor(0, 0, 128));
    Shape1->SetPen(Qt::black, 1);

    lblCount = MakeLabel(kort, QRect(10, 12, 275, 21), Arial(11), Qt::white, Qt::AlignHCenter);
    lblCount->setWordWrap(true);
    Label1 = MakeLabel(kort, QRect(10, 40, 275, 59), Arial(15, true), Qt::white, Qt::AlignHCenter);
    Label1->setWordWrap(true);
    for (int i = 0; i < 4; ++i) {
        imgSvar[i] = new TImage(kort);
        imgSvar[i]->setGeometry(54, kSvarTopp[i], 211, 41);
        lblNr[i] = MakeLabel(kort, QRect(22, kNrTopp[i], 27, 25), Arial(19, true),
                             QColor(255, 255, 0), Qt::AlignHCenter);
        lblNr[i]->setText(QString::number(i + 1));
        connect(imgSvar[i], &TImage::MouseDown, this, [this, i](int, int, Qt::MouseButton) {
            Skyddat(this, [this, i] { Svara(i + 1); });
        });
    }
    lblProcent =
        MakeLabel(kort, QRect(130, 317, 59, 19), Arial(15, true), Qt::black, Qt::AlignHCenter);
    lblProcent->setText(QStringLiteral("0 %"));
    lblTid = MakeLabel(kort, QRect(130, 336, 59, 19), Arial(12), Qt::black, Qt::AlignHCenter);
    cmdTopp =
        MakeButton(kort, QStringLiteral("Tio-i-topp"), TextNo::TopTen, QRect(8, 318, 117, 35));
    cmdAvsluta =
        MakeButton(kort, QStringLiteral("Avsluta"), TextNo::Close, QRect(188, 318, 101, 35));
    NyGenomgangsknapp(this, QRect(168, 420, 299, 30));

    tmrTimer = MakeTimer(this, 1000);

    connect(imgBlomma, &TImage::MouseDown, this, [this] {
        imgBlomma->hide();
        imgBar->show();
    });
    connect(tmrTimer, &QTimer::timeout, this, [this] {
        if (ovning_)
            ovning_->Blinka();
    });
    connect(cmdTopp, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { VisaTioITopp(); }); });
    connect(cmdAvsluta, &QPushButton::clicked, this, [this] { close(); });

    // The digit keys answer whichever control has the focus.
    qApp->installEventFilter(this);
}

void TfrmOvningMulti::StartaOvning(std::shared_ptr<COvning> ovning) {
    ovning_ = std::move(ovning);
    StartaPaNyKarta(false);
    tmrTid->start();
}

void TfrmOvningMulti::Omstart() {
    if (ArUpptagen() || !ovning_ || !karta_)
        return;
    Upptagen upptagen(this);
    tmrTimer->stop();
    StangGenomgang();
    ovning_->Starta(this);
    VisaProcent(0);
    StartaKlocka();
}

void TfrmOvningMulti::NyVisning() {
    ApplyLanguageTexts(this);
    Shape1->SetBrushColor(FrameColor);
    if (!ShowTimer)
        lblTid->hide();
}

void TfrmOvningMulti::VisaFraga(const QString& text) {
    Label1->setText(text);
    // The questions of this game: those answered and those left, the one
    // now asked among both (in a practice game fewer than take part).
    const int32_t spelade = karta_ && karta_->Platser && ovning_
                                ? std::max(0, karta_->Platser->Kvar + ovning_->Fragor - 1)
                                : 0;
    lblCount->setText(QString::number(ovning_ ? ovning_->Fragor : 0) + QStringLiteral(" (") +
                      QString::number(spelade) + QLatin1Char(')'));
}

TImage* TfrmOvningMulti::Svarsbild(int n) {
    return n >= 1 && n <= 4 ? imgSvar[n - 1] : nullptr;
}

void TfrmOvningMulti::RitaSvar(TImage* box, const QColor& color, const QString& text) {
    if (!box)
        return;
    // In the screen's own pixels, so that a scaled screen (projector mode)
    // shows the name sharp rather than enlarged.
    const qreal kvot = box->devicePixelRatioF();
    if (kvot != 1.0 && box->PixelRatio() != kvot) {
        // Whole pixels of the screen that the box covers, so that its frame
        // is not cut at a fractional scale.
        QImage bild(static_cast<int>(box->width() * kvot), static_cast<int>(box->height() * kvot),
                    QImage::Format_RGB32);
        bild.setDevicePixelRatio(kvot);
        bild.fill(Qt::white);
        box->SetPicture(bild);
    }
    TCanvas& c = box->Canvas();
    c.SetBrushColor(color);
    c.SetPenColor(Qt::black);
    const int penna = static_cast<int>(std::lround(kvot));
    c.SetPenWidth(penna);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenMode(TPenMode::Copy);
    const int w = c.Width();
    const int h = c.Height();
    c.Rectangle(0, 0, w - penna + 1, h - penna + 1); // a wide pen's frame inside the box
    const int tw = c.TextWidth(text);
    const int th = c.TextHeight();
    c.TextOut((w - tw) / 2, (h - th) / 2, text);
    box->update();
    // Read by a screen reader as the key that chooses it and its text.
    for (int i = 0; i < 4; ++i)
        if (imgSvar[i] == box)
            box->setAccessibleName(QString::number(i + 1) + QStringLiteral(": ") + text);
}

void TfrmOvningMulti::Svara(int n) {
    if (tmrTimer->isActive() || !ovning_ || ovning_->Slut || ArUpptagen())
        return; // a right answer is in view, or the game is over
    Upptagen upptagen(this);
    Valt.Nr = n;
    const int32_t svarat = ovning_->Svarat;
    const TSvar svar = TOvningsformular::Svara(*ovning_, Valt);
    // Said where the focus is, as the digit keys answer from anywhere.
    const QString besked = Svarsbesked(*ovning_, svar, svarat, QString());
    Beskriv(this, besked);
    if (QWidget* f = QApplication::focusWidget(); f && f->window() == this)
        Beskriv(f, besked);
}

void TfrmOvningMulti::FoRatt(const TKlick&) {
    // Shows the box green until the timer's tick; answers that come
    // meanwhile find the timer running.
    tmrTimer->start();
}

void TfrmOvningMulti::EfterRatt() {
    tmrTimer->stop();
    Handelser();
}

void TfrmOvningMulti::Avsluta(COvning&) {
    tmrTimer->stop();
    SpeletSlut();
}

bool TfrmOvningMulti::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The keys 1 to 4 of the digit row, also where it gives other characters.
        if (const int n = DigitRowKey(key); n >= 1 && n <= 4) {
            Skyddat(this, [this, n] { Svara(n); });
            return true;
        }
        if (key->key() == Qt::Key_F1) {
            OpenHelp();
            return true;
        }
    }
    return TOvningsskarm<TMultiformular>::eventFilter(watched, event);
}
