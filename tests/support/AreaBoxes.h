// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/Areas.h"

#include <memory>

// A rectangular area in memory, seeded at its centre: the drawing tests build
// their maps from these without going through a file.
inline std::unique_ptr<CArea> BoxArea(const QString& key, float syd, float vast, float nord,
                                      float ost) {
    auto a = std::make_unique<CArea>();
    a->Nyckel = a->Namn[1] = key;
    a->Nord = nord, a->Syd = syd, a->Ost = ost, a->Vast = vast;
    a->Fyllpunkt1 = a->Fyllpunkt2 = {(nord + syd) / 2, (ost + vast) / 2};
    a->Antal = 4;
    a->Punkter[1] = {syd, vast}, a->Punkter[2] = {nord, vast};
    a->Punkter[3] = {nord, ost}, a->Punkter[4] = {syd, ost};
    return a;
}
