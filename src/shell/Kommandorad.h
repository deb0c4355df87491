// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// The tasks the program does from its command line without opening a window:
// printing an exercise to PDF and exporting the record of mistakes to CSV.
// Returns the exit code when the arguments ask for such a task (2 for
// arguments it cannot use, 1 for a task that failed, with the reason on
// `fel`), and nothing when the program is to start as usual.
std::optional<int> KorKommandorad(const QStringList& args, QTextStream& ut, QTextStream& fel);
