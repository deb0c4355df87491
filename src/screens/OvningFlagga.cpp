#include "screens/OvningFlagga.h"

#include "maps/Kortnamn.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/OvningFlagga.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "screens/Panel.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>

using namespace Skarm;

namespace {

const QColor kSilver(192, 192, 192);
const QColor kLime(0, 255, 0);

int Avrunda(double v) {
    return static_cast<int>(std::nearbyint(v)); // halves to even
}

QImage LasBild(const QString& path) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("gif"), Qt::CaseInsensitive) == 0)
        return DecodeGif(path);
    QImage bild(path);
    if (bild.isNull())
        throw EInOutError(QStringLiteral("Cannot read ") + path);
    return bild;
}

} // namespace

TfrmOvningFlagga::TfrmOvningFlagga(QWidget* parent, Qt::WindowFlags flags)
    : TOvningsskarm<TOvningsformular>(parent, flags | kFastFonster) {
    setWindowTitle(QStringLiteral("Globina"));
    setFixedSize(632, 461);
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, Qt::white);
    setFont(Sans(11));

    pnlFraga = new TPanel(this, 1, 1);
    pnlFraga->Placera(-2, 0, 637, 31);
    QWidget* bar = pnlFraga->Client();
    // Created first, so the percentage and the clock are drawn over a long question.
    lblFraga = MakeLabel(bar, QRect(17, 4, 309, 21), Arial(15, true), Qt::black,
                         Qt::AlignLeft | Qt::AlignTop);
    lblProcent = MakeLabel(bar, QRect(245, 4, 56, 20), Arial(15, true), Qt::black,
                           Qt::AlignHCenter | Qt::AlignTop);
    lblProcent->setText(QStringLiteral("0 %"));
    lblTid = MakeLabel(bar, QRect(296, 4, 49, 20), Arial(15, true), Qt::black,
                       Qt::AlignHCenter | Qt::AlignTop);
    cmdTopp = MakeButton(bar, QStringLiteral("Tio-i-topp"), 11, QRect(348, 2, 101, 25));
    cmdStarta = MakeButton(bar, QStringLiteral("Starta om"), 23, QRect(448, 2, 82, 25));
    cmdHjalp = MakeButton(bar, QStringLiteral("?"), 0, QRect(531, 2, 27, 25));
    cmdAvsluta = MakeButton(bar, QStringLiteral("Avsluta"), 12, QRect(558, 2, 63, 25));

    pnlFlags = new TPanel(this, 1, 1);
    pnlFlags->Placera(12, 38, 609, 393);
    imgFlags = new TImage(pnlFlags->Client());

    tmrRitaOm = new QTimer(this);
    tmrRitaOm->setInterval(1000);
    tmrBlinka = new QTimer(this);
    tmrBlinka->setInterval(1000);

    connect(imgFlags, &TImage::MouseDown, this,
            [this](int x, int y, Qt::MouseButton) { Skyddat(this, [&] { FlaggKlick(x, y); }); });
    connect(tmrRitaOm, &QTimer::timeout, this, [this] { Skyddat(this, [this] { RitaOmTick(); }); });
    connect(tmrBlinka, &QTimer::timeout, this, [this] { Skyddat(this, [this] { BlinkaTick(); }); });
    connect(cmdTopp, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { VisaTioITopp(); }); });
    connect(cmdStarta, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { cmdStartaClick(); }); });
    connect(cmdHjalp, &QPushButton::clicked, this, [this] { OpenHelp(this); });
    connect(cmdAvsluta, &QPushButton::clicked, this, [this] { close(); });
}

void TfrmOvningFlagga::StartaOvning(std::shared_ptr<COvning> ovning) {
    auto* flagga = dynamic_cast<COvningFlagga*>(ovning.get());
    if (!flagga)
        throw EGlobina(QStringLiteral("The flag screen can only play a flag exercise."));
    Upptagen upptagen(this);
    TTimglas timglas;
    ovning_ = std::move(ovning);
    flagga_ = flagga;

    const QWidget* klient = pnlFlags->Client();
    imgFlags->setGeometry(5, 5, klient->width() - 10, klient->height() - 10);
    Rutbredd = static_cast<float>(imgFlags->width() / 4.0);
    Ruthojd = static_cast<float>(imgFlags->height() / 4.0);
    BlankSurface(imgFlags);
    RitaRutnat();

    NyKarta(false);
    const int nr = ovning_->Kartnummer;
    if (nr >= 1 && nr <= 5)
        karta_->Landareor->LasAreor(AreaFil(nr));
    ovning_->Karta = karta_.get();
    ovning_->Starta(this);

    Centrera(this);
    show();
    activateWindow(); // keys go to the new screen, also without a window manager
    LaddaFlaggor();
    RitaAllaFlaggor();
    tmrTid->start();
}

