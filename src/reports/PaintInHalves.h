#pragma once

#include <QRectF>
#include <functional>

class QPainter;

namespace mirtal::reports {

// Paints every shape that may reach into the stretch from `fromX` to `toX` (in the painter's
// coordinates), in the order of a single pass; painting more loses nothing.
using PaintPart = std::function<void(QPainter* painter, double fromX, double toX)>;

// Paints thousands of small opaque shapes in `area`, clipped to it, in two halves at once: the
// left half on the calling thread, the right half on a worker thread into an image that is
// then laid in place. Each half paints the same shapes in the same order as a single pass
// would, so the picture is the same to the pixel; on two cores it takes about two thirds of
// the time.
//
// Only with two cores or more, and on the screen or in a grab (a raster device with the painter
// moved but not scaled, and not antialiased). There an opaque shape covers the same pixels on the
// device and in an image a whole number of pixels off if it is filled, stroked with a solid pen
// wider than a pixel, or a rectangle outlined with a hairline whose top lies inside `area`. Other
// hairlines do not: the stroker cuts them at the image's edge, which can move them by a pixel, and
// carries where it cut one line of an outline on to the next; nor, now and then by a pixel, does
// a long line that runs more across than up or down. The caller says with `splittable` whether
// its shapes are of the first kinds. Anywhere else, the picture is painted in one pass.
// `paintPart` must only read what it shares with the calling thread.
void paintInHalves(QPainter* painter, const QRectF& area, bool splittable,
                   const PaintPart& paintPart);

}  // namespace mirtal::reports
