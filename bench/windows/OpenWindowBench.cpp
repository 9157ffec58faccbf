#include <benchmark/benchmark.h>

#include "windows/BenchProgram.h"

// Opening each data window on twenty years of data: load, then the first paint.

namespace mirtal::bench {

namespace {

void openWindow(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    const int number = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.openAndPaint(number));
        state.PauseTiming();
        program.closeAll();
        state.ResumeTiming();
    }
}

BENCHMARK(openWindow)
    ->ArgName("window")
    ->DenseRange(2, 7)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

}  // namespace

}  // namespace mirtal::bench
