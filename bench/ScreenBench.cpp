// SPDX-License-Identifier: GPL-3.0-or-later
// What the player feels on the map screen, on the shipped maps: a click until
// the screen is repainted, an exercise start until the first question shows,
// a zoom step and a frame of a pan until the map is drawn afresh and shown,
// and the work done while the screen sits idle. Runs on the offscreen
// platform with a 1920x1080 screen (map picture 1916x1044); --ratio=2 gives
// the same screen at device pixel ratio 2 (3840x2160 physical pixels).
//
// Every figure is also given in "fills": its median time divided by the
// median time of one fill of a whole 1920x1048 picture, measured in the same
// run, so results compare across machines.
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "exercises/OvningBlandad.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "platform/Image.h"
#include "screens/OvningKarta.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kFillW = 1920, kFillH = 1048;
constexpr int kRepetitions = 5;

double g_fillSeconds = 0; // median of one whole-picture fill, set once FillOnce has run

struct TBenchMap {
    int map;
    const char* name;
};
const TBenchMap kMaps[] = {{1, "World"},  {2, "Europe"}, {3, "NorthAmerica"},
                           {4, "Africa"}, {5, "Asia"},   {6, "Oceania"}};
// Zoom and pan are measured on the close-up maps too.
const TBenchMap kCloseUpMaps[] = {{7, "UnitedStates"}, {8, "Canada"},     {9, "Norden"},
                                  {10, "Brazil"},      {11, "Australia"}, {12, "Germany"},
                                  {13, "Sweden"}};

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// Sets the counter "fills" from the measured seconds of all iterations.
void Fills(benchmark::State& state, double seconds) {
    if (g_fillSeconds > 0)
        state.counters["fills"] =
            benchmark::Counter(seconds / g_fillSeconds, benchmark::Counter::kAvgIterations);
}

// The first area exercise of the catalogue on a map.
std::shared_ptr<COvning> AreaExercise(const COvningar& katalog, int map) {
    for (auto e = katalog.Forsta; e; e = e->Nasta)
        if (e->Typ == QLatin1String("AREA") && e->Kartnummer == map)
            return e;
    return nullptr;
}

const COvningar& Katalog() {
    static COvningar katalog;
    if (!katalog.Forsta)
        katalog.LasOvningar(QStringLiteral("Ovning.crp"));
    return katalog;
}

void DoneWithEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Times an action until the events it caused are done, as the iteration's
// time, and gives the seconds.
template <class Action> double Timed(benchmark::State& state, Action action) {
    const auto t0 = Clock::now();
    action();
    DoneWithEvents();
    const double t = Since(t0);
    state.SetIterationTime(t);
    return t;
}

// Counts the pixels painted on a widget and its children.
class TPaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRegion region = static_cast<QPaintEvent*>(event)->region();
            long long px = 0;
            for (const QRect& r : region)
                px += static_cast<long long>(r.width()) * r.height();
            all += px;
            if (watched == map)
                mapPixels += px;
        } else if (event->type() == QEvent::Timer && watched != quitTimer) {
            ++timerEvents;
        }
        return false;
    }
    QObject* map = nullptr;
    QObject* quitTimer = nullptr;
    long long all = 0;
    long long mapPixels = 0;
    long long timerEvents = 0;
};

// A started map screen on an area exercise of a shipped map.
struct TStartedScreen {
    explicit TStartedScreen(int map) : TStartedScreen(AreaExercise(Katalog(), map)) {}
    explicit TStartedScreen(std::shared_ptr<COvning> ovning) : ex(std::move(ovning)) {
        screen = std::make_unique<TfrmOvningKarta>(nullptr, Qt::Window);
        screen->StartaOvning(ex);
        DoneWithEvents();
    }
    ~TStartedScreen() {
        screen->close();
        screen.reset();
        DoneWithEvents();
    }

