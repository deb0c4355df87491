// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/OvningKarta.h"
#include "screens/Utskriftsdialog.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/OvningBlandad.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "maps/Places.h"
#include "platform/Canvas.h"
#include "platform/Image.h"
#include "platform/SettingsStore.h"
#include "platform/WidgetHelpers.h"
#include "screens/Fyrval.h"
#include "screens/Genomgang.h"
#include "screens/Kartlager.h"
#include "screens/Panel.h"
#include "screens/Tillganglighet.h"
#include "screens/Utforskning.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QStringListModel>
#include <QThread>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>
#include <functional>
#include <utility>

using namespace Skarm;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kLjusgra(230, 230, 230);

constexpr int kTopphojd = 32;
// Narrower than the design (a projector size on a small screen), the bar
// gives the question a row of its own under the buttons.
constexpr int kDesignbredd = 1016;
constexpr int kFragerad = 24;

// The map picture of the last screen, kept for the next one: a fresh picture
// of screen size costs more to fault in than to draw.
QImage& VilandeBild() {
    static QImage bild;
    return bild;
}
constexpr int kKnappbredd[] = {117, 97, 27, 79}; // cmdTopp, cmdStarta, cmdHjalp, cmdAvsluta
constexpr int kGenomgangsbredd = 97;
const QColor kLime(0, 255, 0);

// A press of the right or middle button that moves less than this many
// control pixels is a click, not a drag.
constexpr int kDragGrans = 4;

// A 16-point icon drawn sharp at twice the pixels, its outline in the pen's width.
QIcon Ikon(qreal penna, const std::function<void(QPainter&)>& rita) {
    QPixmap bild(32, 32);
    bild.setDevicePixelRatio(2);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, penna, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    rita(p);
    p.end();
    return QIcon(bild);
}

// A house: back to the whole map.
QIcon HemIkon() {
    return Ikon(1.5, [](QPainter& p) {
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(
            QPolygonF({{2, 8}, {8, 2}, {14, 8}, {12.5, 8}, {12.5, 14}, {3.5, 14}, {3.5, 8}}));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(6.5, 9.5, 3, 4.5));
    });
}

// A printer: the paper going in, the body, the sheet coming out.
QIcon SkrivarIkon() {
    return Ikon(1.2, [](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 4));
        p.setBrush(QColor(96, 96, 96));
        p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
    });
}

} // namespace

