// SPDX-License-Identifier: GPL-3.0-or-later
// A class of 30 pupils with 200 games of 20 questions each, exported as CSV
// the way Postexport writes it: opening every file and working out the three
// views of the class results. Run: build/bin/globina_class_bench
#include "scores/Klassresultat.h"
#include "scores/Postexport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kElever = 30, kSpel = 200, kFragor = 20;
const char* const kDelar[] = {"EUR", "AFR", "ASI", "NOR"};

QStringList WriteClass(const QTemporaryDir& dir) {
    QRandomGenerator slump(4711);
    QStringList filer;
    for (int e = 0; e < kElever; ++e) {
        QString text = kPostKolumner.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        const QString elev = QStringLiteral("Pupil %1, 7B").arg(e + 1);
        for (int s = 0; s < kSpel; ++s) {
            const QString del = QString::fromLatin1(kDelar[s % 4]);
            for (int f = 0; f < kFragor; ++f) {
                const int objekt = slump.bounded(50), forsok = 1 + slump.bounded(4);
                QStringList givet, namn;
                for (int g = 1; g < forsok; ++g)
                    givet << QStringLiteral("K%1").arg(slump.bounded(50)),
                        namn << QStringLiteral("Country \"%1\"").arg(g);
                QStringList rad{elev,
                                QStringLiteral("2026-12-09T12:00:00Z"),
                                QString::number(1 + s % 40),
                                del,
                                QStringLiteral("AREA"),
                                QStringLiteral("K%1").arg(objekt),
                                QStringLiteral("Country %1, the").arg(objekt),
                                QString::number(forsok),
                                givet.join(QStringLiteral("; ")),
                                namn.join(QStringLiteral("; "))};
                for (QString& falt : rad)
                    falt = CsvFalt(falt);
                text += rad.join(QLatin1Char(',')) + QStringLiteral("\r\n");
            }
        }
        const QString fil = dir.filePath(QStringLiteral("pupil%1.csv").arg(e));
        QFile f(fil);
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        filer << fil;
    }
    return filer;
}

void OpenClass(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList filer = WriteClass(dir);
    for (auto _ : state) {
        CKlassresultat klass;
        for (const QString& f : filer)
            klass.LasFil(f);
        benchmark::DoNotOptimize(klass.MestMissade("EUR", "AREA"));
        benchmark::DoNotOptimize(klass.Forvaxlingar("EUR", "AREA"));
        benchmark::DoNotOptimize(klass.Elever());
        state.counters["questions"] = klass.Fragor();
    }
}
BENCHMARK(OpenClass)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
