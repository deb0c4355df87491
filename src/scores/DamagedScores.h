// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreFile.h"

#include <QString>

class QWidget;

// Reads the highscore file into the table, for the two screens that show it.
// A file that cannot be read in full is copied aside (SetAsideDamaged) and
// the places read before the damage stay; the player is told in one message
// box, once for each damage: a damage already set aside is not reported again.
// Returns false when no copy could be made: then the file must not be written
// over, or its unread rest would be lost.
bool ReadScoresSettingDamageAside(QWidget* parent, TScoreTable& table, const QString& fileName);
