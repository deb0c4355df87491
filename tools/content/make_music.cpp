// SPDX-License-Identifier: GPL-3.0-or-later
// Writes good.mid, the fanfare that plays when a result enters a top-ten list:
// eight bars of C major at 132 beats a minute (about 15 seconds) for trumpet,
// horns, tuba, timpani and a marching snare, as a format 1 Standard MIDI File
// with General MIDI instruments.
#include "ToolMain.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <tuple>
#include <vector>

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr int kBar = 4 * kTicksPerQuarter;
constexpr int kBeatsPerMinute = 132;
// Every channel's volume is scaled by this, so that the loudest chords stay
// below full scale where the synthesizer and mixer add them up (SDL_mixer
// plays MIDI at a high gain; at 1.0 hundreds of samples of the first bars clip).
constexpr double kMixLevel = 0.65;

// General MIDI programs (0-based) and percussion keys.
constexpr int kTrumpet = 56;
constexpr int kTuba = 58;
constexpr int kFrenchHorn = 60;
constexpr int kTimpani = 47;
constexpr int kDrumChannel = 9;
constexpr int kBassDrum = 36;
constexpr int kSnare = 38;
constexpr int kCrash = 49;

// Note numbers: C4 is 60.
enum : int {
    C2 = 36,
    G2 = 43,
    A2 = 45,
    D3 = 50,
    F2 = 41,
    C3 = 48,
    E3 = 52,
    F3 = 53,
    G3 = 55,
    A3 = 57,
    B3 = 59,
    C4 = 60,
    D4 = 62,
    E4 = 64,
    F4 = 65,
    G4 = 67,
    A4 = 69,
    B4 = 71,
    C5 = 72,
    D5 = 74,
    E5 = 76,
    F5 = 77,
    G5 = 79,
    A5 = 81,
    B5 = 83,
    C6 = 84,
    D6 = 86,
};

struct Event {
    int tick;
    int order; // at the same tick: note-offs (0) before other events (1)
    std::vector<uint8_t> bytes;
    bool operator<(const Event& o) const {
        return std::tie(tick, order, bytes) < std::tie(o.tick, o.order, o.bytes);
    }
};

class Track {
public:
    explicit Track(int channel) : channel_(channel) {}

    void Meta(int tick, uint8_t type, const std::vector<uint8_t>& data) {
        std::vector<uint8_t> b = {0xFF, type, static_cast<uint8_t>(data.size())};
        b.insert(b.end(), data.begin(), data.end());
        events_.push_back({tick, 1, b});
    }
    void Name(const char* name) {
        std::vector<uint8_t> data(name, name + std::char_traits<char>::length(name));
        Meta(0, 0x03, data);
    }
    void Program(int program) {
        events_.push_back({0, 1, {static_cast<uint8_t>(0xC0 | channel_), uint8_t(program)}});
    }
    // The channel volume (controller 7): the balance between the instruments,
    // scaled by kMixLevel.
    void Volume(int value) { Controller(7, static_cast<int>(value * kMixLevel + 0.5)); }
    void Controller(int number, int value) {
        events_.push_back(
            {0, 1, {static_cast<uint8_t>(0xB0 | channel_), uint8_t(number), uint8_t(value)}});
    }
    // A note from `tick` lasting `length` ticks; `gap` ticks are cut from the
    // end so repeated notes are heard as separate notes.
    void Note(int tick, int length, int key, int velocity, int gap = 20) {
        const auto k = static_cast<uint8_t>(key);
        events_.push_back(
            {tick, 1, {static_cast<uint8_t>(0x90 | channel_), k, static_cast<uint8_t>(velocity)}});
        events_.push_back(
            {tick + std::max(1, length - gap), 0, {static_cast<uint8_t>(0x80 | channel_), k, 0}});
    }

    QByteArray Chunk(int endTick) {
        std::sort(events_.begin(), events_.end());
        QByteArray data;
        int last = 0;
        for (const Event& e : events_) {
            WriteVarLen(data, e.tick - last);
            last = e.tick;
            for (uint8_t b : e.bytes)
                data.append(static_cast<char>(b));
        }
        WriteVarLen(data, std::max(0, endTick - last));
        data.append("\xFF\x2F\x00", 3);
        QByteArray chunk("MTrk");
        AppendBE(chunk, data.size(), 4);
        return chunk + data;
    }

    static void AppendBE(QByteArray& b, uint32_t v, int bytes) {
        for (int i = bytes - 1; i >= 0; --i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }

private:
    static void WriteVarLen(QByteArray& b, uint32_t v) {
        uint8_t groups[5];
        int n = 0;
        do {
            groups[n++] = v & 0x7F;
            v >>= 7;
        } while (v);
        while (n-- > 0)
            b.append(static_cast<char>(groups[n] | (n ? 0x80 : 0)));
    }

    int channel_;
    std::vector<Event> events_;
};

// The tune, in eighths per bar: (key, eighths).
using Phrase = std::vector<std::pair<int, int>>;
const std::vector<Phrase> kMelody = {
    {{G4, 1}, {C5, 1}, {E5, 1}, {G5, 1}, {C6, 2}, {G5, 1}, {C6, 1}},
    {{C6, 3}, {A5, 1}, {G5, 2}, {E5, 2}},
    {{F5, 1}, {F5, 1}, {A5, 1}, {F5, 1}, {G5, 2}, {E5, 2}},
    {{D5, 1}, {E5, 1}, {F5, 1}, {D5, 1}, {G5, 4}},
    {{G4, 1}, {C5, 1}, {E5, 1}, {G5, 1}, {C6, 2}, {G5, 1}, {C6, 1}},
    {{D6, 3}, {C6, 1}, {B5, 2}, {A5, 2}},
    {{E5, 1}, {F5, 1}, {G5, 1}, {A5, 1}, {B5, 1}, {C6, 1}, {D6, 2}},
    {{C6, 8}},
};

// Two chords per bar (horn voicing) and their bass notes.
// The timpani are tuned to C and G; each chord takes the one it holds.
struct Chord {
    std::vector<int> horns;
    int bass;
    int timpani;
};
const Chord kC = {{E4, G4, C5}, C3, C2};
const Chord kF = {{F4, A4, C5}, F2, C2};
const Chord kG = {{D4, G4, B4}, G2, G2};
const Chord kG7 = {{D4, F4, B4}, G2, G2};
const Chord kAm = {{E4, A4, C5}, A2, C2};
const std::vector<std::pair<Chord, Chord>> kHarmony = {
    {kC, kC}, {kF, kC}, {kF, kC}, {kG, kG7}, {kC, kC}, {kG, kAm}, {kC, kG7}, {kC, kC},
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2)
        return Usage(argv[0], "good.mid");
    const int bars = static_cast<int>(kMelody.size());
    const int finalLength = kBar + kTicksPerQuarter; // the last chord rings on
    const int end = (bars - 1) * kBar + finalLength;

