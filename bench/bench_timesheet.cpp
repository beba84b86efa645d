// Exporting a long run: 32,767 entries as XDTS and as CSV (at most 50 ms each), and a run of
// entries up to the largest value. Run:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_timesheet
#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include "timesheet/TimingTable.h"
#include "timesheet/Xdts.h"

namespace {

/// `count` entries a few frames apart, ending near `last` ms.
std::vector<int32_t> entries(int count, int32_t last) {
    std::vector<int32_t> values;
    QRandomGenerator random(7);
    const int32_t step = last / count;
    for (int i = 1; i <= count; ++i) values.push_back(i * step - int32_t(random.bounded(step / 2)));
    return values;
}

void BM_ExportXdts(benchmark::State& state) {
    const std::vector<int32_t> run = entries(int(state.range(0)), int32_t(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(XdtsDocument(run, QStringLiteral("c01")));
}

void BM_ExportCsv(benchmark::State& state) {
    const std::vector<int32_t> run = entries(int(state.range(0)), int32_t(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(TimingTable(run, kCsvFile));
}

}  // namespace

// Arguments: entries, the last entry in ms (about 10 minutes, and the largest value).
BENCHMARK(BM_ExportXdts)
    ->Args({32767, 600000})
    ->Args({32767, 2147483647})
    ->Args({100000, 2147483647})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)
    ->Args({32767, 600000})
    ->Args({32767, 2147483647})
    ->Args({100000, 2147483647})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
