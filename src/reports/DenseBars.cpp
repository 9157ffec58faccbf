#include "reports/DenseBars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace mirtal::reports {

namespace {

// Series in a chart stand above its plot background, grid lines and axes, which stand at
// -1 to 3, and below its legend.
constexpr double seriesLayer = 4;
// Bars fill this share of their row, as Qt Charts' bars do by default.
constexpr double barShareOfRow = 0.5;

}  // namespace

DenseBars::DenseBars(QGraphicsItem* parent) : QGraphicsItem(parent) {
    setZValue(seriesLayer);
    setAcceptedMouseButtons(Qt::NoButton);
}

void DenseBars::setBars(QList<Column> columns, double low, double high) {
    columns_ = std::move(columns);
    low_ = low;
    high_ = high;
    update();
}

void DenseBars::setPlotArea(const QRectF& plot) {
    if (plot != plot_) {
        prepareGeometryChange();
        plot_ = plot;
    }
}

void DenseBars::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (columns_.isEmpty() || plot_.isEmpty() || high_ <= low_) {
        return;
    }
    const auto rows = columns_.first().values.size();
    const double rowWidth = plot_.width() / static_cast<double>(rows);
    const double barWidth = rowWidth * barShareOfRow / static_cast<double>(columns_.size());
    const double yScale = plot_.height() / (high_ - low_);
    const double base = plot_.bottom() + low_ * yScale;  // where 0 stands
    painter->setClipRect(plot_);

    QList<QRectF> rects;
    rects.reserve(static_cast<qsizetype>(rows));
    for (qsizetype column = 0; column < columns_.size(); ++column) {
        const Column& bars = columns_[column];
        rects.clear();
        const double offset =
            rowWidth * (1 - barShareOfRow) / 2 + static_cast<double>(column) * barWidth;
        for (std::size_t row = 0; row < rows; ++row) {
            if (bars.values[row] == 0) {
                continue;  // a bar of no height is not drawn, not even as its outline
            }
            const double top = plot_.bottom() - (bars.values[row] - low_) * yScale;
            rects.append(QRectF(plot_.left() + static_cast<double>(row) * rowWidth + offset,
                                std::min(top, base), barWidth, std::abs(base - top)));
        }
        // Outlined in their own colour, bars narrower than a pixel stay visible as a
        // hairline each.
        painter->setPen(QPen(bars.colour, 0));
        painter->setBrush(bars.colour);
        painter->drawRects(rects);
    }
}

}  // namespace mirtal::reports
