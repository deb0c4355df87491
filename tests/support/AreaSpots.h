// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/Karta.h"

#include <QSize>
#include <QString>
#include <cstdlib>
#include <map>

// A spot of the state 9 pixels across (a disc of radius 4.5), away from the
// frame, that a click anywhere in is judged right; candidates spiral out from
// the state's own seeds, then cover its pieces.
inline bool HasSpot(const CKarta& k, const QString& key, QSize size) {
    // The area exercise's judgement (the taking-part area under the click with
    // the smallest northern bound), with a bounding-box test first for speed.
    std::map<std::pair<int, int>, bool> judged;
    auto right = [&](int x, int y) {
        auto [it, fresh] = judged.try_emplace({x, y}, false);
        if (!fresh)
            return it->second;
        const float lat = k.LatVid(y), lon = k.LonVid(y, x);
        const CArea* under = nullptr;
        for (int i = 1; i <= k.Landareor->Antal; ++i) {
            const CArea& a = k.Landareor->Area(i);
            if (a.Deltar && lat <= a.Nord && lat >= a.Syd && lon <= a.Ost && lon >= a.Vast &&
                PunktIYta(lat, lon, a.Punkter, a.Antal) && (!under || a.Nord < under->Nord))
                under = &a;
        }
        return it->second = under && under->Matchar(key);
    };
    auto spot = [&](int cx, int cy) {
        if (cx < 9 || cy < 9 || cx >= size.width() - 9 || cy >= size.height() - 9 || !right(cx, cy))
            return false;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (dx * dx + dy * dy <= 20 && !right(cx + dx, cy + dy))
                    return false;
        return true;
    };
    for (int i = 1; i <= k.Landareor->Antal; ++i) {
        const CArea& a = k.Landareor->Area(i);
        if (!a.Matchar(key) || !a.Deltar)
            continue;
        for (const TLatLon& s : {a.Fyllpunkt1, a.Fyllpunkt2}) {
            const int sx = k.XKoord(s.Lat, s.Lon), sy = k.YKoord(s.Lat);
            for (int r = 0; r <= 12; ++r)
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx)
                        if ((std::abs(dx) == r || std::abs(dy) == r) && spot(sx + dx, sy + dy))
                            return true;
        }
    }
    // Then every pixel of the state's pieces (a long, thin state can be wide
    // enough far from its seeds).
    for (int i = 1; i <= k.Landareor->Antal; ++i) {
        const CArea& a = k.Landareor->Area(i);
        if (!a.Matchar(key) || !a.Deltar || a.Antal < 3)
            continue;
        const int top = k.YKoord(a.Nord), bottom = k.YKoord(a.Syd);
        for (int y = top; y <= bottom; ++y) {
            const float lat = k.LatVid(y);
            for (int x = k.XKoord(lat, a.Vast); x <= k.XKoord(lat, a.Ost); ++x)
                if (spot(x, y))
                    return true;
        }
    }
    return false;
}
