#pragma once

#include <array>

#include "reports/ReportRange.h"

namespace mirtal::store {
class Database;
}

namespace mirtal::reports {

class ChartModel;

// The criteria of a meal, in the order of the series: Fat Intake, Fast Sugar, Fiber,
// Quantity, Positive Foods; true where ticked.
using MealCriteria = std::array<bool, 5>;

// Which meals the meal report charts: all meals of each day summed, or one meal type.
enum class MealChoice { Total, Breakfast, Lunch, Dinner };

// The series of the total meal report, in their order, true where ticked.
struct TotalMealSeries {
    bool meal = false;
    bool bonus = false;
    bool total = false;
};

// Each report answers whether its query found rows; without rows the chart is only cut down
// to one row and one series.

// The meal report: the ticked criteria of the chosen meals, one row per stored meal of a
// type or per day for all meals.
bool buildMealReport(store::Database& db, const ReportRange& range, const MealCriteria& ticked,
                     MealChoice meals, ChartModel& chart);

// The total meal report: per day, the meal points, the bonus points and their total with
// the points of skipped meals.
bool buildTotalMealReport(store::Database& db, const ReportRange& range,
                          const TotalMealSeries& ticked, ChartModel& chart);

}  // namespace mirtal::reports
