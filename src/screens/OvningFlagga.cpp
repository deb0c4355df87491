// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/OvningFlagga.h"

#include "maps/Kortnamn.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/OvningFlagga.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/WidgetHelpers.h"
#include "screens/Flaggfokus.h"
#include "screens/Panel.h"
#include "screens/Tillganglighet.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>

using namespace Skarm;

namespace {

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

// The flag picture made to fill a frame of the given size in picture pixels.
// A picture within two pixels of the size is centred unscaled, as the frame
// hides the difference; a whole multiple is enlarged pixel by pixel, as on a
// screen that scales it; any other size is resampled smoothly.
QImage AnpassadFlagga(const QImage& kalla, const QSize& storlek) {
    const QSize d = storlek - kalla.size();
    if (std::abs(d.width()) <= 2 && std::abs(d.height()) <= 2) {
        if (d.isNull())
            return kalla;
        QImage bild(storlek, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.drawImage(d.width() / 2, d.height() / 2, kalla);
        return bild;
    }
    const bool helt = !kalla.isNull() && storlek.width() % kalla.width() == 0 &&
                      storlek.height() % kalla.height() == 0 &&
                      storlek.width() / kalla.width() == storlek.height() / kalla.height();
    return kalla.scaled(storlek, Qt::IgnoreAspectRatio,
                        helt ? Qt::FastTransformation : Qt::SmoothTransformation);
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
    cmdTopp = MakeButton(bar, QStringLiteral("Tio-i-topp"), TextNo::TopTen, QRect(348, 2, 101, 25));
    cmdStarta =
        MakeButton(bar, QStringLiteral("Starta om"), TextNo::Restart, QRect(448, 2, 82, 25));
    cmdHjalp = MakeButton(bar, QStringLiteral("?"), kNoText, QRect(531, 2, 27, 25));
    cmdAvsluta = MakeButton(bar, QStringLiteral("Avsluta"), TextNo::Close, QRect(558, 2, 63, 25));

    pnlFlags = new TPanel(this, 1, 1);
    pnlFlags->Placera(12, 38, 609, 393);
    imgFlags = new TImage(pnlFlags->Client());
    Flaggfokus = new TFlaggfokus(pnlFlags->Client());
    Flaggfokus->Rutor = [this] {
        std::vector<std::pair<int, QRectF>> rutor;
        for (int n = 1; flagga_ && !flagga_->Slut && n <= flagga_->AntalFlaggor; ++n)
            if (!flagga_->Fragad(n))
                rutor.emplace_back(n, QRectF(((n - 1) % 4) * Rutbredd, ((n - 1) / 4) * Ruthojd,
                                             Rutbredd, Ruthojd));
        return rutor;
    };
    // As a click on the cell.
    Flaggfokus->Svara = [this](int n) { Skyddat(this, [&] { FlaggSvar(n); }); };
    NyGenomgangsknapp(this, QRect(12, 434, 140, 24));

    tmrRitaOm = MakeTimer(this, 1000);
    tmrBlinka = MakeTimer(this, 1000);

    connect(imgFlags, &TImage::MouseDown, this,
            [this](int x, int y, Qt::MouseButton) { Skyddat(this, [&] { FlaggKlick(x, y); }); });
    connect(tmrRitaOm, &QTimer::timeout, this, [this] { Skyddat(this, [this] { RitaOmTick(); }); });
    connect(tmrBlinka, &QTimer::timeout, this, [this] { Skyddat(this, [this] { BlinkaTick(); }); });
    connect(cmdTopp, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { VisaTioITopp(); }); });
    connect(cmdStarta, &QPushButton::clicked, this,
            [this] { Skyddat(this, [this] { cmdStartaClick(); }); });
    connect(cmdHjalp, &QPushButton::clicked, this, [this] { OpenHelp(); });
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
    Flaggfokus->setGeometry(imgFlags->geometry());
    Rutbredd = static_cast<float>(imgFlags->width() / 4.0);
    Ruthojd = static_cast<float>(imgFlags->height() / 4.0);
    NyttArk(imgFlags->devicePixelRatioF());

    StartaPaNyKarta(true);
    LaddaFlaggor();
    RitaAllaFlaggor();
    NyttFlaggfokus();
    tmrTid->start();
}

