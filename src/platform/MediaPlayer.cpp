// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaPlayer.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

namespace {

constexpr int kChannels = 2;
// Frames per buffer: the mixer's thread wakes once a buffer whether a sound
// plays or not, and that wake is what a sound costs. 2048 frames (46 ms at
// 44.1 kHz) halve it against 1024 and still answer a click at once.
constexpr int kBufferFrames = 2048;

// SDL and its mixer are loaded at the first sound rather than linked: linked,
// their forty-odd libraries doubled the program's start-up work.
struct TSdl {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_GetError) GetError;
    decltype(&Mix_Init) Init;
    decltype(&Mix_OpenAudio) OpenAudio;
    decltype(&Mix_AllocateChannels) AllocateChannels;
    decltype(&Mix_LoadWAV) LoadWAV;
    decltype(&Mix_LoadMUS) LoadMUS;
    decltype(&Mix_FreeChunk) FreeChunk;
    decltype(&Mix_FreeMusic) FreeMusic;
    decltype(&Mix_GetChunk) GetChunk;
    decltype(&Mix_Playing) Playing;
    decltype(&Mix_PlayingMusic) PlayingMusic;
    decltype(&Mix_PlayChannel) PlayChannel;
    decltype(&Mix_PlayMusic) PlayMusic;
    decltype(&Mix_SetMusicPosition) SetMusicPosition;
    decltype(&Mix_HaltChannel) HaltChannel;
    decltype(&Mix_HaltMusic) HaltMusic;
};

template <class F> void Load(void* library, F& f, const char* name) {
    f = reinterpret_cast<F>(dlsym(library, name));
    if (!f)
        throw EMediaError(QStringLiteral("No %1 in the sound library").arg(QLatin1String(name)));
}

const TSdl& Sdl() {
    static TSdl sdl{};
    static int state = 0; // 0 untried, 1 loaded, -1 failed
    static QString failure;
    if (state == 1)
        return sdl;
    if (state == 0) {
        state = -1;
        // The mixer brings SDL itself; looking names up in it finds both.
        void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            failure = QString::fromLocal8Bit(dlerror());
        } else {
            try {
                Load(library, sdl.SetHint, "SDL_SetHint");
                Load(library, sdl.InitSubSystem, "SDL_InitSubSystem");
                Load(library, sdl.QuitSubSystem, "SDL_QuitSubSystem");
                Load(library, sdl.GetError, "SDL_GetError");
                Load(library, sdl.Init, "Mix_Init");
                Load(library, sdl.OpenAudio, "Mix_OpenAudio");
                Load(library, sdl.AllocateChannels, "Mix_AllocateChannels");
                Load(library, sdl.LoadWAV, "Mix_LoadWAV");
                Load(library, sdl.LoadMUS, "Mix_LoadMUS");
                Load(library, sdl.FreeChunk, "Mix_FreeChunk");
                Load(library, sdl.FreeMusic, "Mix_FreeMusic");
                Load(library, sdl.GetChunk, "Mix_GetChunk");
                Load(library, sdl.Playing, "Mix_Playing");
                Load(library, sdl.PlayingMusic, "Mix_PlayingMusic");
                Load(library, sdl.PlayChannel, "Mix_PlayChannel");
                Load(library, sdl.PlayMusic, "Mix_PlayMusic");
                Load(library, sdl.SetMusicPosition, "Mix_SetMusicPosition");
                Load(library, sdl.HaltChannel, "Mix_HaltChannel");
                Load(library, sdl.HaltMusic, "Mix_HaltMusic");
                state = 1;
                return sdl;
            } catch (const EMediaError& e) {
                failure = e.Message();
            }
        }
    }
    throw EMediaError(QStringLiteral("No sound library: ") + failure);
}

QString Error() {
    return QString::fromUtf8(Sdl().GetError());
}

// Opens the audio device once. A machine without one fails quickly, and the
// failure is remembered so that later sounds do not try again.
void EnsureAudio() {
    static int state = 0; // 0 untried, 1 open, -1 failed
    static QString failure;
    if (state == 1)
        return;
    if (state == 0) {
        state = -1;
        try {
            const TSdl& sdl = Sdl();
            // SDL would otherwise turn SIGTERM and SIGINT into quit events that
            // nobody reads, and the program would outlive a logout or a kill.
            sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
            if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0) {
                failure = Error();
            } else if (sdl.OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
                failure = Error();
                sdl.QuitSubSystem(SDL_INIT_AUDIO);
            } else {
                sdl.AllocateChannels(kChannels);
                state = 1;
                return;
            }
        } catch (const EMediaError& e) {
            failure = e.Message();
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
        if (Sdl().GetChunk(channel_) == chunk_)
            Sdl().HaltChannel(channel_);
        Sdl().FreeChunk(chunk_);
        chunk_ = nullptr;
    }
    if (music_) {
        Sdl().HaltMusic();
        Sdl().FreeMusic(music_);
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
        chunk_ = Sdl().LoadWAV(name.constData());
        if (!chunk_)
            throw EMediaError(Error());
    } else {
        // MIDI support is loaded at the first music, not with the first effect.
        static const bool midi = (Sdl().Init(MIX_INIT_MID), true);
        (void)midi;
        music_ = Sdl().LoadMUS(name.constData());
        if (!music_)
            throw EMediaError(Error());
    }
}

void TMediaPlayer::SetPosition(int milliseconds) {
    position_ = milliseconds;
}

bool TMediaPlayer::IsPlaying() const {
    if (kind_ == Kind::Wave)
        return chunk_ && Sdl().Playing(channel_) && Sdl().GetChunk(channel_) == chunk_;
    return music_ && Sdl().PlayingMusic();
}

void TMediaPlayer::Play() {
    if (kind_ == Kind::Wave) {
        if (!chunk_)
            throw EMediaError(QStringLiteral("No sound is open"));
        if (IsPlaying())
            return;
        if (Sdl().PlayChannel(channel_, chunk_, 0) < 0)
            throw EMediaError(Error());
    } else {
        if (!music_)
            throw EMediaError(QStringLiteral("No music is open"));
        if (Sdl().PlayMusic(music_, 1) != 0)
            throw EMediaError(Error());
        if (position_ > 0)
            Sdl().SetMusicPosition(position_ / 1000.0);
    }
}
