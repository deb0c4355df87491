// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where "scores.hgh" lives. Beside the program when the program folder is
// writable (the build folder, a portable copy); otherwise, as for an installed
// program whose folder belongs to the system, in the player's own data folder,
// which the first save creates. The top-ten screen and the top list both use it.
QString ScoreFileName();

// The same choice for a given program folder and data folder.
QString ScoreFileIn(const QString& programFolder, const QString& dataFolder);