void TfrmOvningFlagga::showEvent(QShowEvent* event) {
    TOvningsskarm<TOvningsformular>::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyLanguageTexts(this);
    pnlFraga->SetColor(LightColor);
    pnlFlags->SetColor(FrameColor);
    if (!ShowTimer)
        lblTid->hide();
}

void TfrmOvningFlagga::VisaFraga(const QString& text) {
    const CArea* area = nullptr;
    if (!Ryms(text) && flagga_ && karta_ && karta_->Landareor && flagga_->FragaNr >= 1 &&
        flagga_->FragaNr <= flagga_->Antal)
        area = karta_->Landareor->Hitta(flagga_->Objekt(flagga_->FragaNr));
    lblFraga->setText(area ? FragaFor(*area) : text);
}

bool TfrmOvningFlagga::Ryms(const QString& fraga) const {
    // The question ends a few pixels before the widest percentage, "100 %".
    const QFontMetrics fm(lblFraga->font());
    const int procent = QFontMetrics(lblProcent->font()).horizontalAdvance(QStringLiteral("100 %"));
    const int slut = lblProcent->x() + (lblProcent->width() - procent) / 2 - 4;
    return lblFraga->x() + fm.horizontalAdvance(fraga) <= slut;
}

QString TfrmOvningFlagga::FragaFor(const CArea& area) const {
    const QString namn = area.Namn[LanguageIndex];
    const QString kort = Kortnamn(area.Nyckel, LanguageIndex);
    const QString fraga = LangText(9) + QLatin1Char(' ') + namn;
    QStringList val{fraga};
    if (!kort.isEmpty())
        val << LangText(9) + QLatin1Char(' ') + kort;
    val << namn;
    if (!kort.isEmpty())
        val << kort;
    for (const QString& v : val)
        if (Ryms(v))
            return v;
    return val.last();
}

void TfrmOvningFlagga::RitaRutnat() {
    TCanvas& c = imgFlags->Canvas();
    const int w = c.Width();
    const int h = c.Height();
    c.SetPenColor(Qt::black);
    c.SetPenWidth(1);
    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetBrushColor(kSilver);
    c.Rectangle(0, 0, w, h);
    for (int i = 0; i <= 4; ++i) {
        const int y = Avrunda(i * static_cast<double>(Ruthojd));
        c.MoveTo(0, y);
        c.LineTo(w, y);
    }
    for (int i = 0; i <= 4; ++i) {
        const int x = Avrunda(i * static_cast<double>(Rutbredd));
        c.MoveTo(x, 0);
        c.LineTo(x, h);
    }
    imgFlags->update();
}

void TfrmOvningFlagga::LaddaFlaggor() {
    for (int n = 1; n <= ovning_->Antal; ++n) {
        const CArea* area = karta_->Landareor->Hitta(ovning_->Objekt(n));
        Flaggbilder[n] = QImage();
        if (!area || area->Flaggfil.isEmpty())
            continue;
        try {
            Flaggbilder[n] = LasBild(ProgramFolder() + QStringLiteral("/flags/") + area->Flaggfil);
        } catch (const std::exception&) {
            ShowMessageBox(this, TBoxKind::Error,
                           QStringLiteral("Could not open flag file ") + area->Flaggfil);
        }
    }
}

void TfrmOvningFlagga::FyllRuta(int n, const QColor& color) {
    const int c = (n - 1) % 4;
    const int r = (n - 1) / 4;
    TCanvas& canvas = imgFlags->Canvas();
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    canvas.Rectangle(Avrunda(c * static_cast<double>(Rutbredd)) + 1,
                     Avrunda(r * static_cast<double>(Ruthojd)) + 1,
                     Avrunda((c + 1) * static_cast<double>(Rutbredd)) - 1,
                     Avrunda((r + 1) * static_cast<double>(Ruthojd)) - 1);
}

