#include <benchmark/benchmark.h>

#include "windows/BenchProgram.h"

// Opening each data window on twenty years of data: load, then the first paint.

namespace mirtal::bench {

namespace {

void openWindow(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    const app::WindowId window{static_cast<int>(state.range(0))};
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.openAndPaint(window));
        state.PauseTiming();
        program.closeAll();
        state.ResumeTiming();
    }
}

BENCHMARK(openWindow)
    ->ArgName("window")
    ->DenseRange(app::windowNumber(app::WindowId::ExerciseCatalogue),
                 app::windowNumber(app::WindowId::Reports))
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

}  // namespace

}  // namespace mirtal::bench
