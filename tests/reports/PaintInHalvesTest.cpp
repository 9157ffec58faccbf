#include "reports/PaintInHalves.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QMutex>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include "support/QtApplication.h"

namespace mirtal::reports {
namespace {

// Lines in three pens, filled rectangles and bars outlined with a hairline, scattered in a
// fixed order over a 300 x 200 area and 60 pixels around it, many of them across its middle and
// its edges. The lines run more up or down than across, as a dense chart's do, every tenth of
// them a long one; every tenth rectangle is wide. The bars are thinner than a pixel, as a dense
// chart's are, and stand inside the area's top, every third of them down through its bottom
// and every seventh far beyond.
void paintShapes(QPainter* painter) {
    const std::array<QPen, 3> pens{QPen(Qt::darkBlue, 2), QPen(Qt::red, 3),
                                   QPen(Qt::darkGreen, 2.5)};
    quint32 seed = 7;
    const auto next = [&seed](int below) {
        seed = seed * 1103515245 + 12345;
        return static_cast<double>((seed >> 8) % (static_cast<quint32>(below) * 16)) / 16;
    };
    for (int i = 0; i < 3000; ++i) {
        painter->setPen(pens[static_cast<std::size_t>(i % 3)]);
        const QPointF from(next(420) - 60, next(320) - 60);
        const QPointF to = i % 10 == 0 ? from + QPointF(next(4) - 2, next(320) - 160)
                                       : from + QPointF(next(8) - 4, next(60) - 30);
        painter->drawLine(from, to);
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::magenta);
    for (int i = 0; i < 500; ++i) {
        painter->drawRect(
            QRectF(next(300), next(200), i % 10 == 0 ? next(200) : next(3), next(40)));
    }
    for (const QColor colour : {Qt::darkCyan, Qt::darkYellow}) {
        painter->setPen(QPen(colour, 0));
        painter->setBrush(colour);
        QList<QRectF> bars;
        for (int i = 0; i < 2000; ++i) {
            const double top = next(190) + 1;
            const double bottom = i % 7 == 0 ? 2000 : i % 3 == 0 ? 160 + next(80) : top + next(40);
            bars.append(QRectF(next(300) + next(1) / 7, top, next(1) / 3 + 0.01, bottom - top));
        }
        painter->drawRects(bars);
    }
}

// A widget that paints the shapes in an area a fraction of a pixel off its own pixels.
class Canvas : public QWidget {
  public:
    Canvas(QWidget* parent, QPointF shift, bool splittable)
        : QWidget(parent), shift_(shift), splittable_(splittable) {}

    QSet<QThread*> threads;
    QList<std::pair<double, double>> stretches;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.translate(shift_);
        paintInHalves(&painter, QRectF(0.25, 0.5, 290.4, 190.7), splittable_,
                      [this](QPainter* part, double fromX, double toX) {
                          noteCall(fromX, toX);
                          paintShapes(part);
                      });
    }

  private:
    void noteCall(double fromX, double toX) {
        const QMutexLocker locked(&mutex_);
        threads.insert(QThread::currentThread());
        stretches.append({fromX, toX});
    }

    QPointF shift_;
    bool splittable_;
    QMutex mutex_;
};

// The picture of a window 400 x 260 holding at `position` a canvas whose painter is moved by
// `shift`.
struct Painted {
    QImage picture;
    QSet<QThread*> threads;
    QList<std::pair<double, double>> stretches;
};

Painted paintedCanvas(QPoint position, QPointF shift, bool splittable) {
    QWidget window;
    window.resize(400, 260);
    auto* canvas = new Canvas(&window, shift, splittable);
    canvas->setGeometry(QRect(position, QSize(300, 200)));
    Painted painted{window.grab().toImage(), {}, {}};
    painted.threads = canvas->threads;
    painted.stretches = canvas->stretches;
    return painted;
}

class PaintInHalvesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureQtApplication(); }
};

TEST_F(PaintInHalvesTest, TwoThreadsPaintTheSamePixelsAsOnePass) {
    if (QThread::idealThreadCount() < 2) {
        GTEST_SKIP() << "one core: every picture is painted in one pass";
    }
    // At the window's corner, and further in, where the widget's painter is moved onto the
    // window's pixels; moved by fractions of a pixel, and by none.
    const std::array<std::pair<QPoint, QPointF>, 3> placings{
        {{QPoint(0, 0), QPointF(3.3, 1.6)},
         {QPoint(37, 21), QPointF(0, 0)},
         {QPoint(71, 59), QPointF(0.5, 7.71)}}};
    for (const auto& [position, shift] : placings) {
        SCOPED_TRACE(position.x());
        Painted halves = paintedCanvas(position, shift, true);
        // Either half may start first.
        std::sort(halves.stretches.begin(), halves.stretches.end());
        const Painted whole = paintedCanvas(position, shift, false);
        ASSERT_EQ(halves.threads.size(), 2);
        ASSERT_EQ(halves.stretches.size(), 2);
        // The halves meet in the middle of the area, 0.25 to 290.65.
        EXPECT_EQ(halves.stretches[0].first, 0.25);
        EXPECT_EQ(halves.stretches[0].second, halves.stretches[1].first);
        EXPECT_NEAR(halves.stretches[1].first, 145.5, 1);
        EXPECT_EQ(halves.stretches[1].second, 290.65);
        ASSERT_EQ(whole.stretches.size(), 1);

        ASSERT_EQ(halves.picture.size(), whole.picture.size());
        int differing = 0;
        for (int y = 0; y < whole.picture.height(); ++y) {
            for (int x = 0; x < whole.picture.width(); ++x) {
                differing += halves.picture.pixel(x, y) != whole.picture.pixel(x, y);
            }
        }
        EXPECT_EQ(differing, 0);
        // And the shapes were painted, clipped to the area.
        EXPECT_NE(whole.picture.pixel(position + QPoint(150, 100)), whole.picture.pixel(0, 0));
    }
}

TEST_F(PaintInHalvesTest, APrinterOrAScaledPainterGetsOnePass) {
    QTemporaryDir folder;
    QPdfWriter pdf(folder.filePath(QStringLiteral("shapes.pdf")));
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter onPdf(&pdf);
    QPainter scaled(&image);
    scaled.scale(2, 2);
    for (QPainter* painter : {&onPdf, &scaled}) {
        QList<std::pair<double, double>> stretches;
        paintInHalves(painter, QRectF(0.25, 0.5, 290.4, 190.7), true,
                      [&stretches](QPainter* part, double fromX, double toX) {
                          stretches.append({fromX, toX});
                          paintShapes(part);
                      });
        EXPECT_EQ(stretches, (QList<std::pair<double, double>>{{0.25, 290.65}}));
    }
}

}  // namespace
}  // namespace mirtal::reports
