// Cost of one lap line in each notation, and of recording a lap when 32,767 are already there
// (append, full rebuild of the list, newest line current). Run headless:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_laps
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "laps/TimeNotations.h"
#include "shell/frmStopwatch.h"

namespace {

template <QString (*Render)(int32_t)>
void BM_RenderLine(benchmark::State& state) {
    int32_t ms = 3725042;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Render(ms));
        ms += 7919;
    }
}
BENCHMARK(BM_RenderLine<FormatLapSec>)->Name("render/seconds");
BENCHMARK(BM_RenderLine<FormatLapHMS>)->Name("render/hms");
BENCHMARK(BM_RenderLine<FormatLapFrame24>)->Name("render/frames");
BENCHMARK(BM_RenderLine<FormatLapSSK>)->Name("render/sheet");

void BM_LapWith32767Recorded(benchmark::State& state) {
    uint32_t now = 0;
    platform::Environment env{[&now] { return now; }, [](const QString&) {}, QString(), {}, {}, {}};
    frmStopwatch form(env);
    form.Form_Load();
    form.SetLapType(int32_t(state.range(0)));
    form.show();
    for (int i = 0; i < 32767; ++i) form.state.lapTimes.append(i * 37);
    form.cmdStart_Click();
    for (auto _ : state) {
        now += 41;
        form.cmdLap_Click();
        QCoreApplication::processEvents();  // let the view lay out and paint what changed
        state.PauseTiming();
        form.state.lapTimes.makeEmpty();
        for (int i = 0; i < 32767; ++i) form.state.lapTimes.append(i * 37);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LapWith32767Recorded)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
