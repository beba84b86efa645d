// Cost of one timer tick with every panel shown (elapsed time, readout text, clear, numerals,
// hub and hand), of rasterising the dial when its picture has changed, and how often the dial
// is pushed to the screen in a simulated second of running. Run headless:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_tick
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "shell/frmStopwatch.h"

namespace {

struct RunningWindow {
    uint32_t now = 0;
    frmStopwatch form{
        platform::Environment{[this] { return now; }, [](const QString&) {}, {}, {}, {}, {}}};
    RunningWindow() {
        form.Form_Load();
        form.state.showAnalog = 1;
        form.state.showDigital = 1;
        form.state.analogScale = 1;
        form.state.analogColorRgb = 255;
        form.show();
        form.cmdStart_Click();
    }
};

void BM_TickAllPanelsShown(benchmark::State& state) {
    RunningWindow w;
    for (auto _ : state) {
        w.now += 1;
        w.form.tmrClock_Timer();
    }
}
BENCHMARK(BM_TickAllPanelsShown)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RasteriseChangedDial(benchmark::State& state) {
    RunningWindow w;
    for (auto _ : state) {
        w.now += 42;  // the next frame: the picture changes
        w.form.tmrClock_Timer();
        benchmark::DoNotOptimize(w.form.imgWatch.image().constBits());
    }
}
BENCHMARK(BM_RasteriseChangedDial)->Repetitions(5)->ReportAggregatesOnly(true);

// One simulated second at 1 ms ticks with the event loop running between ticks.
void BM_DialScreenUpdatesPerSecond(benchmark::State& state) {
    RunningWindow w;
    for (auto _ : state) {
        const int before = w.form.imgWatch.screenUpdates();
        for (int ms = 0; ms < 1000; ++ms) {
            w.now += 1;
            w.form.tmrClock_Timer();
            QCoreApplication::processEvents();
        }
        state.counters["dial_updates_per_s"] = w.form.imgWatch.screenUpdates() - before;
    }
}
BENCHMARK(BM_DialScreenUpdatesPerSecond)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
