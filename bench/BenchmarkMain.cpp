// The benchmarks build real windows, so Google Benchmark runs inside a QApplication.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
