// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TMisstagsregister;

// What one game asked and how each question went, kept while the game runs:
// the end-of-game review shows it, practice replays its misses, and the
// lasting record of mistakes stores it.

// One question of a game, in the order asked.
struct TFragaLogg {
    QString Objekt;     // the item's key as the exercise names it (catalogue item)
    QString Namn;       // the item's name in the current language, as asked
    int32_t Forsok = 0; // tries until right (1 = right at the first try); the
                        // answer shown after the third miss counts as the last try
    // For each wrong try, what was given instead, in the order given: the key
    // of the area or place clicked, the country whose flag was clicked, or the
    // answer chosen; GivetNamn holds the matching names shown to the player
    // (empty text where a click hit no named area).
    QStringList Givet;
    QStringList GivetNamn;
    // The answer has moved the item's memory state in the record: done when
    // the question is answered, so that a game cut short keeps its answers.
    bool Minne = false;
    // The exercise that asked it, where a game asks for several (a review
    // game of areas and places): its number and kind; 0 and empty: the game's.
    int32_t Ovning = 0;
    QString Typ = {};
};

struct TSpelLogg {
    int32_t Ovning = 0;       // exercise number, 1..200
    QString Typ;              // the exercise kind's keyword from the catalogue
    QString Varldsdel;        // the exercise's part of the world
    bool Ovningsspel = false; // a practice game: never offered to the top ten or stored as a result
    std::vector<TFragaLogg> Fragor;
    bool Repetition = false; // a practice game of today's review
    // The record the game's answers go to: the player's who started it (the
    // program's records live for the run); none: the current player's.
    TMisstagsregister* Post = nullptr;
};
