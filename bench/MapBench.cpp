// SPDX-License-Identifier: GPL-3.0-or-later
// Map drawing and hit-testing speed on generated continents at screen size.
// Each figure is also given as a ratio to filling the whole picture once with
// one colour, measured in the same run, so results compare across machines.
#include "TestMap.h"
#include "maps/Karta.h"
#include "platform/Image.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>

namespace {

constexpr int kW = 1920, kH = 1048;

// A map on a picture of screen size with a generated continent loaded and
// every area taking part.
struct TBenchMap {
    TBenchMap(int columns, int rows, int points) {
        WriteTestMap(dir.path(), TTestMapShape{columns, rows, points});
        image.resize(kW, kH);
        k.Bild = &image;
        k.Landareor = std::make_unique<CAreor>();
        k.Vattenareor = std::make_unique<CAreor>();
        k.Platser = std::make_unique<COrter>();
        k.Vattenareor->LasAreor(dir.filePath("Vatten.crp"));
        k.Landareor->LasAreor(dir.filePath("AREA1.crp"));
        k.LasHav(dir.filePath("Hav1.crp"));
        for (int i = 1; i <= k.Landareor->Antal; ++i)
            k.Landareor->Area(i).Deltar = true;
        k.BeraknaSkala();
        k.AnpassaVy();
        k.Gradnat = true;
    }
    QTemporaryDir dir;
    TImage image;
    CKarta k;
};

void FillOnce(benchmark::State& state) {
    TImage image;
    image.resize(kW, kH);
    TCanvas& c = image.Canvas();
    int i = 0;
    for (auto _ : state) {
        c.SetBrushColor(++i % 2 ? QColor(128, 128, 128) : QColor(0, 0, 128));
        c.FillRect(c.ClipRect());
        benchmark::DoNotOptimize(image.Picture().constBits());
    }
}
BENCHMARK(FillOnce)->Unit(benchmark::kMillisecond);

// (a) The area exercise's whole redraw: clear, outlines, water, sea flood,
// area colours, graticule. 60 areas of 400 points.
void AreaRedraw(benchmark::State& state) {
    TBenchMap m(10, 6, 400);
    for (auto _ : state) {
        m.k.Sjofarg = QColor(0, 0, 128);
        m.k.RitaAreaovning(1);
        benchmark::DoNotOptimize(m.image.Picture().constBits());
    }
}
BENCHMARK(AreaRedraw)->Unit(benchmark::kMillisecond);

// (a') The same redraw with a finer level of every outline (each edge cut
// into `range(0)` pieces: 400 points become 400 * range(0)), at the own view
// and zoomed in 8 times about the middle, where the finer level is drawn
// and most areas lie outside the picture.
void AreaRedrawFine(benchmark::State& state) {
    TBenchMap m(10, 6, 400);
    const int pieces = static_cast<int>(state.range(0));
    CAreor& areor = *m.k.Landareor;
    for (int i = 1; i <= areor.Antal; ++i) {
        CArea& a = areor.Area(i);
        TFinKontur fin;
        auto& ring = fin.Ringar.emplace_back();
        for (int p = 1; p <= a.Antal; ++p) {
            const TLatLon from = a.Punkter[p], to = a.Punkter[p % a.Antal + 1];
            for (int t = 0; t < pieces; ++t)
                ring.push_back({from.Lat + (to.Lat - from.Lat) * t / pieces,
                                from.Lon + (to.Lon - from.Lon) * t / pieces});
        }
        fin.Nord = static_cast<float>(a.Nord), fin.Syd = static_cast<float>(a.Syd);
        fin.Ost = static_cast<float>(a.Ost), fin.Vast = static_cast<float>(a.Vast);
        a.Finare = {std::move(fin)};
    }
    areor.Toleranser = {1e9, 0}; // the finer level at every view
    if (state.range(1) > 1) {
        const float mitt = (m.k.VyNord + m.k.VySyd) / 2, halv = (m.k.VyNord - m.k.VySyd) / 16;
        m.k.VyNord = mitt + halv, m.k.VySyd = mitt - halv;
        m.k.BeraknaSkala();
    }
    for (auto _ : state) {
        m.k.Sjofarg = QColor(0, 0, 128);
        m.k.RitaAreaovning(1);
        benchmark::DoNotOptimize(m.image.Picture().constBits());
    }
    state.counters["points"] = 400.0 * pieces * areor.Antal;
}
BENCHMARK(AreaRedrawFine)
    ->ArgsProduct({{1, 10, 50}, {1, 8}})
    ->ArgNames({"pieces", "zoom"})
    ->Unit(benchmark::kMillisecond);

// (b) The area under a click: the point-in-outline test over every taking
// part area, the smallest northern bound winning. 200 areas of 500 points.
void AreaUnderClick(benchmark::State& state) {
    TBenchMap m(20, 10, 500);
    const CAreor& areor = *m.k.Landareor;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> xs(0, kW - 1), ys(0, kH - 1);
    int hits = 0;
    for (auto _ : state) {
        const int y = ys(random), x = xs(random);
        const float lat = m.k.LatVid(y), lon = m.k.LonVid(y, x);
        const CArea* found = nullptr;
        for (int i = 1; i <= areor.Antal; ++i) {
            const CArea& a = *areor.Areor[i];
            if (a.Deltar && PunktIYta(lat, lon, a.Punkter, a.Antal) &&
                (!found || a.Nord < found->Nord))
                found = &a;
        }
        hits += found != nullptr;
        benchmark::DoNotOptimize(found);
    }
    state.counters["hit share"] = static_cast<double>(hits) / state.iterations();
}
BENCHMARK(AreaUnderClick)->Unit(benchmark::kMicrosecond);

// (c) One surface flood fill over the whole picture.
void FloodFillWhole(benchmark::State& state) {
    TImage image;
    image.resize(kW, kH);
    TCanvas& c = image.Canvas();
    const QColor a(128, 128, 128), b(0, 0, 128);
    c.SetBrushColor(a);
    c.FillRect(c.ClipRect());
    int i = 0;
    for (auto _ : state) {
        const bool toB = ++i % 2;
        c.SetBrushColor(toB ? b : a);
        c.FloodFill(kW / 2, kH / 2, toB ? a : b, TFillStyle::Surface);
        benchmark::DoNotOptimize(image.Picture().constBits());
    }
}
BENCHMARK(FloodFillWhole)->Unit(benchmark::kMillisecond);

// Keeps the seconds per iteration of every repetition of each benchmark, so
// that the ratio table gives medians rather than the last repetition.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                repetitions[r.run_name.function_name].push_back(r.real_accumulated_time /
                                                                r.iterations);
    }
    std::map<std::string, double> Medians() const {
        std::map<std::string, double> m;
        for (auto [name, v] : repetitions) {
            std::sort(v.begin(), v.end());
            const size_t n = v.size();
            m[name] = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        }
        return m;
    }
    std::map<std::string, std::vector<double>> repetitions;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto s = reporter.Medians();
    if (!s.count("FillOnce"))
        return 0;
    const double fill = s.at("FillOnce");
    std::printf("\nMedians across repetitions (--benchmark_repetitions=N)\n");
    std::printf("One fill of %dx%d: %.3f ms\n", kW, kH, fill * 1e3);
    const struct {
        const char* name;
        const char* target;
    } rows[] = {{"AreaRedraw", "target: within 25 fills and under 16 ms"},
                {"AreaUnderClick", "target: under 0.2 ms"},
                {"FloodFillWhole", ""}};
    for (const auto& row : rows)
        if (s.count(row.name))
            std::printf("%-15s %10.4f ms = %7.3f fills   %s\n", row.name, s.at(row.name) * 1e3,
                        s.at(row.name) / fill, row.target);
    return 0;
}
