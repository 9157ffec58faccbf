#include <benchmark/benchmark.h>

#include <QStringList>

#include "meals/Form5.h"
#include "store/Database.h"
#include "widgets/ChoiceList.h"
#include "widgets/DatePicker.h"
#include "windows/BenchProgram.h"

// The meal window on twenty years of data: reloading one day, each of the reload's seven
// queries on its own, and opening a choice list until it is filled.

namespace mirtal::bench {

namespace {

// The meal window of user 1, open on a day in the middle of the data.
meals::Form5& mealWindow() {
    BenchProgram& program = BenchProgram::twentyYears();
    auto* window =
        qobject_cast<meals::Form5*>(program.switcher().loadedWindow(app::WindowId::MealEvaluation));
    if (!window) {
        window = qobject_cast<meals::Form5*>(program.openAndPaint(app::WindowId::MealEvaluation));
        const GeneratedData& data = program.data();
        window->findChild<widgets::DatePicker*>(QStringLiteral("DTPicker1"))
            ->setDate(data.firstDay.addDays(data.firstDay.daysTo(data.lastDay) / 2));
        window->RefreshData();
    }
    return *window;
}

void mealRefreshData(benchmark::State& state) {
    meals::Form5& window = mealWindow();
    for (auto _ : state) {
        window.RefreshData();
    }
}

// The statements one reload issues, in its order, as the window writes them.
QStringList reloadStatements() {
    meals::Form5& window = mealWindow();
    store::Database& db = BenchProgram::twentyYears().db();
    QStringList statements;
    db.setStatementObserver([&statements](const QString& s) { statements << s; });
    window.RefreshData();
    db.setStatementObserver(nullptr);
    return statements;
}

void mealRefreshQuery(benchmark::State& state) {
    const QStringList statements = reloadStatements();
    const QString statement = statements.value(static_cast<int>(state.range(0)));
    state.SetLabel(statement.left(60).toStdString());
    store::Database& db = BenchProgram::twentyYears().db();
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.select(statement));
    }
}

void mealChoiceListDropDown(benchmark::State& state) {
    meals::Form5& window = mealWindow();
    const char* const lists[] = {
        "CmbFatIntake",     "CmbFastSugarIntake", "CmbFiberIntake", "CmbOverallQuantity",
        "CmbPositiveFoods", "CmbSnacking",        "CmbWater"};
    auto* list = window.findChild<widgets::ChoiceList*>(QLatin1String(lists[state.range(0) - 1]));
    state.SetLabel(list->objectName().toStdString());
    for (auto _ : state) {
        list->showPopup();
        state.PauseTiming();
        if (list->count() == 0) {
            state.SkipWithError("the list stayed empty");
        }
        list->hidePopup();
        state.ResumeTiming();
    }
}

BENCHMARK(mealRefreshData)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(mealRefreshQuery)
    ->ArgName("query")
    ->DenseRange(0, 6)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2);
BENCHMARK(mealChoiceListDropDown)
    ->ArgName("category")
    ->DenseRange(1, 7)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.2);

}  // namespace

}  // namespace mirtal::bench
