// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the highscore file (scores.hgh).
#include "FuzzInput.h"
#include "scores/ScoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) {
        TScoreTable table;
        ReadScores(table, file);
    });
}
