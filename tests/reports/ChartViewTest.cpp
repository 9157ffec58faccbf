#include "reports/ChartView.h"

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "reports/ChartModel.h"
#include "support/QtApplication.h"
#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

// `rows` days from 2007/01/01 with a weight and a flat target, labelled as the reports do.
ChartModel days(int rows, ChartModel::ChartType type) {
    ChartModel chart;
    chart.setChartType(type);
    chart.setRowCount(rows);
    chart.setColumnCount(2);
    chart.setTitleText(QStringLiteral("Weight Report"));
    chart.setShowLegend(true);
    const QDate first(2007, 1, 1);
    for (int row = 1; row <= rows; ++row) {
        const float weight = 70.0f + static_cast<float>(row % 50) / 10;
        chart.selectRow(row);
        chart.selectColumn(1);
        chart.setColumnLabel(QStringLiteral("Weight"));
        chart.setValue(weight);
        chart.setRowLabel(QString::number(weight) + QStringLiteral(" (") +
                          first.addDays(row - 1).toString(QStringLiteral("yyyy/MM/dd")) +
                          QStringLiteral(")"));
        chart.selectColumn(2);
        chart.setColumnLabel(QStringLiteral("Target Weight"));
        chart.setValue(72);
    }
    return chart;
}

class View : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureQtApplication(); }

    void show(int width, int height) {
        view.resize(width, height);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QApplication::processEvents();
    }

    ChartView view{QStringLiteral("MSChart1"), [](const QString&) {}};
};

TEST_F(View, DrawsEveryValueOfTheModelAsLinesOrBars) {
    const ChartModel lines = days(40, ChartModel::ChartType::Line2d);
    view.draw(lines);
    const QList<QAbstractSeries*> series = view.chart()->series();
    ASSERT_EQ(series.size(), 2);
    for (int column = 1; column <= 2; ++column) {
        auto* line = qobject_cast<QLineSeries*>(series[column - 1]);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->name(), lines.columnLabel(column));
        const QList<QPointF> points = line->points();
        ASSERT_EQ(points.size(), 40);
        for (int row = 1; row <= 40; ++row) {
            EXPECT_EQ(points[row - 1], QPointF(row - 1, lines.value(row, column)));
        }
    }
    EXPECT_EQ(view.chart()->title(), QStringLiteral("Weight Report"));
    EXPECT_TRUE(view.chart()->legend()->isVisible());
    // Weights from 70.1 to 74 and the target 72: a scale a little wider, in steps of 2.
    auto* values = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->min(), 68);
    EXPECT_EQ(values->max(), 76);
    EXPECT_EQ(values->tickCount(), 5);

    const ChartModel bars = days(40, ChartModel::ChartType::Bar2d);
    view.draw(bars);
    ASSERT_EQ(view.chart()->series().size(), 1);
    auto* barSeries = qobject_cast<QBarSeries*>(view.chart()->series().first());
    ASSERT_NE(barSeries, nullptr);
    // Bars stand on 0.
    EXPECT_EQ(qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).value(0))->min(), 0);
    ASSERT_EQ(barSeries->count(), 2);
    for (int column = 1; column <= 2; ++column) {
        const QBarSet* set = barSeries->barSets()[column - 1];
        EXPECT_EQ(set->label(), bars.columnLabel(column));
        ASSERT_EQ(set->count(), 40);
        for (int row = 1; row <= 40; ++row) {
            EXPECT_EQ(set->at(row - 1), bars.value(row, column));
        }
    }

    // No series: the title alone.
    ChartModel nothingTicked = days(3, ChartModel::ChartType::Line2d);
    nothingTicked.setColumnCount(0);
    nothingTicked.setFootnoteText(QStringLiteral("  a note"));
    view.draw(nothingTicked);
    EXPECT_TRUE(view.chart()->series().isEmpty());
    for (const QAbstractAxis* axis : view.chart()->axes()) {
        EXPECT_FALSE(axis->isVisible());
    }
    EXPECT_EQ(view.chart()->title(), QStringLiteral("Weight Report"));
    EXPECT_EQ(view.property("footnote").toString(), QStringLiteral("  a note"));
    EXPECT_EQ(view.property("rowLabels").toStringList(), nothingTicked.rowLabels().toList());
}