void TfrmOvningFlagga::NyVisning() {
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
    // The whole question, whatever fits the bar, for a screen reader.
    Flaggfokus->setAccessibleName(
        area ? LangText(TextNo::ClickOn) + QLatin1Char(' ') + area->Namn[LanguageIndex] : text);
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
    const QString fraga = LangText(TextNo::ClickOn) + QLatin1Char(' ') + namn;
    QStringList val{fraga};
    if (!kort.isEmpty())
        val << LangText(TextNo::ClickOn) + QLatin1Char(' ') + kort;
    val << namn;
    if (!kort.isEmpty())
        val << kort;
    for (const QString& v : val)
        if (Ryms(v))
            return v;
    return val.last();
}

int TfrmOvningFlagga::Px(int n) const {
    const qreal r = imgFlags->PixelRatio();
    return r == 1.0 ? n : static_cast<int>(std::lround(n * r));
}

void TfrmOvningFlagga::Ram(int x1, int y1, int x2, int y2) {
    TCanvas& c = imgFlags->Canvas();
    c.Rectangle(x1, y1, x2, y2);
    const TBrushStyle brush = c.BrushStyle();
    c.SetBrushStyle(TBrushStyle::Clear);
    for (int k = 1; k < Px(1); ++k)
        c.Rectangle(x1 + k, y1 + k, x2 - k, y2 - k);
    c.SetBrushStyle(brush);
}

void TfrmOvningFlagga::NyttArk(qreal kvot) {
    if (!(kvot > 1.0)) {
        BlankSurface(imgFlags);
    } else {
        QImage ark(imgFlags->size() * kvot, QImage::Format_RGB32);
        ark.setDevicePixelRatio(kvot);
        ark.fill(Qt::white);
        imgFlags->SetPicture(ark);
    }
    RitaRutnat();
}

void TfrmOvningFlagga::RitaRutnat() {
    TCanvas& c = imgFlags->Canvas();
    const int w = c.Width();
    const int h = c.Height();
    const int linje = Px(1);
    c.SetPenColor(Qt::black);
    c.SetPenWidth(1);
    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetBrushColor(kSilver);
    Ram(0, 0, w, h);
    // A grid line covers the picture pixels of one layout pixel.
    for (int i = 0; i <= 4; ++i) {
        const int y = Px(Avrunda(i * static_cast<double>(Ruthojd)));
        for (int k = 0; k < linje; ++k) {
            c.MoveTo(0, y + k);
            c.LineTo(w, y + k);
        }
    }
    for (int i = 0; i <= 4; ++i) {
        const int x = Px(Avrunda(i * static_cast<double>(Rutbredd)));
        for (int k = 0; k < linje; ++k) {
            c.MoveTo(x + k, 0);
            c.LineTo(x + k, h);
        }
    }
    imgFlags->update();
}

void TfrmOvningFlagga::LaddaFlaggor() {
    const bool skarpa = imgFlags->PixelRatio() > 1.0;
    for (int n = 1; n <= ovning_->Antal; ++n) {
        const CArea* area = karta_->Landareor->Hitta(ovning_->Objekt(n));
        Flaggbilder[n] = QImage();
        Flaggbilder2x[n] = QImage();
        if (!area || area->Flaggfil.isEmpty())
            continue;
        try {
            Flaggbilder[n] = LasBild(ProgramFolder() + QStringLiteral("/flags/") + area->Flaggfil);
        } catch (const std::exception&) {
            ShowMessageBox(this, TBoxKind::Error,
                           QStringLiteral("Could not open flag file ") + area->Flaggfil);
            continue;
        }
        // The sheet's layout follows the small picture, so a large one is
        // only worth having beside it. Without one the small one is scaled.
        const QString stor = ProgramFolder() + QStringLiteral("/flags2x/") + area->Flaggfil;
        if (!skarpa || !QFileInfo::exists(stor))
            continue;
        try {
            Flaggbilder2x[n] = LasBild(stor);
        } catch (const std::exception&) {
            ShowMessageBox(this, TBoxKind::Error,
                           QStringLiteral("Could not open flag file flags2x/") + area->Flaggfil);
        }
    }
}

void TfrmOvningFlagga::FyllRuta(int n, const QColor& color) {
    const int c = (n - 1) % 4;
    const int r = (n - 1) / 4;
    TCanvas& canvas = imgFlags->Canvas();
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    canvas.Rectangle(Px(Avrunda(c * static_cast<double>(Rutbredd)) + 1),
                     Px(Avrunda(r * static_cast<double>(Ruthojd)) + 1),
                     Px(Avrunda((c + 1) * static_cast<double>(Rutbredd)) - 1),
                     Px(Avrunda((r + 1) * static_cast<double>(Ruthojd)) - 1));
}

