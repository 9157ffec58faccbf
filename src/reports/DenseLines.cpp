#include "reports/DenseLines.h"

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
// Row r stands at r on a range that leaves half a row on either side.
constexpr double firstX = -0.5;

}  // namespace

DenseLines::DenseLines(QGraphicsItem* parent) : QGraphicsItem(parent) {
    setZValue(seriesLayer);
    setAcceptedMouseButtons(Qt::NoButton);
}

void DenseLines::setLines(QList<Line> lines, double low, double high) {
    prepareGeometryChange();
    lines_ = std::move(lines);
    low_ = low;
    high_ = high;
    thinOut();
    update();
}

void DenseLines::setPlotArea(const QRectF& plot) {
    if (plot != plot_) {
        prepareGeometryChange();
        plot_ = plot;
        setPos(plot.topLeft());
        thinOut();
    }
}

QRectF DenseLines::boundingRect() const {
    double widest = 1;
    for (const Line& line : lines_) {
        widest = std::max(widest, line.pen.widthF());
    }
    return QRectF(QPointF(0, 0), plot_.size()).adjusted(-widest, -widest, widest, widest);
}

void DenseLines::thinOut() {
    segments_.clear();
    if (lines_.isEmpty() || plot_.isEmpty() || high_ <= low_) {
        return;
    }
    for (const Line& line : std::as_const(lines_)) {
        const std::vector<float>& values = line.values;
        const std::size_t rows = values.size();
        // The same arithmetic as Qt Charts', so that every point kept lands where it would.
        const double lastX = static_cast<double>(rows) - 0.5;
        const double deltaX = plot_.width() / (lastX - firstX);
        const double deltaY = plot_.height() / (high_ - low_);
        const auto pointAt = [&](std::size_t row) {
            return QPointF((static_cast<double>(row) - firstX) * deltaX,
                           (static_cast<double>(values[row]) - low_) * -deltaY + plot_.height());
        };
        const auto columnOf = [&](std::size_t row) {
            return std::floor(pointAt(row).x() + plot_.left());
        };

        QList<QPointF> kept;
        std::size_t first = 0;
        while (first < rows) {
            const double column = columnOf(first);
            std::size_t lowest = first;
            std::size_t highest = first;
            std::size_t last = first;
            while (last + 1 < rows && columnOf(last + 1) == column) {
                ++last;
                lowest = values[last] < values[lowest] ? last : lowest;
                highest = values[last] > values[highest] ? last : highest;
            }
            std::array<std::size_t, 4> rowsKept{first, lowest, highest, last};
            std::sort(rowsKept.begin(), rowsKept.end());
            const auto end = std::unique(rowsKept.begin(), rowsKept.end());
            for (auto row = rowsKept.begin(); row != end; ++row) {
                kept.append(pointAt(*row));
            }
            first = last + 1;
        }
        QList<QLineF> segments;
        segments.reserve(kept.size());
        for (qsizetype i = 1; i < kept.size(); ++i) {
            segments.append(QLineF(kept[i - 1], kept[i]));
        }
        segments_.append(std::move(segments));
    }
}

void DenseLines::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (segments_.isEmpty()) {
        return;
    }
    // Clipped as Qt Charts clips its lines: the plot, widened by up to half a pixel so that a
    // line along its edge is drawn whole.
    QRectF clip(QPointF(0, 0), plot_.size());
    const double x1 = pos().x() - std::trunc(pos().x());
    const double y1 = pos().y() - std::trunc(pos().y());
    const double x2 = (clip.width() + 0.5) - std::trunc(clip.width() + 0.5);
    const double y2 = (clip.height() + 0.5) - std::trunc(clip.height() + 0.5);
    clip.adjust(-x1, -y1, std::max(x1, x2), std::max(y1, y2));
    // Every segment spans two pixel columns at most; halves paint them alike unless a pen is
    // a hairline or lets the picture beneath show through.
    const bool splittable = std::all_of(lines_.begin(), lines_.end(), [](const Line& line) {
        return line.pen.style() == Qt::SolidLine && line.pen.color().alpha() == 255 &&
               !line.pen.isCosmetic() && line.pen.widthF() > 1;
    });
    paintInHalves(painter, clip, splittable, [this](QPainter* part, double fromX, double toX) {
        for (qsizetype i = 0; i < segments_.size(); ++i) {
            // Read only, with at(): the other half is painted at the same time.
            const QPen& pen = lines_.at(i).pen;
            // A segment's stroke reaches half the pen's width beyond its ends, and its square
            // cap as far again.
            const double reach = pen.widthF() + 1;
            const QLineF* const all = segments_.at(i).constData();
            const QLineF* const allEnd = all + segments_.at(i).size();
            // Rows go left to right, and so do the segments and both their ends.
            const QLineF* const first = std::partition_point(
                all, allEnd, [&](const QLineF& s) { return s.x2() < fromX - reach; });
            const QLineF* const end = std::partition_point(
                first, allEnd, [&](const QLineF& s) { return s.x1() <= toX + reach; });
            part->setPen(pen);
            // Separate segments, stroked each on its own as Qt Charts strokes them, so that
            // the joins look the same; handed over in one call, which spares the painter's
            // work per call.
            part->drawLines(first, static_cast<int>(end - first));
        }
    });
}

}  // namespace mirtal::reports