TfrmOvningKarta::TfrmOvningKarta(QWidget* parent, Qt::WindowFlags flags)
    : TOvningsskarm<TKartformular>(parent, flags) {
    setWindowTitle(QStringLiteral("Globina"));
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, kSilver);
    setFont(Arial(12));
    SetColor(this, QPalette::WindowText, Qt::black);
    resize(1016, 713);

    panTop = new TPanel(this, 1, 2);
    panTop->hide();
    QWidget* top = panTop->Client();
    // The question spans the whole bar, so it goes under everything else.
    lblFraga = MakeLabel(top, QRect(2, 6, 1016, 25), Arial(13, true), Qt::black, Qt::AlignHCenter);
    lblProcent = MakeLabel(top, QRect(6, 6, 40, 22), Arial(13, true), kNavy, Qt::AlignLeft);
    lblProcent->setText(QStringLiteral("0"));
    lblTid = MakeLabel(top, QRect(46, 6, 40, 22), Arial(13, true), kNavy, Qt::AlignLeft);
    cmdTopp = MakeButton(top, QStringLiteral("Tio-i-topp"), TextNo::TopTen,
                         QRect(86, 2, kKnappbredd[0], 22));
    cmdStarta = MakeButton(top, QStringLiteral("Starta om"), TextNo::Restart,
                           QRect(0, 2, kKnappbredd[1], 22));
    cmdHjalp = MakeButton(top, QStringLiteral("?"), kNoText, QRect(0, 2, kKnappbredd[2], 22));
    cmdAvsluta =
        MakeButton(top, QStringLiteral("Avsluta"), TextNo::Close, QRect(0, 2, kKnappbredd[3], 22));
    NyGenomgangsknapp(top, QRect(203, 2, kGenomgangsbredd, 22));

    panPanel = new TPanel(this, 0, 2);
    panPanel->SetColor(kNavy);
    QWidget* karta = panPanel->Client();
    imgKarta = new TImage(karta);
    imgKarta->setEnabled(false);
    Kartlager = new TKartlager(karta);
    Kartlager->Svara = [this](QPoint p) { Skyddat(this, [&] { KartKlick(p.x(), p.y()); }); };
    Kartlager->Visa = [this](TLatLon p) {
        const QPointF mitt(imgKarta->PixelWidth() / 2.0, imgKarta->PixelHeight() / 2.0);
        if (KartanVisas() && !ArUpptagen() && Vy.Flytta(*karta_, p, mitt))
            Skyddat(this, [this] { VisaVy(); });
    };
    lblNamn = MakeLabel(karta, QRect(), Arial(11), Qt::black, Qt::AlignHCenter);
    SetOpaque(lblNamn, true, kSilver);
    lblNamn->hide();
    lblNamn->installEventFilter(this);
    lblText = MakeLabel(karta, QRect(), Arial(12), Qt::black, Qt::AlignLeft);
    SetOpaque(lblText, true, kLjusgra);
    // It trails the pointer; a click that lands on it is meant for the map.
    lblText->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblText->hide();

    cmdHem = new QToolButton(karta);
    cmdHem->setIcon(HemIkon());
    cmdHem->setIconSize(QSize(16, 16));
    cmdHem->setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it is
    cmdHem->setAutoRaise(false);
    cmdHem->hide();
    cmdSkrivUt = new QToolButton(karta);
    cmdSkrivUt->setIcon(SkrivarIkon());
    cmdSkrivUt->setIconSize(QSize(16, 16));
    cmdSkrivUt->setFocusPolicy(Qt::TabFocus);
    imgKarta->installEventFilter(this);

    panSkriv = new QWidget(karta);
    panSkriv->setAutoFillBackground(true);
    SetColor(panSkriv, QPalette::Window, kLjusgra);
    txtNamn = new QLineEdit(panSkriv);
    txtNamn->setFont(Arial(13));
    txtNamn->setGeometry(4, 4, 260, 26);
    chkForslag = new QCheckBox(panSkriv);
    chkForslag->setFont(Arial(11));
    SetTag(chkForslag, TextNo::SuggestNames);
    chkForslag->setGeometry(270, 4, 150, 26);
    lblSkrivsvar =
        MakeLabel(panSkriv, QRect(4, 32, 416, 22), Arial(12, true), Qt::black, Qt::AlignLeft);
    panSkriv->resize(424, 58);
    panSkriv->hide();
    panFyrval = new TFyrval(karta);
    connect(panFyrval, &TFyrval::Vald, this,
            [this](int n) { Skyddat(this, [this, n] { Valj(n); }); });
    forslag_ = new QStringListModel(this);
    kompletterare_ = new QCompleter(forslag_, this);
    // The list is the matcher's own, compared without marks and articles.
    kompletterare_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    kompletterare_->setCaseSensitivity(Qt::CaseInsensitive);
    txtNamn->setCompleter(kompletterare_);
    connect(txtNamn, &QLineEdit::textEdited, this,
            [this](const QString& t) { UppdateraForslag(t); });
    connect(txtNamn, &QLineEdit::returnPressed, this,
            [this] { Skyddat(this, [this] { SkrivSvar(); }); });
    connect(chkForslag, &QCheckBox::toggled, this, [this](bool pa) {
        if (!pa)
            kompletterare_->popup()->hide();
        try {
            TSettingsStore().WriteText(Setting::SuggestNames,
                                       pa ? QStringLiteral("1") : QStringLiteral("0"));
        } catch (const EStoreError&) {
            // Not kept: the choice still holds for this game.
        }
    });

    tmrBlinka = MakeTimer(this, 700);
    tmrNamnTimer = MakeTimer(this, 2000);

    connect(imgKarta, &TImage::MouseDown, this,
            [this](int x, int y, Qt::MouseButton) { Skyddat(this, [&] { KartKlick(x, y); }); });
    connect(imgKarta, &TImage::MouseMove, this, [this](int x, int y) {
        if (utforskning_)
            UtforskaRorelse(x, y);
        else
            KartRorelse(x, y);
    });
    connect(tmrBlinka, &QTimer::timeout, this, [this] { Skyddat(this, [this] { BlinkaTick(); }); });
    connect(tmrNamnTimer, &QTimer::timeout, this, [this] { NamnTimerTick(); });
    connect(cmdTopp, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { VisaTioITopp(); }); });
    connect(cmdStarta, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { cmdStartaClick(); }); });
    connect(cmdHjalp, &QPushButton::clicked, this, [this] { OpenHelp(); });
    connect(cmdHem, &QToolButton::clicked, this, [this] { Skyddat(this, [this] { Hem(); }); });
    connect(cmdSkrivUt, &QToolButton::clicked, this, [this] { SkrivUtVyn(); });
    connect(cmdAvsluta, &QPushButton::clicked, this, [this] { cmdAvslutaClick(); });
}

void TfrmOvningKarta::StartaOvning(std::shared_ptr<COvning> ovning) {
    Handelser();
    cmdAvsluta->setEnabled(false);
    ovning_ = std::move(ovning);
    Upptagen upptagen(this);
    try {
        // Unmaximised by the window manager for a moment, the screen is a
        // window of its design size in the middle of the desktop, its title
        // bar on screen, until it is maximised again.
        QRect normal(QPoint(), QSize(1016, 713));
        normal.moveCenter(Skrivbord().center());
        setGeometry(normal);
        Maximera();
        show();
        activateWindow(); // keys go to the new screen, also without a window manager
        // A window manager maximises in its own time, and the layout needs
        // the final size.
        QElapsedTimer vantat;
        vantat.start();
        while (frameGeometry() != Skrivbord() && vantat.elapsed() < 500) {
            Handelser();
            QThread::msleep(5);
        }
        FyllSkrivbordet();
        LaggUt();
        panPanel->SetColor(kNavy); // shows as a frame around the map
        if (!ShowTimer)
            lblTid->hide();
        LaddaKarta();
        karta_->HanteraHandelser = [] { Handelser(); };
        ovning_->Karta = karta_.get();
        ovning_->Starta(this);
        if (utforskning_) {
            // The map as the game draws it, with no question and no clock.
            VisaFraga(QStringLiteral("-"));
            lblFraga->setText(LangText(TextNo::ExploreQuestion));
            for (QWidget* w : std::initializer_list<QWidget*>{lblProcent, lblTid, cmdTopp,
                                                              cmdStarta, cmdGenomgang})
                w->hide();
        }
        Vy.Spara(*karta_);
        NyttKartlager();
        cmdHem->hide();
        panSkriv->setVisible(Skrivspel());
        if (Skrivspel()) {
            chkForslag->setChecked(TSettingsStore().ReadNumber(Setting::SuggestNames).value_or(1) !=
                                   0);
            lblSkrivsvar->clear();
            txtNamn->clear();
            txtNamn->setFocus();
        }
        if (Markerspel())
            VisaSkrivfragan(true);
        imgKarta->ShowChanges();
        BlinkaVidBehov();
        Handelser();
        imgKarta->setEnabled(true);
        cmdAvsluta->setEnabled(true);
        SattTitel();
        if (utforskning_)
            setWindowTitle(QStringLiteral("Globina \u2013 ") + LangText(TextNo::Explore));
        else
            tmrTid->start();
    } catch (...) {
        // A screen without its map is of no use; the caller reports why.
        cmdAvsluta->setEnabled(true);
        hide();
        throw;
    }
}

