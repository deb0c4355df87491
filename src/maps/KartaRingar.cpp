// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/KartaRingar.h"

#include "maps/Karta.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <cmath>

void CKartaRingar::Glom() {
    ringar_.clear();
    under_.clear();
    ritade_ = false;
}

std::vector<CKartaRingar::TStat> CKartaRingar::Stater(const CKarta& karta) {
    std::vector<TStat> stater;
    if (!karta.Landareor)
        return stater;
    std::vector<QString> nycklar;
    const auto lagg = [&](int i, CArea& a) {
        if (i == static_cast<int>(stater.size())) {
            stater.push_back({a.Nord, a.Syd, a.Ost, a.Vast, &a});
            return;
        }
        TStat& s = stater[i];
        s.nord = std::max(s.nord, a.Nord), s.syd = std::min(s.syd, a.Syd);
        s.ost = std::max(s.ost, a.Ost), s.vast = std::min(s.vast, a.Vast);
        const auto yta = [](const CArea* b) { return (b->Nord - b->Syd) * (b->Ost - b->Vast); };
        if (yta(&a) > yta(s.storst))
            s.storst = &a;
    };
    const CAreor& areor = *karta.Landareor;
    for (const QString& key : karta.Stater) {
        if (std::find(nycklar.begin(), nycklar.end(), key) != nycklar.end())
            continue;
        const int i = static_cast<int>(stater.size());
        for (int k = 1; k <= areor.Antal; ++k)
            if (CArea& a = areor.Area(k); a.Deltar && a.Antal > 0 && a.Matchar(key))
                lagg(i, a);
        if (i < static_cast<int>(stater.size()))
            nycklar.push_back(key);
    }
    return stater;
}

double CKartaRingar::Storlek(const CKarta& karta, const CArea& s, bool exakt) {
    // Meridians bow outwards towards the equator: the widest parallel of
    // the box is the one nearest to it.
    const float brett = static_cast<float>(s.Syd > 0 ? s.Syd : s.Nord < 0 ? s.Nord : 0);
    const auto x = [&](double lon) {
        return exakt ? karta.XKoordExakt(brett, static_cast<float>(lon))
                     : karta.XKoord(brett, static_cast<float>(lon));
    };
    const auto y = [&](double lat) {
        return exakt ? karta.YKoordExakt(static_cast<float>(lat))
                     : karta.YKoord(static_cast<float>(lat));
    };
    return std::max(x(s.Ost) - x(s.Vast), y(s.Syd) - y(s.Nord));
}

double CKartaRingar::MinstaStat(const CKarta& karta) {
    double minst = 0;
    if (karta.VyNord == karta.VySyd)
        return minst;
    for (const TStat& s : Stater(karta)) {
        const double px = Storlek(karta, *s.storst, true);
        if (minst == 0 || px < minst)
            minst = px;
    }
    return minst;
}

void CKartaRingar::Berakna(const CKarta& karta) {
    Glom();
    if (!karta.Landareor || karta.VyNord == karta.VySyd)
        return;
    const std::vector<TStat> stater = Stater(karta);
    const double grans = kGrans * karta.Pixelkvot();
    const int rand = static_cast<int>(std::ceil(kRadie * karta.Pixelkvot()));
    const QRect bild = QRect(0, 0, karta.W(), karta.H()).adjusted(-rand, -rand, rand, rand);
    for (const TStat& stat : stater) {
        if (stat.nord < karta.VySyd || stat.syd > karta.VyNord)
            continue;
        // An archipelago spread over an ocean has no piece to click however
        // wide it spreads, so a state is ringed as its largest piece is.
        if (Storlek(karta, *stat.storst, false) >= grans)
            continue;
        const TLatLon& p = stat.storst->Fyllpunkt1;
        const QPoint mitt(karta.XKoord(p.Lat, p.Lon), karta.YKoord(p.Lat));
        if (!bild.contains(mitt))
            continue;
        const QColor farg = karta.Svarsfarg(*stat.storst);
        ringar_.push_back(
            {stat.storst->Nyckel, stat.storst, mitt, farg.isValid() ? farg : karta.Landfarg});
    }
}

CArea* CKartaRingar::Traff(QPoint p, qreal kvot) const {
    const double rackvidd = kRackvidd * kvot;
    CArea* best = nullptr;
    double bast = rackvidd * rackvidd;
    for (const TRing& r : ringar_) {
        const double dx = p.x() - r.Mitt.x(), dy = p.y() - r.Mitt.y();
        if (dx * dx + dy * dy <= bast)
            bast = dx * dx + dy * dy, best = r.Area;
    }
    return best;
}

void CKartaRingar::SattFarg(const CArea& area, const QColor& farg) {
    for (TRing& r : ringar_)
        if (area.Matchar(r.Nyckel))
            r.Farg = farg;
}

void CKartaRingar::Rita(TCanvas& c, qreal kvot) {
    if (ritade_)
        TaBort(c);
    kvot_ = kvot;
    const double yttre = kRadie * kvot;
    const double kant = 1.2 * kvot, band = 3 * kvot;
    const int n = static_cast<int>(std::ceil(yttre));
    for (const TRing& r : ringar_) {
        const QRect ruta = QRect(r.Mitt - QPoint(n, n), r.Mitt + QPoint(n, n)) & c.ClipRect();
        if (ruta.isEmpty())
            continue;
        under_.emplace_back(ruta, c.Block(ruta));
        std::vector<QRgb> ring = under_.back().second;
        auto p = ring.begin();
        for (int y = ruta.top(); y <= ruta.bottom(); ++y)
            for (int x = ruta.left(); x <= ruta.right(); ++x, ++p) {
                const double d = std::hypot(x - r.Mitt.x(), y - r.Mitt.y());
                if (d > yttre || d <= yttre - 2 * kant - band)
                    continue;
                const bool svart = d > yttre - kant || d <= yttre - kant - band;
                *p = svart ? qRgb(0, 0, 0) : r.Farg.rgb();
            }
        c.SetBlock(ruta, ring);
    }
    ritade_ = true;
}

void CKartaRingar::TaBort(TCanvas& c) {
    // Last drawn first off, so overlapping rings leave the picture as it was.
    for (auto it = under_.rbegin(); it != under_.rend(); ++it) {
        const auto& [ruta, under] = *it;
        c.SetBlock(ruta, under);
    }
    under_.clear();
    ritade_ = false;
}

CKartaRingar::TPaus::TPaus(CKartaRingar& r, TCanvas& c) : r_(r), c_(c), lyfte_(r.ritade_) {
    if (lyfte_)
        r_.TaBort(c_);
}

CKartaRingar::TPaus::~TPaus() {
    if (lyfte_)
        r_.Rita(c_, r_.kvot_);
}
