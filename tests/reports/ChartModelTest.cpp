#include "reports/ChartModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "reports/LabelThinning.h"
#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

// Row r column c holds 10r + c; rows are labelled "r", columns "Cc".
ChartModel numbered(int rows, int columns) {
    ChartModel chart;
    chart.setRowCount(rows);
    chart.setColumnCount(columns);
    for (int r = 1; r <= rows; ++r) {
        chart.selectRow(r);
        chart.setRowLabel(QString::number(r));
        for (int c = 1; c <= columns; ++c) {
            chart.selectColumn(c);
            chart.setColumnLabel(QStringLiteral("C%1").arg(c));
            chart.setValue(static_cast<float>(10 * r + c));
        }
    }
    return chart;
}

TEST(ChartModel, CountsKeepTheValuesAndLabelsOfTheRowsAndColumnsThatRemain) {
    ChartModel chart = numbered(3, 2);
    EXPECT_EQ(chart.value(3, 2), 32);

    chart.setRowCount(2);
    chart.setRowCount(4);
    EXPECT_EQ(chart.rowLabels().toList(), QStringList({"1", "2", "", ""}));
    EXPECT_EQ(chart.value(2, 2), 22);
    EXPECT_EQ(chart.value(3, 2), 0);

    chart.setColumnCount(1);
    chart.setColumnCount(3);
    EXPECT_EQ(chart.columnLabel(1), QStringLiteral("C1"));
    EXPECT_EQ(chart.columnLabel(2), QString());
    EXPECT_EQ(chart.columnValues(1), std::vector<float>({11, 21, 0, 0}));
    EXPECT_EQ(chart.columnValues(2), std::vector<float>(4, 0));

    // What an empty report leaves: one row and one series, label and value kept.
    chart.setRowCount(1);
    chart.setColumnCount(1);
    EXPECT_EQ(chart.rowLabel(1), QStringLiteral("1"));
    EXPECT_EQ(chart.value(1, 1), 11);

    // A later value goes to the cell selected last.
    chart.setColumnCount(2);
    chart.selectRow(1);
    chart.selectColumn(2);
    chart.setValue(7.5f);
    EXPECT_EQ(chart.columnValues(2), std::vector<float>{7.5f});
    EXPECT_EQ(chart.value(1, 1), 11);
}

TEST(LabelThinning, DrawsAsManyLabelsAsFitEvenlySpacedWithTheFirstAndTheLast) {
    struct Case {
        int rows;
        double axisWidth;
        double labelWidth;
        QList<int> drawn;
    };
    const Case cases[] = {
        {0, 600, 100, {}},
        {1, 600, 100, {0}},
        {7, 700, 90, {0, 1, 2, 3, 4, 5, 6}},
        {7, 640, 100, {0, 2, 4, 6}},
        {8, 640, 100, {0, 2, 5, 7}},
        {2, 100, 120, {0}},
        {7300, 600, 100, {0, 1460, 2920, 4379, 5839, 7299}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.rows << " rows, " << c.labelWidth << " of " << c.axisWidth);
        EXPECT_EQ(thinnedRows(c.rows, c.axisWidth, c.labelWidth), c.drawn);
    }

    // Over many sizes: never two labels closer than a label's width, the first row always
    // drawn and the last whenever two labels fit, and no room left for one more label.
    for (int rows = 2; rows <= 400; rows += 7) {
        for (const double axisWidth : {80.0, 310.0, 697.0}) {
            for (const double labelWidth : {30.0, 95.0, 160.0}) {
                SCOPED_TRACE(testing::Message()
                             << rows << " rows, " << labelWidth << " of " << axisWidth);
                const double rowWidth = axisWidth / rows;
                const QList<int> drawn = thinnedRows(rows, axisWidth, labelWidth);
                ASSERT_FALSE(drawn.isEmpty());
                EXPECT_EQ(drawn.first(), 0);
                const bool twoFit = (rows - 1) * rowWidth >= labelWidth;
                EXPECT_EQ(drawn.last(), twoFit ? rows - 1 : 0);
                for (qsizetype i = 1; i < drawn.size(); ++i) {
                    EXPECT_GE((drawn[i] - drawn[i - 1]) * rowWidth, labelWidth - 1e-9);
                }
                const int step = static_cast<int>(std::ceil(labelWidth / rowWidth - 1e-9));
                EXPECT_GE(drawn.size(), std::min(rows, (rows - 1) / step + 1));
            }
        }
    }
}

}  // namespace
}  // namespace mirtal::reports
