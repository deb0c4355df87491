// The shipped sound effects and music: they decode with the audio library the
// program plays them with, are short, loud enough and never clip, and the
// music is a well-formed Standard MIDI File of the right length.
#include "AssetPath.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
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

// What a Standard MIDI File holds that matters here; the reader throws
// std::runtime_error on anything malformed.
struct Midi {
    double seconds = 0;
    int noteOns = 0;
    int programs = 0;
};

class MidiReader {
public:
    explicit MidiReader(const QByteArray& bytes) : b_(bytes) {}

    Midi Read() {
        Expect(Text(4) == "MThd" && Number(4) == 6, "no MThd header of 6 bytes");
        const int format = Number(2), tracks = Number(2), division = Number(2);
        Expect(format <= 1 && tracks >= 1 && division > 0 && division < 0x8000,
               "unexpected format, track count or division");
        std::map<int, int> tempos{{0, 500000}}; // tick: microseconds per quarter note
        int lastTick = 0;
        for (int t = 0; t < tracks; ++t) {
            Expect(Text(4) == "MTrk", "a track has no MTrk header");
            const int end = Number(4) + pos_;
            Expect(end <= b_.size(), "a track runs past the end of the file");
            lastTick = std::max(lastTick, Track(end, tempos));
        }
        Expect(pos_ == b_.size(), "bytes after the last track");
        // Walk the tempo map up to the last tick of any track.
        double seconds = 0;
        for (auto it = tempos.begin(); it != tempos.end() && it->first < lastTick; ++it) {
            const auto next = std::next(it);
            const int until = next == tempos.end() ? lastTick : std::min(next->first, lastTick);
            seconds += double(until - it->first) / division * it->second / 1e6;
        }
        midi_.seconds = seconds;
        return midi_;
    }

private:
    static void Expect(bool ok, const char* what) {
        if (!ok)
            throw std::runtime_error(what);
    }
    int Byte() {
        Expect(pos_ < end_, "an event runs past its track");
        return static_cast<uint8_t>(b_[pos_++]);
    }
    int Number(int n) {
        int v = 0;
        for (int i = 0; i < n; ++i)
            v = v * 256 + Byte();
        return v;
    }
    QByteArray Text(int n) {
        Expect(pos_ + n <= end_, "the file is cut short");
        pos_ += n;
        return b_.mid(pos_ - n, n);
    }
    int VarLen() {
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = Byte();
            v = (v << 7) | (c & 0x7F);
            if (!(c & 0x80))
                return v;
        }
        throw std::runtime_error("bad variable-length number");
    }

    // Reads the events of one track and returns its last tick.
    int Track(int end, std::map<int, int>& tempos) {
        const int fileEnd = end_;
        end_ = end;
        int tick = 0, status = 0;
        for (;;) {
            tick += VarLen();
            int c = Byte();
            if (c == 0xFF) {
                const int type = Byte(), length = VarLen();
                const QByteArray data = Text(length);
                if (type == 0x51 && length == 3)
                    tempos[tick] =
                        uint8_t(data[0]) << 16 | uint8_t(data[1]) << 8 | uint8_t(data[2]);
                if (type == 0x2F) {
                    Expect(pos_ == end, "data after the end of track");
                    end_ = fileEnd;
                    return tick;
                }
            } else if (c == 0xF0 || c == 0xF7) {
                Text(VarLen());
            } else {
                if (c & 0x80) {
                    status = c;
                    c = Byte();
                }
                Expect(status != 0, "running status without a status");
                const int kind = status & 0xF0;
                const int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : Byte();
                Expect(c <= 127 && data2 <= 127, "bad channel event data");
                midi_.noteOns += kind == 0x90 && data2 > 0;
                midi_.programs += kind == 0xC0;
            }
        }
    }

    const QByteArray b_;
    int pos_ = 0;
    int end_ = b_.size();
    Midi midi_;
};

TEST(SoundAsset, MusicIsAStandardMidiFileOfTenToTwentySeconds) {
    QFile f(AssetPath("good.mid"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    Midi midi;
    try {
        midi = MidiReader(f.readAll()).Read();
    } catch (const std::runtime_error& e) {
        FAIL() << e.what();
    }
    EXPECT_GE(midi.seconds, 10.0);
    EXPECT_LE(midi.seconds, 20.0);
    EXPECT_GT(midi.noteOns, 50);
    EXPECT_GT(midi.programs, 0) << "chooses its General MIDI instruments";
}

} // namespace
