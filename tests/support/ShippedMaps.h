// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/Karta.h"

#include <QString>
#include <memory>

// The shipped files of a map number, loaded as the map screen loads them: its
// land areas, the lakes, its sea points (map 4 uses those of
// map 1), the graticule on map 1, and the places of the place file.
inline std::unique_ptr<CKarta> LoadShippedMap(int map, int ortfil = 1) {
    auto k = std::make_unique<CKarta>();
    k->Landareor = std::make_unique<CAreor>();
    k->Vattenareor = std::make_unique<CAreor>();
    k->Platser = std::make_unique<COrter>();
    k->Landareor->LasAreor(QStringLiteral("AREA%1.crp").arg(map));
    // Maps past the six continent maps have lakes of their own.
    k->Vattenareor->LasAreor(map <= 6 ? QStringLiteral("Vatten.crp")
                                      : QStringLiteral("Vatten%1.crp").arg(map));
    k->LasHav(QStringLiteral("Hav%1.crp").arg(map));
    k->Platser->LasOrter(QStringLiteral("Ort%1.crp").arg(ortfil));
    k->Gradnat = map == 1;
    return k;
}

inline bool InArea(const CArea& a, float lat, float lon) {
    return lat <= a.Nord && lat >= a.Syd && lon <= a.Ost && lon >= a.Vast &&
           PunktIYta(lat, lon, a.Punkter, a.Antal);
}
