#include "reports/ChartView.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <limits>

#include "reports/ChartModel.h"
#include "reports/LabelThinning.h"

namespace mirtal::reports {

namespace {

// Room between two drawn row labels.
constexpr double labelGap = 12;
// Lines with more points than this are drawn as lines alone; fewer show their points too.
constexpr int mostMarkedPoints = 31;

const QMargins chartMargins(8, 4, 8, 4);

struct ValueRange {
    double low = 0;
    double high = 0;
};

ValueRange rangeOf(const ChartModel& model, bool fromZero) {
    float low = std::numeric_limits<float>::max();
    float high = std::numeric_limits<float>::lowest();
    for (int column = 1; column <= model.columnCount(); ++column) {
        const std::vector<float>& values = model.columnValues(column);
        const auto [min, max] = std::minmax_element(values.begin(), values.end());
        low = std::min(low, *min);
        high = std::max(high, *max);
    }
    if (fromZero) {
        low = std::min(low, 0.0f);
        high = std::max(high, 0.0f);
    }
    if (low == high) {
        return {low - 1.0, high + 1.0};
    }
    // A little room keeps the lowest and highest points off the frame of the plot; bars keep
    // standing on 0.
    const double room = (double(high) - low) / 20;
    return {fromZero && low == 0 ? 0.0 : low - room, fromZero && high == 0 ? 0.0 : high + room};
}

}  // namespace

ChartView::ChartView(const QString& name, QWidget* parent)
    : QChartView(parent), footnoteItem_(new QGraphicsSimpleTextItem(chart())) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    // The chart's own background fills the whole view, square, like a control of its own.
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart()->setBackgroundRoundness(0);
    chart()->setMargins(chartMargins);
    chart()->legend()->setAlignment(Qt::AlignTop);
    chart()->legend()->setVisible(false);
    footnoteItem_->setVisible(false);
    connect(chart(), &QChart::plotAreaChanged, this, &ChartView::placeRowLabels);
}

void ChartView::draw(const ChartModel& model) {
    QChart* c = chart();
    c->removeAllSeries();
    const QList<QAbstractAxis*> axes = c->axes();
    for (QAbstractAxis* axis : axes) {
        c->removeAxis(axis);
        delete axis;
    }
    rowAxis_ = nullptr;
    shownRows_.clear();

    c->setTitle(model.titleText());
    c->legend()->setVisible(model.showLegend());
    rowLabels_ = model.rowLabels();
    footnote_ = model.footnoteText();
    placeFootnote();

    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (rows == 0 || columns == 0) {
        return;
    }
    const bool bars = model.chartType() == ChartModel::ChartType::Bar2d;

    // Row r is drawn at r - 1 on a range that leaves half a row on either side.
    rowAxis_ = new QCategoryAxis;
    rowAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    rowAxis_->setRange(-0.5, rows - 0.5);
    rowAxis_->setStartValue(-0.5);
    auto* valueAxis = new QValueAxis;
    const ValueRange range = rangeOf(model, bars);
    valueAxis->setRange(range.low, range.high);
    valueAxis->applyNiceNumbers();
    valueAxis->setLabelFormat(QStringLiteral("%g"));
    c->addAxis(rowAxis_, Qt::AlignBottom);
    c->addAxis(valueAxis, Qt::AlignLeft);

    if (bars) {
        auto* series = new QBarSeries;
        for (int column = 1; column <= columns; ++column) {
            const std::vector<float>& values = model.columnValues(column);
            auto* set = new QBarSet(model.columnLabel(column));
            set->append(QList<qreal>(values.begin(), values.end()));
            series->append(set);
        }
        c->addSeries(series);
        series->attachAxis(rowAxis_);
        series->attachAxis(valueAxis);
    } else {
        for (int column = 1; column <= columns; ++column) {
            const std::vector<float>& values = model.columnValues(column);
            QList<QPointF> points;
            points.reserve(rows);
            for (int row = 0; row < rows; ++row) {
                points.append(QPointF(row, values[static_cast<std::size_t>(row)]));
            }
            auto* series = new QLineSeries;
            series->setName(model.columnLabel(column));
            series->replace(points);
            series->setPointsVisible(rows <= mostMarkedPoints);
            c->addSeries(series);
            series->attachAxis(rowAxis_);
            series->attachAxis(valueAxis);
        }
    }
    rowLabelWidth_ = widestRowLabel();
    placeRowLabels();
}

QStringList ChartView::shownRowLabels() const {
    return rowAxis_ ? rowAxis_->categoriesLabels() : QStringList();
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeFootnote();
}

void ChartView::placeRowLabels() {
    if (!rowAxis_) {
        return;
    }
    const QList<int> rows = thinnedRows(static_cast<int>(rowLabels_.size()),
                                        chart()->plotArea().width(), rowLabelWidth_ + labelGap);
    if (rows == shownRows_) {
        return;
    }
    shownRows_ = rows;
    const QStringList shown = rowAxis_->categoriesLabels();
    for (const QString& label : shown) {
        rowAxis_->remove(label);
    }
    for (const int row : rows) {
        rowAxis_->append(rowLabels_.at(row), row);
    }
}

void ChartView::placeFootnote() {
    footnoteItem_->setText(footnote_);
    footnoteItem_->setVisible(!footnote_.isEmpty());
    QMargins margins = chartMargins;
    const qreal height = footnoteItem_->boundingRect().height();
    if (!footnote_.isEmpty()) {
        margins.setBottom(margins.bottom() + static_cast<int>(height));
    }
    chart()->setMargins(margins);
    footnoteItem_->setPos(chartMargins.left(),
                          chart()->size().height() - chartMargins.bottom() - height);
}

double ChartView::widestRowLabel() const {
    // Measuring thousands of labels one by one takes longer than drawing the chart, so the
    // labels are measured by the advances of their characters; the gap between labels
    // covers what kerning would change.
    const QFontMetricsF metrics(rowAxis_->labelsFont());
    std::array<double, 128> advance{};
    for (std::size_t ch = 32; ch < advance.size(); ++ch) {
        advance[ch] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(ch)));
    }
    double widest = 0;
    for (const QString& label : rowLabels_) {
        double width = 0;
        for (const QChar ch : label) {
            const char16_t code = ch.unicode();
            width += code < advance.size() ? advance[code] : metrics.horizontalAdvance(ch);
        }
        widest = std::max(widest, width);
    }
    return widest;
}

}  // namespace mirtal::reports
