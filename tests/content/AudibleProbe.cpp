// SPDX-License-Identifier: GPL-3.0-or-later
// Plays one sound the way the game does and waits until the mixer has
// finished with it, then closes the device so that everything played has
// reached it. Run by AudibleTest with SDL's disk audio driver, which writes
// what would have been heard to a file.
//
//   audible_probe effect <file> <channel>   a sound effect (PlaySound)
//   audible_probe music <file>              music from its start (PlayMusic)
//
// Prints the device's format as "<frequency> <format> <channels>".
#include "data/Globals.h"
#include "data/Sound.h"
#include "platform/MediaPlayer.h"

#include <QCoreApplication>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: audible_probe effect <file> <channel> | music <file>\n");
        return 2;
    }
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    {
        TMediaPlayer music(TMediaPlayer::Kind::Music), wave1(TMediaPlayer::Kind::Wave, 0),
            wave2(TMediaPlayer::Kind::Wave, 1);
        mplMIDI = &music;
        mplWAV1 = &wave1;
        mplWAV2 = &wave2;
        SoundsOn = MusicOn = true;
        if (args[0] == QLatin1String("music"))
            PlayMusic(args[1], 0);
        else
            PlaySound(args[1], args.value(2).toInt());

        // Waits for the sound to start (events run, in case the device opens
        // from the event loop) and then to end. The limits only guard against
        // a hang; they measure nothing.
        bool started = false;
        for (int waited = 0;; waited += 5) {
            QCoreApplication::processEvents();
            const bool playing = Mix_Playing(-1) > 0 || Mix_PlayingMusic();
            if (started && !playing)
                break;
            started = started || playing;
            if (waited > (started ? 120000 : 10000)) {
                std::fprintf(stderr, started ? "still playing after two minutes\n"
                                             : "nothing started playing\n");
                return 3;
            }
            SDL_Delay(5);
        }
        if (!Mix_QuerySpec(&frequency, &format, &channels)) {
            std::fprintf(stderr, "the audio device never opened: %s\n", Mix_GetError());
            return 1;
        }
        mplMIDI = mplWAV1 = mplWAV2 = nullptr;
    }
    std::printf("%d %d %d\n", frequency, int(format), channels);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
