#include <benchmark/benchmark.h>

#include "exercise/Form2.h"
#include "exercise/Form3.h"
#include "widgets/DatePicker.h"
#include "windows/BenchProgram.h"

// The exercise windows' reloads on twenty years of data: the daily log for one day after
// another, and the catalogue. Opening them is timed with every window in OpenWindowBench.

namespace mirtal::bench {

namespace {

void dailyLogRefresh(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    auto* log = qobject_cast<exercise::Form3*>(program.openAndPaint(app::WindowId::DailyExercise));
    auto* day = log->findChild<widgets::DatePicker*>(QStringLiteral("DTPicker1"));
    const QDate last = program.data().lastDay;
    int back = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A day of the last few years each time, as a person looks back through the log.
        day->setDate(last.addDays(-(back++ % 1500)));
        state.ResumeTiming();
        log->RefreshData();
    }
    program.closeAll();
}

void catalogueRefresh(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    auto* catalogue =
        qobject_cast<exercise::Form2*>(program.openAndPaint(app::WindowId::ExerciseCatalogue));
    for (auto _ : state) {
        catalogue->RefreshData();
    }
    program.closeAll();
}

BENCHMARK(dailyLogRefresh)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(catalogueRefresh)->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace

}  // namespace mirtal::bench