void TfrmOvningKarta::LaddaKarta() {
    NyKarta(true);
    // The finer outlines are read at the first view that needs them, not at the start.
    if (ArKarta(ovning_->Kartnummer)) // else places only
        karta_->LasAtlaskarta(ovning_->Kartnummer, true);
}

void TfrmOvningKarta::Maximera() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void TfrmOvningKarta::FyllSkrivbordet() {
    const QRect desk = Skrivbord();
    if (frameGeometry() == desk)
        return;
    // The frame, if any, stays where it is and the window fills the rest.
    const QRect ram = frameGeometry();
    const QRect inre = geometry();
    setGeometry(desk.adjusted(inre.left() - ram.left(), inre.top() - ram.top(),
                              inre.right() - ram.right(), inre.bottom() - ram.bottom()));
}

void TfrmOvningKarta::HallMaximerad() {
    if (!isVisible() || isMinimized())
        return;
    if (!(windowState() & Qt::WindowMaximized)) {
        // Restored, resized or unmaximised by the window manager.
        Maximera();
        return;
    }
    const QRect ram = frameGeometry();
    const QRect desk = Skrivbord();
    if ((ram.width() < desk.width() || ram.height() < desk.height()) && !skrivbordVantar_ &&
        !handFyllt_) {
        // Maximised in name only: a window manager may still be at work, so
        // it gets its time before the geometry is set by hand.
        skrivbordVantar_ = true;
        QTimer::singleShot(500, this, [this] {
            skrivbordVantar_ = false;
            const QRect r = frameGeometry();
            const QRect d = Skrivbord();
            if (isVisible() && !isMinimized() &&
                (r.width() < d.width() || r.height() < d.height())) {
                handFyllt_ = true;
                FyllSkrivbordet();
            }
        });
    }
}

QRect TfrmOvningKarta::Skrivbord() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void TfrmOvningKarta::LaggUt() {
    const int w = width();
    const int h = height();
    const bool egenRad = w < kDesignbredd;
    const int topp = kTopphojd + (egenRad ? kFragerad : 0);
    panTop->Placera(0, 0, w, topp);
    panTop->show();
    panPanel->Placera(0, topp, w, h - topp);

    const int klientBredd = w - 2 * panTop->Inset();
    const int knappHojd = kTopphojd - 2 * panTop->Inset() - 4;
    int x = klientBredd - 2 - kKnappbredd[3];
    cmdAvsluta->setGeometry(x, 2, kKnappbredd[3], knappHojd);
    x -= kKnappbredd[2];
    cmdHjalp->setGeometry(x, 2, kKnappbredd[2], knappHojd);
    x -= kKnappbredd[1];
    cmdStarta->setGeometry(x, 2, kKnappbredd[1], knappHojd);
    lblProcent->setGeometry(6, 6, 40, 22);
    lblTid->setGeometry(lblProcent->geometry().right() + 1, 6, 40, 22);
    cmdTopp->setGeometry(lblTid->geometry().right() + 1, 2, kKnappbredd[0], knappHojd);
    cmdGenomgang->setGeometry(cmdTopp->geometry().right() + 1, 2, kGenomgangsbredd, knappHojd);
    if (egenRad)
        lblFraga->setGeometry(0, kTopphojd - 6, klientBredd, kFragerad);
    else
        lblFraga->setGeometry(2, 6, w, 25);

    imgKarta->setGeometry(2, 2, panPanel->width() - 4, panPanel->height() - 4);
    Kartlager->setGeometry(imgKarta->geometry());
    cmdHem->setGeometry(imgKarta->x() + 8, imgKarta->y() + 8, 26, 26);
    cmdSkrivUt->setGeometry(imgKarta->geometry().right() - 8 - 26, imgKarta->y() + 8, 26, 26);
    panSkriv->move(imgKarta->x() + 8, imgKarta->geometry().bottom() - 8 - panSkriv->height());
    // The map is drawn in the screen's own pixels, so a scaled screen shows
    // it sharp rather than enlarged.
    const qreal kvot = imgKarta->devicePixelRatioF();
    const QSize storlek = imgKarta->size() * kvot;
    QImage bild = std::move(VilandeBild());
    VilandeBild() = QImage();
    if (bild.size() != storlek || bild.format() != QImage::Format_RGB32)
        bild = QImage(storlek, QImage::Format_RGB32);
    bild.setDevicePixelRatio(kvot);
    bild.fill(Qt::white);
    imgKarta->SetPicture(bild);
}

TfrmOvningKarta::~TfrmOvningKarta() {
    // Only a picture that nothing else shares is worth keeping.
    QImage bild = std::move(imgKarta->Picture());
    imgKarta->Picture() = QImage();
    if (!bild.isNull() && bild.isDetached())
        VilandeBild() = std::move(bild);
}

void TfrmOvningKarta::NyVisning() {
    handFyllt_ = false;
    ApplyLanguageTexts(this);
    cmdHem->setToolTip(LangText(TextNo::WholeMap));
    cmdSkrivUt->setToolTip(LangText(TextNo::PrintThisView));
    chkForslag->setText(LangText(TextNo::SuggestNames));
    panPanel->SetColor(LightColor);
    panTop->SetColor(LightColor);
}

