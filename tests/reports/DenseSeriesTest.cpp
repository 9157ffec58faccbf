#include "reports/DenseBars.h"
#include "reports/DenseLines.h"

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QTest>

#include "reports/ChartModel.h"
#include "reports/ChartView.h"
#include "support/QtApplication.h"

namespace mirtal::reports {
namespace {

// `rows` days of a weight that climbs and falls back every 50 days, with a one-day peak in
// the middle and a flat target, and, when asked, a third line that wanders day by day.
ChartModel weights(int rows, bool wandering = false) {
    ChartModel chart;
    chart.setChartType(ChartModel::ChartType::Line2d);
    chart.setRowCount(rows);
    chart.setColumnCount(wandering ? 3 : 2);
    chart.setShowLegend(true);
    for (int row = 1; row <= rows; ++row) {
        chart.selectRow(row);
        chart.setRowLabel(QString::number(row));
        chart.selectColumn(1);
        chart.setColumnLabel(QStringLiteral("Weight"));
        chart.setValue(row == rows / 2 ? 90.0f : 70.0f + static_cast<float>(row % 50) / 10);
        chart.selectColumn(2);
        chart.setColumnLabel(QStringLiteral("Target Weight"));
        chart.setValue(72);
        if (wandering) {
            chart.selectColumn(3);
            chart.setColumnLabel(QStringLiteral("Pulse"));
            chart.setValue(60.0f + static_cast<float>((row * 7919) % 23));
        }
    }
    return chart;
}

template <typename Item>
Item* itemOf(const ChartView& view) {
    for (QGraphicsItem* item : view.scene()->items()) {
        if (auto* found = dynamic_cast<Item*>(item)) {
            return found;
        }
    }
    return nullptr;
}

DenseLines* denseLinesOf(const ChartView& view) {
    return itemOf<DenseLines>(view);
}

QAbstractAxis* shownAxis(const ChartView& view, Qt::Orientation orientation) {
    for (QAbstractAxis* axis : view.chart()->axes(orientation)) {
        if (axis->isVisible()) {
            return axis;
        }
    }
    return nullptr;
}

// Whether every line is drawn by Qt Charts itself, on the axes shown.
bool drawnByQtCharts(const ChartView& view) {
    for (QAbstractSeries* series : view.chart()->series()) {
        if (series->attachedAxes() !=
            QList<QAbstractAxis*>{shownAxis(view, Qt::Horizontal), shownAxis(view, Qt::Vertical)}) {
            return false;
        }
    }
    return denseLinesOf(view)->segments().isEmpty();
}

// Gives the lines back to Qt Charts, which draws every point of them.
void drawEveryPoint(ChartView& view) {
    for (QAbstractSeries* series : view.chart()->series()) {
        for (QAbstractAxis* axis : series->attachedAxes()) {
            series->detachAxis(axis);
        }
        series->attachAxis(shownAxis(view, Qt::Horizontal));
        series->attachAxis(shownAxis(view, Qt::Vertical));
        auto* line = qobject_cast<QLineSeries*>(series);
        line->replace(line->points());
    }
    denseLinesOf(view)->setVisible(false);
}

// Gives the bars back to Qt Charts, which builds an item for every one of them.
void drawEveryBar(ChartView& view) {
    QAbstractSeries* series = view.chart()->series().value(0);
    for (QAbstractAxis* axis : series->attachedAxes()) {
        series->detachAxis(axis);
    }
    series->attachAxis(shownAxis(view, Qt::Horizontal));
    series->attachAxis(shownAxis(view, Qt::Vertical));
    itemOf<DenseBars>(view)->setVisible(false);
}

// Whether `picture` has `colour` at (x, y) or at one of the eight pixels around it.
bool colourNear(const QImage& picture, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (picture.valid(x + dx, y + dy) && picture.pixel(x + dx, y + dy) == colour) {
                return true;
            }
        }
    }
    return false;
}

struct Difference {
    int pixels = 0;
    // Pixels whose colours neither picture has within a pixel of the other's.
    int further = 0;
};

Difference differenceOf(const QImage& a, const QImage& b) {
    Difference difference;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++difference.pixels;
                difference.further +=
                    !colourNear(a, x, y, b.pixel(x, y)) && !colourNear(b, x, y, a.pixel(x, y));
            }
        }
    }
    return difference;
}

