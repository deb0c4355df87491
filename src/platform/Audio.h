// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MediaPlayer.h"

#include <QString>
#include <memory>

// The program's sound: owns the music player and the two effect players for
// the whole run, and keeps whether sounds and music are on (the settings
// feed it). Whoever plays sound is handed this object; a missing one is
// silence. Nothing it does ever reports a failure: sound is never essential.
class TAudio {
public:
    enum class TEffect { Right, Wrong, Select };

    TAudio();
    TAudio(const TAudio&) = delete;
    TAudio& operator=(const TAudio&) = delete;

    // A right answer on the first effect player, a wrong one and a choice
    // in the menu on the second, when sounds are on.
    void Play(TEffect effect);
    // The music of a new top-ten result, from its start, when music is on.
    void PlayTopTenMusic();

    // ProgramFolder() + "/" + fileName on effect player 1, or on player 2
    // for any other channel number, when sounds are on.
    void PlaySound(const QString& fileName, int channel);
    // ProgramFolder() + "/" + fileName once from startPosition (ms), when
    // music is on.
    void PlayMusic(const QString& fileName, int startPosition);

    bool SoundsOn() const { return soundsOn_; }
    bool MusicOn() const { return musicOn_; }
    void SetSoundsOn(bool on) { soundsOn_ = on; }
    void SetMusicOn(bool on) { musicOn_ = on; }

    // What a player was last given, for those who check what was heard.
    const TMediaPlayer& Music() const { return *music_; }
    const TMediaPlayer& Wave(int channel) const { return channel == 1 ? *wave1_ : *wave2_; }

private:
    std::unique_ptr<TMediaPlayer> music_, wave1_, wave2_;
    bool soundsOn_ = true;
    bool musicOn_ = true;
};

// Plays when there is an audio object to play on.
inline void PlayEffect(TAudio* audio, TAudio::TEffect effect) {
    if (audio)
        audio->Play(effect);
}
