#include "reports/RowGrouping.h"

#include <gtest/gtest.h>

#include "reports/RowDays.h"
#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

struct Row {
    QDate day;
    std::vector<float> values;
};

// A chart of `rows` under `series`, labelled as the reports label them.
ChartModel chartOf(const QStringList& series, const std::vector<Row>& rows) {
    ChartModel chart;
    chart.setTitleText(QStringLiteral("Report"));
    chart.setShowLegend(true);
    chart.setRowCount(static_cast<int>(rows.size()));
    chart.setColumnCount(static_cast<int>(series.size()));
    for (int column = 1; column <= chart.columnCount(); ++column) {
        chart.selectColumn(column);
        chart.setColumnLabel(series[column - 1]);
    }
    for (int row = 1; row <= chart.rowCount(); ++row) {
        const Row& r = rows[static_cast<std::size_t>(row - 1)];
        chart.selectRow(row);
        chart.setRowLabel(QString::number(r.values.front()) + QStringLiteral(" (") +
                          r.day.toString(QStringLiteral("yyyy/MM/dd")) + u')');
        for (int column = 1; column <= chart.columnCount(); ++column) {
            chart.selectColumn(column);
            chart.setValue(r.values[static_cast<std::size_t>(column - 1)]);
        }
    }
    return chart;
}

QDate d(int month, int day, int year = 2026) {
    return {year, month, day};
}

TEST(RowGrouping, EachPeriodThatHoldsARowIsTheMeanOfItsRows) {
    struct Case {
        const char* what;
        Grouping grouping;
        QStringList series;
        std::vector<Row> rows;
        QStringList labels;
        std::vector<std::vector<float>> columns;
        std::vector<QDate> days;
    };
    const QStringList weight{"Weight", "Target Weight"};
    // 2026/11/30 is a Monday; its week ends on Sunday 2026/12/06.
    const std::vector<Row> acrossMonthEnd{
        {d(11, 30), {80, 78}}, {d(12, 2), {82, 78}}, {d(12, 6), {84.5f, 78}}};
    const std::vector<Case> cases = {
        {"a week across a month's end is one week",
         Grouping::Weeks,
         weight,
         acrossMonthEnd,
         {"82.2 (2026/11/30)"},
         {{82.1666667f}, {78}},
         {d(11, 30)}},
        {"the same rows by month are two months",
         Grouping::Months,
         weight,
         acrossMonthEnd,
         {"80 (2026/11)", "83.3 (2026/12)"},
         {{80, 83.25f}, {78, 78}},
         {d(11, 1), d(12, 1)}},
        {"a month with one row is that row, its mean to one decimal",
         Grouping::Months,
         {"Weight"},
         {{d(10, 15), {77.25f}}, {d(11, 3), {77}}, {d(11, 4), {76}}},
         {"77.3 (2026/10)", "76.5 (2026/11)"},
         {{77.25f, 76.5f}},
         {d(10, 1), d(11, 1)}},
        {"rest days count -1 like any other day",
         Grouping::Weeks,
         {"Exercise"},
         {{d(12, 8), {-1}}, {d(12, 9), {20}}, {d(12, 13), {-1}}},
         {"6 (2026/12/07)"},
         {{6}},
         {d(12, 7)}},
        {"a week without rows is not drawn",
         Grouping::Weeks,
         {"Snacking"},
         {{d(12, 1), {2}}, {d(12, 4), {-2}}, {d(12, 15), {4}}},
         {"0 (2026/11/30)", "4 (2026/12/14)"},
         {{0, 4}},
         {d(11, 30), d(12, 14)}},
        {"meals of one day and a mean below zero",
         Grouping::Weeks,
         {"Fat", "Fiber"},
         {{d(12, 2), {-3, 1}}, {d(12, 2), {-2, 3}}, {d(12, 3), {0, 2}}},
         {"-1.7 (2026/11/30)"},
         {{-1.6666666f}, {2}},
         {d(11, 30)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartModel chart = chartOf(c.series, c.rows);
        const DrawnRows drawn = groupRows(chart, rowDays(chart), c.grouping);
        EXPECT_EQ(drawn.chart.rowLabels().toList(), c.labels);
        EXPECT_EQ(drawn.days, c.days);
        ASSERT_EQ(drawn.chart.columnCount(), static_cast<int>(c.columns.size()));
        for (int column = 1; column <= drawn.chart.columnCount(); ++column) {
            const std::vector<float>& values = drawn.chart.columnValues(column);
            const std::vector<float>& expected = c.columns[static_cast<std::size_t>(column - 1)];
            ASSERT_EQ(values.size(), expected.size());
            for (std::size_t row = 0; row < values.size(); ++row) {
                EXPECT_FLOAT_EQ(values[row], expected[row]) << "column " << column;
            }
            EXPECT_EQ(drawn.chart.columnLabel(column),
                      c.series[column - 1] + (c.grouping == Grouping::Weeks
                                                  ? QStringLiteral(" (weekly mean)")
                                                  : QStringLiteral(" (monthly mean)")));
        }
        EXPECT_EQ(drawn.chart.titleText(), chart.titleText());
        EXPECT_TRUE(drawn.chart.showLegend());
    }
}

TEST(RowGrouping, ByDayTheChartIsTheReportsOwn) {
    const ChartModel chart =
        chartOf({"Weight", "Target Weight"}, {{d(12, 1), {80, 78}}, {d(12, 9), {79, 78}}});
    const DrawnRows drawn = groupRows(chart, rowDays(chart), Grouping::Days);
    EXPECT_EQ(drawn.chart.rowLabels().toList(), chart.rowLabels().toList());
    EXPECT_EQ(drawn.chart.columnLabel(1), QStringLiteral("Weight"));
    EXPECT_EQ(drawn.chart.columnValues(1), chart.columnValues(1));
    EXPECT_EQ(drawn.days, (std::vector<QDate>{d(12, 1), d(12, 9)}));
}

TEST(RowGrouping, TheDayIsReadFromTheEndOfEveryReportsRowLabel) {
    EXPECT_EQ(dayOfRowLabel(QStringLiteral("-3,2,1 (2026/12/09)")), d(12, 9));
    EXPECT_EQ(dayOfRowLabel(QStringLiteral("72.4 (2004/02/29)")), d(2, 29, 2004));
    for (const char* noDay : {"", "72", "72 (2026/13/01)", "72 (2026-12-01)", "(2026/12/1)"}) {
        EXPECT_FALSE(dayOfRowLabel(QString::fromLatin1(noDay)).isValid()) << noDay;
    }
}

}  // namespace
}  // namespace mirtal::reports
