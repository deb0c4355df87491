// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Misstagsregister.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

// One game of today's review: the due items of one exercise, or of two on
// one map, in the order they are to be asked.
struct TRepetitionsspel {
    int32_t Ovning = 0;
    QStringList Objekt;
    // The exercise that asks the game's other kind of item on the same map
    // (areas beside places, or places beside areas); 0: none.
    int32_t Med = 0;
};

// What the plan needs of an exercise to play its items in one game with
// another's: its map and part, and whether it asks areas or places.
struct TRepetitionsslag {
    enum TSlag { Annat, Areor, Platser };
    TSlag Slag = Annat; // another kind is played alone
    int32_t Karta = 0;
    QString Varldsdel;
};
using TSlagFor = std::function<TRepetitionsslag(int32_t ovning)>;

// The review of the due items (most overdue first) as games, one per
// exercise: the exercise of the most overdue item first. Within a game the
// items keep that order, except that each is followed at once by the items
// confused with it (asked one, given the other, either way round; the most
// frequent first), due or not, so that the difference is learnt. Partners
// that the exercise does not ask are left out by its game.
// Where slag is given, an exercise of areas and one of places on the same
// map and part make one game: their items go in the same order, each with
// its confusions.
std::vector<TRepetitionsspel>
Repetitionsplan(const std::vector<TMinnesrad>& forfallna,
                const std::vector<std::pair<QString, QString>>& forvaxlade,
                const TSlagFor& slag = nullptr);