    // A point of the picture inside the area, in widget pixels.
    QPoint Inside(const CArea& a) const {
        const CKarta& k = *screen->Karta();
        const qreal ratio = screen->imgKarta->devicePixelRatioF();
        for (const TLatLon* seed : {&a.Fyllpunkt1, &a.Fyllpunkt2}) {
            const int x = k.XKoord(seed->Lat, seed->Lon), y = k.YKoord(seed->Lat);
            if (k.InomBild(x, y))
                return QPoint(int(x / ratio), int(y / ratio));
        }
        return QPoint(-1, -1);
    }
    // A point in the asked area, and one in an area that takes part and is
    // not asked.
    QPoint Right() const { return Find(true); }
    QPoint Wrong() const { return Find(false); }
    QPoint Find(bool asked) const {
        const auto* la = dynamic_cast<const COvningLandArea*>(ex->Fragande());
        if (!la)
            return QPoint(-1, -1);
        const QString key = la->FragaNamn;
        const CAreor& areor = *screen->Karta()->Landareor;
        for (int i = 1; i <= areor.Antal; ++i) {
            const CArea& a = areor.Area(i);
            if (a.Deltar && !a.Besvarad && a.Matchar(key) == asked) {
                const QPoint p = Inside(a);
                if (p.x() >= 0)
                    return p;
            }
        }
        return QPoint(-1, -1);
    }

