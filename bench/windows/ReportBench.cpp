#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLineSeries>
#include <QRadioButton>
#include <QValueAxis>

#include "widgets/DatePicker.h"

#include "reports/ChartView.h"
#include "reports/ExerciseReport.h"
#include "reports/MealReports.h"
#include "reports/OtherReports.h"
#include "reports/frmReportMeal.h"
#include "widgets/CommandLabel.h"
#include "windows/BenchProgram.h"

// A VIEW of the report window over twenty years (7,300 days), from the click to the chart
// painted offscreen, next to what it is made of: the report's statements alone, the chart
// drawn again from its model, and a bare Qt Charts chart of the same points (its series built
// in one call each, value axes, shown at the same size) built in the same run; the pulse and
// the weight also with "Show trend" on. Both charts
// are on screen and painted the way a shown widget is, by the event loop; each reports how
// many paints its timed runs saw, at least one per run.

namespace mirtal::bench {

namespace {

enum Report { totalMeal, mealByDay, pulse, exercise, weight };

// Counts the paints of a chart view's viewport.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QChartView* view) { view->viewport()->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

enum Kind { line, bars };

struct Setting {
    const char* view;
    std::vector<const char*> ticked;
};

// The choices a user makes for each report: the total meal with all three series, the meal
// report with every criterion of all meals summed per day, pulse against its target, and the
// exercise points.
Setting settingOf(Report report) {
    switch (report) {
        case totalMeal:
            return {"LblViewTMeal", {"ChkMeal", "ChkBonus", "ChkTotal"}};
        case mealByDay:
            return {"LblView", {"Check1", "Check2", "Check3", "Check4", "Check5", "Option1"}};
        case pulse:
            return {"LblViewOthers", {"OptPulse"}};
        case exercise:
            return {"LblViewExercise", {}};
        case weight:
            return {"LblViewOthers", {"OptWeight"}};
    }
    return {};
}

// The report window over the user's twenty-year target range, set up for one report; its
// statements are kept in `statements` when asked for.
struct OpenReport {
    OpenReport(Report report, Kind kind, QStringList* statements = nullptr) {
        BenchProgram& program = BenchProgram::twentyYears();
        program.closeAll();
        window =
            qobject_cast<reports::frmReportMeal*>(program.openAndPaint(app::WindowId::Reports));
        const Setting setting = settingOf(report);
        for (const char* name : setting.ticked) {
            harness::control<QAbstractButton>(window, name)->setChecked(true);
        }
        harness::control<QRadioButton>(window, kind == bars ? "OptBarChart" : "OptLineChart")
            ->setChecked(true);
        chart = harness::control<reports::ChartView>(window, "MSChart1");
        view = harness::control<widgets::CommandLabel>(window, setting.view);
        if (statements) {
            program.db().setStatementObserver(
                [statements](const QString& statement) { statements->append(statement); });
        }
        click();
        program.db().setStatementObserver(nullptr);
    }

    void click() {
        emit view->clicked();
        settle();
    }

