// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesizes the three sound effects as 16-bit mono PCM WAV files:
//   Plopp4.WAV   right answer: a short bright plop that bends upwards
//   Rassel11.WAV wrong answer: a short dry rattle
//   Plopp.WAV    menu click: a soft, very short blip
// Noise comes from a fixed-seed generator and every sample is rounded the same
// way, so the files come out byte-identical on every run.
#include "ToolMain.h"

#include <QByteArray>
#include <QFile>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// xorshift32: small, fast and the same everywhere.
class Noise {
public:
    double Next() { // -1..1
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_ = 0x1234567u;
};

using Signal = std::vector<double>;

// Scales the signal so its loudest sample is `peak` of full scale, fades the
// last milliseconds out so it stops without a click, and converts to 16 bits.
std::vector<int16_t> Finish(Signal s, double peak) {
    double max = 0;
    for (double v : s)
        max = std::max(max, std::fabs(v));
    const size_t fade = kRate * 5 / 1000;
    for (size_t i = 0; i < fade && i < s.size(); ++i)
        s[s.size() - 1 - i] *= double(i) / fade;
    std::vector<int16_t> out;
    out.reserve(s.size());
    for (double v : s)
        out.push_back(static_cast<int16_t>(std::lrint(v / max * peak * 32767.0)));
    return out;
}

void AppendLE(QByteArray& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool WriteWav(const QString& fileName, const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = samples.size() * 2;
    QByteArray b;
    b.append("RIFF");
    AppendLE(b, 36 + dataBytes, 4);
    b.append("WAVEfmt ");
    AppendLE(b, 16, 4);        // fmt chunk size
    AppendLE(b, 1, 2);         // PCM
    AppendLE(b, 1, 2);         // mono
    AppendLE(b, kRate, 4);     // sample rate
    AppendLE(b, kRate * 2, 4); // bytes per second
    AppendLE(b, 2, 2);         // block align
    AppendLE(b, 16, 2);        // bits per sample
    b.append("data");
    AppendLE(b, dataBytes, 4);
    for (int16_t s : samples)
        AppendLE(b, static_cast<uint16_t>(s), 2);
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fileName));
        return false;
    }
    return true;
}

// Generates `seconds` of sound from a function of time and running phase.
Signal Render(double seconds, const std::function<double(double t)>& f) {
    Signal s(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = f(double(i) / kRate);
    return s;
}

// A bright plop: a sine whose pitch leaps up from 520 Hz towards 1250 Hz within
// a few milliseconds, with a soft octave above and a fast decay.
Signal RightAnswer() {
    double phase = 0;
    return Render(0.22, [&](double t) {
        const double freq = 520 + 730 * (1 - std::exp(-t / 0.012));
        phase += 2 * kPi * freq / kRate;
        const double attack = std::min(1.0, t / 0.002);
        const double env = attack * std::exp(-t / 0.045);
        return env * (std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase));
    });
}

// A band-pass filter (a two-pole resonator) that gives noise a woody colour.
class BandPass {
public:
    BandPass(double centre, double q) {
        const double w = 2 * kPi * centre / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double Next(double x) {
        const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A rattle: eleven quick clicks of band-passed noise, each with a short low
// knock under it, slightly uneven in time like something shaken, dying away.
Signal WrongAnswer() {
    Noise noise;
    BandPass wood(1400, 1.2);
    BandPass knock(220, 2.0);
    std::vector<double> starts;
    double at = 0;
    for (int i = 0; i < 11; ++i) {
        starts.push_back(at);
        at += 0.026 + 0.006 * noise.Next();
    }
    return Render(0.33, [&](double t) {
        double env = 0;
        for (double s : starts)
            if (t >= s)
                env = std::exp(-(t - s) / 0.007);
        const double white = noise.Next();
        const double hit = env * white;
        return std::exp(-t / 0.25) * (wood.Next(hit) + 0.8 * knock.Next(hit));
    });
}

// A click for the menu: 40 ms of a falling 1 kHz blip.
Signal MenuClick() {
    double phase = 0;
    return Render(0.06, [&](double t) {
        const double freq = 1100 - 300 * (t / 0.06);
        phase += 2 * kPi * freq / kRate;
        const double attack = std::min(1.0, t / 0.001);
        return attack * std::exp(-t / 0.012) * std::sin(phase);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2)
        return Usage(argv[0], "asset-folder");
    const QString dir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    bool ok = WriteWav(dir + "Plopp4.WAV", Finish(RightAnswer(), 0.70));
    ok = WriteWav(dir + "Rassel11.WAV", Finish(WrongAnswer(), 0.70)) && ok;
    ok = WriteWav(dir + "Plopp.WAV", Finish(MenuClick(), 0.45)) && ok;
    return ok ? 0 : 1;
}