void TfrmOvningKarta::resizeEvent(QResizeEvent* event) {
    TOvningsskarm<TKartformular>::resizeEvent(event);
    // The screen is always as large as the desktop allows.
    QTimer::singleShot(0, this, [this] { HallMaximerad(); });
}

void TfrmOvningKarta::changeEvent(QEvent* event) {
    TOvningsskarm<TKartformular>::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, [this] { HallMaximerad(); });
}

QRect TfrmOvningKarta::Fragerum() const {
    const QRect fraga = lblFraga->geometry();
    if (fraga.top() > 6)
        return fraga;
    // Centred over the whole bar, the question keeps clear of the buttons
    // at both ends.
    const int vanster = cmdGenomgang->geometry().right() + 1 - fraga.left();
    const int hoger = fraga.right() - cmdStarta->x() + 1;
    return fraga.adjusted(std::max(vanster, hoger), 0, -std::max(vanster, hoger), 0);
}

TImage* TfrmOvningKarta::Kartbild() {
    return imgKarta;
}

void TfrmOvningKarta::VisaFraga(const QString& text) {
    VisaNamn(QString(), 0, 0, false);
    lblFraga->setText(text);
    // A screen reader reads the question as the name of the map.
    Kartlager->setAccessibleName(text == QStringLiteral("-") ? LangText(TextNo::MapName) : text);
    if (text != QStringLiteral("-") && !Markerspel()) {
        lblText->setText(QLatin1Char(' ') + text + QLatin1Char(' '));
        AnpassaStorlek(lblText);
    } else {
        lblText->hide();
        lblText->clear();
    }
}

void TfrmOvningKarta::VisaNamn(const QString& text, int32_t x, int32_t y, bool show) {
    lblNamn->setVisible(show);
    lblNamn->setText(text);
    AnpassaStorlek(lblNamn);
    const int w = lblNamn->width() + 4;
    const int h = lblNamn->height();
    const QPoint p = KartPunkt(x, y);
    lblNamn->setGeometry(p.x() - w / 2 + imgKarta->x(), p.y() - h / 2 + imgKarta->y(), w, h);
    if (show) {
        tmrNamnTimer->start();
        SetOpaque(lblNamn, true, kSilver);
    }
}

void TfrmOvningKarta::NamnTimerTick() {
    SetOpaque(lblNamn, false);
    tmrNamnTimer->stop();
}

void TfrmOvningKarta::KartKlick(int x, int y) {
    if (ArUpptagen() || !ovning_ || !karta_)
        return; // an answer is being handled, or the map is not ready
    if (utforskning_)
        return UtforskaKlick(x, y);
    if (Markerspel() && ovning_->Svarssatt != TSvarssatt::Huvudstad)
        return; // the marked item is the answer: a click on it would give it away
    Upptagen upptagen(this);
    Punkt.Lat = karta_->LatVid(y);
    Punkt.Lon = karta_->LonVid(y, x);
    Punkt.Nr = 0;
    // After the end a click only names what lies under it.
    const int32_t svarat = ovning_->Svarat;
    const TSvar svar = Svara(*ovning_, Punkt);
    if (svar == TSvar::Ratt && Markerspel())
        VisaSkrivfragan(); // a capital found: the next area marked (its view updates the layer)
    else
        Kartlager->Uppdatera();
    if (!ovning_->Slut || svar == TSvar::Slut)
        Beskriv(Kartlager, Svarsbesked(*ovning_, svar, svarat,
                                       lblNamn->isVisible() ? lblNamn->text() : QString()));
    imgKarta->setEnabled(true);
    imgKarta->ShowChanges(); // the exercise paints on the picture only
    BlinkaVidBehov();
}

void TfrmOvningKarta::EfterRatt() {
    imgKarta->ShowChanges();
    Handelser();
}

void TfrmOvningKarta::Avsluta(COvning&) {
    imgKarta->setEnabled(false);
    txtNamn->setEnabled(false);
    panFyrval->hide();
    if (Markerspel() && KartanVisas())
        VisaVy(); // the last question's mark goes
    VisaFraga(QStringLiteral("-"));
    SpeletSlut();
}

QPoint TfrmOvningKarta::KartPunkt(int x, int y) const {
    const qreal kvot = imgKarta->PixelRatio();
    if (kvot == 1.0)
        return QPoint(x, y);
    return QPoint(static_cast<int>(std::floor(x / kvot)), static_cast<int>(std::floor(y / kvot)));
}

void TfrmOvningKarta::BlinkaVidBehov() {
    // With nothing to blink the timer rests, so an idle screen does no work.
    if (ovning_ && ovning_->Blinkar()) {
        if (!tmrBlinka->isActive())
            tmrBlinka->start();
    } else {
        tmrBlinka->stop();
    }
}

bool TfrmOvningKarta::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && (watched == imgKarta || watched == lblNamn))
        Kartlager->DoljRing(); // the mouse answers now
    if (watched == imgKarta)
        return KartHandelse(event) || TOvningsskarm<TKartformular>::eventFilter(watched, event);
    if (watched == lblNamn && event->type() == QEvent::MouseButtonPress) {
        // The name lies over the map: the click is meant for the map beneath.
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QPoint horn = lblNamn->pos();
        VisaNamn(QString(), 0, 0, false);
        const qreal kvot = imgKarta->PixelRatio();
        const int x = static_cast<int>(std::floor((horn.x() + pos.x() - imgKarta->x()) * kvot));
        const int y = static_cast<int>(std::floor((horn.y() + pos.y() - imgKarta->y()) * kvot));
        Skyddat(this, [&] { KartKlick(x, y); });
        return true;
    }
    return TOvningsskarm<TKartformular>::eventFilter(watched, event);
}

