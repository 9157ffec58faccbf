#include "reports/RangeSummary.h"

#include <gtest/gtest.h>

#include "reports/ChartModel.h"
#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

QDate d(int month, int day) {
    return {2026, month, day};
}

// Five weights over eight days, three of them in a row, against a flat target.
class Summary : public ::testing::Test {
  protected:
    void SetUp() override {
        const float weights[] = {80, 79.5f, 79, 78.81f, 78};
        chart.setRowCount(5);
        chart.setColumnCount(2);
        chart.selectColumn(1);
        chart.setColumnLabel(QStringLiteral("Weight"));
        chart.selectColumn(2);
        chart.setColumnLabel(QStringLiteral("Target Weight"));
        for (int row = 1; row <= 5; ++row) {
            chart.selectRow(row);
            chart.selectColumn(1);
            chart.setValue(weights[row - 1]);
            chart.selectColumn(2);
            chart.setValue(78);
        }
    }

    ChartModel chart;
    const std::vector<QDate> days{d(11, 2), d(11, 3), d(11, 4), d(11, 6), d(11, 9)};
};

TEST_F(Summary, GivesEachSeriesFiguresAndTheLongestRunOfDays) {
    const RangeSummary summary = summarizeRange(chart, days, true);
    EXPECT_EQ(summary.header, QStringList({"Series", "Rows", "First", "Last", "Change", "Lowest",
                                           "Highest", "Mean", "Change per week"}));
    // The change per week: the least-squares slope of the weights against days 0, 1, 2, 4
    // and 7 is -0.2639 a day.
    ASSERT_EQ(summary.rows.size(), 3);
    EXPECT_EQ(summary.rows[0], QStringList({"Weight", "5", "80 (2026/11/02)", "78 (2026/11/09)",
                                            "-2", "78", "80", "79.06", "-1.85"}));
    EXPECT_EQ(summary.rows[1], QStringList({"Target Weight", "5", "78 (2026/11/02)",
                                            "78 (2026/11/09)", "0", "78", "78", "78", "0"}));
    EXPECT_EQ(summary.rows[2], QStringList({"Longest run of days with an entry", "3"}));
    EXPECT_EQ(
        summary.tabSeparated(),
        QStringLiteral("Series\tRows\tFirst\tLast\tChange\tLowest\tHighest\tMean\tChange "
                       "per week\n"
                       "Weight\t5\t80 (2026/11/02)\t78 (2026/11/09)\t-2\t78\t80\t79.06\t-1.85\n"
                       "Target Weight\t5\t78 (2026/11/02)\t78 (2026/11/09)\t0\t78\t78\t78\t0\n"
                       "Longest run of days with an entry\t3\n"));

    // Reports other than weight and pulse leave the change per week empty.
    EXPECT_EQ(summarizeRange(chart, days, false).rows[0].last(), QString());
}

TEST(LongestRun, CountsConsecutiveCalendarDaysOnce) {
    struct Case {
        std::vector<QDate> days;
        int run;
    };
    for (const Case& c :
         {Case{{}, 0}, Case{{d(12, 1)}, 1}, Case{{d(12, 1), d(12, 1), d(12, 2), d(12, 4)}, 2},
          Case{{d(11, 29), d(11, 30), d(12, 1), d(12, 3), d(12, 4)}, 3},
          Case{{d(12, 1), d(12, 3), d(12, 4), d(12, 5), d(12, 6)}, 4}}) {
        EXPECT_EQ(longestRunOfDays(c.days), c.run) << c.days.size();
    }
}

}  // namespace
}  // namespace mirtal::reports
