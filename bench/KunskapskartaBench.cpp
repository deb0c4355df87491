// SPDX-License-Identifier: GPL-3.0-or-later
// The knowledge map of My mistakes drawn at 1920 x 1080 on each shipped
// continent's first area exercise, every item with a memory state: first
// shown (the map read and drawn), and shown again for another way of asking
// (drawn again on the map read before).
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "exercises/Ovningar.h"
#include "scores/Fsrs.h"
#include "screens/Kunskapskarta.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

const COvningar& Katalog() {
    static COvningar katalog;
    if (!katalog.Forsta)
        katalog.LasOvningar(QStringLiteral("Ovning.crp"));
    return katalog;
}

void BM_DrawKnowledgeMap(benchmark::State& state, const char* part, bool again) {
    std::shared_ptr<COvning> ovning;
    for (auto e = Katalog().Forsta; e && !ovning; e = e->Nasta)
        if (e->Typ == QLatin1String("AREA") && e->Varldsdel == QLatin1String(part))
            ovning = e;
    const QDate idag = QDate::currentDate();
    std::vector<TMinnesrad> minnen;
    const TFsrs f;
    for (int i = 1; i <= ovning->Antal; ++i) {
        TMinnesrad m;
        m.Objekt = ovning->Objekt(i);
        m.Satt = QStringLiteral("map");
        m.Minne = f.Efter({}, static_cast<TBetyg>(1 + i % 4), 0);
        m.Senast = idag.addDays(-(i % 9));
        m.SenastForsok = 1 + i % 4;
        if (i % 5 != 0) // some never asked
            minnen.push_back(m);
    }
    TKunskapskarta karta;
    karta.resize(1920, 1080);
    karta.Visa(ovning.get(), minnen, idag);
    for (auto _ : state) {
        if (!again) {
            state.PauseTiming();
            karta.Visa(nullptr, {}, idag);
            state.ResumeTiming();
        }
        karta.Visa(ovning.get(), minnen, idag);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(ProgramFolder());
    LoadLanguageTexts();
    for (const bool again : {false, true})
        for (const char* part : {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS", "*"})
            benchmark::RegisterBenchmark(
                (std::string(again ? "RedrawKnowledgeMap/" : "DrawKnowledgeMap/") + part).c_str(),
                BM_DrawKnowledgeMap, part, again)
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
