#include "reports/DenseBars.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "reports/PaintInHalves.h"

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
    layOut();
    update();
}

void DenseBars::setPlotArea(const QRectF& plot) {
    if (plot != plot_) {
        prepareGeometryChange();
        plot_ = plot;
        layOut();
    }
}

void DenseBars::layOut() {
    rects_.clear();
    splittable_ = false;
    if (columns_.isEmpty() || plot_.isEmpty() || high_ <= low_) {
        return;
    }
    const auto rows = columns_.first().values.size();
    const double rowWidth = plot_.width() / static_cast<double>(rows);
    const double barWidth = rowWidth * barShareOfRow / static_cast<double>(columns_.size());
    const double yScale = plot_.height() / (high_ - low_);
    const double base = plot_.bottom() + low_ * yScale;  // where 0 stands
    // The pixel columns an edge of a bar may be drawn in: an outline takes the column the
    // edge is in, a fill starts at the first pixel centre after it, which is in the next
    // column when the edge is in the right half of a pixel.
    const auto pixelColumns = [](double x) {
        return std::array<double, 2>{std::floor(x), std::floor(x + 0.5)};
    };

    for (qsizetype column = 0; column < columns_.size(); ++column) {
        const Column& bars = columns_[column];
        const double offset =
            rowWidth * (1 - barShareOfRow) / 2 + static_cast<double>(column) * barWidth;
        // Neighbouring bars whose left edges fall in the same pixel columns, and whose right
        // edges do too, cover those columns from the highest top to the lowest bottom among
        // them (every bar stands on 0), which is what the rectangle around them covers: one
        // rectangle is drawn for them all.
        //
        // A bar with both edges in one half of a pixel is no more than the two sides of its
        // outline, drawn in that pixel's column from its top to its bottom, whichever half it
        // is in: it has no pixel centre to fill, and its top and bottom are too short to be
        // drawn. So bars in either half of a column are drawn as one rectangle, as wide as the
        // first of them and as high as all of them.
        QList<QRectF> merged;
        QRectF group;
        std::array<std::array<double, 2>, 2> groupColumns{};
        for (std::size_t row = 0; row < rows; ++row) {
            if (bars.values[row] == 0) {
                continue;  // a bar of no height is not drawn, not even as its outline
            }
            const double top = plot_.bottom() - (bars.values[row] - low_) * yScale;
            const QRectF bar(plot_.left() + static_cast<double>(row) * rowWidth + offset,
                             std::min(top, base), barWidth, std::abs(base - top));
            std::array<std::array<double, 2>, 2> barColumns{pixelColumns(bar.left()),
                                                            pixelColumns(bar.right())};
            const bool insideHalf = barColumns[0] == barColumns[1];
            if (insideHalf) {
                const double pixel = barColumns[0][0];
                barColumns = {{{pixel, pixel}, {pixel, pixel}}};
            }
            if (!group.isNull() && barColumns == groupColumns) {
                const QRectF around = group.united(bar);
                group = insideHalf
                            ? QRectF(group.left(), around.top(), group.width(), around.height())
                            : around;
            } else {
                if (!group.isNull()) {
                    merged.append(group);
                }
                group = bar;
                groupColumns = barColumns;
            }
        }
        if (!group.isNull()) {
            merged.append(group);
        }
        rects_.append(std::move(merged));
    }
    // Bars standing inside the plot's top, in opaque colours, are painted alike in halves;
    // only an outline cut at the top is drawn differently further along.
    splittable_ = std::all_of(columns_.begin(), columns_.end(),
                              [](const Column& bars) { return bars.colour.alpha() == 255; }) &&
                  std::all_of(rects_.begin(), rects_.end(), [this](const QList<QRectF>& bars) {
                      return std::all_of(bars.begin(), bars.end(), [this](const QRectF& bar) {
                          return bar.top() >= plot_.top();
                      });
                  });
}

void DenseBars::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (rects_.isEmpty()) {
        return;
    }
    paintInHalves(painter, plot_, splittable_, [this](QPainter* part, double fromX, double toX) {
        for (qsizetype column = 0; column < rects_.size(); ++column) {
            // Read only, with at(): the other half is painted at the same time.
            const QColor& colour = columns_.at(column).colour;
            const QRectF* const all = rects_.at(column).constData();
            const QRectF* const allEnd = all + rects_.at(column).size();
            // Bars go left to right; an outline reaches into the pixel beyond an edge.
            const QRectF* const first = std::partition_point(
                all, allEnd, [&](const QRectF& bar) { return bar.right() < fromX - 1; });
            const QRectF* const end = std::partition_point(
                first, allEnd, [&](const QRectF& bar) { return bar.left() <= toX + 1; });
            // Outlined in their own colour, bars narrower than a pixel stay visible as a
            // hairline each.
            part->setPen(QPen(colour, 0));
            part->setBrush(colour);
            part->drawRects(first, static_cast<int>(end - first));
        }
    });
}

}  // namespace mirtal::reports