TEST_F(View, TwentyYearsOfRowsDrawOnlyTheLabelsThatFitAndKeepTheFullList) {
    show(697, 304);
    const ChartModel twentyYears = days(7300, ChartModel::ChartType::Line2d);
    view.draw(twentyYears);
    QApplication::processEvents();
    EXPECT_EQ(view.property("rowLabels").toStringList(), twentyYears.rowLabels().toList());

    qsizetype drawn = 0;
    const auto checkDrawnLabels = [&] {
        const QStringList shown = view.shownRowLabels();
        const QList<QRectF> rects = view.shownRowLabelRects();
        drawn = shown.size();
        ASSERT_GE(shown.size(), 2);
        EXPECT_EQ(shown.first(), twentyYears.rowLabel(1));
        EXPECT_EQ(shown.last(), twentyYears.rowLabel(7300));
        for (const QString& label : shown) {
            EXPECT_TRUE(twentyYears.rowLabels().toList().contains(label));
        }
        // Whole, inside the chart, under the plot, and apart from each other.
        const QRectF plot = view.chart()->plotArea();
        for (qsizetype i = 0; i < rects.size(); ++i) {
            EXPECT_GE(rects[i].left(), 0);
            EXPECT_LE(rects[i].right(), view.width());
            EXPECT_GT(rects[i].top(), plot.bottom());
            EXPECT_LT(rects[i].bottom(), view.height());
            if (i > 0) {
                EXPECT_GT(rects[i].left(), rects[i - 1].right())
                    << shown[i - 1].toStdString() << " meets " << shown[i].toStdString();
            }
        }
    };
    checkDrawnLabels();
    const qsizetype drawnSmall = drawn;
    view.resize(1400, 395);
    QApplication::processEvents();
    checkDrawnLabels();
    EXPECT_GT(drawn, drawnSmall);

    // A week: every label fits.
    view.draw(days(7, ChartModel::ChartType::Bar2d));
    QApplication::processEvents();
    EXPECT_EQ(view.shownRowLabels(), days(7, ChartModel::ChartType::Bar2d).rowLabels().toList());
}

TEST_F(View, BarsThinnerThanAPixelAreAllPaintedAndAllInTheSeries) {
    show(600, 400);
    // 3,000 days: "High" at 10 for the first 2,000 and then missing (0), "Low" at 4 throughout.
    constexpr int rows = 3000;
    ChartModel chart;
    chart.setChartType(ChartModel::ChartType::Bar2d);
    chart.setRowCount(rows);
    chart.setColumnCount(2);
    chart.setShowLegend(true);
    for (int row = 1; row <= rows; ++row) {
        chart.selectRow(row);
        chart.setRowLabel(QString::number(row));
        chart.selectColumn(1);
        chart.setColumnLabel(QStringLiteral("High"));
        chart.setValue(row <= 2000 ? 10 : 0);
        chart.selectColumn(2);
        chart.setColumnLabel(QStringLiteral("Low"));
        chart.setValue(4);
    }
    view.draw(chart);
    QApplication::processEvents();

    auto* series = qobject_cast<QBarSeries*>(view.chart()->series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    for (int column = 1; column <= 2; ++column) {
        const QBarSet* set = series->barSets()[column - 1];
        EXPECT_EQ(set->label(), chart.columnLabel(column));
        ASSERT_EQ(set->count(), rows);
        for (int row = 1; row <= rows; ++row) {
            ASSERT_EQ(set->at(row - 1), chart.value(row, column)) << row;
        }
    }
    // Not an item per bar.
    EXPECT_LT(view.scene()->items().size(), rows / 10);

    // The picture: the scale runs from 0 to 15; "Low" reaches 4 everywhere, "High" reaches 10
    // on the first two thirds of the plot only, and nothing reaches 12.
    const QImage picture = view.grab().toImage();
    const QRectF plot = view.chart()->plotArea();
    const QColor high = series->barSets()[0]->color();
    const QColor low = series->barSets()[1]->color();
    const auto shareOf = [&](const QColor& colour, double value, double from, double to) {
        const int y = static_cast<int>(plot.bottom() - value / 15 * plot.height());
        const int left = static_cast<int>(plot.left() + from * plot.width()) + 2;
        const int right = static_cast<int>(plot.left() + to * plot.width()) - 2;
        int matching = 0;
        for (int x = left; x <= right; ++x) {
            matching += picture.pixelColor(x, y) == colour;
        }
        return static_cast<double>(matching) / (right - left + 1);
    };
    EXPECT_GT(shareOf(low, 2, 0, 1), 0.9);
    EXPECT_GT(shareOf(high, 7, 0, 2.0 / 3), 0.9);
    EXPECT_EQ(shareOf(high, 7, 2.0 / 3, 1), 0);
    EXPECT_EQ(shareOf(low, 7, 0, 1), 0);
    EXPECT_EQ(shareOf(high, 12, 0, 1), 0);
}

}  // namespace
}  // namespace mirtal::reports