void TfrmOvningKarta::KartRorelse(int x, int y) {
    if (!lblText->text().isEmpty())
        lblText->show();
    lblText->move(KartPunkt(x, y) + QPoint(15, 15));
}

void TfrmOvningKarta::BlinkaTick() {
    if (!ovning_ || !karta_ || ovning_->Karta != karta_.get() || utforskning_)
        return; // not started yet, or nothing asked
    ovning_->Blinka();
    imgKarta->ShowChanges();
    BlinkaVidBehov();
    Handelser();
}

void TfrmOvningKarta::cmdStartaClick() {
    if (ArUpptagen() || !ovning_ || !karta_)
        return;
    Upptagen upptagen(this);
    cmdAvsluta->setEnabled(false);
    StangGenomgang();
    {
        TTimglas timglas;
        ovning_->Starta(this);
        Vy.Spara(*karta_);
        NyttKartlager();
        cmdHem->hide();
        if (Skrivspel()) {
            lblSkrivsvar->clear();
            txtNamn->clear();
            txtNamn->setEnabled(true);
            txtNamn->setFocus();
        }
        if (Markerspel())
            VisaSkrivfragan(true);
        imgKarta->ShowChanges();
        BlinkaVidBehov();
        VisaProcent(0);
    }
    cmdAvsluta->setEnabled(true);
    StartaKlocka();
}

void TfrmOvningKarta::cmdAvslutaClick() {
    tmrBlinka->stop();
    close();
}

void TfrmOvningKarta::PlaceraGenomgang(QWidget& genomgang) {
    // At the right edge, so that most of the map stays in view.
    const QRect skarm = geometry();
    genomgang.move(skarm.right() - genomgang.width() - 16,
                   skarm.top() + (skarm.height() - genomgang.height()) / 2);
}

void TfrmOvningKarta::GenomgangsNamn(const QString& text, QPoint punkt, const QColor& bakgrund,
                                     const QColor& farg) {
    auto* label = MakeLabel(panPanel->Client(), QRect(), Arial(12, true), farg, Qt::AlignHCenter);
    label->setText(QLatin1Char(' ') + text + QLatin1Char(' '));
    AnpassaStorlek(label);
    SetOpaque(label, true, bakgrund);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint p = KartPunkt(punkt.x(), punkt.y()) + imgKarta->pos();
    label->move(p.x() - label->width() / 2, p.y() - label->height() / 2);
    label->show();
    genomgangsNamn_.push_back(label);
}

void TfrmOvningKarta::VisaGenomgangsrad(const TFragaLogg* fraga) {
    if (!karta_ || !karta_->Bild)
        return;
    for (QLabel* label : genomgangsNamn_)
        delete label;
    genomgangsNamn_.clear();
    // Each line is drawn on the picture the game left, which comes back
    // when the review closes.
    if (slutbild_.isNull())
        slutbild_ = imgKarta->Picture();
    imgKarta->SetPicture(slutbild_);
    imgKarta->update();
    if (!fraga) {
        slutbild_ = QImage();
        return;
    }
    VisaNamn(QString(), 0, 0, false);
    lblText->hide();
    // The asked item in lime, what was given instead in red, each named.
    // An area or a place as the question was: a game of areas and places
    // logs which of its exercises asked each.
    const auto* blandad = dynamic_cast<const COvningBlandad*>(ovning_.get());
    const bool areor = blandad ? fraga->Ovning != blandad->Orter().Nummer
                               : dynamic_cast<const COvningLandArea*>(ovning_.get()) != nullptr;
    const auto visa = [this, areor](const QString& key, const QString& namn, const QColor& bakgrund,
                                    const QColor& farg) {
        if (karta_->Landareor && areor) {
            if (const CArea* a = karta_->Landareor->Hitta(key)) {
                karta_->FyllAreor(key, bakgrund);
                GenomgangsNamn(namn,
                               QPoint(karta_->XKoord(a->Fyllpunkt1.Lat, a->Fyllpunkt1.Lon),
                                      karta_->YKoord(a->Fyllpunkt1.Lat)),
                               bakgrund, farg);
            }
            return;
        }
        if (karta_->Platser)
            for (COrt* o = karta_->Platser->Forsta.get(); o; o = o->Nasta.get())
                if (o->Deltar && OrtNyckel(*o) == key) {
                    karta_->RitaOrt(*o, bakgrund);
                    const auto lat = static_cast<float>(o->Latitud);
                    const auto lon = static_cast<float>(o->Longitud);
                    GenomgangsNamn(
                        namn,
                        QPoint(karta_->XKoord(lat, lon), karta_->YKoord(lat) + karta_->Px(14)),
                        bakgrund, farg);
                    return;
                }
    };
    for (int i = 0; i < fraga->Givet.size(); ++i)
        if (fraga->Givet.indexOf(fraga->Givet[i]) == i) // each confusion once
            visa(fraga->Givet[i], i < fraga->GivetNamn.size() ? fraga->GivetNamn[i] : QString(),
                 RedColor, Qt::white);
    visa(fraga->Objekt, fraga->Namn, kLime, Qt::black);
    imgKarta->ShowChanges();
    if (TfrmGenomgang* g = Genomgang(); g && !genomgangsNamn_.empty())
        HallUndan(*g);
}

