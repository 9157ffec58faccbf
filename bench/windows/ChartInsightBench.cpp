#include <benchmark/benchmark.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QRadioButton>

#include "reports/ChartView.h"
#include "reports/RangeSummary.h"
#include "reports/RowDays.h"
#include "reports/frmReportMeal.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "windows/BenchProgram.h"

// What the chart's insight menu costs on twenty years of weight (7,300 days, the window's own
// chart at its size): regrouping by week or by month and drawing, a weight VIEW of as many
// rows as the regrouped chart draws (the same number of points, from the store), turning the
// plan on, and the summary, both its figures alone and its window opened.

namespace mirtal::bench {

namespace {

struct WeightReport {
    WeightReport() {
        BenchProgram& program = BenchProgram::twentyYears();
        program.closeAll();
        window =
            qobject_cast<reports::frmReportMeal*>(program.openAndPaint(app::WindowId::Reports));
        harness::control<QRadioButton>(window, "OptWeight")->setChecked(true);
        view = harness::control<widgets::CommandLabel>(window, "LblViewOthers");
        chart = harness::control<reports::ChartView>(window, "MSChart1");
        click();
    }

    void click() {
        emit view->clicked();
        settle();
    }

    QAction* item(const char* name) const { return harness::control<QAction>(window, name); }

    reports::frmReportMeal* window;
    widgets::CommandLabel* view;
    reports::ChartView* chart;
};

// 1 by week, 2 by month.
const char* groupingItem(int64_t grouping) {
    return grouping == 1 ? "showWeeks" : "showMonths";
}

void regroup(benchmark::State& state) {
    WeightReport report;
    QAction* byDay = report.item("showDays");
    QAction* grouped = report.item(groupingItem(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        byDay->trigger();
        settle();
        state.ResumeTiming();
        grouped->trigger();
        settle();
    }
    state.counters["rows"] = static_cast<double>(report.chart->rowLabels().size());
    byDay->trigger();
}

// A weight VIEW whose range holds as many rows as the chart regrouped by week or month, drawn
// in place of the twenty years by day, as the regrouping is.
void viewAsManyRows(benchmark::State& state) {
    WeightReport report;
    report.item(groupingItem(state.range(0)))->trigger();
    const qsizetype rows = report.chart->rowLabels().size();
    report.item("showDays")->trigger();
    const std::vector<QDate> days = reports::rowDays(report.window->chartModel());
    auto* from = harness::control<widgets::DatePicker>(report.window, "DTPicker1");
    const QDate start = from->date();
    const QDate shortStart = days[days.size() - static_cast<std::size_t>(rows)];
    for (auto _ : state) {
        state.PauseTiming();
        from->setDate(start);
        report.click();
        from->setDate(shortStart);
        state.ResumeTiming();
        report.click();
    }
    state.counters["rows"] = report.window->chartModel().rowCount();
    from->setDate(start);
}

void planOn(benchmark::State& state) {
    WeightReport report;
    QAction* trend = report.item("showTrend");
    QAction* plan = report.item("showPlan");
    trend->setChecked(state.range(0) == 1);
    settle();
    for (auto _ : state) {
        state.PauseTiming();
        plan->setChecked(false);
        settle();
        state.ResumeTiming();
        plan->setChecked(true);
        settle();
    }
    state.counters["rows"] = report.window->chartModel().rowCount();
    plan->setChecked(false);
    trend->setChecked(false);
}

void summaryFigures(benchmark::State& state) {
    WeightReport report;
    const reports::ChartModel& model = report.window->chartModel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reports::summarizeRange(model, reports::rowDays(model), true));
    }
    state.counters["rows"] = model.rowCount();
}

void summaryWindow(benchmark::State& state) {
    WeightReport report;
    QAction* summary = report.item("showSummary");
    for (auto _ : state) {
        summary->trigger();
        settle();
    }
    state.counters["rows"] = report.window->chartModel().rowCount();
}

}  // namespace

BENCHMARK(regroup)
    ->ArgName("grouping")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(viewAsManyRows)
    ->ArgName("grouping")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(planOn)->ArgName("trend")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(summaryFigures)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(summaryWindow)->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace mirtal::bench
