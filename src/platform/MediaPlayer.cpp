#include "platform/MediaPlayer.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int kChannels = 2;

// Opens the audio device once. A machine without one fails quickly, and the
// failure is remembered so that later sounds do not try again.
void EnsureAudio() {
    static int state = 0; // 0 untried, 1 open, -1 failed
    static QString failure;
    if (state == 1)
        return;
    if (state == 0) {
        state = -1;
        // SDL would otherwise turn SIGTERM and SIGINT into quit events that
        // nobody reads, and the program would outlive a logout or a kill.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            failure = QString::fromUtf8(SDL_GetError());
        } else {
            Mix_Init(MIX_INIT_MID);
            if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
                failure = QString::fromUtf8(Mix_GetError());
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            } else {
                Mix_AllocateChannels(kChannels);
                state = 1;
                return;
            }
        }
    }
    throw EMediaError(QStringLiteral("No audio device: ") + failure);
}

} // namespace

TMediaPlayer::TMediaPlayer(Kind kind, int channel) : kind_(kind), channel_(channel) {
}

TMediaPlayer::~TMediaPlayer() {
    Release();
}

void TMediaPlayer::Release() {
    if (chunk_) {
        if (Mix_GetChunk(channel_) == chunk_)
            Mix_HaltChannel(channel_);
        Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
    }
    if (music_) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
}

void TMediaPlayer::Open() {
    ++opens_;
    Release();
    position_ = 0;
    EnsureAudio();
    const QByteArray name = QFile::encodeName(fileName_);
    if (kind_ == Kind::Wave) {
        chunk_ = Mix_LoadWAV(name.constData());
        if (!chunk_)
            throw EMediaError(QString::fromUtf8(Mix_GetError()));
    } else {
        music_ = Mix_LoadMUS(name.constData());
        if (!music_)
            throw EMediaError(QString::fromUtf8(Mix_GetError()));
    }
}

void TMediaPlayer::SetPosition(int milliseconds) {
    position_ = milliseconds;
}

bool TMediaPlayer::IsPlaying() const {
    if (kind_ == Kind::Wave)
        return chunk_ && Mix_Playing(channel_) && Mix_GetChunk(channel_) == chunk_;
    return music_ && Mix_PlayingMusic();
}

void TMediaPlayer::Play() {
    if (kind_ == Kind::Wave) {
        if (!chunk_)
            throw EMediaError(QStringLiteral("No sound is open"));
        if (IsPlaying())
            return;
        if (Mix_PlayChannel(channel_, chunk_, 0) < 0)
            throw EMediaError(QString::fromUtf8(Mix_GetError()));
    } else {
        if (!music_)
            throw EMediaError(QStringLiteral("No music is open"));
        if (Mix_PlayMusic(music_, 1) != 0)
            throw EMediaError(QString::fromUtf8(Mix_GetError()));
        if (position_ > 0)
            Mix_SetMusicPosition(position_ / 1000.0);
    }
}