void TfrmOvningKarta::HallUndan(TfrmGenomgang& g) {
    // The review keeps clear of every name the line shows: where it stands,
    // else at a side or in a corner of the screen, and folded to its list
    // where whole it covers a name wherever it goes (a small screen).
    QRegion visat;
    for (const QLabel* namn : genomgangsNamn_)
        visat += QRect(namn->mapToGlobal(QPoint(0, 0)), namn->size()).adjusted(-20, -20, 20, 20);
    const auto tackt = [&](const QRect& r) {
        long yta = 0;
        for (const QRect& del : visat.intersected(r))
            yta += static_cast<long>(del.width()) * del.height();
        return yta;
    };
    const QSize ram = g.frameGeometry().size() - g.size();
    const QRect skarm = geometry().adjusted(16, panTop->height() + 8, -16, -16);
    QPoint bast = g.frameGeometry().topLeft();
    long minst = -1;
    bool bastIhop = g.Hopfalld();
    for (const bool ihop : {false, true}) {
        g.Falla(ihop);
        const QSize storlek = g.size() + ram;
        const int hoger = skarm.right() - storlek.width(), vanster = skarm.left();
        const int mitt = skarm.top() + (skarm.height() - storlek.height()) / 2;
        const int nere = skarm.bottom() - storlek.height(), uppe = skarm.top();
        for (const QPoint p : {g.frameGeometry().topLeft(), QPoint(hoger, mitt),
                               QPoint(vanster, mitt), QPoint(hoger, uppe), QPoint(vanster, uppe),
                               QPoint(hoger, nere), QPoint(vanster, nere)}) {
            const long t = tackt(QRect(p, storlek));
            if (minst < 0 || t < minst)
                minst = t, bast = p, bastIhop = ihop;
        }
        if (minst == 0)
            break;
    }
    g.Falla(bastIhop);
    g.move(bast);
}

void TfrmOvningKarta::StartaUtforska(std::shared_ptr<COvning> ovning) {
    ovning->Ovningsobjekt.clear();
    utforskning_ = std::make_unique<TUtforskning>(panPanel->Client());
    StartaOvning(std::move(ovning));
}

void TfrmOvningKarta::UtforskaRorelse(int x, int y) {
    const TUtforskning::TUnder under = TUtforskning::Under(*karta_, *ovning_, x, y);
    if (!utforskning_->NyttNamn(under.namn))
        return;
    if (under.namn.isEmpty()) {
        VisaNamn(QString(), 0, 0, false);
        return;
    }
    // Above the pointer, so that the pointer does not hide it.
    VisaNamn(under.namn, under.punkt.x(), under.punkt.y() - karta_->Px(16), true);
    tmrNamnTimer->stop(); // stays solid while it is pointed at
}

void TfrmOvningKarta::UtforskaKlick(int x, int y) {
    utforskning_->Visa(TUtforskning::Under(*karta_, *ovning_, x, y), KartPunkt(x, y),
                       imgKarta->geometry());
}

void TfrmOvningKarta::keyPressEvent(QKeyEvent* event) {
    // The buttons pass these keys on, so they reach the screen wherever the
    // focus is.
    const QPointF mitt(imgKarta->PixelWidth() / 2.0, imgKarta->PixelHeight() / 2.0);
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        Skyddat(this, [&] { Zooma(std::sqrt(2.0), mitt); });
        return;
    case Qt::Key_Minus:
        Skyddat(this, [&] { Zooma(1 / std::sqrt(2.0), mitt); });
        return;
    case Qt::Key_Home:
        Skyddat(this, [this] { Hem(); });
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->modifiers() & Qt::ShiftModifier) {
            const int k = event->key();
            Skyddat(this, [&] {
                Panorera(k == Qt::Key_Left    ? -0.25
                         : k == Qt::Key_Right ? 0.25
                                              : 0,
                         k == Qt::Key_Up     ? -0.25
                         : k == Qt::Key_Down ? 0.25
                                             : 0);
            });
            return;
        }
        break;
    default:
        TOvningsskarm<TKartformular>::keyPressEvent(event);
    }
}

bool TfrmOvningKarta::KartHandelse(QEvent* event) {
    const qreal kvot = imgKarta->PixelRatio();
    switch (event->type()) {
    case QEvent::Wheel: {
        const auto* w = static_cast<QWheelEvent*>(event);
        hjulRest_ += w->angleDelta().y();
        const int hak = hjulRest_ / 120;
        hjulRest_ -= hak * 120;
        if (hak != 0) {
            const QPointF at = w->position() * kvot;
            Skyddat(this, [&] { Zooma(std::pow(std::sqrt(2.0), hak), at); });
        }
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() != Qt::RightButton && m->button() != Qt::MiddleButton)
            return false; // the left button answers at once
        if (dragKnapp_ == Qt::NoButton) {
            dragKnapp_ = m->button();
            dragFran_ = m->position().toPoint();
            drar_ = false;
            if (KartanVisas())
                dragGrepp_ = CKartvy::PunktVid(*karta_, m->position() * kvot);
        }
        return true;
    }
    case QEvent::MouseMove: {
        const auto* m = static_cast<QMouseEvent*>(event);
        if (dragKnapp_ == Qt::NoButton || !(m->buttons() & dragKnapp_))
            return false;
        drar_ = drar_ || (m->position().toPoint() - dragFran_).manhattanLength() >= kDragGrans;
        if (drar_ && KartanVisas() && !ArUpptagen() &&
            Vy.Flytta(*karta_, dragGrepp_, m->position() * kvot))
            Skyddat(this, [this] { VisaVy(); });
        return false; // the question still follows the pointer
    }
    case QEvent::MouseButtonRelease: {
        const auto* m = static_cast<QMouseEvent*>(event);
        if (dragKnapp_ == Qt::NoButton || m->button() != dragKnapp_)
            return false;
        dragKnapp_ = Qt::NoButton;
        if (!drar_) {
            // Not moved: a click with that button, where it was pressed.
            const int x = static_cast<int>(std::floor(dragFran_.x() * kvot + 1e-6));
            const int y = static_cast<int>(std::floor(dragFran_.y() * kvot + 1e-6));
            Skyddat(this, [&] { KartKlick(x, y); });
        }
        return true;
    }
    default:
        return false;
    }
}

