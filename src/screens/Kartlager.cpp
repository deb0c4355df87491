// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Kartlager.h"

#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "maps/Karta.h"
#include "maps/Svarsfarger.h"
#include "platform/Image.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

// The Tab order's bands over the own view's height.
constexpr int kBand = 8;
// A state smaller than this on the screen also gets a circle round it.
constexpr double kLitenStat = 40;
// The ring keeps this far inside the map's edges, or the view follows it.
constexpr int kMarginal = 40;

// A mark drawn as lines, so no font has to have it: in the colour that reads
// on the area, edged with the other one.
void RitaMark(QPainter& p, QPointF m, Svarsfarger::TMark mark, const QColor& bakgrund) {
    const QColor farg = Svarsfarger::Textfarg(bakgrund);
    const QColor kant = farg == QColor(0, 0, 0) ? QColor(255, 255, 255) : QColor(0, 0, 0);
    QPainterPath form;
    switch (mark) {
    case Svarsfarger::TMark::Bock:
        form.moveTo(m + QPointF(-6, 0));
        form.lineTo(m + QPointF(-2, 5));
        form.lineTo(m + QPointF(7, -6));
        break;
    case Svarsfarger::TMark::Kryss:
        form.moveTo(m + QPointF(-5, -5));
        form.lineTo(m + QPointF(5, 5));
        form.moveTo(m + QPointF(5, -5));
        form.lineTo(m + QPointF(-5, 5));
        break;
    case Svarsfarger::TMark::Punkt:
        p.setPen(QPen(kant, 2));
        p.setBrush(farg);
        p.drawEllipse(m, 4.5, 4.5);
        return;
    case Svarsfarger::TMark::Ingen:
        return;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kant, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(form);
    p.setPen(QPen(farg, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(form);
}

double Yta(const CArea& a) {
    return (a.Nord - a.Syd) * (a.Ost - a.Vast);
}

} // namespace

TKartlager::TKartlager(QWidget* parent) : TFokusring(parent) {
}

bool TKartlager::Omradesspel() const {
    return ovning_ && dynamic_cast<const COvningLandArea*>(ovning_->Fragande()) != nullptr;
}

void TKartlager::NyttSpel(const CKarta* karta, COvning* ovning) {
    karta_ = karta;
    ovning_ = ovning;
    aktuell_ = -1;
    visas_ = false;
    mal_.clear();
    if (karta_ && karta_->VyNord != karta_->VySyd) {
        bandhojd_ = (static_cast<double>(karta_->VyNord) - karta_->VySyd) / kBand;
        mitt_ = karta_->VyMitt;
    }
    Uppdatera();
}

TLatLon TKartlager::Mittpunkt(const CArea& a) {
    const TLatLon mitt{static_cast<float>((a.Nord + a.Syd) / 2),
                       static_cast<float>((a.Ost + a.Vast) / 2)};
    return a.Kontur(0).Haller(mitt.Lat, mitt.Lon) ? mitt : a.Fyllpunkt1;
}

QPointF TKartlager::Kontroll(double lat, double lon) const {
    const qreal kvot = karta_->Pixelkvot();
    return QPointF(karta_->XKoordExakt(static_cast<float>(lat), static_cast<float>(lon)),
                   karta_->YKoordExakt(static_cast<float>(lat))) /
           kvot;
}

QPointF TKartlager::Kontroll(TLatLon p) const {
    return Kontroll(p.Lat, p.Lon);
}

void TKartlager::Uppdatera() {
    const bool ringFore = RingVisas();
    const QString fore = AktuellNyckel();
    const QPointF forePunkt =
        aktuell_ >= 0 && karta_ && karta_->H() > 0 ? Kontroll(mal_[aktuell_].Punkt) : QPointF();
    mal_.clear();
    storsta_.clear();
    aktuell_ = -1;
    const bool vy = karta_ && karta_->Bild && karta_->H() > 0 && karta_->VyNord != karta_->VySyd;
    if (vy && ovning_ && Omradesspel() && karta_->Landareor) {
        const CAreor& areor = *karta_->Landareor;
        const COvning& fragande = *ovning_->Fragande();
        for (int i = 1; i <= fragande.Antal; ++i) {
            const QString& key = fragande.Objekt(i);
            if (std::any_of(storsta_.begin(), storsta_.end(),
                            [&](const auto& s) { return s.first == key; }))
                continue;
            const CArea* storst = nullptr;
            for (int k = 1; k <= areor.Antal; ++k) {
                const CArea& a = areor.Area(k);
                if (a.Deltar && a.Antal > 0 && a.Matchar(key) && (!storst || Yta(a) > Yta(*storst)))
                    storst = &a;
            }
            if (storst)
                storsta_.emplace_back(key, storst);
        }
    }
    if (vy && ovning_ && !ovning_->Slut) {
        if (Omradesspel() && karta_->Landareor) {
            for (const auto& [key, storst] : storsta_)
                if (!storst->Besvarad)
                    mal_.push_back({key, Mittpunkt(*storst), storst, nullptr});
        } else if (dynamic_cast<const COvningOrt*>(ovning_->Fragande()) && karta_->Platser) {
            for (const COrt* o = karta_->Platser->Forsta.get(); o; o = o->Nasta.get())
                if (o->Deltar && !o->Besvarad)
                    mal_.push_back(
                        {OrtNyckel(*o),
                         {static_cast<float>(o->Latitud), static_cast<float>(o->Longitud)},
                         nullptr,
                         o});
        }
        // West to east within bands from the north, the longitudes taken
        // round the own view's middle.
        std::vector<QPointF> punkter;
        for (const TMal& m : mal_)
            punkter.emplace_back(std::remainder(m.Punkt.Lon - mitt_, 360.0), -m.Punkt.Lat);
        std::vector<TMal> ordnade;
        for (int i : Fokusordning::Tabordning(punkter, bandhojd_))
            ordnade.push_back(mal_[i]);
        mal_ = std::move(ordnade);
    }
    // The ring stays on its target, or where that was answered goes to the
    // nearest one left.
    for (int i = 0; i < static_cast<int>(mal_.size()); ++i)
        if (mal_[i].Nyckel == fore)
            aktuell_ = i;
    if (aktuell_ < 0 && !fore.isEmpty() && !mal_.empty()) {
        double bast = 0;
        for (int i = 0; i < static_cast<int>(mal_.size()); ++i) {
            const QPointF d = Kontroll(mal_[i].Punkt) - forePunkt;
            const double avstand = std::hypot(d.x(), d.y());
            if (aktuell_ < 0 || avstand < bast)
                aktuell_ = i, bast = avstand;
        }
        // Into view once the answer that moved it is done.
        if (visas_)
            QTimer::singleShot(0, this, [this] {
                if (RingVisas())
                    Flyttad();
            });
    }
    // A layer that draws nothing asks no repaint: over the map, its repaint
    // is the whole map's, on every answer of a player with a mouse.
    if (ringFore || RingVisas() || (Svarsfarger::MarkenPa() && Omradesspel()))
        update();
}

QString TKartlager::AktuellNyckel() const {
    return aktuell_ >= 0 && aktuell_ < static_cast<int>(mal_.size()) ? mal_[aktuell_].Nyckel
                                                                     : QString();
}

void TKartlager::DoljRing() {
    if (visas_) {
        visas_ = false;
        RingAndrad();
    }
}

namespace {

// The pixels a ring's strokes cover.
QRect Ruta(const QPainterPath& ring) {
    return ring.boundingRect().toAlignedRect().adjusted(-5, -5, 5, 5);
}

} // namespace

void TKartlager::RingAndrad() {
    const QRect ny = RingVisas() && hasFocus() ? Ruta(Ringform(mal_[aktuell_])) : QRect();
    update(ringRuta_.united(ny));
}

void TKartlager::Flyttad() {
    visas_ = true;
    if (aktuell_ >= 0 && Visa) {
        const QPointF p = Kontroll(mal_[aktuell_].Punkt);
        if (!rect().adjusted(kMarginal, kMarginal, -kMarginal, -kMarginal).contains(p.toPoint()))
            Visa(mal_[aktuell_].Punkt);
    }
    RingAndrad();
}

bool TKartlager::Stega(bool framat) {
    if (mal_.empty())
        return false;
    if (!RingVisas()) {
        if (aktuell_ < 0)
            aktuell_ = framat ? 0 : static_cast<int>(mal_.size()) - 1;
        Flyttad();
        return true;
    }
    const int nasta = aktuell_ + (framat ? 1 : -1);
    if (nasta < 0 || nasta >= static_cast<int>(mal_.size()))
        return false;
    aktuell_ = nasta;
    Flyttad();
    return true;
}

bool TKartlager::Ga(Fokusordning::TRiktning riktning) {
    if (mal_.empty())
        return false;
    if (!RingVisas()) {
        if (aktuell_ < 0)
            aktuell_ = 0;
        Flyttad();
        return true;
    }
    std::vector<QPointF> punkter;
    for (const TMal& m : mal_)
        punkter.push_back(Kontroll(m.Punkt));
    const int i = Fokusordning::Granne(punkter, aktuell_, riktning);
    if (i < 0)
        return false;
    aktuell_ = i;
    Flyttad();
    return true;
}

bool TKartlager::Valj(const QString& nyckel) {
    for (int i = 0; i < static_cast<int>(mal_.size()); ++i)
        if (mal_[i].Nyckel == nyckel) {
            aktuell_ = i;
            Flyttad();
            return true;
        }
    return false;
}

QPoint TKartlager::Klickpunkt(const TMal& mal) const {
    const auto pixel = [this](TLatLon p) {
        return QPoint(karta_->XKoord(p.Lat, p.Lon), karta_->YKoord(p.Lat));
    };
    if (!mal.Area)
        return pixel(mal.Punkt);
    // The first point that the exercise judges as the target, as a click
    // there is: a small state answers within its ring, and a point inside a
    // piece may still lie in another's ring.
    const auto* la = dynamic_cast<const COvningLandArea*>(ovning_->Fragande());
    std::vector<QPoint> kandidater;
    if (QPointF ring; Smaring(mal.Area, &ring))
        kandidater.push_back((ring * karta_->Pixelkvot()).toPoint());
    kandidater.push_back(pixel(mal.Punkt));
    if (karta_->Landareor)
        for (int k = 1; k <= karta_->Landareor->Antal; ++k) {
            const CArea& a = karta_->Landareor->Area(k);
            if (a.Deltar && a.Matchar(mal.Nyckel))
                for (TLatLon p : {Mittpunkt(a), a.Fyllpunkt1, a.Fyllpunkt2})
                    kandidater.push_back(pixel(p));
        }
    for (const QPoint& q : kandidater) {
        const CArea* a =
            la ? la->AreaUnder(karta_->LatVid(q.y()), karta_->LonVid(q.y(), q.x())) : nullptr;
        if (a && a->Matchar(mal.Nyckel))
            return q;
    }
    return kandidater.front();
}

bool TKartlager::Smaring(const CArea* area, QPointF* mitt) const {
    for (const CKartaRingar::TRing& r : karta_->Ringar.Lista())
        if (area && area->Matchar(r.Nyckel)) {
            *mitt = QPointF(r.Mitt) / karta_->Pixelkvot();
            return true;
        }
    return false;
}

QPainterPath TKartlager::Ringform(const TMal& mal) const {
    QPainterPath form;
    const QPointF mitt = Kontroll(mal.Punkt);
    if (mal.Ort) {
        // Round the marker, whose radius follows the picture's width.
        const double r = std::round(karta_->W() / karta_->Pixelkvot()) / 250 + 2;
        form.addEllipse(mitt, r + 7, r + 7);
        return form;
    }
    if (QPointF ring; Smaring(mal.Area, &ring)) {
        form.addEllipse(ring, CKartaRingar::kRadie + 6, CKartaRingar::kRadie + 6);
        return form;
    }
    // The outline of every piece of the state at the view's detail.
    QRectF ruta;
    if (karta_->Landareor) {
        const int niva = karta_->Detaljniva();
        for (int k = 1; k <= karta_->Landareor->Antal; ++k) {
            const CArea& a = karta_->Landareor->Area(k);
            if (!a.Deltar || !a.Matchar(mal.Nyckel))
                continue;
            a.Kontur(niva).VarjeRing([&](const TLatLon* p, int n) {
                if (n < 2)
                    return;
                QPolygonF ring;
                for (int i = 0; i < n; ++i)
                    ring << Kontroll(p[i]);
                ring << ring.front();
                form.addPolygon(ring);
                ruta = ruta.united(ring.boundingRect());
            });
        }
    }
    if (std::max(ruta.width(), ruta.height()) < kLitenStat)
        form.addEllipse(mitt, kLitenStat / 2 + 4, kLitenStat / 2 + 4);
    return form;
}

void TKartlager::RitaMarken(QPainter& p) const {
    if (!Svarsfarger::MarkenPa() || !Omradesspel() || !karta_->Landareor)
        return;
    for (const auto& [key, storst] : storsta_) {
        if (!storst->Besvarad)
            continue;
        QPointF m = Kontroll(Mittpunkt(*storst));
        QColor bakgrund = karta_->Svarsfarg(*storst);
        // Beside a small state's ring, which its colour fills.
        if (QPointF ring; Smaring(storst, &ring))
            m = ring + QPointF(CKartaRingar::kRadie + 8, -CKartaRingar::kRadie);
        if (!bakgrund.isValid())
            bakgrund = QColor(255, 255, 255);
        RitaMark(p, m, Svarsfarger::Mark(storst->Forsok), bakgrund);
    }
}

void TKartlager::paintEvent(QPaintEvent* event) {
    if (event->region().contains(ringRuta_))
        ringRuta_ = QRect(); // painted over, unless drawn again below
    if (!karta_ || !ovning_ || !karta_->Bild || karta_->H() <= 0 || karta_->VyNord == karta_->VySyd)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    RitaMarken(p);
    if (RingVisas() && hasFocus()) {
        const QPainterPath ring = Ringform(mal_[aktuell_]);
        ringRuta_ = Ruta(ring);
        RitaRing(p, ring, true);
    }
}

void TKartlager::keyPressEvent(QKeyEvent* event) {
    // Shift with an arrow pans, which the screen does wherever the focus is.
    const bool skift = event->modifiers() & Qt::ShiftModifier;
    bool anvand = true;
    const auto pil = Pil(event->key());
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (skift)
            anvand = false;
        else
            Ga(*pil);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!RingVisas())
            Stega(true);
        else if (Svara)
            Svara(Klickpunkt(mal_[aktuell_]));
        break;
    default:
        anvand = false;
    }
    if (anvand)
        event->accept();
    else
        event->ignore();
}

void TKartlager::Borja(bool framat) {
    aktuell_ = mal_.empty() ? -1 : framat ? 0 : static_cast<int>(mal_.size()) - 1;
    if (aktuell_ >= 0)
        Flyttad();
}