// A report chart on screen at the report window's size, inside a window as in the program,
// where its painter is moved onto the window's pixels.
class ShownChart : public ChartView {
  public:
    ShownChart() : ChartView(QStringLiteral("MSChart1"), [](const QString&) {}) {
        window_.resize(760, 400);
        setParent(&window_);
        setGeometry(31, 57, 697, 304);
        window_.show();
        exposed = QTest::qWaitForWindowExposed(&window_);
        QApplication::processEvents();
    }
    ~ShownChart() override { setParent(nullptr); }

    bool exposed = false;

    // The grid lines follow the row labels placed once the plot is laid out, one pass of the
    // event loop later, as after a click in the program.
    QImage picture() {
        QApplication::processEvents();
        QApplication::processEvents();
        return window_.grab(geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

  private:
    QWidget window_;
};

class DenseSeriesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureQtApplication(); }
};

TEST_F(DenseSeriesTest, MorePointsThanPixelColumnsKeepEveryValueAndLookAsEveryPointDrawn) {
    for (const int rows : {7300, 2000, 800}) {
        SCOPED_TRACE(rows);
        ShownChart view;
        ASSERT_TRUE(view.exposed);
        const ChartModel chart = weights(rows, true);
        view.draw(chart);
        ASSERT_FALSE(drawnByQtCharts(view));

        // The series hold every value, for the legend and for whoever reads the chart.
        const QList<QAbstractSeries*> series = view.chart()->series();
        ASSERT_EQ(series.size(), 3);
        for (int column = 1; column <= 3; ++column) {
            const auto* line = qobject_cast<QLineSeries*>(series[column - 1]);
            ASSERT_NE(line, nullptr);
            EXPECT_EQ(line->name(), chart.columnLabel(column));
            const QList<QPointF> points = line->points();
            ASSERT_EQ(points.size(), rows);
            for (int row = 1; row <= rows; ++row) {
                ASSERT_EQ(points[row - 1], QPointF(row - 1, chart.value(row, column))) << row;
            }
        }
        // At most four points for each pixel column, not one for each row.
        for (const QList<QLineF>& segments : denseLinesOf(view)->segments()) {
            EXPECT_LT(segments.size(), 4 * view.chart()->plotArea().width());
        }

        const QImage thinned = view.picture();
        drawEveryPoint(view);
        const QImage everyPoint = view.picture();
        ASSERT_EQ(thinned.size(), everyPoint.size());
        // Thinned out, a line keeps the lowest and highest point of every pixel column and
        // every segment from one column to the next; a segment inside a column may stand a
        // fraction of a pixel further left or right, which moves the edge of its 2-pixel
        // stroke by a pixel at most. So wherever the pictures differ, each has the other's
        // colour a pixel away, and they differ on few pixels.
        const Difference difference = differenceOf(thinned, everyPoint);
        EXPECT_EQ(difference.further, 0);
        EXPECT_LT(difference.pixels, 2 * view.chart()->plotArea().width());
    }
}