bool TfrmOvningKarta::KartanVisas() const {
    return ovning_ && karta_ && ovning_->Karta == karta_.get() && karta_->Bild &&
           karta_->VyNord != karta_->VySyd;
}

void TfrmOvningKarta::Zooma(double faktor, QPointF at) {
    if (KartanVisas() && !ArUpptagen() && Vy.Zooma(*karta_, faktor, at))
        VisaVy();
}

void TfrmOvningKarta::SkrivUtVyn() {
    // A game of areas and places prints its areas.
    const auto* blandad = dynamic_cast<const COvningBlandad*>(ovning_.get());
    const std::shared_ptr<COvning> utskrift = blandad ? blandad->Utskrift() : ovning_;
    if (!KartanVisas() || !utskrift || !KanSkrivasUt(*utskrift))
        return;
    const CKarta& k = *karta_;
    VisaUtskrift(this, utskrift,
                 TUtskriftsvy{k.VyMitt, k.VyNord, k.VySyd, k.W(), k.H(), k.Narmare});
}

void TfrmOvningKarta::Panorera(double dx, double dy) {
    if (!KartanVisas() || ArUpptagen())
        return;
    const QPointF mitt(imgKarta->PixelWidth() / 2.0, imgKarta->PixelHeight() / 2.0);
    const QPointF dit = mitt + QPointF(dx * imgKarta->PixelWidth(), dy * imgKarta->PixelHeight());
    if (Vy.Flytta(*karta_, CKartvy::PunktVid(*karta_, dit), mitt))
        VisaVy();
}

void TfrmOvningKarta::NyttKartlager() {
    Kartlager->NyttSpel(karta_.get(), ovning_.get());
    // A game that marks what it asks is answered in its name field or by its
    // choices, not by moving among the areas.
    Kartlager->setFocusPolicy(Markerspel() ? Qt::NoFocus : Qt::TabFocus);
    Kartlager->setAccessibleName(lblFraga->text());
    Beskriv(Kartlager, ProcentText(ovning_->Procent));
    if (!Markerspel())
        Kartlager->setFocus(Qt::OtherFocusReason);
}

void TfrmOvningKarta::Hem() {
    if (KartanVisas() && !ArUpptagen() && Vy.Hem(*karta_))
        VisaVy();
}

void TfrmOvningKarta::VisaVy() {
    Upptagen upptagen(this);
    // The name stood at a point that has moved.
    VisaNamn(QString(), 0, 0, false);
    // Drawn in one go: a wheel turn or drag waiting meanwhile would find the
    // map half drawn.
    auto handelser = std::exchange(karta_->HanteraHandelser, {});
    try {
        ovning_->RitaOm();
    } catch (...) {
        karta_->HanteraHandelser = std::move(handelser);
        throw;
    }
    karta_->HanteraHandelser = std::move(handelser);
    if (Markerspel())
        RitaMarkering();
    imgKarta->ShowChanges();
    Kartlager->Uppdatera();
    cmdHem->setVisible(!Vy.ArEgen(*karta_));
    cmdHem->raise();
}

bool TfrmOvningKarta::Skrivspel() const {
    return ovning_ && ovning_->Skriver() && !utforskning_;
}

bool TfrmOvningKarta::Markerspel() const {
    return ovning_ && ovning_->Markerar() && !utforskning_;
}

void TfrmOvningKarta::VisaVal() {
    const QStringList val = Markerspel() && !ovning_->Slut ? ovning_->Svarsval() : QStringList();
    panFyrval->setVisible(!val.isEmpty());
    if (val.isEmpty())
        return;
    panFyrval->Visa(val);
    const QRectF r = Fragerektangel();
    const qreal kvot = imgKarta->PixelRatio();
    const QRect undvik = QRectF(r.topLeft() / kvot, r.bottomRight() / kvot)
                             .toAlignedRect()
                             .translated(imgKarta->pos());
    panFyrval->Placera(imgKarta->geometry(), undvik);
}

void TfrmOvningKarta::Valj(int n) {
    const auto* la = dynamic_cast<const COvningLandArea*>(ovning_.get());
    if (ArUpptagen() || !la || !Markerspel() || !karta_ || ovning_->Slut)
        return;
    Upptagen upptagen(this);
    TKlick klick;
    klick.Nr = n;
    const TSvar svar = Svara(*ovning_, klick);
    if (svar == TSvar::Fel) {
        if (la->ValtFel(n))
            panFyrval->Fel(n);
        if (ovning_->FelDenna >= 3)
            panFyrval->VisaRatt(la->RattVal());
    } else if (svar == TSvar::Ratt) {
        VisaSkrivfragan();
    }
    imgKarta->ShowChanges();
    BlinkaVidBehov();
}

void TfrmOvningKarta::UppdateraForslag(const QString& text) {
    if (!Skrivspel() || !chkForslag->isChecked())
        return;
    const QStringList lista = ovning_->Kompletteringar(text);
    forslag_->setStringList(lista);
    if (lista.isEmpty())
        kompletterare_->popup()->hide();
    else
        kompletterare_->complete();
}