    Track tempo(0);
    tempo.Name("Globina fanfare");
    tempo.Meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    const uint32_t usPerQuarter = 60000000 / kBeatsPerMinute;
    tempo.Meta(0, 0x51,
               {uint8_t(usPerQuarter >> 16), uint8_t(usPerQuarter >> 8), uint8_t(usPerQuarter)});
    // Broaden into the last chord.
    const uint32_t slower = 60000000 / 100;
    tempo.Meta(7 * kBar, 0x51, {uint8_t(slower >> 16), uint8_t(slower >> 8), uint8_t(slower)});

    Track trumpet(0);
    trumpet.Name("Trumpet");
    trumpet.Program(kTrumpet);
    trumpet.Volume(127);
    trumpet.Controller(10, 64); // pan centre
    for (int bar = 0; bar < bars; ++bar) {
        int tick = bar * kBar;
        for (auto [key, eighths] : kMelody[bar]) {
            const int length = bar == bars - 1 ? finalLength : eighths * kEighth;
            const int velocity = (tick % kTicksPerQuarter == 0) ? 112 : 96;
            trumpet.Note(tick, length, key, velocity, eighths == 1 ? 40 : 20);
            tick += eighths * kEighth;
        }
    }

    Track horns(1);
    horns.Name("Horns");
    horns.Program(kFrenchHorn);
    horns.Volume(104);
    horns.Controller(10, 40);
    Track tuba(2);
    tuba.Name("Tuba");
    tuba.Program(kTuba);
    tuba.Volume(112);
    tuba.Controller(10, 88);
    for (int bar = 0; bar < bars; ++bar) {
        const bool last = bar == bars - 1;
        const Chord* halves[2] = {&kHarmony[bar].first, &kHarmony[bar].second};
        for (int half = 0; half < (last ? 1 : 2); ++half) {
            const int tick = bar * kBar + half * kBar / 2;
            const int length = last ? finalLength : kBar / 2;
            for (int key : halves[half]->horns)
                horns.Note(tick, length, key, 80);
            // The tuba marks the beats: root, then the fifth above.
            if (last) {
                tuba.Note(tick, length, halves[half]->bass, 100);
            } else {
                tuba.Note(tick, kTicksPerQuarter, halves[half]->bass, 100, 60);
                tuba.Note(tick + kTicksPerQuarter, kTicksPerQuarter, halves[half]->bass + 7, 84,
                          60);
            }
        }
    }

    Track timpani(3);
    timpani.Name("Timpani");
    timpani.Program(kTimpani);
    timpani.Volume(116);
    for (int bar = 0; bar < bars - 1; ++bar) {
        timpani.Note(bar * kBar, kTicksPerQuarter, kHarmony[bar].first.timpani, 100);
        timpani.Note(bar * kBar + 2 * kTicksPerQuarter, kTicksPerQuarter,
                     kHarmony[bar].second.timpani, 84);
    }
    // A roll that swells into the last chord, then one stroke on it.
    for (int i = 0; i < 8; ++i)
        timpani.Note(7 * kBar - kTicksPerQuarter + i * kTicksPerQuarter / 8, kTicksPerQuarter / 8,
                     G2, 60 + 6 * i, 5);
    timpani.Note(7 * kBar, kBar, C2, 120, 0);

    Track drums(kDrumChannel);
    drums.Name("Drums");
    drums.Volume(104);
    for (int bar = 0; bar < bars - 1; ++bar) {
        for (int e = 0; e < 8; ++e) {
            const int tick = bar * kBar + e * kEighth;
            drums.Note(tick, kEighth, kSnare, e % 2 == 0 ? 84 : 56, 40);
            if (e % 4 == 0)
                drums.Note(tick, kEighth, kBassDrum, 96, 40);
        }
    }
    drums.Note(0, kBar, kCrash, 100, 0);
    drums.Note(4 * kBar, kBar, kCrash, 90, 0);
    drums.Note(7 * kBar, finalLength, kCrash, 110, 0);
    drums.Note(7 * kBar, kEighth, kBassDrum, 110, 0);

    QByteArray file("MThd");
    Track::AppendBE(file, 6, 4);
    Track::AppendBE(file, 1, 2); // format 1: tracks play together
    Track::AppendBE(file, 6, 2);
    Track::AppendBE(file, kTicksPerQuarter, 2);
    for (Track* t : {&tempo, &trumpet, &horns, &tuba, &timpani, &drums})
        file += t->Chunk(end);

    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
