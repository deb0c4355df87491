// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoastMeasure.h"
#include "data/Helpers.h"
#include "exercises/Ovning.h"
#include "exercises/Ovningar.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "support/TestScreens.h"

#include <QDir>
#include <QSize>
#include <QString>
#include <memory>

// The shipped files of a map number, loaded as the map screen loads them: its
// land areas, the lakes, its sea points (map 4 uses those of
// map 1), the graticule on map 1, and the places of the place file.
inline std::unique_ptr<CKarta> LoadShippedMap(int map, int ortfil = 1) {
    auto k = LoadMap(QDir::currentPath(), map);
    k->Platser = std::make_unique<COrter>();
    k->Platser->LasOrter(OrtFil(ortfil));
    k->Gradnat = map == 1;
    return k;
}

inline bool InArea(const CArea& a, float lat, float lon) {
    return lat <= a.Nord && lat >= a.Syd && lon <= a.Ost && lon >= a.Vast &&
           PunktIYta(lat, lon, a.Punkter, a.Antal);
}

// The first area of the list that holds the point.
inline const CArea* AreaAt(const CAreor& list, float lat, float lon) {
    for (int i = 1; i <= list.Antal; ++i)
        if (InArea(list.Area(i), lat, lon))
            return &list.Area(i);
    return nullptr;
}

// Starts the exercise on its shipped map at a size, as the map screen does,
// and hands the map back.
template <class Screen>
std::unique_ptr<CKarta> StartOnShippedMap(COvning& e, QSize size, Screen& screen) {
    auto karta = LoadShippedMap(e.Kartnummer, e.Ortfil);
    screen.bild.resize(size.width(), size.height());
    e.Karta = karta.get();
    e.Starta(&screen);
    e.Karta = nullptr;
    return karta;
}

// The shipped catalogue, read where the shipped files lie (the program folder).
class ShippedCatalogueTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        QDir::setCurrent(ProgramFolder());
        catalogue.LasOvningar("Ovning.crp");
    }
    COvningar catalogue;
};
