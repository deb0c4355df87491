// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"

#include "data/Helpers.h"

TAudio::TAudio()
    : music_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Music)),
      wave1_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 0)),
      wave2_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 1)) {
}

void TAudio::Play(TEffect effect) {
    switch (effect) {
    case TEffect::Right:
        PlaySound(QStringLiteral("Plopp4.WAV"), 1);
        break;
    case TEffect::Wrong:
        PlaySound(QStringLiteral("Rassel11.WAV"), 2);
        break;
    case TEffect::Select:
        PlaySound(QStringLiteral("Plopp.WAV"), 2);
        break;
    }
}

void TAudio::PlayTopTenMusic() {
    PlayMusic(QStringLiteral("good.mid"), 0);
}

void TAudio::PlaySound(const QString& fileName, int channel) {
    if (!soundsOn_)
        return;
    try {
        TMediaPlayer& player = channel == 1 ? *wave1_ : *wave2_;
        const QString path = ProgramFolder() + QLatin1Char('/') + fileName;
        if (player.FileName() != path) {
            // A failed open keeps the name, so the next request only tries to play.
            player.SetFileName(path);
            player.Open();
        }
        player.Play();
    } catch (...) {
        // Sound is never essential.
    }
}

void TAudio::PlayMusic(const QString& fileName, int startPosition) {
    if (!musicOn_)
        return;
    try {
        music_->SetFileName(ProgramFolder() + QLatin1Char('/') + fileName);
        music_->Open();
        music_->SetPosition(startPosition);
        music_->Play();
    } catch (...) {
        // Sound is never essential.
    }
}