    reports::frmReportMeal* window;
    reports::ChartView* chart;
    widgets::CommandLabel* view;
};

void setCounters(benchmark::State& state, const reports::ChartModel& chart,
                 const PaintCounter* counter = nullptr) {
    state.counters["rows"] = chart.rowCount();
    state.counters["series"] = chart.columnCount();
    if (counter) {
        state.counters["paints/run"] =
            static_cast<double>(counter->paints) / static_cast<double>(state.iterations());
    }
}

void viewReport(benchmark::State& state) {
    OpenReport open(static_cast<Report>(state.range(0)), static_cast<Kind>(state.range(1)));
    const PaintCounter counter(open.chart);
    for (auto _ : state) {
        open.click();
    }
    setCounters(state, open.window->chartModel(), &counter);
}

// A VIEW of a measurement with "Show trend" on: the report and its trend drawn over it.
void viewReportTrend(benchmark::State& state) {
    OpenReport open(static_cast<Report>(state.range(0)), static_cast<Kind>(state.range(1)));
    open.chart->trendAction()->setChecked(true);
    settle();
    const PaintCounter counter(open.chart);
    for (auto _ : state) {
        open.click();
    }
    setCounters(state, open.window->chartModel(), &counter);
}

void reportStatements(benchmark::State& state) {
    QStringList statements;
    OpenReport open(static_cast<Report>(state.range(0)), line, &statements);
    store::Database& db = BenchProgram::twentyYears().db();
    for (auto _ : state) {
        for (const QString& statement : statements) {
            benchmark::DoNotOptimize(db.select(statement));
        }
    }
    setCounters(state, open.window->chartModel());
}

// The report's statements and its builder filling the chart model, with nothing drawn.
void buildModel(benchmark::State& state) {
    OpenReport open(static_cast<Report>(state.range(0)), line);
    reports::frmReportMeal* window = open.window;
    const auto* from = harness::control<widgets::DatePicker>(window, "DTPicker1");
    const auto* to = harness::control<widgets::DatePicker>(window, "DTPicker2");
    for (auto _ : state) {
        reports::ChartModel model;
        const reports::ReportRange range{QStringLiteral("1"), from->date(), to->date()};
        store::Database& db = BenchProgram::twentyYears().db();
        switch (static_cast<Report>(state.range(0))) {
            case totalMeal:
                reports::buildTotalMealReport(db, range, {true, true, true}, model);
                break;
            case mealByDay:
                reports::buildMealReport(db, range, {true, true, true, true, true},
                                         reports::MealChoice::Total, model);
                break;
            case pulse:
                reports::buildOtherReport(db, range, reports::OtherReport::Pulse, model);
                break;
            case exercise:
                reports::buildExerciseReport(db, range, model);
                break;
            case weight:
                reports::buildOtherReport(db, range, reports::OtherReport::Weight, model);
                break;
        }
        benchmark::DoNotOptimize(model);
    }
    setCounters(state, window->chartModel());
}

// The chart model alone, drawn and painted again: the view's share of a VIEW.
void drawModel(benchmark::State& state) {
    OpenReport open(static_cast<Report>(state.range(0)), static_cast<Kind>(state.range(1)));
    const reports::ChartModel model = open.window->chartModel();
    const PaintCounter counter(open.chart);
    for (auto _ : state) {
        open.chart->draw(model);
        settle();
    }
    setCounters(state, model, &counter);
}

void bareChart(benchmark::State& state) {
    const Kind kind = static_cast<Kind>(state.range(1));
    OpenReport open(static_cast<Report>(state.range(0)), kind);
    const reports::ChartModel& model = open.window->chartModel();
    QChartView view;
    view.resize(open.chart->size());
    view.show();
    settle();
    const PaintCounter counter(&view);
    QChart* chart = view.chart();
    for (auto _ : state) {
        chart->removeAllSeries();
        const QList<QAbstractAxis*> axes = chart->axes();
        for (QAbstractAxis* axis : axes) {
            chart->removeAxis(axis);
            delete axis;
        }
        auto* x = new QValueAxis;
        auto* y = new QValueAxis;
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        QList<QAbstractSeries*> series;
        if (kind == bars) {
            auto* barSeries = new QBarSeries;
            for (int column = 1; column <= model.columnCount(); ++column) {
                const std::vector<float>& values = model.columnValues(column);
                auto* set = new QBarSet(model.columnLabel(column));
                set->append(QList<qreal>(values.begin(), values.end()));
                barSeries->append(set);
            }
            series << barSeries;
        } else {
            for (int column = 1; column <= model.columnCount(); ++column) {
                const std::vector<float>& values = model.columnValues(column);
                QList<QPointF> points;
                points.reserve(model.rowCount());
                for (int row = 0; row < model.rowCount(); ++row) {
                    points.append(QPointF(row, values[static_cast<std::size_t>(row)]));
                }
                auto* lineSeries = new QLineSeries;
                lineSeries->setName(model.columnLabel(column));
                lineSeries->replace(points);
                series << lineSeries;
            }
        }
        for (QAbstractSeries* s : series) {
            chart->addSeries(s);
            s->attachAxis(x);
            s->attachAxis(y);
        }
        settle();
    }
    setCounters(state, model, &counter);
}

void reportArguments(benchmark::internal::Benchmark* b) {
    b->ArgNames({"report", "bars"});
    for (const int report : {totalMeal, mealByDay, pulse, exercise}) {
        for (const int kind : {line, bars}) {
            b->Args({report, kind});
        }
    }
    b->Unit(benchmark::kMillisecond)->MinTime(1.0);
}

BENCHMARK(viewReport)->Apply(reportArguments);
BENCHMARK(viewReportTrend)
    ->ArgNames({"report", "bars"})
    ->Args({pulse, line})
    ->Args({pulse, bars})
    ->Args({weight, line})
    ->Args({weight, bars})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(bareChart)->Apply(reportArguments);
BENCHMARK(drawModel)->Apply(reportArguments);
BENCHMARK(buildModel)
    ->ArgName("report")
    ->DenseRange(totalMeal, exercise)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(reportStatements)
    ->ArgName("report")
    ->DenseRange(totalMeal, weight)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

}  // namespace

}  // namespace mirtal::bench
