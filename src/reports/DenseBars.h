#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QList>
#include <vector>

namespace mirtal::reports {

// Paints the bars of a bar chart whose bars are thinner than a pixel, all in one pass.
//
// Qt Charts gives every bar a graphics item of its own with ten signal connections; twenty
// years of five series are 36,000 of them, which take a third of a second and a hundred
// megabytes to build and as long again to delete, for bars nobody can tell apart. This item
// lays the bars out the way Qt Charts does (half of each row's width, the sets side by side,
// standing on 0) and draws them at once, neighbours that fall on the same pixels as one
// rectangle; the series keeps every value for the legend and for whoever reads the chart.
class DenseBars : public QGraphicsItem {
  public:
    struct Column {
        QColor colour;
        std::vector<float> values;
    };

    explicit DenseBars(QGraphicsItem* parent);

    // The bars to draw, row by row, on a value scale from `low` to `high`; no columns draws
    // nothing.
    void setBars(QList<Column> columns, double low, double high);
    // The plot the bars fill; rows spread evenly across its width.
    void setPlotArea(const QRectF& plot);

    QRectF boundingRect() const override { return plot_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    void layOut();

    QList<Column> columns_;
    double low_ = 0;
    double high_ = 1;
    QRectF plot_;
    // What paint draws for each column: the bars, merged where they share pixel columns.
    QList<QList<QRectF>> rects_;
    // Whether paintInHalves may paint the bars in two halves at once.
    bool splittable_ = false;
};

}  // namespace mirtal::reports