    void Press(QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, screen->imgKarta->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(screen->imgKarta, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, screen->imgKarta->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(screen->imgKarta, &release);
    }

    void Wheel(QPoint at, int notches) {
        QWheelEvent e(at, screen->imgKarta->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(screen->imgKarta, &e);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, at, screen->imgKarta->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(screen->imgKarta, &e);
    }
    QPoint Middle() const { return screen->imgKarta->rect().center(); }

    std::shared_ptr<COvning> ex;
    std::unique_ptr<TfrmOvningKarta> screen;
};

void FillOnce(benchmark::State& state) {
    QImage picture(kFillW, kFillH, QImage::Format_RGB32);
    TCanvas c(&picture);
    int i = 0;
    for (auto _ : state) {
        c.SetBrushColor(++i % 2 ? QColor(128, 128, 128) : QColor(0, 0, 128));
        c.FillRect(c.ClipRect());
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// A click from the press until the repaint it caused has been done. The
// wrong click names another country; the right one recolours the asked one
// and asks the next question. Near the end of the game the exercise starts
// again, outside the measured time.
void ScreenClick(benchmark::State& state, int map, bool right) {
    TStartedScreen s(map);
    double seconds = 0;
    int wrongs = 0;
    for (auto _ : state) {
        if (s.ex->Fragor + 1 >= s.ex->Antal || s.Right().x() < 0 || s.Wrong().x() < 0) {
            s.screen->cmdStarta->click();
            DoneWithEvents();
        }
        if (!right && ++wrongs % 3 == 0) {
            // Three wrong answers make the answer blink: answer it first.
            s.Press(s.Right());
            DoneWithEvents();
        }
        const QPoint at = right ? s.Right() : s.Wrong();
        seconds += Timed(state, [&] { s.Press(at); });
    }
    Fills(state, seconds);
}

// A right click in a game of today's review that asks a map's countries and
// capitals by turns (its area exercise and its capitals exercise): the
// places are drawn again over the areas after each answer.
void ReviewClick(benchmark::State& state, int map) {
    const auto* areor = dynamic_cast<const COvningLandArea*>(AreaExercise(Katalog(), map).get());
    const COvningOrt* orter = nullptr;
    for (auto e = Katalog().Forsta; e && !orter; e = e->Nasta)
        if (e->Typ == QLatin1String("ORT") && e->Kartnummer == map && e->KravPlats1)
            orter = dynamic_cast<const COvningOrt*>(e.get());
    auto spel = std::make_shared<COvningBlandad>(*areor, *orter);
    COrter platser;
    platser.LasOrter(OrtFil(orter->Ortfil));
    for (int i = 1; i <= orter->Antal; ++i)
        platser.Valj(orter->Objekt(i), orter->Niva, orter->KravPlats1, orter->KravPlats2);
    QStringList orterna;
    for (const COrt* o = platser.Forsta.get(); o; o = o->Nasta.get())
        if (o->Deltar)
            orterna << OrtNyckel(*o);
    for (int i = 1; i <= areor->Antal; ++i) {
        spel->Ovningsobjekt << areor->Objekt(i);
        if (i <= orterna.size())
            spel->Ovningsobjekt << orterna[i - 1];
    }
    spel->Repetition = true;
    TStartedScreen s(spel);
    double seconds = 0;
    int svar = 0;
    for (auto _ : state) {
        if (++svar >= spel->Ovningsobjekt.size() - 2) {
            s.screen->cmdStarta->click();
            DoneWithEvents();
            svar = 0;
        }
        QPoint at = s.Right();
        if (const auto* o = dynamic_cast<const COvningOrt*>(spel->Fragande()); o && o->Plats) {
            const CKarta& k = *s.screen->Karta();
            const qreal ratio = s.screen->imgKarta->devicePixelRatioF();
            const auto lat = static_cast<float>(o->Plats->Latitud);
            at = QPoint(int(k.XKoord(lat, static_cast<float>(o->Plats->Longitud)) / ratio),
                        int(k.YKoord(lat) / ratio));
        }
        seconds += Timed(state, [&] { s.Press(at); });
    }
    Fills(state, seconds);
}

// One notch of the wheel over the middle of the map, from the event until
// the map drawn afresh at the new view has been painted: in to 8 times the
// own view and out again, step by step.
void ZoomStep(benchmark::State& state, int map) {
    TStartedScreen s(map);
    double seconds = 0;
    int step = 0;
    for (auto _ : state) {
        const int notch = step++ % 12 < 6 ? 1 : -1;
        seconds += Timed(state, [&] { s.Wheel(s.Middle(), notch); });
    }
    Fills(state, seconds);
}

// One move of a right-button drag at 4 times the own view, from the event
// until the map has been painted at the moved view; the pointer goes round
// a square about the middle so that the view never meets the own view's edge.
void PanFrame(benchmark::State& state, int map) {
    TStartedScreen s(map);
    const QPoint middle = s.Middle();
    s.Wheel(middle, 4);
    DoneWithEvents();
    s.Mouse(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
    const QPoint corners[] = {{40, 0}, {40, 30}, {0, 30}, {0, 0}};
    double seconds = 0;
    int i = 0;
    for (auto _ : state) {
        const QPoint at = middle + corners[i++ % 4];
        seconds +=
            Timed(state, [&] { s.Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::RightButton); });
    }
    s.Mouse(QEvent::MouseButtonRelease, middle, Qt::RightButton, Qt::NoButton);
    Fills(state, seconds);
}

// From the screen's creation to the first question shown, painted.
void ExerciseStart(benchmark::State& state, int map) {
    const auto ex = AreaExercise(Katalog(), map);
    double seconds = 0;
    for (auto _ : state) {
        std::unique_ptr<TfrmOvningKarta> screen;
        seconds += Timed(state, [&] {
            screen = std::make_unique<TfrmOvningKarta>(nullptr, Qt::Window);
            screen->StartaOvning(ex);
        });
        screen->close();
        screen.reset();
        DoneWithEvents();
    }
    Fills(state, seconds);
}

// Two seconds of an open exercise on Europe with nothing blinking: the
// process's CPU time, the pixels repainted and the timer events, per second.
void IdleRepaint(benchmark::State& state) {
    TStartedScreen s(2);
    // The start's own one-off work (the map screen's half-second check that
    // it fills the desktop) is over before the idle time is counted.
    {
        QEventLoop settle;
        QTimer::singleShot(700, &settle, &QEventLoop::quit);
        settle.exec();
    }
    TPaintCounter counter;
    QTimer quit;
    quit.setSingleShot(true);
    counter.map = s.screen->imgKarta;
    counter.quitTimer = &quit;
    qApp->installEventFilter(&counter);
    constexpr double kSeconds = 2;
    double cpu = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&quit, &QTimer::timeout, &loop, &QEventLoop::quit);
        const double c0 = CpuSeconds();
        quit.start(int(kSeconds * 1000));
        loop.exec();
        const double c = CpuSeconds() - c0;
        state.SetIterationTime(c / kSeconds);
        cpu += c / kSeconds;
    }
    qApp->removeEventFilter(&counter);
    const double seconds = kSeconds * state.iterations();
    state.counters["map_px_per_s"] = counter.mapPixels / seconds;
    state.counters["all_px_per_s"] = counter.all / seconds;
    state.counters["timer_events_per_s"] = counter.timerEvents / seconds;
    Fills(state, cpu);
}

// A benchmark that times its iterations itself, in milliseconds.
template <class... Args> void RegisterTimed(const std::string& name, int iterations, Args... args) {
    benchmark::RegisterBenchmark(name.c_str(), args...)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(iterations)
        ->Repetitions(kRepetitions);
}

// Prints every run as the console does and keeps each benchmark's
// repetitions, so the summary takes medians rather than the last one.
class TMedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                const std::string name = r.run_name.function_name;
                seconds[name].push_back(r.GetAdjustedRealTime() /
                                        benchmark::GetTimeUnitMultiplier(r.time_unit));
                cpu[name].push_back(r.GetAdjustedCPUTime() /
                                    benchmark::GetTimeUnitMultiplier(r.time_unit));
                order.push_back(name);
                if (name.rfind("FillOnce", 0) == 0)
                    g_fillSeconds = Median(seconds, name);
            }
    }
    static double Median(const std::map<std::string, std::vector<double>>& runs,
                         const std::string& name) {
        std::vector<double> v = runs.at(name);
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    std::map<std::string, std::vector<double>> seconds;
    std::map<std::string, std::vector<double>> cpu;
    std::vector<std::string> order;
};

} // namespace

