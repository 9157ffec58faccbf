#include <gtest/gtest.h>

#include "reports/PlanPath.h"
#include "reports/PlanStatus.h"
#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

QDate d(int month, int day, int year = 2026) {
    return {year, month, day};
}

// From 85 kg on 2026/12/01 to 79 kg on 2027/01/30: 60 days, a tenth of a kilo a day.
const PlanPath losing{d(12, 1), 85, d(1, 30, 2027), 79};

TEST(Plan, RunsStraightFromTheStartToTheTargetAndIsFlatBeforeAndAfter) {
    struct Case {
        QDate day;
        double planned;
    };
    for (const Case& c :
         {Case{d(11, 1), 85}, Case{d(12, 1), 85}, Case{d(12, 2), 84.9}, Case{d(12, 31), 82},
          Case{d(1, 29, 2027), 79.1}, Case{d(1, 30, 2027), 79}, Case{d(6, 1, 2027), 79}}) {
        EXPECT_NEAR(losing.valueOn(c.day), c.planned, 1e-9) << c.day.toString().toStdString();
    }

    ChartModel chart;
    chart.setRowCount(3);
    chart.setColumnCount(2);
    const ChartModel shown = withPlan(chart, {d(11, 20), d(12, 16), d(2, 2, 2027)}, losing,
                                      QStringLiteral("Weight plan"));
    ASSERT_EQ(shown.columnCount(), 3);
    EXPECT_EQ(shown.columnLabel(3), QStringLiteral("Weight plan"));
    EXPECT_EQ(shown.columnValues(3), (std::vector<float>{85, 83.5f, 79}));
    EXPECT_EQ(chart.columnCount(), 2);
}

// `count` days that end on `last`, one every `every` days, with a trend that moves by `slope`
// a day and ends at `lastValue`.
struct Trend {
    std::vector<QDate> days;
    std::vector<float> values;
};
Trend trendOf(const QDate& last, int count, int every, double lastValue, double slope) {
    Trend trend;
    for (int i = count - 1; i >= 0; --i) {
        trend.days.push_back(last.addDays(-i * every));
        trend.values.push_back(static_cast<float>(lastValue - slope * i * every));
    }
    return trend;
}

TEST(Plan, StatusSaysWhetherTheTrendKeepsToThePlanAndWhenTheTargetIsReached) {
    const QString kg = QStringLiteral("kg");
    struct Case {
        const char* what;
        Trend trend;
        PlanPath plan;
        QString unit;
        const char* status;
    };
    const PlanPath gaining{d(12, 1), 60, d(1, 30, 2027), 66};
    const std::vector<Case> cases = {
        // The worked example: 28 days to 2026/12/28, the trend falling by 0.07 kg a day to
        // 83.11, the plan at 82.3 that day: (79 - 83.11) / -0.07 = 58.7 days, so 59 days on.
        {"behind, with the day of the target", trendOf(d(12, 28), 28, 1, 83.11, -0.07), losing, kg,
         "Behind plan: 0.8 kg over the planned 82.3 kg. At this pace the target is reached on "
         "2027/02/25."},
        {"on plan, under it", trendOf(d(12, 28), 28, 1, 82.1, -0.2), losing, kg,
         "On plan: 0.2 kg under the planned 82.3 kg. At this pace the target is reached on "
         "2027/01/13."},
        {"on plan when equal after rounding", trendOf(d(12, 28), 10, 1, 82.26, -0.1), losing, kg,
         "On plan: 0 kg under the planned 82.3 kg. At this pace the target is reached on "
         "2027/01/30."},
        {"a trend going up, away from a lower target", trendOf(d(12, 28), 14, 2, 83.5, 0.05),
         losing, kg,
         "Behind plan: 1.2 kg over the planned 82.3 kg. At this pace the target is not reached."},
        {"a flat trend", trendOf(d(12, 28), 7, 4, 82.3, 0), losing, kg,
         "On plan: 0 kg under the planned 82.3 kg. At this pace the target is not reached."},
        {"six rows in the last 28 days: no pace", trendOf(d(12, 28), 6, 5, 83, -0.1), losing, kg,
         "Behind plan: 0.7 kg over the planned 82.3 kg."},
        {"a target above the start swaps over and under", trendOf(d(12, 28), 28, 1, 62.32, 0.05),
         gaining, kg,
         "Behind plan: 0.4 kg under the planned 62.7 kg. At this pace the target is reached on "
         "2027/03/12."},
        {"pulse in beats a minute",
         trendOf(d(12, 28), 28, 1, 63.1, -0.25),
         {d(12, 1), 70, d(1, 30, 2027), 60},
         QStringLiteral("beats a minute"),
         "On plan: 2.4 beats a minute under the planned 65.5 beats a minute. At this pace the "
         "target is reached on 2027/01/10."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(planStatus(c.trend.days, c.trend.values, c.plan, c.unit),
                  QLatin1String(c.status));
    }
    EXPECT_EQ(planStatus({}, {}, losing, kg), QString());
}

TEST(Plan, ThePaceNeedsSevenRowsInTheTwentyEightDaysThatEndOnTheLastRow) {
    // Six rows in the last four weeks, and a seventh 27 or 28 days before the last.
    for (const int firstBack : {27, 28}) {
        std::vector<QDate> days;
        std::vector<float> trend;
        for (const int back : {firstBack, 20, 16, 12, 8, 4, 0}) {
            days.push_back(d(12, 28).addDays(-back));
            trend.push_back(static_cast<float>(83.05 + 0.1 * back));
        }
        EXPECT_EQ(planStatus(days, trend, losing, QStringLiteral("kg")).contains(u"At this pace"),
                  firstBack == 27)
            << firstBack;
    }
}

}  // namespace
}  // namespace mirtal::reports
