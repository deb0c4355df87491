// SPDX-License-Identifier: GPL-3.0-or-later
// Printing every map exercise of the shipped catalogue to PDF, numbered with
// the names' page after it (the longest variant): the map read afresh from
// the files, laid out, drawn and written. Run: build/bin/globina_print_bench
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/Ovningar.h"
#include "screens/Utskrift.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

void Print(benchmark::State& state, std::shared_ptr<COvning> ovning, QString file) {
    TUtskriftsval val;
    val.Namnkarta = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(SkrivUt(*ovning, val, file));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(ProgramFolder());
    LoadLanguageTexts();
    COvningar ovningar;
    ovningar.LasOvningar(QStringLiteral("Ovning.crp"));
    QTemporaryDir dir;
    for (auto e = ovningar.Forsta; e; e = e->Nasta)
        if (KanSkrivasUt(*e))
            benchmark::RegisterBenchmark(("Print/" + std::to_string(e->Nummer)).c_str(), Print, e,
                                         dir.filePath(QStringLiteral("%1.pdf").arg(e->Nummer)))
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