int main(int argc, char** argv) {
    // Our own option first: the device pixel ratio of the offscreen screen.
    int ratio = 1;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--ratio=", 8) == 0)
            ratio = std::max(1, std::atoi(argv[i] + 8));
        else
            args.push_back(argv[i]);
    }
    argc = int(args.size());
    argv = args.data();

    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    {
        QFile f(config);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral(R"({"screens": [{"name": "bench", "x": 0, "y": 0,
            "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                    .arg(1920 * ratio)
                    .arg(1080 * ratio)
                    .arg(ratio)
                    .toUtf8());
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QDir::setCurrent(ProgramFolder());
    SetTopplistaVisare([](QWidget*, int32_t, const QString&, int32_t, TAudio*) {});
    LoadLanguageTexts();

    benchmark::RegisterBenchmark("FillOnce", FillOnce)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(kRepetitions);
    for (const auto& m : kMaps) {
        const std::string name = m.name;
        RegisterTimed("ScreenClick/" + name + "/wrong", 40, ScreenClick, m.map, false);
        RegisterTimed("ScreenClick/" + name + "/right", 40, ScreenClick, m.map, true);
    }
    RegisterTimed("ReviewClick/Europe/right", 40, ReviewClick, 2);
    for (const auto& m : kMaps)
        RegisterTimed("ExerciseStart/" + std::string(m.name), 5, ExerciseStart, m.map);
    std::vector<TBenchMap> zoomMaps(std::begin(kMaps), std::end(kMaps));
    zoomMaps.insert(zoomMaps.end(), std::begin(kCloseUpMaps), std::end(kCloseUpMaps));
    for (const auto& m : zoomMaps) {
        RegisterTimed("ZoomStep/" + std::string(m.name), 24, ZoomStep, m.map);
        RegisterTimed("PanFrame/" + std::string(m.name), 24, PanFrame, m.map);
    }
    benchmark::RegisterBenchmark("IdleRepaint", IdleRepaint)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(3);

    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    if (g_fillSeconds <= 0)
        return 0;
    std::printf("\nDevice pixel ratio %d; one fill of %dx%d (median): %.3f ms\n", ratio, kFillW,
                kFillH, g_fillSeconds * 1e3);
    std::printf("%-26s %10s %9s %10s\n", "benchmark (median)", "ms", "fills", "CPU ms");
    std::vector<std::string> seen;
    for (const std::string& name : reporter.order) {
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            continue;
        seen.push_back(name);
        const double s = TMedianReporter::Median(reporter.seconds, name);
        const double c = TMedianReporter::Median(reporter.cpu, name);
        std::printf("%-26s %10.3f %9.2f %10.3f\n", name.c_str(), s * 1e3, s / g_fillSeconds,
                    c * 1e3);
    }
    return 0;
}
