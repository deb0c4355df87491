// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestScreens.h"

// An exercise of the kind on a map of the land areas and places given,
// asking for the items and started on a recording screen.
template <class Kind, class Screen> class GameTest : public EngineTest {
protected:
    void Start(const std::vector<TAreaRecord>& areas, const QStringList& items,
               const std::vector<TPlaceRecord>& places = {}) {
        karta = MakeMap(areas, places);
        ex.Karta = karta.get();
        SetItems(ex, items);
        ex.Starta(&screen);
    }

    std::unique_ptr<CKarta> karta;
    Kind ex;
    Screen screen;
};
