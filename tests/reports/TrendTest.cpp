#include "reports/Trend.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

TEST(Trend, EachDayMovesATenthOfTheWayFromTheTrendBeforeToTheDaysValue) {
    struct Case {
        const char* what;
        std::vector<float> values;
        std::vector<float> trend;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, {}},
        {"one day starts at its value", {81.5f}, {81.5f}},
        {"a step up of 10", {80, 90, 90, 90}, {80, 81, 81.9f, 82.71f}},
        {"a step down after a flat run", {70, 70, 70, 60}, {70, 70, 70, 69}},
        {"a day of water and back", {80, 82, 80}, {80, 80.2f, 80.18f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<float> trend = smoothedTrend(c.values);
        ASSERT_EQ(trend.size(), c.trend.size());
        for (std::size_t day = 0; day < trend.size(); ++day) {
            EXPECT_FLOAT_EQ(trend[day], c.trend[day]) << "day " << day;
        }
    }
}

TEST(Trend, IsAddedAsTheLastSeriesWithRowsAndLabelsKept) {
    ChartModel chart;
    chart.setRowCount(3);
    chart.setColumnCount(2);
    chart.setTitleText(QStringLiteral("Pulse Report"));
    const float pulses[] = {64, 54, 54};
    for (int row = 1; row <= 3; ++row) {
        chart.selectRow(row);
        chart.selectColumn(1);
        chart.setColumnLabel(QStringLiteral("Pulse"));
        chart.setValue(pulses[row - 1]);
        chart.setRowLabel(QString::number(row));
        chart.selectColumn(2);
        chart.setColumnLabel(QStringLiteral("Target Pulse"));
        chart.setValue(60);
    }

    const ChartModel shown = withTrend(chart, QStringLiteral("Pulse trend"));
    ASSERT_EQ(shown.columnCount(), 3);
    EXPECT_EQ(shown.columnLabel(1), QStringLiteral("Pulse"));
    EXPECT_EQ(shown.columnLabel(2), QStringLiteral("Target Pulse"));
    EXPECT_EQ(shown.columnLabel(3), QStringLiteral("Pulse trend"));
    EXPECT_EQ(shown.columnValues(3), (std::vector<float>{64, 63, 62.1f}));
    EXPECT_EQ(shown.columnValues(1), chart.columnValues(1));
    EXPECT_EQ(shown.columnValues(2), chart.columnValues(2));
    EXPECT_EQ(shown.rowLabels().toList(), chart.rowLabels().toList());
    EXPECT_EQ(shown.titleText(), chart.titleText());
    // The report itself is left as it was.
    EXPECT_EQ(chart.columnCount(), 2);
}

}  // namespace
}  // namespace mirtal::reports