void TfrmOvningFlagga::RitaFlagga(int n, const QColor& color, bool medNamn) {
    FyllRuta(n, color);
    const int c = (n - 1) % 4;
    const int r = (n - 1) / 4;
    const int mittX = Avrunda((c + 0.5) * static_cast<double>(Rutbredd));
    const int toppY = Avrunda(r * static_cast<double>(Ruthojd)) + 8;
    const QImage& bild = Flaggbilder[n];
    // The frame in layout pixels: left, top, right, bottom with right and
    // bottom outside.
    QRect ram;
    if (!bild.isNull()) {
        const int x = mittX - bild.width() / 2;
        ram = QRect(QPoint(x, toppY), bild.size());
        QImage& ark = imgFlags->Picture();
        const qreal kvot = ark.devicePixelRatio();
        if (kvot == 1.0) {
            QPainter p(&ark);
            p.drawImage(x, toppY, bild);
        } else {
            // The frame's picture pixels, filled from the sharpest source.
            const QRect mal(
                QPoint(Px(ram.left()), Px(ram.top())),
                QPoint(Px(ram.left() + ram.width()) - 1, Px(ram.top() + ram.height()) - 1));
            const QImage& kalla = Flaggbilder2x[n].isNull() ? bild : Flaggbilder2x[n];
            ark.setDevicePixelRatio(1.0); // so the painter works in picture pixels
            {
                QPainter p(&ark);
                p.drawImage(mal.topLeft(), AnpassadFlagga(kalla, mal.size()));
            }
            ark.setDevicePixelRatio(kvot);
        }
    } else {
        ram = QRect(mittX - 50, toppY, 100, 63);
    }
    TCanvas& canvas = imgFlags->Canvas();
    canvas.SetPenColor(Qt::black);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    Ram(Px(ram.left()), Px(ram.top()), Px(ram.left() + ram.width()), Px(ram.top() + ram.height()));
    if (medNamn || bild.isNull())
        canvas.TextOut(Px(ram.left()), Px(ram.top() + ram.height()), flagga_->FlaggNamn(n));
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
    // The layout pixel under the picture pixel.
    const qreal kvot = imgFlags->PixelRatio();
    if (kvot != 1.0) {
        x = static_cast<int>(std::floor(x / kvot));
        y = static_cast<int>(std::floor(y / kvot));
    }
    const int kolumn = static_cast<int>(x / Rutbredd);
    const int rad = static_cast<int>(y / Ruthojd);
    if (x < 0 || y < 0 || kolumn > 3)
        return;
    FlaggSvar(kolumn + 1 + 4 * rad);
}

void TfrmOvningFlagga::FlaggSvar(int n) {
    if (ArUpptagen() || !flagga_ || n < 1 || n > flagga_->AntalFlaggor || flagga_->Fragad(n))
        return;
    Upptagen upptagen(this);
    TKlick klick;
    klick.Nr = n;
    const int32_t svarat = flagga_->Svarat;
    const TSvar svar = Svara(*flagga_, klick);
    if (svar == TSvar::Fel && flagga_->FelDenna == 3) {
        tmrBlinka->start();
        Blinkraknare = 1;
    }
    Flaggfokus->Uppdatera();
    Beskriv(Flaggfokus, Svarsbesked(*flagga_, svar, svarat,
                                    svar == TSvar::Fel ? flagga_->FlaggNamn(n) : QString()));
}

void TfrmOvningFlagga::NyttFlaggfokus() {
    Flaggfokus->Uppdatera(true); // VisaFraga has named it with the whole question
    Beskriv(Flaggfokus, ProcentText(flagga_->Procent));
    Flaggfokus->setFocus(Qt::OtherFocusReason);
}

void TfrmOvningFlagga::FoRatt(const TKlick& klick) {
    Blinkraknare = 0;
    // A flag clicked wrongly for an earlier question keeps its answer now.
    if (Omritas == klick.Nr)
        Omritas = 0;
    RitaFlagga(klick.Nr, kSilver, true);
}

void TfrmOvningFlagga::FoFel(const TKlick& klick) {
    // The earlier wrong name goes first, so a flag clicked twice keeps its name.
    RitaOmTick();
    RitaFlagga(klick.Nr, Qt::white, true);
    Omritas = klick.Nr;
    tmrRitaOm->start();
}

void TfrmOvningFlagga::Avsluta(COvning&) {
    VisaFraga(QString());
    SpeletSlut();
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
    StangGenomgang();
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
        NyttFlaggfokus();
    }
    StartaKlocka();
}
