// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/OvningKarta.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "platform/Image.h"
#include "screens/Panel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <cmath>

using namespace Skarm;

namespace {

const QColor kSilver(192, 192, 192);
const QColor kNavy(0, 0, 128);
const QColor kLjusgra(230, 230, 230);

constexpr int kTopphojd = 32;

// The map picture of the last screen, kept for the next one: a fresh picture
// of screen size costs more to fault in than to draw.
QImage& VilandeBild() {
    static QImage bild;
    return bild;
}
constexpr int kKnappbredd[] = {117, 97, 27, 79}; // cmdTopp, cmdStarta, cmdHjalp, cmdAvsluta

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
    cmdTopp = MakeButton(top, QStringLiteral("Tio-i-topp"), 11, QRect(86, 2, kKnappbredd[0], 22));
    cmdStarta = MakeButton(top, QStringLiteral("Starta om"), 23, QRect(0, 2, kKnappbredd[1], 22));
    cmdHjalp = MakeButton(top, QStringLiteral("?"), 0, QRect(0, 2, kKnappbredd[2], 22));
    cmdAvsluta = MakeButton(top, QStringLiteral("Avsluta"), 12, QRect(0, 2, kKnappbredd[3], 22));

    panPanel = new TPanel(this, 0, 2);
    panPanel->SetColor(kNavy);
    QWidget* karta = panPanel->Client();
    imgKarta = new TImage(karta);
    imgKarta->setEnabled(false);
    lblNamn = MakeLabel(karta, QRect(), Arial(11), Qt::black, Qt::AlignHCenter);
    SetOpaque(lblNamn, true, kSilver);
    lblNamn->hide();
    lblNamn->installEventFilter(this);
    lblText = MakeLabel(karta, QRect(), Arial(12), Qt::black, Qt::AlignLeft);
    SetOpaque(lblText, true, kLjusgra);
    // It trails the pointer; a click that lands on it is meant for the map.
    lblText->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblText->hide();

    tmrBlinka = new QTimer(this);
    tmrBlinka->setInterval(700);
    tmrNamnTimer = new QTimer(this);
    tmrNamnTimer->setInterval(2000);

    connect(imgKarta, &TImage::MouseDown, this,
            [this](int x, int y, Qt::MouseButton) { Skyddat(this, [&] { KartKlick(x, y); }); });
    connect(imgKarta, &TImage::MouseMove, this, [this](int x, int y) { KartRorelse(x, y); });
    connect(tmrBlinka, &QTimer::timeout, this, [this] { Skyddat(this, [this] { BlinkaTick(); }); });
    connect(tmrNamnTimer, &QTimer::timeout, this, [this] { NamnTimerTick(); });
    connect(cmdTopp, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { VisaTioITopp(); }); });
    connect(cmdStarta, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { cmdStartaClick(); }); });
    connect(cmdHjalp, &QPushButton::clicked, this, [this] { OpenHelp(this); });
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
        imgKarta->ShowChanges();
        BlinkaVidBehov();
        Handelser();
        imgKarta->setEnabled(true);
        cmdAvsluta->setEnabled(true);
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
    // Every map draws its lakes: water areas change only the picture, never
    // which area a click lands in. The six continent maps share one water
    // file; each close-up map has its own with the lakes it shows. Each map
    // has its own sea points, one for every piece of sea it cuts off.
    static constexpr const char* kVatten[] = {
        "Vatten.crp",  "Vatten.crp",  "Vatten.crp",  "Vatten.crp",   "Vatten.crp",   "Vatten.crp",
        "Vatten7.crp", "Vatten8.crp", "Vatten9.crp", "Vatten10.crp", "Vatten11.crp",
    };
    static_assert(std::size(kVatten) == kAntalKartor);
    const int nr = ovning_->Kartnummer;
    if (nr < 1 || nr > kAntalKartor)
        return; // places only
    karta_->Vattenareor->LasAreor(QString::fromLatin1(kVatten[nr - 1]));
    karta_->Landareor->LasAreor(AreaFil(nr));
    karta_->LasHav(QStringLiteral("Hav") + QString::number(nr) + QStringLiteral(".crp"));
    karta_->Gradnat = nr == 1; // the graticule belongs to the world map alone
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
    panTop->Placera(0, 0, w, kTopphojd);
    panTop->show();
    panPanel->Placera(0, kTopphojd, w, h - kTopphojd);

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
    lblFraga->setGeometry(2, 6, w, 25);

    imgKarta->setGeometry(2, 2, panPanel->width() - 4, panPanel->height() - 4);
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

void TfrmOvningKarta::showEvent(QShowEvent* event) {
    TOvningsskarm<TKartformular>::showEvent(event);
    if (event->spontaneous())
        return; // back from the task bar, not a new showing
    handFyllt_ = false;
    ApplyLanguageTexts(this);
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

TImage* TfrmOvningKarta::Kartbild() {
    return imgKarta;
}

void TfrmOvningKarta::VisaFraga(const QString& text) {
    VisaNamn(QString(), 0, 0, false);
    lblFraga->setText(text);
    if (text != QStringLiteral("-")) {
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
    Upptagen upptagen(this);
    Punkt.Lat = karta_->LatVid(y);
    Punkt.Lon = karta_->LonVid(y, x);
    Punkt.Nr = 0;
    if (ovning_->Slut) {
        // After the end a click only names what lies under it.
        ovning_->FelSvar(Punkt);
    } else if (ovning_->ArRatt(Punkt)) {
        ovning_->Blinklage = 0;
        ovning_->RattSvar();
        imgKarta->ShowChanges();
        Handelser();
        const QString text = ovning_->NastaFraga();
        if (text.isEmpty()) {
            imgKarta->setEnabled(false);
            VisaFraga(QStringLiteral("-"));
            SpeletSlut();
            ovning_->Slut = true;
        } else {
            VisaFraga(text);
        }
    } else {
        ovning_->FelSvar(Punkt);
    }
    imgKarta->setEnabled(true);
    imgKarta->ShowChanges(); // the exercise paints on the picture only
    BlinkaVidBehov();
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
    if (!ovning_ || !karta_ || ovning_->Karta != karta_.get())
        return; // not started yet
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
    {
        TTimglas timglas;
        ovning_->Starta(this);
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
