// SPDX-License-Identifier: GPL-3.0-or-later
// The record of mistakes and its memory model: opening the record and
// counting what is due over 10,000 stored answers, and the scheduling that
// follows an answer (the model alone, and with the state stored).
#include "scores/Fsrs.h"
#include "scores/Misstagsregister.h"
#include "scores/Spelare.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFragorPerSpel = 40;
constexpr int kSpel = 250; // 10,000 answers
constexpr int kObjekt = 200;

// A game of 40 of the 200 items, with every kind of outcome.
TSpelLogg Spel(int n) {
    TSpelLogg spel{1 + n % 5, n % 3 == 0 ? "FLAGG" : "AREA", "EUR", false, {}};
    for (int i = 0; i < kFragorPerSpel; ++i) {
        const QString item = QStringLiteral("K%1").arg((n * 37 + i * 11) % kObjekt);
        const int tries = 1 + (n + i) % 4;
        QStringList givet;
        for (int t = 1; t < tries; ++t)
            givet << QStringLiteral("K%1").arg((n + i + t) % kObjekt);
        spel.Fragor.push_back({item, item, tries, givet, givet});
    }
    return spel;
}

// A record of 10,000 answers, written once per run.
const QString& Fil(int schema = TMisstagsregister::kSchema) {
    static QTemporaryDir dir;
    static QString filer[3];
    QString& fil = filer[schema];
    if (fil.isEmpty()) {
        fil = dir.filePath(QStringLiteral("m%1.sqlite").arg(schema));
        TMisstagsregister r(fil, nullptr, schema);
        for (int n = 0; n < kSpel; ++n)
            r.Spara(Spel(n));
    }
    return fil;
}

void BM_OpenAndCountDue(benchmark::State& state) {
    const QString& fil = Fil();
    const QDate dag = QDate::currentDate().addDays(3);
    int32_t due = 0;
    for (auto _ : state) {
        TMisstagsregister r(fil);
        due = r.AntalForfallna(dag);
        benchmark::DoNotOptimize(due);
    }
    state.counters["due"] = due;
}
BENCHMARK(BM_OpenAndCountDue)->Unit(benchmark::kMillisecond);

void BM_ListDue(benchmark::State& state) {
    TMisstagsregister r(Fil());
    const QDate dag = QDate::currentDate().addDays(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(r.Forfallna(dag));
}
BENCHMARK(BM_ListDue)->Unit(benchmark::kMillisecond);

void BM_ScheduleAnAnswer(benchmark::State& state) {
    const TFsrs f;
    TMinne m = f.Efter({}, TBetyg::Good, 0);
    int i = 0;
    for (auto _ : state) {
        const TBetyg b = static_cast<TBetyg>(1 + i++ % 3);
        m = f.Efter(m, b, 1 + i % 7);
        benchmark::DoNotOptimize(f.Intervall(m.Stabilitet));
        if (m.Stabilitet > 1000)
            m = f.Efter({}, TBetyg::Good, 0);
    }
}
BENCHMARK(BM_ScheduleAnAnswer)->Unit(benchmark::kMicrosecond);

// One answer of a practice game: its state read, moved and committed to the file.
void BM_StoreTheStateOfAnAnswer(benchmark::State& state) {
    TMisstagsregister r(Fil());
    TSpelLogg spel{1, "AREA", "EUR", true, {{"K7", "K7", 2, {"K8"}, {"K8"}}}};
    for (auto _ : state)
        r.Spara(spel);
}
BENCHMARK(BM_StoreTheStateOfAnAnswer)->Unit(benchmark::kMillisecond);

// One answer of any game as it is given (Svara): what a click costs the record.
void BM_StoreAnAnswerAsItIsGiven(benchmark::State& state) {
    TMisstagsregister r(Fil());
    const TSpelLogg spel{1, "AREA", "EUR", false, {}};
    const TFragaLogg fraga{"K9", "K9", 3, {"K1", "K2"}, {"K1", "K2"}};
    for (auto _ : state)
        r.Svara(spel, fraga);
}
BENCHMARK(BM_StoreAnAnswerAsItIsGiven)->Unit(benchmark::kMillisecond);

// The player choice of a class's computer: 30 named players listed, each
// name read from its record.
void BM_ListThirtyPlayers(benchmark::State& state) {
    QTemporaryDir dir;
    for (int n = 1; n <= 30; ++n)
        SpelareMedNamn(dir.path(), QStringLiteral("Pupil %1").arg(n));
    for (auto _ : state)
        benchmark::DoNotOptimize(SpelareI(dir.path()));
}
BENCHMARK(BM_ListThirtyPlayers)->Unit(benchmark::kMillisecond);

// The migration of a first-layout record of 10,000 answers.
void BM_MigrateFirstLayout(benchmark::State& state) {
    const QByteArray v1 = [] {
        QFile f(Fil(TMisstagsregister::kForstaSchema));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("migrate.sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(fil);
        QFile f(fil);
        f.open(QIODevice::WriteOnly);
        f.write(v1);
        f.close();
        state.ResumeTiming();
        TMisstagsregister r(fil);
        benchmark::DoNotOptimize(r.AntalForfallna(QDate::currentDate()));
    }
}
BENCHMARK(BM_MigrateFirstLayout)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
