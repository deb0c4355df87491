// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <QString>
#include <memory>

// The catalogue of every exercise the program offers, in file order. Entries
// are shared: a screen that still plays an entry keeps it alive after a new
// catalogue has replaced this one.
class COvningar {
public:
    COvningar() = default;
    ~COvningar();
    COvningar(const COvningar&) = delete;
    COvningar& operator=(const COvningar&) = delete;

    // Reads the catalogue file. Failures are passed on; the entries linked
    // before a failure stay in the list.
    void LasOvningar(const QString& fileName);
    // The first entry whose name in the current language is exactly the name.
    std::shared_ptr<COvning> HittaOvning(const QString& name) const;

    // An entry of the class that a kind keyword names.
    static std::shared_ptr<COvning> Skapa(const QString& keyword);

    std::shared_ptr<COvning> Forsta;
};
