#include <benchmark/benchmark.h>

#include <QTableWidget>

#include "progress/Form4.h"
#include "store/Database.h"
#include "windows/BenchProgram.h"

// The progress log of a user with twenty years of entries: the window's own reload against
// the bare select with a plain table widget filled with the same cells.

namespace mirtal::bench {

namespace {

const QString progressGrid = QStringLiteral(
    "  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, Morale From "
    "PulseWeight Where UserID=1 Order By Cdate(Date1)");

void progressLogRefresh(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    auto* window = static_cast<progress::Form4*>(program.openAndPaint(app::WindowId::ProgressLog));
    for (auto _ : state) {
        window->RefreshData();
    }
    program.closeAll();
}

void plainTableFill(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    QTableWidget table;
    for (auto _ : state) {
        const store::ResultSet rs = program.db().select(progressGrid);
        table.clear();
        table.setColumnCount(rs.fieldCount() + 1);
        table.setRowCount(rs.recordCount());
        for (int row = 0; row < rs.recordCount(); ++row) {
            for (int col = 0; col < rs.fieldCount(); ++col) {
                table.setItem(row, col + 1, new QTableWidgetItem(rs.value(row, col).toString()));
            }
        }
        state.counters["rows"] = rs.recordCount();
    }
}

void progressSelectOnly(benchmark::State& state) {
    BenchProgram& program = BenchProgram::twentyYears();
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.db().select(progressGrid));
    }
}

BENCHMARK(progressLogRefresh)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(plainTableFill)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(progressSelectOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

}  // namespace mirtal::bench