void TfrmOvningFlagga::RitaFlagga(int n, const QColor& color, bool medNamn) {
    FyllRuta(n, color);
    const int c = (n - 1) % 4;
    const int r = (n - 1) / 4;
    const int mittX = Avrunda((c + 0.5) * static_cast<double>(Rutbredd));
    const int toppY = Avrunda(r * static_cast<double>(Ruthojd)) + 8;
    const QImage& bild = Flaggbilder[n];
    QRect ram; // left, top, right, bottom with right and bottom outside
    if (!bild.isNull()) {
        const int x = mittX - bild.width() / 2;
        QPainter p(&imgFlags->Picture());
        p.drawImage(x, toppY, bild);
        ram = QRect(QPoint(x, toppY), bild.size());
    } else {
        ram = QRect(mittX - 50, toppY, 100, 63);
    }
    TCanvas& canvas = imgFlags->Canvas();
    canvas.SetPenColor(Qt::black);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Rectangle(ram.left(), ram.top(), ram.left() + ram.width(), ram.top() + ram.height());
    if (medNamn || bild.isNull())
        canvas.TextOut(ram.left(), ram.top() + ram.height(), flagga_->FlaggNamn(n));
    canvas.SetBrushStyle(TBrushStyle::Solid);
    imgFlags->update();
}

void TfrmOvningFlagga::RitaAllaFlaggor() {
    for (int n = 1; n <= flagga_->AntalFlaggor; ++n)
        RitaFlagga(n, Qt::white, false);
}

void TfrmOvningFlagga::FlaggKlick(int x, int y) {
    if (ArUpptagen() || !flagga_ || Rutbredd <= 0 || Ruthojd <= 0)
        return;
    const int kolumn = static_cast<int>(x / Rutbredd);
    const int rad = static_cast<int>(y / Ruthojd);
    if (x < 0 || y < 0 || kolumn > 3)
        return;
    const int n = kolumn + 1 + 4 * rad;
    if (n > flagga_->AntalFlaggor || flagga_->Fragad(n))
        return;
    Upptagen upptagen(this);
    TKlick klick;
    klick.Nr = n;
    if (flagga_->ArRatt(klick)) {
        Blinkraknare = 0;
        // A flag clicked wrongly for an earlier question keeps its answer now.
        if (Omritas == n)
            Omritas = 0;
        RitaFlagga(n, kSilver, true);
        flagga_->RattSvar();
        const QString text = flagga_->NastaFraga();
        if (!text.isEmpty()) {
            VisaFraga(text);
        } else {
            VisaFraga(QString());
            SpeletSlut();
        }
    } else {
        // The earlier wrong name goes first, so a flag clicked twice keeps its name.
        RitaOmTick();
        RitaFlagga(n, Qt::white, true);
        Omritas = n;
        tmrRitaOm->start();
        flagga_->FelSvar(klick);
        if (flagga_->FelDenna == 3) {
            tmrBlinka->start();
            Blinkraknare = 1;
        }
    }
}

void TfrmOvningFlagga::RitaOmTick() {
    if (Omritas != 0) {
        RitaFlagga(Omritas, Qt::white, false);
        Omritas = 0;
        tmrRitaOm->stop();
    }
}

void TfrmOvningFlagga::BlinkaTick() {
    if (Blinkraknare != 0 && flagga_) {
        RitaFlagga(flagga_->FragaNr, Blinkraknare % 2 == 0 ? QColor(Qt::white) : kLime, false);
        ++Blinkraknare;
    }
}

void TfrmOvningFlagga::cmdStartaClick() {
    if (ArUpptagen() || !flagga_ || !karta_)
        return;
    Upptagen upptagen(this);
    {
        TTimglas timglas;
        tmrBlinka->stop();
        tmrRitaOm->stop();
        // Leftovers of the last game would repaint cells of the new one.
        Omritas = 0;
        Blinkraknare = 0;
        flagga_->Starta(this);
        LaddaFlaggor();
        RitaAllaFlaggor();
        VisaProcent(0);
    }
    StartaKlocka();
}