TEST_F(DenseSeriesTest, TheLinesArePaintedAsAllTheirSegmentsAtOnce) {
    ShownChart view;
    ASSERT_TRUE(view.exposed);
    view.draw(weights(7300, true));
    QApplication::processEvents();
    DenseLines* lines = denseLinesOf(view);
    const QList<QAbstractSeries*> series = view.chart()->series();
    ASSERT_EQ(series.size(), lines->segments().size());
    const auto picture = [&](bool bySegments) {
        QImage image(view.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(lines->scenePos());
        if (bySegments) {
            for (qsizetype i = 0; i < series.size(); ++i) {
                painter.setPen(qobject_cast<QLineSeries*>(series[i])->pen());
                painter.drawLines(lines->segments()[i]);
            }
        } else {
            lines->paint(&painter, nullptr, nullptr);
        }
        return image;
    };
    const QImage painted = picture(false);
    const QImage bySegments = picture(true);
    // Inside the plot, away from the edges where the item clips its lines.
    const QRect inside =
        QRectF(lines->scenePos(), view.chart()->plotArea().size()).toRect().adjusted(3, 3, -3, -3);
    int differing = 0;
    int lineColoured = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            differing += painted.pixel(x, y) != bySegments.pixel(x, y);
            lineColoured += bySegments.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(lineColoured, inside.width());
}

TEST_F(DenseSeriesTest, AWeekAMonthAndAYearAreDrawnByQtChartsAsBefore) {
    ShownChart view;
    ASSERT_TRUE(view.exposed);
    // Fewer points than pixel columns: Qt Charts draws every one of them.
    for (const int rows : {7, 31, 365}) {
        SCOPED_TRACE(rows);
        view.draw(weights(rows));
        QApplication::processEvents();
        EXPECT_TRUE(drawnByQtCharts(view));
        EXPECT_EQ(qobject_cast<QLineSeries*>(view.chart()->series().value(0))->points().size(),
                  rows);
    }
    // And after twenty years, the plain lines again.
    view.draw(weights(7300));
    QApplication::processEvents();
    EXPECT_FALSE(drawnByQtCharts(view));
    view.draw(weights(31));
    QApplication::processEvents();
    EXPECT_TRUE(drawnByQtCharts(view));
}

TEST_F(DenseSeriesTest, LinesDrawnAgainLookAsOnAChartDrawnOnce) {
    // From twenty years to a month with its points marked and back, then to other lines:
    // every chart drawn over the lines before looks as it does on a chart drawn only once,
    // and its lines hold their own names and values.
    ChartModel renamed = weights(800, true);
    for (int column = 1; column <= 3; ++column) {
        renamed.selectColumn(column);
        renamed.setColumnLabel(QStringLiteral("Line %1").arg(column));
    }
    const std::array<ChartModel, 4> charts{weights(7300, true), weights(31, true),
                                           weights(7300, true), renamed};
    ShownChart again;
    ASSERT_TRUE(again.exposed);
    for (std::size_t i = 0; i < charts.size(); ++i) {
        SCOPED_TRACE(i);
        again.draw(charts[i]);
        const QImage drawnAgain = again.picture();
        ShownChart once;
        ASSERT_TRUE(once.exposed);
        once.draw(charts[i]);
        EXPECT_EQ(differenceOf(drawnAgain, once.picture()).pixels, 0);

        const QList<QAbstractSeries*> series = again.chart()->series();
        ASSERT_EQ(series.size(), 3);
        for (int column = 1; column <= 3; ++column) {
            const auto* line = qobject_cast<QLineSeries*>(series[column - 1]);
            ASSERT_NE(line, nullptr);
            EXPECT_EQ(line->name(), charts[i].columnLabel(column));
            EXPECT_EQ(line->points().size(), charts[i].rowCount());
            EXPECT_EQ(line->points().last().y(), charts[i].value(charts[i].rowCount(), column));
        }
    }
}

TEST_F(DenseSeriesTest, BarsThinnerThanAPixelLookAsEveryBarDrawn) {
    // Two bar sets, one of them missing (0) now and then and one below 0, over as many days
    // as leave bars from a twentieth of a pixel wide down to a fiftieth, so that many fall in
    // either half of a pixel and some across the middle or the edge of one.
    for (const int rows : {3000, 4500, 6228}) {
        SCOPED_TRACE(rows);
        ChartModel chart;
        chart.setChartType(ChartModel::ChartType::Bar2d);
        chart.setRowCount(rows);
        chart.setColumnCount(2);
        chart.setShowLegend(true);
        for (int row = 1; row <= rows; ++row) {
            chart.selectRow(row);
            chart.setRowLabel(QString::number(row));
            chart.selectColumn(1);
            chart.setColumnLabel(QStringLiteral("Pulse"));
            chart.setValue(row % 17 == 0 ? 0.0f : 60.0f + static_cast<float>((row * 7919) % 23));
            chart.selectColumn(2);
            chart.setColumnLabel(QStringLiteral("Exercise"));
            chart.setValue(row % 7 == 0 ? -1.0f : static_cast<float>((row * 31) % 40));
        }
        ShownChart view;
        ASSERT_TRUE(view.exposed);
        view.draw(chart);
        const QImage painted = view.picture();
        drawEveryBar(view);
        const QImage everyBar = view.picture();
        ASSERT_EQ(painted.size(), everyBar.size());
        // Neighbouring bars are painted as one only where they cover the same pixels.
        EXPECT_EQ(differenceOf(painted, everyBar).pixels, 0);
    }
}

}  // namespace
}  // namespace mirtal::reports
