// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/Karta.h"
#include "support/MapFiles.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

// What a player can click for a state at the map's current view: a spot of
// its own shape 9 pixels across, or the ring the map draws round a
// taking-part state whose record with the largest bounds is under 9 pixels
// across (an archipelago spread over an ocean is ringed as its largest
// island is). A ring stands at that record's first seed; a click near a ring is the
// ring's state (the nearest ring's where rings are close), so a ring is a
// target of 9 pixels when no other ring stands within 9 pixels of it.
class TTargets {
public:
    TTargets(const CKarta& k, QSize size) : k_(k), size_(size) {
        for (const CArea& a : AreasOf(*k.Landareor)) {
            if (!a.Deltar)
                continue;
            TState& s = states_[a.Grupp1.isEmpty() ? a.Nyckel : a.Grupp1];
            if (Bounds(a) >= s.largest) {
                s.largest = Bounds(a);
                s.box = QRect();
                for (int p = 1; p <= a.Antal; ++p)
                    s.box |= QRect(Pixel(k, a.Punkter[p]), QSize(1, 1));
                s.ring = Pixel(k, a.Fyllpunkt1);
            }
        }
        for (const auto& [key, s] : states_)
            if (Ringed(s))
                rings_.emplace_back(key, s.ring);
    }

    // Where the map puts the ring of a state.
    static TLatLon RingPoint(const CKarta& k, const QString& key) {
        const CArea* best = nullptr;
        for (const CArea& a : AreasOf(*k.Landareor)) {
            if (a.Matchar(key) && (!best || Bounds(a) > Bounds(*best)))
                best = &a;
        }
        return best ? best->Fyllpunkt1 : TLatLon{};
    }

    // True when the map draws a ring round the taking-part state.
    bool Ringed(const QString& key) const {
        const auto it = states_.find(key);
        return it != states_.end() && Ringed(it->second);
    }

    bool Has(const QString& key) {
        const auto it = states_.find(key);
        if (it == states_.end())
            return false;
        if (!Ringed(it->second))
            return HasSpot(key);
        const QPoint c = it->second.ring;
        if (!Away(c))
            return false;
        for (const auto& [other, q] : rings_)
            if (other != key && std::hypot(q.x() - c.x(), q.y() - c.y()) < 9)
                return false;
        return true;
    }

private:
    struct TState {
        QRect box;
        double largest = -1;
        QPoint ring;
    };
    static QPoint Pixel(const CKarta& k, const TLatLon& p) {
        return {k.XKoord(p.Lat, p.Lon), k.YKoord(p.Lat)};
    }
    static double Bounds(const CArea& a) { return (a.Nord - a.Syd) * (a.Ost - a.Vast); }
    static bool Ringed(const TState& s) { return std::max(s.box.width(), s.box.height()) < 9; }
    bool Away(QPoint p) const {
        return p.x() >= 9 && p.y() >= 9 && p.x() < size_.width() - 9 && p.y() < size_.height() - 9;
    }

    // The state a click on the pixel is judged to be: the nearest ring within
    // its reach, else the area exercise's judgement (the taking-part area
    // under the click with the smallest northern bound).
    bool Right(int x, int y, const QString& key) {
        auto [it, fresh] = judged_.try_emplace({x, y}, false);
        if (!fresh)
            return it->second;
        const QString* ring = nullptr;
        double nearest = kRingReach;
        for (const auto& [other, q] : rings_) {
            const double d = std::hypot(q.x() - x, q.y() - y);
            if (d <= nearest)
                nearest = d, ring = &other;
        }
        if (ring)
            return it->second = *ring == key;
        const float lat = k_.LatVid(y), lon = k_.LonVid(y, x);
        const CArea* under = nullptr;
        for (const CArea& a : AreasOf(*k_.Landareor)) {
            if (a.Deltar && lat <= a.Nord && lat >= a.Syd && lon <= a.Ost && lon >= a.Vast &&
                PunktIYta(lat, lon, a.Punkter, a.Antal) && (!under || a.Nord < under->Nord))
                under = &a;
        }
        return it->second = under && under->Matchar(key);
    }

    // A disc of radius 4.5 pixels judged right everywhere, away from the
    // frame; candidates spiral out from the state's seeds, then cover its
    // pieces (a long, thin state can be wide enough far from its seeds).
    bool HasSpot(const QString& key) {
        judged_.clear();
        auto spot = [&](int cx, int cy) {
            if (!Away({cx, cy}) || !Right(cx, cy, key))
                return false;
            for (int dy = -4; dy <= 4; ++dy)
                for (int dx = -4; dx <= 4; ++dx)
                    if (dx * dx + dy * dy <= 20 && !Right(cx + dx, cy + dy, key))
                        return false;
            return true;
        };
        for (const CArea& a : AreasOf(*k_.Landareor)) {
            if (!a.Matchar(key) || !a.Deltar)
                continue;
            for (const TLatLon& s : {a.Fyllpunkt1, a.Fyllpunkt2}) {
                const QPoint c = Pixel(k_, s);
                for (int r = 0; r <= 12; ++r)
                    for (int dy = -r; dy <= r; ++dy)
                        for (int dx = -r; dx <= r; ++dx)
                            if ((std::abs(dx) == r || std::abs(dy) == r) &&
                                spot(c.x() + dx, c.y() + dy))
                                return true;
            }
        }
        for (const CArea& a : AreasOf(*k_.Landareor)) {
            if (!a.Matchar(key) || !a.Deltar || a.Antal < 3)
                continue;
            for (int y = k_.YKoord(a.Nord); y <= k_.YKoord(a.Syd); ++y) {
                const float lat = k_.LatVid(y);
                for (int x = k_.XKoord(lat, a.Vast); x <= k_.XKoord(lat, a.Ost); ++x)
                    if (spot(x, y))
                        return true;
            }
        }
        return false;
    }

    // How far from a ring's point a click still counts for the ring.
    static constexpr double kRingReach = 7;
    const CKarta& k_;
    QSize size_;
    std::map<QString, TState> states_;
    std::vector<std::pair<QString, QPoint>> rings_;
    std::map<std::pair<int, int>, bool> judged_;
};
