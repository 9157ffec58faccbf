#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>

#include "reports/ChartFiles.h"
#include "reports/ChartView.h"
#include "reports/frmReportMeal.h"
#include "widgets/CommandLabel.h"
#include "windows/BenchProgram.h"

// What the chart's context menu costs on twenty years of weight (7,300 days, the window's
// own chart at its size): turning the trend on, which draws the chart again with a third
// series, and saving the chart with its trend as a PNG and as a PDF.

namespace mirtal::bench {

namespace {

// The report window with the weight report of the user's twenty-year range drawn.
reports::frmReportMeal* weightOverTwentyYears() {
    BenchProgram& program = BenchProgram::twentyYears();
    program.closeAll();
    auto* window =
        qobject_cast<reports::frmReportMeal*>(program.openAndPaint(app::WindowId::Reports));
    harness::control<QRadioButton>(window, "OptWeight")->setChecked(true);
    emit harness::control<widgets::CommandLabel>(window, "LblViewOthers")->clicked();
    settle();
    return window;
}

void trendOn(benchmark::State& state) {
    reports::frmReportMeal* window = weightOverTwentyYears();
    QAction* trend = harness::control<reports::ChartView>(window, "MSChart1")->trendAction();
    for (auto _ : state) {
        state.PauseTiming();
        trend->setChecked(false);
        settle();
        state.ResumeTiming();
        trend->setChecked(true);
        settle();
    }
    state.counters["rows"] = window->chartModel().rowCount();
    trend->setChecked(false);
}

void saveChart(benchmark::State& state) {
    reports::frmReportMeal* window = weightOverTwentyYears();
    reports::ChartView* chart = harness::control<reports::ChartView>(window, "MSChart1");
    chart->trendAction()->setChecked(true);
    settle();
    const bool pdf = state.range(0) == 1;
    QTemporaryDir folder;
    const QString path =
        folder.filePath(pdf ? QStringLiteral("weight.pdf") : QStringLiteral("weight.png"));
    for (auto _ : state) {
        const QString failure =
            pdf ? reports::saveChartAsPdf(chart, path) : reports::saveChartAsPng(chart, path);
        if (!failure.isEmpty()) {
            state.SkipWithError(failure.toStdString().c_str());
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
    chart->trendAction()->setChecked(false);
}

}  // namespace

BENCHMARK(trendOn)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(saveChart)->ArgName("pdf")->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace mirtal::bench
