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
#include <vector>

namespace {

struct Decoded {
    SDL_AudioSpec spec{};
    std::vector<int16_t> samples;
};

Decoded LoadWav(const QString& name) {
    Decoded d;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(AssetPath(name).toLocal8Bit().constData(), &d.spec, &buffer, &length)) {
        ADD_FAILURE() << name.toStdString() << ": " << SDL_GetError();
        return d;
    }
    const auto* s = reinterpret_cast<const int16_t*>(buffer);
    d.samples.assign(s, s + length / 2);
    SDL_FreeWAV(buffer);
    return d;
}

TEST(SoundAsset, EffectsAreShortUnclipped16BitPcm) {
    for (const char* name : {"Plopp4.WAV", "Rassel11.WAV", "Plopp.WAV"}) {
        SCOPED_TRACE(name);
        const Decoded d = LoadWav(name);
        ASSERT_FALSE(d.samples.empty());
        EXPECT_EQ(d.spec.format, AUDIO_S16LSB);
        const double seconds = double(d.samples.size()) / d.spec.channels / d.spec.freq;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 0.5);
        int peak = 0;
        for (int16_t s : d.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_LT(peak, 32000) << "clips";
        EXPECT_GT(peak, 8000) << "too quiet";
        // Ends in silence, so stopping it makes no click.
        EXPECT_LT(std::abs(int(d.samples.back())), 100);
    }
}

// A reader of the parts of a Standard MIDI File that matter here.
class MidiFile {
public:
    explicit MidiFile(QByteArray bytes) : b_(std::move(bytes)) {}

    // Parses the file; returns an empty text or what is wrong.
    std::string Parse() {
        if (b_.left(4) != "MThd" || Be(4, 4) != 6)
            return "no MThd header of 6 bytes";
        format_ = Be(8, 2);
        const int tracks = Be(10, 2);
        division_ = Be(12, 2);
        if (format_ > 1 || tracks < 1 || division_ <= 0 || division_ >= 0x8000)
            return "unexpected format, track count or division";
        int pos = 14;
        for (int t = 0; t < tracks; ++t) {
            if (pos + 8 > b_.size() || b_.mid(pos, 4) != "MTrk")
                return "track " + std::to_string(t) + " has no MTrk header";
            const int length = Be(pos + 4, 4);
            const int end = pos + 8 + length;
            if (end > b_.size())
                return "track " + std::to_string(t) + " runs past the end of the file";
            if (std::string error = ParseTrack(pos + 8, end); !error.empty())
                return "track " + std::to_string(t) + ": " + error;
            pos = end;
        }
        if (pos != b_.size())
            return "bytes after the last track";
        return {};
    }

    double Seconds() const {
        // Walk the tempo map up to the last tick of any track.
        double seconds = 0;
        int tick = 0;
        int usPerQuarter = 500000;
        for (const auto& [at, tempo] : tempos_) {
            if (at >= lastTick_)
                break;
            seconds += double(at - tick) / division_ * usPerQuarter / 1e6;
            tick = at;
            usPerQuarter = tempo;
        }
        return seconds + double(lastTick_ - tick) / division_ * usPerQuarter / 1e6;
    }
    int NoteOns() const { return noteOns_; }
    int Programs() const { return programs_; }

private:
    int Be(int pos, int n) const {
        int v = 0;
        for (int i = 0; i < n; ++i)
            v = v * 256 + static_cast<uint8_t>(b_[pos + i]);
        return v;
    }
    int Byte(int& pos, int end) const { return pos < end ? static_cast<uint8_t>(b_[pos++]) : -1; }
    int VarLen(int& pos, int end) const {
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = Byte(pos, end);
            if (c < 0)
                return -1;
            v = (v << 7) | (c & 0x7F);
            if (!(c & 0x80))
                return v;
        }
        return -1;
    }

    std::string ParseTrack(int pos, int end) {
        int tick = 0;
        int status = 0;
        while (pos < end) {
            const int delta = VarLen(pos, end);
            if (delta < 0)
                return "bad delta time";
            tick += delta;
            int c = Byte(pos, end);
            if (c == 0xFF) {
                const int type = Byte(pos, end);
                const int length = VarLen(pos, end);
                if (type < 0 || length < 0 || pos + length > end)
                    return "bad meta event";
                if (type == 0x51 && length == 3)
                    tempos_[tick] = Be(pos, 3);
                pos += length;
                if (type == 0x2F) {
                    lastTick_ = std::max(lastTick_, tick);
                    return pos == end ? "" : "data after the end of track";
                }
                continue;
            }
            if (c == 0xF0 || c == 0xF7) {
                const int length = VarLen(pos, end);
                if (length < 0 || pos + length > end)
                    return "bad system exclusive event";
                pos += length;
                continue;
            }
            if (c & 0x80) {
                status = c;
                c = Byte(pos, end);
            } else if (!status) {
                return "running status without a status";
            }
            const int kind = status & 0xF0;
            const int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : Byte(pos, end);
            if (c < 0 || c > 127 || data2 < 0 || data2 > 127)
                return "bad channel event data";
            if (kind == 0x90 && data2 > 0)
                ++noteOns_;
            if (kind == 0xC0)
                ++programs_;
        }
        return "no end-of-track event";
    }

    QByteArray b_;
    int format_ = 0;
    int division_ = 0;
    int lastTick_ = 0;
    int noteOns_ = 0;
    int programs_ = 0;
    std::map<int, int> tempos_;
};

TEST(SoundAsset, MusicIsAStandardMidiFileOfTenToTwentySeconds) {
    QFile f(AssetPath("good.mid"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    MidiFile midi(f.readAll());
    ASSERT_EQ(midi.Parse(), "");
    EXPECT_GE(midi.Seconds(), 10.0);
    EXPECT_LE(midi.Seconds(), 20.0);
    EXPECT_GT(midi.NoteOns(), 50);
    EXPECT_GT(midi.Programs(), 0) << "chooses its General MIDI instruments";
}

TEST(SoundAsset, TheMixerLoadsEveryFile) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
    for (const char* name : {"Plopp4.WAV", "Rassel11.WAV", "Plopp.WAV"}) {
        Mix_Chunk* chunk = Mix_LoadWAV(AssetPath(name).toLocal8Bit().constData());
        EXPECT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
        Mix_FreeChunk(chunk);
    }
    Mix_Music* music = Mix_LoadMUS(AssetPath("good.mid").toLocal8Bit().constData());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    Mix_FreeMusic(music);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace
