#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <utility>

#include "DataGenerator.h"
#include "store/DateText.h"
#include "store/DialectTranslator.h"

// What the store costs the windows: translating a statement, one day's grid against the same
// select written for SQLite by hand, and the longest report over twenty years of days.

namespace mirtal::bench {

namespace {

using store::DateText;

// Four users with twenty years each, written once for every benchmark that reads.
GeneratedDatabase& twentyYears() {
    static GeneratedDatabase database(GeneratorSettings{});
    return database;
}

constexpr int userId = 1;

// The day whose grids are read: the middle of the twenty years.
QDate middleDay() {
    const GeneratedData& data = twentyYears().data();
    return data.firstDay.addDays(data.firstDay.daysTo(data.lastDay) / 2);
}

// Reads every field of every row, as a grid or a chart does.
void readAll(benchmark::State& state, store::ResultSet rs) {
    state.counters["rows"] = rs.recordCount();
    for (; !rs.eof(); rs.moveNext()) {
        for (int c = 0; c < rs.fieldCount(); ++c) {
            benchmark::DoNotOptimize(rs.field(c));
        }
    }
}

void runStore(benchmark::State& state, const QString& statement) {
    store::Database& db = twentyYears().db();
    for (auto _ : state) {
        readAll(state, db.select(statement));
    }
}

void runNative(benchmark::State& state, const std::string& statement) {
    store::Database& db = twentyYears().db();
    for (auto _ : state) {
        readAll(state, db.selectNative(statement));
    }
}

QString literal(QDate day) {
    return "#" + DateText::dayText(day) + "#";
}

std::string iso(QDate day) {
    return QStringLiteral("'%1'").arg(day.toString(Qt::ISODate)).toStdString();
}

void mealGridStore(benchmark::State& state) {
    runStore(state,
             " Select DMID, MealType, NotEat, FatIntake as [Fat], FastSugarIntake as [FastSugar], "
             "FiberIntake as [Fiber], OverallQuantity as [Overall], PositiveFoods, PrepareMyself, "
             "PrepareSomeone as [AteSitting], AteSlowly From DailyMealInput Where UserID=" +
                 QString::number(userId) + " And MealDate=" + literal(middleDay()) +
                 " Order By MealType");
}

void mealGridNative(benchmark::State& state) {
    runNative(state,
              "SELECT DMID, MealType, NotEat, FatIntake AS Fat, FastSugarIntake AS FastSugar, "
              "FiberIntake AS Fiber, OverallQuantity AS Overall, PositiveFoods, PrepareMyself, "
              "PrepareSomeone AS AteSitting, AteSlowly FROM DailyMealInput WHERE UserID=" +
                  std::to_string(userId) + " AND MealDate=" + iso(middleDay()) +
                  " ORDER BY MealType");
}

void exerciseGridStore(benchmark::State& state) {
    runStore(state,
             "  Select b.EID, a.SEID as [ID], a.Intensity, a.ExerciseName,  b.ExerciseTimes as "
             "[Times], a.Description From SetExercise a, Exercise b Where a.SEID=b.SEID And "
             "a.UserID=" +
                 QString::number(userId) + " And b.ExcerciseDate=" + literal(middleDay()));
}

void exerciseGridNative(benchmark::State& state) {
    runNative(state,
              "SELECT b.EID, a.SEID AS ID, a.Intensity, a.ExerciseName, b.ExerciseTimes AS Times, "
              "a.Description FROM SetExercise a, Exercise b WHERE a.SEID=b.SEID AND a.UserID=" +
                  std::to_string(userId) + " AND b.ExcerciseDate=" + iso(middleDay()));
}

void mealTotalReportStore(benchmark::State& state) {
    const GeneratedData& data = twentyYears().data();
    runStore(state,
             " SELECT MealDate , Sum (NotEat) As NotEat, (Sum (FatIntake) + Sum(FastSugarIntake) "
             "+ Sum(FiberIntake)+ Sum (OverallQuantity) + Sum (PositiveFoods)) As Meal,  "
             "(Sum(PrepareMyself) + Sum(PrepareSomeone)+Sum (AteSlowly)) As Bonus  From "
             "DailyMealInput Where UserID=" +
                 QString::number(userId) + " And CDate(MealDate) >= " + literal(data.firstDay) +
                 " And  CDate(MealDate) <= " + literal(data.lastDay) +
                 " Group By MealDate Order By CDate(MealDate)");
}

void mealTotalReportNative(benchmark::State& state) {
    const GeneratedData& data = twentyYears().data();
    runNative(state,
              "SELECT MealDate, sum(NotEat) AS NotEat, (sum(FatIntake) + sum(FastSugarIntake) + "
              "sum(FiberIntake) + sum(OverallQuantity) + sum(PositiveFoods)) AS Meal, "
              "(sum(PrepareMyself) + sum(PrepareSomeone) + sum(AteSlowly)) AS Bonus FROM "
              "DailyMealInput WHERE UserID=" +
                  std::to_string(userId) + " AND MealDate >= " + iso(data.firstDay) +
                  " AND MealDate <= " + iso(data.lastDay) + " GROUP BY MealDate ORDER BY MealDate");
}

// Writing the data set the other benchmarks read, from an empty database to the commit.
void generateTwentyYears(benchmark::State& state) {
    for (auto _ : state) {
        const GeneratedDatabase database(GeneratorSettings{});
        state.counters["statements"] = static_cast<double>(database.data().statements);
    }
}

// The statements of the windows, with the values a user would give them.
const std::pair<const char*, const char*> translated[] = {
    {"KeyAllocation", "  Select Max(DMID) From DailyMealInput"},
    {"ExerciseGrid",
     "  Select b.EID, a.SEID as [ID], a.Intensity, a.ExerciseName,  b.ExerciseTimes as [Times], "
     "a.Description From SetExercise a, Exercise b Where a.SEID=b.SEID And a.UserID=3 And "
     "b.ExcerciseDate=#2026/12/08#"},
    {"MealGrid",
     " Select DMID, MealType, NotEat, FatIntake as [Fat], FastSugarIntake as [FastSugar], "
     "FiberIntake as [Fiber], OverallQuantity as [Overall], PositiveFoods, PrepareMyself, "
     "PrepareSomeone as [AteSitting], AteSlowly From DailyMealInput Where UserID=3 And "
     "MealDate=#2026/12/08# Order By MealType"},
    {"ProgressGrid",
     "  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, Morale From "
     "PulseWeight Where UserID=3 Order By Cdate(Date1)"},
    {"TargetGrid",
     "  Select TPWID, Format(StartDate,'yyyy/MM/dd'), format(TargetDate,'yyyy/MM/dd'), Pulse, "
     "Weight From PulseWeightTarget Where UserID=3"},
    {"MealInsert",
     "Insert Into DailyMealInput Values(41230, 3, '12/8/2026', '2L', 0, 3, -1, 1, 3, 2, 3, 1, "
     "5)"},
    {"ProgressInsert", "Insert Into PulseWeight Values(8812, 3, '12/8/2026', 62, 73.5, 'Good')"},
    {"ExerciseUpdate", " Update Exercise Set ExerciseTimes='3' Where EID=20411 And UserID=3"},
    {"SnackingUpdate",
     " Update DailySnackingInput Set MealDate='12/8/2026', Snacking=3, Water=-2 Where DSID=7001 "
     "And UserID=3"},
    {"TargetUpdate",
     " Update PulseWeightTarget Set StartDate=#2026/12/01#, TargetDate=#2027/06/30#, Pulse=58, "
     "Weight=72.5 Where TPWID=3 And UserID=3"},
    {"MealTotalReport",
     " SELECT MealDate , Sum (NotEat) As NotEat, (Sum (FatIntake) + Sum(FastSugarIntake) + "
     "Sum(FiberIntake)+ Sum (OverallQuantity) + Sum (PositiveFoods)) As Meal,  "
     "(Sum(PrepareMyself) + Sum(PrepareSomeone)+Sum (AteSlowly)) As Bonus  From DailyMealInput "
     "Where UserID=3 And CDate(MealDate) >= #2026/12/01# And  CDate(MealDate) <= #2026/12/31# "
     "Group By MealDate Order By CDate(MealDate)"},
    {"MoraleReport",
     " Select a.Date1, b.Score from PulseWeight a, SetMealPoint b Where a.UserID=3 And "
     "a.Morale=b.MealName And b.SubID=8 And CDate(a.Date1) >= #2026/12/01# And  CDate(a.Date1) "
     "<= #2026/12/31#Order By CDate(Date1)"},
    {"ExerciseReport",
     " Select a.SEID, a.ExerciseName, a.Intensity, a.Description, b.EID, b.ExcerciseDate, "
     "b.ExerciseTimes From SetExercise a, Exercise b Where a.SEID=b.SEID And a.UserID=3 And "
     "CDate(ExcerciseDate) >= #2026/12/01# And  CDate(ExcerciseDate) <= #2026/12/31# Order By "
     "CDate(ExcerciseDate)"},
    {"MealRemoval", " Delete From DailyMealInput Where DMID=41230 And UserID=3"},
};

void translate(benchmark::State& state, const char* statement) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::translateStatement(statement));
    }
}

void registerAll() {
    for (const auto& [name, statement] : translated) {
        benchmark::RegisterBenchmark((std::string("Translate/") + name).c_str(), translate,
                                     statement);
    }
    benchmark::RegisterBenchmark("OneDay/MealGrid/Store", mealGridStore);
    benchmark::RegisterBenchmark("OneDay/MealGrid/Native", mealGridNative);
    benchmark::RegisterBenchmark("OneDay/ExerciseGrid/Store", exerciseGridStore);
    benchmark::RegisterBenchmark("OneDay/ExerciseGrid/Native", exerciseGridNative);
    benchmark::RegisterBenchmark("TwentyYears/MealTotalReport/Store", mealTotalReportStore)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TwentyYears/MealTotalReport/Native", mealTotalReportNative)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Generate/FourUsersTwentyYears", generateTwentyYears)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
}

}  // namespace

}  // namespace mirtal::bench

int main(int argc, char** argv) {
    // As the shell sets it at start: days in inserts are written with "/".
    mirtal::store::DateText::setDateSeparator(QStringLiteral("/"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    mirtal::bench::registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
