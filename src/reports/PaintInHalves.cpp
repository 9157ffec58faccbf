#include "reports/PaintInHalves.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <future>

namespace mirtal::reports {

namespace {

void paintWhole(QPainter* painter, const QRectF& area, const PaintPart& paintPart) {
    painter->save();
    painter->setClipRect(area);
    paintPart(painter, area.left(), area.right());
    painter->restore();
}

}  // namespace

void paintInHalves(QPainter* painter, const QRectF& area, bool splittable,
                   const PaintPart& paintPart) {
    // Pixels are counted from the painter's origin before any transformation (for a widget,
    // its top left), which stands a whole number of pixels from the device's.
    const QTransform toPixels = painter->combinedTransform();
    const QPaintEngine* engine = painter->paintEngine();
    const QRect pixels = toPixels.mapRect(area).toAlignedRect();
    if (!splittable || QThread::idealThreadCount() < 2 || engine == nullptr ||
        engine->type() != QPaintEngine::Raster || toPixels.type() > QTransform::TxTranslate ||
        painter->deviceTransform().type() > QTransform::TxTranslate ||
        painter->testRenderHint(QPainter::Antialiasing) ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver || pixels.width() < 2) {
        paintWhole(painter, area, paintPart);
        return;
    }

    // The halves meet on a pixel boundary. Each paints every shape that may reach into it,
    // clipped to `area` only, as a single pass is, so that a stroke is cut in the same place.
    // The right half's image reaches a margin beyond it on every side, and only the right
    // half of it is laid over the left half's picture: there, every pixel a shape covers is
    // painted in the image, last by the last shape that covers it, as in a single pass.
    constexpr int margin = 16;
    const int split = pixels.left() + pixels.width() / 2;
    const QRect rightPixels(QPoint(split, pixels.top()), pixels.bottomRight());
    const QRect imagePixels = rightPixels.adjusted(-margin, -margin, margin, margin);
    const double splitX = toPixels.inverted().map(QPointF(split, 0)).x();

    QImage right(imagePixels.size(), QImage::Format_ARGB32_Premultiplied);
    const QPainter::RenderHints hints = painter->renderHints();
    std::promise<void> rightPainted;
    const std::future<void> rightDone = rightPainted.get_future();
    const auto paintRight = [&] {
        right.fill(Qt::transparent);
        QPainter rightPainter(&right);
        rightPainter.setRenderHints(hints);
        // Moved by whole pixels, so that every shape covers the same pixels as on the device.
        rightPainter.setTransform(
            toPixels * QTransform::fromTranslate(-imagePixels.left(), -imagePixels.top()));
        rightPainter.setClipRect(area);
        paintPart(&rightPainter, splitX, area.right());
        rightPainter.end();
        rightPainted.set_value();
    };
    if (!QThreadPool::globalInstance()->tryStart(paintRight)) {
        paintRight();  // no worker free: painted here, before the left half
    }

    painter->save();
    painter->setClipRect(area);
    paintPart(painter, area.left(), splitX);
    rightDone.wait();
    painter->resetTransform();
    painter->drawImage(rightPixels.topLeft(), right,
                       QRect(QPoint(margin, margin), rightPixels.size()));
    painter->restore();
}

}  // namespace mirtal::reports
