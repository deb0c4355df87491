#pragma once

#include "maps/Areas.h"
#include "maps/Places.h"

#include <QString>
#include <memory>

// The shipped files of one map number, loaded as the map screen loads them.
struct TShippedMap {
    int number = 0;
    std::unique_ptr<CAreor> land;
    std::unique_ptr<CAreor> water; // none for maps 4 to 6
    QString seaFile;
};

TShippedMap LoadShippedMap(int number);

inline bool InArea(const CArea& a, float lat, float lon) {
    return lat <= a.Nord && lat >= a.Syd && lon <= a.Ost && lon >= a.Vast &&
           PunktIYta(lat, lon, a.Punkter, a.Antal);
}
