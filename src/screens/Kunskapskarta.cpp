// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Kunskapskarta.h"

#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "maps/Areas.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "maps/Places.h"
#include "platform/Color.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "scores/Fsrs.h"

#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace {

// ColorBrewer's YlOrBr, five classes, from known to forgotten.
const QColor kSkala[] = {{0xff, 0xff, 0xd4},
                         {0xfe, 0xd9, 0x8e},
                         {0xfe, 0x99, 0x29},
                         {0xd9, 0x5f, 0x0e},
                         {0x99, 0x34, 0x04}};
constexpr int kSkalhojd = 28;

} // namespace

const QColor TKunskapskarta::kAldrigFragad(170, 170, 170);

TKunskapskarta::TKunskapskarta(QWidget* parent) : QWidget(parent) {
    imgKarta = new TImage(this);
    lblSkala = new QLabel(this);
    connect(imgKarta, &TImage::MouseMove, this, [this](int x, int y) {
        const QString text = Beskrivning(QPoint(x, y));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), text, imgKarta);
    });
}

TKunskapskarta::~TKunskapskarta() = default;

QColor TKunskapskarta::Farg(double r) {
    const double t = (1 - std::clamp(r, 0.0, 1.0)) * 4; // 0 known .. 4 forgotten
    const int i = std::min(static_cast<int>(t), 3);
    const double f = t - i;
    const QColor& a = kSkala[i];
    const QColor& b = kSkala[i + 1];
    const auto mix = [f](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * f)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

const TMinnesrad* TKunskapskarta::Rad(const CArea& area) const {
    for (const TMinnesrad& m : minnen_)
        if (area.Matchar(m.Objekt))
            return &m;
    return nullptr;
}

double TKunskapskarta::Aterkallning(const CArea& area) const {
    const TMinnesrad* m = Rad(area);
    if (!m)
        return -1;
    return TFsrs().Aterkallning(std::max<qint64>(m->Senast.daysTo(idag_), 0), m->Minne.Stabilitet);
}

void TKunskapskarta::Visa(const COvning* ovning, const std::vector<TMinnesrad>& minnen,
                          const QDate& idag) {
    minnen_ = minnen;
    idag_ = idag;
    const int w = width();
    const int h = std::max(height() - kSkalhojd - 4, 1);
    const bool lagd = imgKarta->geometry() == QRect(0, 0, w, h);
    imgKarta->setGeometry(0, 0, w, h);
    lblSkala->setGeometry(0, h + 4, w, kSkalhojd);
    RitaSkala();
    const bool sammaKarta =
        karta_ && lagd && ovning && ovning->Nummer == kartansOvning_ && ArKarta(ovning->Kartnummer);
    if (!sammaKarta) {
        QImage bild(w, h, QImage::Format_RGB32);
        bild.fill(QColor(0, 0, 128));
        imgKarta->SetPicture(bild);
        karta_.reset();
        kartansOvning_ = 0;
        if (!ovning || !ArKarta(ovning->Kartnummer))
            return;
        LasKartan(*ovning);
    }
    karta_->RitaAreaovning(ovning->Linjebredd);
    for (int i = 1; i <= karta_->Landareor->Antal; ++i) {
        const CArea& a = karta_->Landareor->Area(i);
        if (!a.Deltar)
            continue;
        const double r = Aterkallning(a);
        karta_->FyllArea(a, r < 0 ? kAldrigFragad : Farg(r));
    }
    imgKarta->update();
}

void TKunskapskarta::LasKartan(const COvning& ovning) {
    auto karta = std::make_unique<CKarta>();
    karta->Landareor = std::make_unique<CAreor>();
    karta->Vattenareor = std::make_unique<CAreor>();
    karta->Platser = std::make_unique<COrter>();
    // The finer outlines only where this view needs them, as the map
    // screen reads them: at the exercise's own view most maps need none.
    karta->LasAtlaskarta(ovning.Kartnummer, true);
    karta->Bild = imgKarta;
    // The exercise's own colours and view, as its game starts.
    if (ovning.Ovningsfarg != 0)
        karta->Ovningsfarg = ColorFromBgr(ovning.Ovningsfarg);
    if (ovning.Vattenfarg != 0)
        karta->Vattenfarg = ColorFromBgr(ovning.Vattenfarg);
    if (ovning.Landfarg != 0)
        karta->Landfarg = ColorFromBgr(ovning.Landfarg);
    for (int i = 1; i <= ovning.Antal; ++i) {
        karta->Landareor->Markera(ovning.Objekt(i));
        karta->Stater << ovning.Objekt(i);
    }
    karta->VyMitt = static_cast<float>(ovning.VyMitt);
    karta->VyNord = static_cast<float>(ovning.VyNord);
    karta->VySyd = static_cast<float>(ovning.VySyd);
    karta->BeraknaSkala();
    if (karta->VyNord == 0 && karta->VySyd == 0)
        karta->AnpassaVy();
    karta_ = std::move(karta);
    kartansOvning_ = ovning.Nummer;
}

QString TKunskapskarta::Beskrivning(const QPoint& p) const {
    if (!karta_)
        return {};
    const CArea* a = karta_->AreaVid(karta_->Landareor.get(), p);
    if (!a || !a->Deltar)
        return {};
    const QString namn = a->Namn[LanguageIndex];
    const TMinnesrad* m = Rad(*a);
    if (!m)
        return namn + QStringLiteral(": ") + LangText(TextNo::NeverAsked);
    const QString svar = m->SenastForsok == 1 ? LangText(TextNo::RightAtFirstTry)
                                              : LangText(TextNo::NTries).arg(m->SenastForsok);
    return LangText(TextNo::KnowledgeTip)
        .arg(namn)
        .arg(static_cast<int>(std::lround(Aterkallning(*a) * 100)))
        .arg(svar);
}

void TKunskapskarta::RitaSkala() {
    // A bar from 0 to 100 %, the grey of the never asked beside it.
    QImage bild(lblSkala->width(), kSkalhojd, QImage::Format_RGB32);
    bild.fill(FrameColor);
    QPainter p(&bild);
    p.setFont(Arial(11));
    p.setPen(Qt::white);
    const QFontMetrics fm(p.font());
    const QString aldrig = LangText(TextNo::NeverAsked);
    const int gra = 14 + fm.horizontalAdvance(aldrig) + 8;
    const int stapel = bild.width() - gra - 8;
    const QString rubrik = LangText(TextNo::RecallToday);
    p.drawText(QRect(0, 0, stapel, 13), Qt::AlignLeft | Qt::AlignVCenter, rubrik);
    for (int x = 0; x < stapel; ++x) {
        p.setPen(Farg(double(x) / std::max(stapel - 1, 1)));
        p.drawLine(x, 14, x, kSkalhojd - 1);
    }
    p.setPen(Qt::white);
    p.drawText(QRect(2, 14, stapel - 4, kSkalhojd - 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("0 %"));
    p.setPen(Qt::black);
    p.drawText(QRect(2, 14, stapel - 4, kSkalhojd - 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("100 %"));
    p.fillRect(QRect(stapel + 8, 14, 12, kSkalhojd - 14), kAldrigFragad);
    p.setPen(Qt::white);
    p.drawText(QRect(stapel + 22, 14, gra, kSkalhojd - 14), Qt::AlignLeft | Qt::AlignVCenter,
               aldrig);
    p.end();
    lblSkala->setPixmap(QPixmap::fromImage(bild));
}
