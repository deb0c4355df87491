// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TMediaPlayer;

// The three players live on the main window for the whole run; until they
// exist, nothing is played.
extern TMediaPlayer* mplMIDI;
extern TMediaPlayer* mplWAV1;
extern TMediaPlayer* mplWAV2;

// Plays ProgramFolder() + "/" + fileName on effect channel 1, or on channel 2
// for any other channel number, when SoundsOn. Never reports a failure.
void PlaySound(const QString& fileName, int channel);

// Plays ProgramFolder() + "/" + fileName once from startPosition (ms), when
// MusicOn. Never reports a failure.
void PlayMusic(const QString& fileName, int startPosition);
