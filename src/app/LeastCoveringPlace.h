#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace mirtal::app {

// Where a window of `size` goes, wholly inside `area`, so that it covers as little of
// `keepInView` as the area allows; among equally good places, the one nearest the area's
// top-left corner. A window that does not fit in the area goes to its top-left corner.
QPoint leastCoveringPlace(const QRect& area, const QSize& size, const QRect& keepInView);

}  // namespace mirtal::app
