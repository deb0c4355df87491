// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Misstagsregister.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class CAreor;

// The wrong choices of a four-choice question on the map are never drawn at
// random: they are what the player is most likely to take the asked area for.

// One area that could stand beside the asked one, with what speaks for it.
struct TFelsvarskandidat {
    QString Nyckel;
    int32_t Forvaxlingar = 0; // times confused with the asked area (the record, either way)
    double Grans = 0;         // length of the border shared with it, degrees; 0: none
    double Avstand = 0;       // the shortest distance between the outlines, degrees
    bool Reserv = false;      // not an item of the game: only where the items run short
};

// The antal wrong choices: the areas most often confused with the asked one
// first, then its neighbours (the longest shared border first), then the
// nearest of the rest; a tie goes by key. Reserves follow every item.
QStringList ValjFelsvar(std::vector<TFelsvarskandidat> kandidater, int antal = 3);

// How the outlines of the areas that answer to key a and to key b (taking
// part or not) lie to each other: the border they share and the shortest
// distance between them, on the records' outlines (the largest double
// where either has none).
struct TGrannskap {
    double Grans = 0;
    double Avstand = 0;
};
TGrannskap Grannskap(const CAreor& areor, const QString& a, const QString& b);

// The record's confusions of a part of the world and kind of exercise, as a
// four-choice game reads them at its start; tests install their own source.
using TForvaxlingskalla =
    std::function<std::vector<TForvaxling>(const QString& varldsdel, const QString& typ)>;
TForvaxlingskalla SetForvaxlingskalla(TForvaxlingskalla kalla);
std::vector<TForvaxling> LasForvaxlingar(const QString& varldsdel, const QString& typ);
