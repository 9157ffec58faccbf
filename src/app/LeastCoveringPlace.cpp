#include "app/LeastCoveringPlace.h"

#include <algorithm>
#include <array>

namespace mirtal::app {

namespace {

// The covered length along one axis changes its slope only where an edge of the window meets
// an edge of the covered span, or at the ends of the room: the least of it is at one of these.
std::array<int, 6> turningPoints(int first, int last, int coveredStart, int coveredEnd,
                                 int length) {
    std::array<int, 6> points{first,        last,      coveredStart - length, coveredEnd - length,
                              coveredStart, coveredEnd};
    for (int& point : points) {
        point = std::clamp(point, first, last);
    }
    return points;
}

}  // namespace

QPoint leastCoveringPlace(const QRect& area, const QSize& size, const QRect& keepInView) {
    if (size.width() > area.width() || size.height() > area.height()) {
        return area.topLeft();
    }
    const auto xs = turningPoints(area.left(), area.right() + 1 - size.width(), keepInView.left(),
                                  keepInView.right() + 1, size.width());
    const auto ys = turningPoints(area.top(), area.bottom() + 1 - size.height(), keepInView.top(),
                                  keepInView.bottom() + 1, size.height());
    QPoint best = area.topLeft();
    qint64 leastCovered = -1;
    for (const int y : ys) {
        for (const int x : xs) {
            const QRect covered = QRect(QPoint(x, y), size).intersected(keepInView);
            const qint64 amount =
                covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
            const QPoint place(x, y);
            const auto distance = [&area](QPoint p) {
                return (p - area.topLeft()).manhattanLength();
            };
            if (leastCovered < 0 || amount < leastCovered ||
                (amount == leastCovered && distance(place) < distance(best))) {
                leastCovered = amount;
                best = place;
            }
        }
    }
    return best;
}

}  // namespace mirtal::app
