#include "reports/MealReports.h"

#include "ReportFixture.h"

namespace mirtal::reports {
namespace {

// Three meals on 2026/12/09 (the dinner skipped), a breakfast on 12/10, a lunch on 12/31, a
// skipped dinner alone on 12/20; days just outside December and another user's meal.
class MealReports : public ReportFixture {
  protected:
    void SetUp() override {
        meal(day(12, 9), "1B", QStringLiteral("0, 3, 1, 1, 3, 2, 3, 1, 0"));
        meal(day(12, 9), "2L", QStringLiteral("0, 1, -1, 3, 0, 3, 0, 1, 5"));
        meal(day(12, 9), "3D", QStringLiteral("-8, 0, 0, 0, 0, 0, 0, 0, 0"));
        meal(day(12, 10), "1B", QStringLiteral("0, -2, 3, -1, 3, 0, 3, 0, 0"));
        meal(day(12, 20), "3D", QStringLiteral("-8, 0, 0, 0, 0, 0, 0, 0, 0"));
        meal(day(12, 31), "2L", QStringLiteral("0, 3, 3, 3, 3, 3, 0, 0, 0"));
        meal(day(11, 30), "2L", QStringLiteral("0, 3, 3, 3, 3, 3, 3, 1, 5"));
        meal(day(1, 1, 2027), "1B", QStringLiteral("0, 3, 3, 3, 3, 3, 3, 1, 5"));
        meal(day(12, 9), "2L", QStringLiteral("0, -4, -3, -1, -3, 0, 3, 1, 5"), 2);
    }
};

TEST_F(MealReports, ChartTheTickedCriteriaOfTheChosenMealsWithTheLastTickedCriterionsLabel) {
    const MealCriteria fat{true, false, false, false, false};
    const MealCriteria fastSugar{false, true, false, false, false};
    const MealCriteria fatAndFiber{true, false, true, false, false};
    const MealCriteria fastSugarAndQuantity{false, true, false, true, false};
    const MealCriteria all{true, true, true, true, true};
    const MealCriteria fiber{false, false, true, false, false};
    struct Case {
        const char* name;
        MealCriteria ticked;
        MealChoice meals;
        QStringList columns;
        QStringList rows;
    };
    const Case cases[] = {
        {"the start choices: fat summed per day",
         fat,
         MealChoice::Total,
         {"Fat"},
         {"4 (2026/12/09) = 4", "-2 (2026/12/10) = -2", "0 (2026/12/20) = 0",
          "3 (2026/12/31) = 3"}},
        {"fast sugar last: fast sugar and fat",
         fastSugar,
         MealChoice::Total,
         {"FastSugar"},
         {"0,4 (2026/12/09) = 0", "3,-2 (2026/12/10) = 3", "0,0 (2026/12/20) = 0",
          "3,3 (2026/12/31) = 3"}},
        {"fat and fiber: two series, the label lists fast sugar, fat and fiber",
         fatAndFiber,
         MealChoice::Total,
         {"Fat", "Fiber"},
         {"0,4,4 (2026/12/09) = 4 4", "3,-2,-1 (2026/12/10) = -2 -1", "0,0,0 (2026/12/20) = 0 0",
          "3,3,3 (2026/12/31) = 3 3"}},
        {"lunch only: one row per stored lunch, every criterion",
         all,
         MealChoice::Lunch,
         {"Fat", "FastSugar", "Fiber", "OverallQuantity", "PositiveFoods"},
         {"-1,1,3,0,3 (2026/12/09) = 1 -1 3 0 3", "3,3,3,3,3 (2026/12/31) = 3 3 3 3 3"}},
        {"breakfast, quantity last: the label lists fat's neighbours up to quantity",
         fastSugarAndQuantity,
         MealChoice::Breakfast,
         {"FastSugar", "OverallQuantity"},
         {"1,3,1,3 (2026/12/09) = 1 3", "3,-2,-1,3 (2026/12/10) = 3 3"}},
        {"dinner",
         fiber,
         MealChoice::Dinner,
         {"Fiber"},
         {"0,0,0 (2026/12/09) = 0", "0,0,0 (2026/12/20) = 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartModel fresh;
        buildMealReport(data.db(), december, c.ticked, c.meals, fresh);
        EXPECT_EQ(columnsOf(fresh), c.columns);
        EXPECT_EQ(rowsOf(fresh), c.rows);
        EXPECT_EQ(fresh.titleText(), QStringLiteral("Meal Report"));
        EXPECT_TRUE(fresh.showLegend());
    }
}

TEST_F(MealReports, IssueTheirStatementsWordForWord) {
    const MealCriteria fat{true, false, false, false, false};
    data.statements.clear();
    buildMealReport(data.db(), december, fat, MealChoice::Total, chart);
    buildMealReport(data.db(), december, fat, MealChoice::Lunch, chart);
    buildTotalMealReport(data.db(), december, {true, false, false}, chart);
    EXPECT_EQ(
        data.statements,
        QStringList({
            " SELECT MealDate, Sum ( FatIntake)  as FatIntake, Sum ( FastSugarIntake) as "
            "FastSugarIntake, Sum (FiberIntake) as FiberIntake, Sum (OverallQuantity) as "
            "OverallQuantity, Sum (PositiveFoods) as PositiveFoods From DailyMealInput Where "
            "UserID=1 And CDate(MealDate) >= #2026/12/01# And  CDate(MealDate) <= #2026/12/31# "
            "Group By MealDate Order By CDate(MealDate)",
            " Select MealDate, FatIntake, FastSugarIntake, FiberIntake, OverallQuantity, "
            "PositiveFoods From DailyMealInput Where UserID=1 And MealType='2L'  And "
            "CDate(MealDate) >= #2026/12/01# And  CDate(MealDate) <= #2026/12/31#Order By "
            "CDate(MealDate)",
            " SELECT MealDate , Sum (NotEat) As NotEat, (Sum (FatIntake) + Sum(FastSugarIntake) "
            "+ Sum(FiberIntake)+ Sum (OverallQuantity) + Sum (PositiveFoods)) As Meal,  "
            "(Sum(PrepareMyself) + Sum(PrepareSomeone)+Sum (AteSlowly)) As Bonus  From "
            "DailyMealInput Where UserID=1 And CDate(MealDate) >= #2026/12/01# And  "
            "CDate(MealDate) <= #2026/12/31# Group By MealDate Order By CDate(MealDate)",
        }));
}

TEST_F(MealReports, TotalMealChartsMealBonusAndTotalWithTheSkippedMeals) {
    struct Case {
        const char* name;
        TotalMealSeries ticked;
        QStringList columns;
        QStringList rows;
    };
    const Case cases[] = {
        {"all three; a skipped meal counts in the total only",
         {true, true, true},
         {"Meal", "Bonus", "Total"},
         {"16,10,18 (2026/12/09) = 16 10 18", "3,3,6 (2026/12/10) = 3 3 6",
          "0,0,-8 (2026/12/20) = 0 0 -8", "15,0,15 (2026/12/31) = 15 0 15"}},
        {"the meal alone",
         {true, false, false},
         {"Meal"},
         {"16 (2026/12/09) = 16", "3 (2026/12/10) = 3", "0 (2026/12/20) = 0",
          "15 (2026/12/31) = 15"}},
        {"the bonus alone: its label still starts with the meal",
         {false, true, false},
         {"Bonus"},
         {"16,10 (2026/12/09) = 10", "3,3 (2026/12/10) = 3", "0,0 (2026/12/20) = 0",
          "15,0 (2026/12/31) = 0"}},
        {"the total alone",
         {false, false, true},
         {"Total"},
         {"16,10,18 (2026/12/09) = 18", "3,3,6 (2026/12/10) = 6", "0,0,-8 (2026/12/20) = -8",
          "15,0,15 (2026/12/31) = 15"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartModel fresh;
        buildTotalMealReport(data.db(), december, c.ticked, fresh);
        EXPECT_EQ(columnsOf(fresh), c.columns);
        EXPECT_EQ(rowsOf(fresh), c.rows);
        EXPECT_EQ(fresh.titleText(), QStringLiteral("Total Meal Report"));
    }
}

TEST_F(MealReports, NothingTickedLeavesTheTitleAndNoSeries) {
    buildMealReport(data.db(), december, {}, MealChoice::Total, chart);
    EXPECT_EQ(chart.rowCount(), 4);
    EXPECT_EQ(chart.columnCount(), 0);
    EXPECT_EQ(chart.titleText(), QStringLiteral("Meal Report"));

    buildTotalMealReport(data.db(), december, {}, chart);
    EXPECT_EQ(chart.columnCount(), 0);
    EXPECT_EQ(chart.titleText(), QStringLiteral("Total Meal Report"));
}

TEST_F(MealReports, ARangeWithoutMealsCutsTheChartToOneRowAndKeepsTheRest) {
    const ReportRange november2025{QStringLiteral("1"), QDate(2025, 11, 1), QDate(2025, 11, 30)};
    const ReportRange backwards{QStringLiteral("1"), QDate(2026, 12, 31), QDate(2026, 12, 1)};
    for (const ReportRange& empty : {november2025, backwards}) {
        ChartModel fresh;
        buildTotalMealReport(data.db(), december, {false, true, true}, fresh);
        buildMealReport(data.db(), empty, {true, true, true, true, true}, MealChoice::Lunch, fresh);
        EXPECT_EQ(columnsOf(fresh), QStringList{"Bonus"});
        EXPECT_EQ(rowsOf(fresh), QStringList{"16,10,18 (2026/12/09) = 10"});
        EXPECT_EQ(fresh.titleText(), QStringLiteral("Total Meal Report"));

        buildTotalMealReport(data.db(), empty, {true, true, true}, fresh);
        EXPECT_EQ(rowsOf(fresh), QStringList{"16,10,18 (2026/12/09) = 10"});
    }
}

}  // namespace
}  // namespace mirtal::reports
