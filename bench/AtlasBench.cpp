// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the shipped maps as the player meets them at 1920 x 1048 (the map
// screen maximised on a 1920 x 1080 desktop): an exercise start (loading the
// files of the map, then the first full drawing with every area taking part)
// and a full redraw. Reads the data files beside the program, where the build
// copies assets/.
#include "CoastMeasure.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "platform/Image.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kW = 1920, kH = 1048;

// Loads map `number` with the files the map exercise screen loads for it.
std::unique_ptr<CKarta> Load(int number, TImage& image) {
    auto k = LoadMap(QDir::currentPath(), number);
    k->Bild = &image;
    k->Platser = std::make_unique<COrter>();
    k->Platser->LasOrter(OrtFil(1));
    k->Gradnat = number == 1;
    for (int i = 1; i <= k->Landareor->Antal; ++i)
        k->Landareor->Area(i).Deltar = true;
    k->BeraknaSkala();
    k->AnpassaVy();
    return k;
}

void ExerciseStart(benchmark::State& state) {
    const int number = int(state.range(0));
    TImage image;
    image.resize(kW, kH);
    for (auto _ : state) {
        auto k = Load(number, image);
        k->RitaAreaovning(1);
        benchmark::DoNotOptimize(image.Picture().constBits());
    }
}
BENCHMARK(ExerciseStart)->DenseRange(1, 11)->Unit(benchmark::kMillisecond);

void FullRedraw(benchmark::State& state) {
    const int number = int(state.range(0));
    TImage image;
    image.resize(kW, kH);
    auto k = Load(number, image);
    for (auto _ : state) {
        k->Sjofarg = QColor(0, 0, 128);
        k->RitaAreaovning(1);
        benchmark::DoNotOptimize(image.Picture().constBits());
    }
}
BENCHMARK(FullRedraw)->DenseRange(1, 11)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
