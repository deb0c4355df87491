// SPDX-License-Identifier: GPL-3.0-or-later
// The processor time an effect costs the whole program (every thread: the
// mixer's and the audio driver's too), under whatever SDL_AUDIODRIVER says
// (the tests use dummy). Each repetition plays the wrong-answer effect and
// waits until it has finished; the same wait without a sound, measured in the
// same run, is taken away, so "effect_ms" is what the sound itself costs.
//   SDL_AUDIODRIVER=dummy build/bin/globina_audio_bench
#include "data/Helpers.h"
#include "platform/Audio.h"

#include <QCoreApplication>
#include <QThread>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double ProcessCpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

constexpr int kWaitMs = 400; // the wrong-answer effect lasts 0.33 s

double CpuOfWaits(TAudio& audio, bool play, int n) {
    const double start = ProcessCpuMs();
    for (int i = 0; i < n; ++i) {
        if (play)
            audio.Play(TAudio::TEffect::Wrong);
        QThread::msleep(kWaitMs);
    }
    return (ProcessCpuMs() - start) / n;
}

void EffectCpu(benchmark::State& state) {
    TAudio audio;
    audio.Play(TAudio::TEffect::Wrong); // opens the device and loads the sound
    QThread::msleep(kWaitMs);
    double played = 0, idle = 0;
    int n = 0;
    for (auto _ : state) {
        played += CpuOfWaits(audio, true, 1);
        idle += CpuOfWaits(audio, false, 1);
        ++n;
    }
    state.counters["played_ms"] = played / n;
    state.counters["idle_ms"] = idle / n;
    state.counters["effect_ms"] = (played - idle) / n;
}
BENCHMARK(EffectCpu)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
