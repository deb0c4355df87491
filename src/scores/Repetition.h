// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Misstagsregister.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// One game of today's review: the due items of one exercise, in the order
// they are to be asked.
struct TRepetitionsspel {
    int32_t Ovning = 0;
    QStringList Objekt;
};

// The review of the due items (most overdue first) as games, one per
// exercise: the exercise of the most overdue item first. Within a game the
// items keep that order, except that each is followed at once by the items
// confused with it (asked one, given the other, either way round; the most
// frequent first), due or not, so that the difference is learnt. Partners
// that the exercise does not ask are left out by its game.
std::vector<TRepetitionsspel>
Repetitionsplan(const std::vector<TMinnesrad>& forfallna,
                const std::vector<std::pair<QString, QString>>& forvaxlade);
