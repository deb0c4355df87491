// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Sound.h"

#include "data/Globals.h"
#include "data/Helpers.h"
#include "platform/MediaPlayer.h"

TMediaPlayer* mplMIDI = nullptr;
TMediaPlayer* mplWAV1 = nullptr;
TMediaPlayer* mplWAV2 = nullptr;

void PlaySound(const QString& fileName, int channel) {
    if (!SoundsOn)
        return;
    try {
        TMediaPlayer* player = channel == 1 ? mplWAV1 : mplWAV2;
        if (!player)
            return;
        const QString path = ProgramFolder() + QLatin1Char('/') + fileName;
        if (player->FileName() != path) {
            // A failed open keeps the name, so the next request only tries to play.
            player->SetFileName(path);
            player->Open();
        }
        player->Play();
    } catch (...) {
        // Sound is never essential.
    }
}

void PlayMusic(const QString& fileName, int startPosition) {
    if (!MusicOn)
        return;
    try {
        if (!mplMIDI)
            return;
        mplMIDI->SetFileName(ProgramFolder() + QLatin1Char('/') + fileName);
        mplMIDI->Open();
        mplMIDI->SetPosition(startPosition);
        mplMIDI->Play();
    } catch (...) {
        // Sound is never essential.
    }
}