void TfrmOvningKarta::SkrivSvar() {
    if (ArUpptagen() || !Skrivspel() || !karta_ || ovning_->Slut)
        return;
    const QString text = txtNamn->text().trimmed();
    if (text.isEmpty())
        return;
    kompletterare_->popup()->hide();
    Upptagen upptagen(this);
    TKlick klick;
    klick.Skrivet = true;
    klick.Namn = text;
    const QString svaret = ovning_->FragatNamn();
    const TSvar svar = Svara(*ovning_, klick);
    // The completer puts its choice back after Enter: cleared once it has.
    txtNamn->clear();
    QTimer::singleShot(0, txtNamn, &QLineEdit::clear);
    if (svar == TSvar::Fel) {
        // What was typed stays in view, and from the third miss the answer.
        QString visat = QStringLiteral("\u2717 ") + text;
        if (ovning_->FelDenna >= 3)
            visat += QStringLiteral("   \u2192 ") + svaret;
        lblSkrivsvar->setText(visat);
        SetColor(lblSkrivsvar, QPalette::WindowText, QColor(176, 0, 0));
    } else {
        lblSkrivsvar->setText(QStringLiteral("\u2713 ") + svaret);
        SetColor(lblSkrivsvar, QPalette::WindowText, QColor(0, 110, 0));
        if (svar == TSvar::Ratt)
            VisaSkrivfragan();
    }
    imgKarta->ShowChanges();
    BlinkaVidBehov();
}

namespace {

// A closer view for a typed question shows no less than this many degrees
// of latitude, so that the marked item keeps its neighbours in view.
constexpr double kSkrivHojd = 10;

} // namespace

QRectF TfrmOvningKarta::Fragerektangel() const {
    const auto* la = dynamic_cast<const COvningLandArea*>(ovning_->Fragande());
    const CArea* a = la && karta_->Landareor ? karta_->Landareor->Hitta(la->FragaNamn) : nullptr;
    if (!a)
        return QRectF();
    const auto mitt = static_cast<float>((a->Nord + a->Syd) / 2);
    const double x1 = karta_->XKoordExakt(mitt, static_cast<float>(a->Vast));
    const double x2 = karta_->XKoordExakt(mitt, static_cast<float>(a->Ost));
    const double y1 = karta_->YKoordExakt(static_cast<float>(a->Nord));
    const double y2 = karta_->YKoordExakt(static_cast<float>(a->Syd));
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                  QPointF(std::max(x1, x2), std::max(y1, y2)));
}

void TfrmOvningKarta::VisaSkrivfragan(bool nyttSpel) {
    if (!KartanVisas() || ovning_->Slut)
        return;
    bool flyttad = Vy.Hem(*karta_);
    const QRectF r = Fragerektangel();
    const double storlek = std::max(r.width(), r.height());
    // Seen at least 40 screen pixels across, the player can tell its shape.
    const double minst = kMinstaMarkering * karta_->Pixelkvot();
    if (storlek > 0 && storlek < minst) {
        const double hojd = karta_->VyNord - karta_->VySyd;
        const double faktor = std::min(minst * 1.25 / storlek, hojd / kSkrivHojd);
        if (faktor > 1)
            flyttad = Vy.Zooma(*karta_, faktor, r.center()) || flyttad;
    }
    if (nyttSpel && !flyttad) {
        // The game's start has just drawn the map at this view: only the
        // mark of the question is still to come.
        ovning_->MarkeraFragan();
        RitaMarkering();
        imgKarta->ShowChanges();
        Kartlager->Uppdatera();
        cmdHem->setVisible(!Vy.ArEgen(*karta_));
    } else {
        // Drawn afresh even at the same view: the last question's outline goes.
        VisaVy();
    }
    VisaVal();
}

void TfrmOvningKarta::RitaMarkering() {
    if (!KartanVisas() || ovning_->Slut)
        return;
    TCanvas& c = imgKarta->Canvas();
    const TPenMode mode = c.PenMode();
    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenColor(Qt::black);
    c.SetPenWidth(karta_->Px(3));
    c.SetBrushStyle(TBrushStyle::Clear);
    // A circle 40 pixels across round a place, or an area still smaller.
    const auto ring = [&](QPointF p) {
        const int r = karta_->Px(kMinstaMarkering / 2);
        c.SetPenColor(COvning::Markfarg());
        c.Ellipse(qRound(p.x()) - r, qRound(p.y()) - r, qRound(p.x()) + r, qRound(p.y()) + r);
    };
    if (const auto* la = dynamic_cast<COvningLandArea*>(ovning_->Fragande());
        la && karta_->Landareor) {
        const QRectF r = Fragerektangel();
        if (std::max(r.width(), r.height()) < kMinstaMarkering * karta_->Pixelkvot())
            ring(r.center());
        c.SetPenColor(Qt::black);
        const int niva = karta_->Detaljniva();
        for (int k = 1; k <= karta_->Landareor->Antal; ++k) {
            const CArea& a = karta_->Landareor->Area(k);
            if (!a.Deltar || !a.Matchar(la->FragaNamn))
                continue;
            a.Kontur(niva).VarjeRing([&](const TLatLon* p, int n) {
                for (int i = 0; i <= n && n > 1; ++i) {
                    const TLatLon& q = p[i % n];
                    const int x =
                        karta_->XKoord(static_cast<float>(q.Lat), static_cast<float>(q.Lon));
                    const int y = karta_->YKoord(static_cast<float>(q.Lat));
                    if (i == 0)
                        c.MoveTo(x, y);
                    else
                        c.LineTo(x, y);
                }
            });
        }
    } else if (const auto* o = dynamic_cast<COvningOrt*>(ovning_->Fragande()); o && o->Plats) {
        const auto lat = static_cast<float>(o->Plats->Latitud);
        const auto lon = static_cast<float>(o->Plats->Longitud);
        ring(QPointF(karta_->XKoord(lat, lon), karta_->YKoord(lat)));
    }
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetPenWidth(1);
    c.SetPenMode(mode);
    // A capital on the outline stays in view.
    if (auto* la = dynamic_cast<COvningLandArea*>(ovning_->Fragande()))
        la->RitaHuvudstaderOvanpa();
}
