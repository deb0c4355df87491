// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <memory>

class COvning;

// The screen an exercise is played on; the numbers index the main menu's
// screen of each kind.
enum class TSkarmslag { Karta = 0, Flagga = 1, Multi = 2 };
constexpr int kAntalSkarmslag = 3;

// One kind of exercise: the keyword its catalogue records begin with, the
// class that plays it and the screen it is played on.
struct TOvningsslag {
    const char* Nyckelord;
    std::shared_ptr<COvning> (*Skapa)();
    TSkarmslag Skarm;
};

extern const std::array<TOvningsslag, 4> kOvningsslag;

// An entry of the class that the keyword names (compared exactly); the
// catalogue keeps a record of any other keyword, as multiple choice.
std::shared_ptr<COvning> SkapaOvning(const QString& keyword);
// The screen of the keyword's kind; any other keyword is shown on the map.
TSkarmslag SkarmFor(const QString& keyword);
