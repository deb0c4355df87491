// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped sound effects and music: they decode with the audio library the
// program plays them with, are short, loud enough and never clip, and the
// music is a well-formed Standard MIDI File.
#include "AssetPath.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

const char* const kEffects[] = {"Plopp4.WAV", "Rassel11.WAV", "Plopp.WAV"};

TEST(SoundAsset, EffectsAreShortUnclipped16BitPcmThatTheMixerLoads) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
    for (const char* name : kEffects) {
        SCOPED_TRACE(name);
        const QByteArray path = AssetPath(name).toLocal8Bit();
        Mix_Chunk* chunk = Mix_LoadWAV(path.constData());
        EXPECT_NE(chunk, nullptr) << Mix_GetError();
        Mix_FreeChunk(chunk);

        SDL_AudioSpec format{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV(path.constData(), &format, &buffer, &length)) << SDL_GetError();
        const auto* first = reinterpret_cast<const int16_t*>(buffer);
        const std::vector<int16_t> samples(first, first + length / 2);
        SDL_FreeWAV(buffer);
        ASSERT_FALSE(samples.empty());
        EXPECT_EQ(format.format, AUDIO_S16LSB);
        const double seconds = double(samples.size()) / format.channels / format.freq;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 0.5);
        int peak = 0;
        for (int16_t s : samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_LT(peak, 32000) << "clips";
        EXPECT_GT(peak, 8000) << "too quiet";
        // Ends in silence, so stopping it makes no click.
        EXPECT_LT(std::abs(int(samples.back())), 100);
    }
    Mix_Music* music = Mix_LoadMUS(AssetPath("good.mid").toLocal8Bit().constData());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    Mix_FreeMusic(music);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Expect(bool ok, const char* what) {
    if (!ok)
        throw std::runtime_error(what);
}

// Walks a Standard MIDI File: the header chunk, then every track's events
// (with running status) up to an end-of-track event that closes its chunk
// exactly. Throws std::runtime_error on anything malformed; returns the
// number of sounding note-ons.
int MidiNoteOns(const QByteArray& b) {
    int pos = 0, end = b.size(), noteOns = 0;
    const auto skip = [&](int n) { // moves past n bytes and returns the last
        Expect(pos + n <= end, "cut short");
        pos += n;
        return uint8_t(b[pos - 1]);
    };
    const auto number = [&](int n) {
        int v = 0;
        while (n--)
            v = v * 256 + skip(1);
        return v;
    };
    const auto varLen = [&] {
        int v = 0, c = 0x80;
        for (int i = 0; i < 4 && (c & 0x80); ++i)
            v = v << 7 | ((c = skip(1)) & 0x7F);
        Expect(!(c & 0x80), "bad variable-length number");
        return v;
    };
    const auto chunk = [&](const char* tag) { // returns its length and keeps reads inside it
        end = b.size();
        Expect(b.mid(pos, 4) == tag, tag);
        pos += 4;
        const int length = number(4);
        end = pos + length;
        Expect(end <= b.size(), "a chunk runs past the end of the file");
        return length;
    };
    Expect(chunk("MThd") == 6, "the header is not 6 bytes");
    const int format = number(2), tracks = number(2), division = number(2);
    Expect(format <= 1 && tracks >= 1 && division > 0 && division < 0x8000, "bad header fields");
    for (int t = 0; t < tracks; ++t) {
        chunk("MTrk");
        for (int status = 0, type = 0; type != 0x2F;) {
            varLen(); // delta time
            int c = skip(1);
            if (c == 0xFF || c == 0xF0 || c == 0xF7) { // meta and system-exclusive events
                type = c == 0xFF ? skip(1) : 0;
                skip(varLen());
                continue;
            }
            if (c & 0x80) {
                status = c;
                c = skip(1);
            }
            Expect(status != 0, "running status without a status");
            const int kind = status & 0xF0;
            const int data2 = kind == 0xC0 || kind == 0xD0 ? 0 : skip(1);
            Expect(c < 0x80 && data2 < 0x80, "bad channel event data");
            noteOns += kind == 0x90 && data2 > 0;
        }
        Expect(pos == end, "data after the end of track");
    }
    Expect(pos == b.size(), "bytes after the last track");
    return noteOns;
}

TEST(SoundAsset, MusicIsAWellFormedStandardMidiFile) {
    QFile f(AssetPath("good.mid"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GT(MidiNoteOns(f.readAll()), 50);
}

} // namespace
