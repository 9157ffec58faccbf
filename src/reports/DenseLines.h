#pragma once

#include <QGraphicsItem>
#include <QLineF>
#include <QList>
#include <QPen>
#include <vector>

namespace mirtal::reports {

// Paints the lines of a line chart that has more points than its plot has pixel columns.
//
// Qt Charts lays out, outlines (for the mouse) and strokes every point of a line: twenty years
// of five lines are 36,000 segments on a plot 700 pixels wide. Within one pixel column a line
// can only cover the pixels between its lowest and its highest point there, and it enters the
// column at its first point and leaves it at its last. This item keeps those four points of
// each column, in their order, and draws the segments between them: the same line through the
// same columns, from the same lowest to the same highest pixel, with the segments from one
// column to the next unchanged. It places the points as Qt Charts does (half a row of room at
// either end of the plot) and strokes them with the line's own pen, on the screen the plot's
// two halves at once; the series keeps every value for the legend and for whoever reads the
// chart.
class DenseLines : public QGraphicsItem {
  public:
    struct Line {
        QPen pen;
        std::vector<float> values;
    };

    explicit DenseLines(QGraphicsItem* parent);

    // The lines to draw, one point per row, on a value scale from `low` to `high`; no lines
    // draws nothing.
    void setLines(QList<Line> lines, double low, double high);
    // The plot the lines fill; rows spread evenly across its width.
    void setPlotArea(const QRectF& plot);

    // The segments drawn for each line, in the item's coordinates (the plot's top left at 0).
    const QList<QList<QLineF>>& segments() const { return segments_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    void thinOut();

    QList<Line> lines_;
    double low_ = 0;
    double high_ = 1;
    QRectF plot_;
    QList<QList<QLineF>> segments_;
};

}  // namespace mirtal::reports
