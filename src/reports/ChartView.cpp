#include "reports/ChartView.h"

#include <QAction>
#include <QActionGroup>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLegend>
#include <QLineSeries>
#include <QMenu>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "reports/ChartFiles.h"
#include "reports/ChartModel.h"
#include "reports/ChartSummary.h"
#include "reports/ChartViewAccessibility.h"
#include "reports/DenseBars.h"
#include "reports/DenseLines.h"
#include "reports/LabelThinning.h"

namespace mirtal::reports {

namespace {

// Room between two drawn row labels, and between the plot and the labels.
constexpr double labelGap = 12;
constexpr double labelPadding = 6;
// Lines with more points than this are drawn as lines alone; fewer show their points too.
constexpr int mostMarkedPoints = 31;

const QMargins chartMargins(8, 4, 8, 4);

// The value axis: a range a little wider than the values, widened further to whole steps of 1,
// 2, 2.5 or 5 times a power of ten, with a tick at every step.
struct ValueScale {
    double low = 0;
    double high = 0;
    int ticks = 0;
};

ValueScale scaleOf(const ChartModel& model, bool fromZero) {
    float min = std::numeric_limits<float>::max();
    float max = std::numeric_limits<float>::lowest();
    for (int column = 1; column <= model.columnCount(); ++column) {
        const std::vector<float>& values = model.columnValues(column);
        const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
        min = std::min(min, *lowest);
        max = std::max(max, *highest);
    }
    double low = min;
    double high = max;
    if (fromZero) {
        // Bars stand on 0.
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    if (low == high) {
        low -= 1;
        high += 1;
    }
    // A little room keeps the lowest and highest points off the frame of the plot.
    const double room = (high - low) / 20;
    low = fromZero && low == 0 ? 0 : low - room;
    high = fromZero && high == 0 ? 0 : high + room;

    const double roughStep = (high - low) / 4;
    const double power = std::pow(10.0, std::floor(std::log10(roughStep)));
    double step = 10 * power;
    for (const double multiple : {1.0, 2.0, 2.5, 5.0}) {
        if (multiple * power >= roughStep) {
            step = multiple * power;
            break;
        }
    }
    const double first = std::floor(low / step) * step;
    const double last = std::ceil(high / step) * step;
    return {first, last, static_cast<int>(std::lround((last - first) / step)) + 1};
}

}  // namespace

ChartView::ChartView(const QString& name, Tell tell, QWidget* parent)
    : QChartView(parent),
      footnoteItem_(new QGraphicsSimpleTextItem(chart())),
      noteItem_(new QGraphicsSimpleTextItem(chart())),
      planStatusItem_(new QGraphicsSimpleTextItem(chart())),
      rowAxis_(new QCategoryAxis),
      valueAxis_(new QValueAxis),
      offPlotAxis_(new QValueAxis),
      denseBars_(new DenseBars(chart())),
      flatAxis_(new QValueAxis),
      denseLines_(new DenseLines(chart())),
      tell_(std::move(tell)),
      chooseFile_([this](const QString& caption, const QString& suggested, const QString& filter) {
          return chooseFileInDialog(caption, suggested, filter);
      }) {
    installChartViewAccessibility();
    setObjectName(name);
    describe(ChartModel());
    setFrameShape(QFrame::NoFrame);
    // The chart's own background fills the whole view, square, like a control of its own.
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart()->setBackgroundRoundness(0);
    chart()->setMargins(chartMargins);
    chart()->legend()->setAlignment(Qt::AlignTop);
    chart()->legend()->setVisible(false);
    footnoteItem_->setVisible(false);
    QFont noteFont = chart()->titleFont();
    noteFont.setBold(false);
    noteItem_->setFont(noteFont);
    noteItem_->setBrush(chart()->titleBrush());
    noteItem_->setVisible(false);
    planStatusItem_->setFont(noteFont);
    planStatusFont_ = noteFont;
    planStatusItem_->setBrush(chart()->titleBrush());
    planStatusItem_->setVisible(false);
    qreal left = 0;
    qreal top = 0;
    qreal right = 0;
    qreal bottom = 0;
    chart()->legend()->getContentsMargins(&left, &top, &right, &bottom);
    legendMargins_ = QMarginsF(left, top, right, bottom);
    // The axis draws the grid lines; the view draws the row labels under them.
    rowAxis_->setLabelsVisible(false);
    valueAxis_->setLabelFormat(QStringLiteral("%g"));
    chart()->addAxis(rowAxis_, Qt::AlignBottom);
    chart()->addAxis(valueAxis_, Qt::AlignLeft);
    rowAxis_->setVisible(false);
    valueAxis_->setVisible(false);
    offPlotAxis_->setRange(-2, -1);
    chart()->addAxis(offPlotAxis_, Qt::AlignBottom);
    offPlotAxis_->setVisible(false);
    flatAxis_->setRange(0, 0);
    chart()->addAxis(flatAxis_, Qt::AlignLeft);
    flatAxis_->setVisible(false);
    connect(chart(), &QChart::plotAreaChanged, this, &ChartView::placeRowLabels);
    connect(chart(), &QChart::plotAreaChanged, this, [this](const QRectF& plot) {
        denseBars_->setPlotArea(plot);
        denseLines_->setPlotArea(plot);
    });
    connect(chart(), &QChart::plotAreaChanged, this, &ChartView::placeNote);
    connect(chart()->legend(), &QGraphicsWidget::geometryChanged, this,
            &ChartView::placePlanStatus);
    buildMenu();
}

QAction* ChartView::addMenuItem(const char* name, const QString& text) {
    auto* item = new QAction(text, this);
    item->setObjectName(QLatin1String(name));
    addAction(item);
    return item;
}

void ChartView::buildMenu() {
    connect(addMenuItem("savePng", QStringLiteral("Save chart as PNG...")), &QAction::triggered,
            this, [this] {
                saveAs(QStringLiteral("Save chart as PNG"), QStringLiteral("png"),
                       QStringLiteral("PNG pictures (*.png)"), QStandardPaths::PicturesLocation,
                       saveChartAsPng);
            });
    connect(addMenuItem("savePdf", QStringLiteral("Save chart as PDF...")), &QAction::triggered,
            this, [this] {
                saveAs(QStringLiteral("Save chart as PDF"), QStringLiteral("pdf"),
                       QStringLiteral("PDF documents (*.pdf)"), QStandardPaths::DocumentsLocation,
                       saveChartAsPdf);
            });
    connect(addMenuItem("copyChart", QStringLiteral("Copy chart")), &QAction::triggered, this,
            [this] { copyChart(this); });
    addMenuItem("trendSeparator", QString())->setSeparator(true);
    showTrend_ = addMenuItem("showTrend", QStringLiteral("Show trend"));
    showTrend_->setCheckable(true);
    showTrend_->setEnabled(false);
    showPlan_ = addMenuItem("showPlan", QStringLiteral("Show plan"));
    showPlan_->setCheckable(true);
    showPlan_->setEnabled(false);

    addMenuItem("groupingSeparator", QString())->setSeparator(true);
    grouping_ = new QActionGroup(this);
    showDays_ = addMenuItem("showDays", QStringLiteral("By day"));
    showWeeks_ = addMenuItem("showWeeks", QStringLiteral("By week"));
    showMonths_ = addMenuItem("showMonths", QStringLiteral("By month"));
    for (QAction* item : {showDays_, showWeeks_, showMonths_}) {
        item->setCheckable(true);
        item->setEnabled(false);
        grouping_->addAction(item);
    }
    showDays_->setChecked(true);

    addMenuItem("summarySeparator", QString())->setSeparator(true);
    showSummary_ = addMenuItem("showSummary", QStringLiteral("Summary..."));
    showSummary_->setEnabled(false);
}

Grouping ChartView::grouping() const {
    return showWeeks_->isChecked()    ? Grouping::Weeks
           : showMonths_->isChecked() ? Grouping::Months
                                      : Grouping::Days;
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // The platform sends the Menu key as a menu event too; the key itself opens the menu (see
    // keyPressEvent), so that it opens once and on every platform.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        openMenuAt(event->globalPos());
    }
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
    showMenu();
}

void ChartView::showMenu() {
    openMenuAt(mapToGlobal(rect().center()));
}

void ChartView::openMenuAt(const QPoint& globalPos) {
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(globalPos);
}

void ChartView::describe(const ChartModel& model) {
    setAccessibleName(model.titleText().isEmpty() ? QStringLiteral("Chart") : model.titleText());
    setAccessibleDescription(chartSummary(model));
}

void ChartView::saveAs(const QString& caption, const QString& suffix, const QString& filter,
                       QStandardPaths::StandardLocation firstFolder,
                       QString (*save)(QChartView*, const QString&)) {
    const QString title = chart()->title().isEmpty() ? QStringLiteral("Chart") : chart()->title();
    QString folder = lastFolder_;
    if (folder.isEmpty()) {
        // A dialog shown a folder that is not there would open in the current one instead.
        folder = QStandardPaths::writableLocation(firstFolder);
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
            folder = QDir::homePath();
        }
    }
    const QString path = chooseFile_(caption, QDir(folder).filePath(title + u'.' + suffix), filter);
    if (path.isEmpty()) {
        return;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    const QString failure = save(this, path);
    if (!failure.isEmpty()) {
        tell_(QStringLiteral("The chart could not be saved as ") + QDir::toNativeSeparators(path) +
              QStringLiteral(": ") + failure + u'.');
    }
}

QString ChartView::chooseFileInDialog(const QString& caption, const QString& suggested,
                                      const QString& filter) {
    QFileDialog dialog(this, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its ending gets the one of the chosen type.
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

void ChartView::draw(const ChartModel& model, const QString& note, const QString& planStatus) {
    QChart* c = chart();
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    const bool drawn = note.isEmpty() && rows > 0 && columns > 0;
    const bool bars = model.chartType() == ChartModel::ChartType::Bar2d;
    // The lines of the chart before are kept when as many lines come: Qt Charts builds a
    // legend marker and lays out its text for every series added, which takes a good part of
    // drawing a chart.
    const QList<QLineSeries*> keptLines =
        drawn && !bars ? linesToKeep(columns) : QList<QLineSeries*>();
    if (keptLines.isEmpty()) {
        c->removeAllSeries();
    }
    // Before the series come, so that a line that comes or goes lays them out only once.
    setPlanStatus(planStatus);
    denseBars_->setBars({}, 0, 1);
    denseLines_->setLines({}, 0, 1);
    c->setTitle(model.titleText());
    describe(model);
    c->legend()->setVisible(model.showLegend() && note.isEmpty());
    rowLabels_ = model.rowLabels();
    footnote_ = model.footnoteText();
    placeFootnote();
    note_ = note;
    placeNote();

    rowAxis_->setVisible(drawn);
    valueAxis_->setVisible(drawn);
    if (!drawn) {
        placeRowLabels();
        return;
    }
    // Set once and before the series come: every change of range lays every point out again.
    // Row r is drawn at r - 1 on a range that leaves half a row on either side.
    rowAxis_->setRange(-0.5, rows - 0.5);
    rowAxis_->setStartValue(-0.5);
    const ValueScale scale = scaleOf(model, bars);
    valueAxis_->setTickCount(scale.ticks);
    valueAxis_->setRange(scale.low, scale.high);

    if (bars) {
        // The bars of a row share half of its width.
        const double plotWidth = c->plotArea().isEmpty() ? width() : c->plotArea().width();
        const bool dense = 2.0 * rows * columns > plotWidth;
        auto* series = new QBarSeries;
        c->addSeries(series);
        // Qt Charts builds bar items only for the rows inside its series' horizontal range:
        // a series whose bars are thinner than a pixel gets a range beside the plot, where it
        // builds one clipped-away item per set, and its bars are painted by denseBars_.
        series->attachAxis(dense ? offPlotAxis_ : rowAxis_);
        series->attachAxis(valueAxis_);
        // The sets come in one call once the axes are attached, so the bars are laid out once.
        QList<QBarSet*> sets;
        for (int column = 1; column <= columns; ++column) {
            const std::vector<float>& values = model.columnValues(column);
            auto* set = new QBarSet(model.columnLabel(column));
            set->append(QList<qreal>(values.begin(), values.end()));
            sets.append(set);
        }
        series->append(sets);
        // Bars a few pixels wide or narrower would vanish inside their light outline; outlined
        // in their own colour, they stay visible down to a hairline each.
        if (rows * columns > width() / 3) {
            for (QBarSet* set : series->barSets()) {
                set->setPen(QPen(set->color(), 0));
            }
        }
        if (dense) {
            QList<DenseBars::Column> painted;
            for (int column = 1; column <= columns; ++column) {
                painted.append({sets[column - 1]->color(), model.columnValues(column)});
            }
            denseBars_->setBars(std::move(painted), scale.low, scale.high);
        }
    } else {
        // More points than pixel columns: the lines are painted by denseLines_.
        const double plotWidth = c->plotArea().isEmpty() ? width() : c->plotArea().width();
        const bool dense = rows > plotWidth;
        QList<QLineSeries*> series;
        for (int column = 1; column <= columns; ++column) {
            QLineSeries* line = keptLines.value(column - 1);
            const bool kept = line != nullptr;
            if (kept) {
                line->clear();  // its old points are not laid out again below
            } else {
                line = new QLineSeries;
            }
            line->setName(model.columnLabel(column));
            line->setPointsVisible(rows <= mostMarkedPoints);
            if (!kept) {
                c->addSeries(line);
            }
            const QList<QAbstractAxis*> axes{dense ? offPlotAxis_ : rowAxis_,
                                             dense ? flatAxis_ : valueAxis_};
            if (line->attachedAxes() != axes) {
                for (QAbstractAxis* axis : line->attachedAxes()) {
                    line->detachAxis(axis);
                }
                for (QAbstractAxis* axis : axes) {
                    line->attachAxis(axis);
                }
            }
            series.append(line);
        }
        // Laid out while the lines are still empty: Qt Charts lays every point of every line
        // out again whenever the plot changes size, as it does when the legend or the plan's
        // status line comes or goes.
        layOutNow();
        QList<DenseLines::Line> painted;
        for (int column = 1; column <= columns; ++column) {
            const std::vector<float>& values = model.columnValues(column);
            QList<QPointF> points;
            points.reserve(rows);
            for (int row = 0; row < rows; ++row) {
                points.append(QPointF(row, values[static_cast<std::size_t>(row)]));
            }
            QLineSeries* line = series[column - 1];
            if (dense) {
                // Kept from Qt Charts, which would lay every point out once more.
                const QSignalBlocker quiet(line);
                line->replace(points);
                painted.append({line->pen(), values});
            } else {
                line->replace(points);
            }
        }
        denseLines_->setLines(std::move(painted), scale.low, scale.high);
    }
    rowLabelWidth_ = widestRowLabel();
    placeRowLabels();
    // Laid out now rather than when the event loop comes to it, which may be after the first
    // paint: the chart and its legend are then painted once, already in their final places.
    layOutNow();
}

QList<QLineSeries*> ChartView::linesToKeep(int count) const {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* series : chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        if (line == nullptr) {
            return {};
        }
        lines.append(line);
    }
    return lines.size() == count ? lines : QList<QLineSeries*>();
}

void ChartView::layOutNow() {
    chart()->layout()->activate();
    chart()->legend()->layout()->activate();
}

QStringList ChartView::shownRowLabels() const {
    QStringList shown;
    for (int i = 0; i < shownCount_; ++i) {
        shown << rowLabelItems_[i]->text();
    }
    return shown;
}

QList<QRectF> ChartView::shownRowLabelRects() const {
    QList<QRectF> rects;
    for (int i = 0; i < shownCount_; ++i) {
        rects << rowLabelItems_[i]->mapRectToParent(rowLabelItems_[i]->boundingRect());
    }
    return rects;
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeFootnote();
}

void ChartView::placeRowLabels() {
    const int rows = rowLabels_.size();
    if (!rowAxis_->isVisible() || rows == 0) {
        shownCount_ = 0;
        for (QGraphicsSimpleTextItem* item : std::as_const(rowLabelItems_)) {
            item->setVisible(false);
        }
        return;
    }
    const QRectF plot = chart()->plotArea();
    const QFontMetricsF metrics(rowAxis_->labelsFont());
    const double rowWidth = plot.width() / rows;
    const double leftmost = chartMargins.left();
    const double rightmost = chart()->size().width() - chartMargins.right();

    // Each label is centred under its row, but never beyond the chart's edges.
    struct Placed {
        int row;
        double left;
        double right;
    };
    QList<Placed> placed;
    for (const int row : thinnedRows(rows, plot.width(), rowLabelWidth_ + labelGap)) {
        const double width = metrics.horizontalAdvance(rowLabels_.at(row).toString());
        const double centre = plot.left() + (row + 0.5) * rowWidth;
        const double left = std::max(leftmost, std::min(centre - width / 2, rightmost - width));
        placed.append({row, left, left + width});
    }
    // The first and last labels, pushed inward by an edge, may meet their neighbours, which
    // then give way; when only those two are left and still meet, the first stays alone.
    while (placed.size() > 2 && placed[0].right + labelGap > placed[1].left) {
        placed.removeAt(1);
    }
    while (placed.size() > 2 &&
           placed[placed.size() - 2].right + labelGap > placed[placed.size() - 1].left) {
        placed.removeAt(placed.size() - 2);
    }
    if (placed.size() == 2 && placed[0].right + labelGap > placed[1].left) {
        placed.removeLast();
    }

    QList<int> shownRows;
    for (const Placed& p : std::as_const(placed)) {
        shownRows << p.row;
    }
    showRowGridLines(shownRows);

    while (rowLabelItems_.size() < placed.size()) {
        auto* item = new QGraphicsSimpleTextItem(chart());
        item->setFont(rowAxis_->labelsFont());
        item->setBrush(rowAxis_->labelsBrush());
        rowLabelItems_.append(item);
    }
    shownCount_ = static_cast<int>(placed.size());
    for (int i = 0; i < rowLabelItems_.size(); ++i) {
        QGraphicsSimpleTextItem* item = rowLabelItems_[i];
        item->setVisible(i < shownCount_);
        if (i < shownCount_) {
            item->setText(rowLabels_.at(placed[i].row).toString());
            item->setPos(placed[i].left, plot.bottom() + labelPadding);
        }
    }
}

// The vertical grid lines stand at the rows whose labels are drawn.
void ChartView::showRowGridLines(const QList<int>& rows) {
    if (rows == gridRows_) {
        return;
    }
    gridRows_ = rows;
    const QStringList lines = rowAxis_->categoriesLabels();
    for (const QString& line : lines) {
        rowAxis_->remove(line);
    }
    for (const int row : rows) {
        rowAxis_->append(QString::number(row), row);
    }
}

void ChartView::placeFootnote() {
    footnoteItem_->setText(footnote_);
    footnoteItem_->setVisible(!footnote_.isEmpty());
    const qreal footnoteHeight = footnote_.isEmpty() ? 0 : footnoteItem_->boundingRect().height();
    const qreal rowLabelHeight = QFontMetricsF(rowAxis_->labelsFont()).height() + labelPadding;
    QMargins margins = chartMargins;
    margins.setBottom(margins.bottom() +
                      static_cast<int>(std::ceil(rowLabelHeight + footnoteHeight)));
    chart()->setMargins(margins);
    footnoteItem_->setPos(chartMargins.left(),
                          chart()->size().height() - chartMargins.bottom() - footnoteHeight);
}

void ChartView::setPlanStatus(const QString& status) {
    planStatus_ = status;
    planStatusItem_->setFont(planStatusFont_);
    planStatusItem_->setText(status);
    // The legend grows at its foot by the line's height; the line stands in that room.
    const qreal height = status.isEmpty() ? 0 : planStatusItem_->boundingRect().height();
    if (height != planStatusRoom_) {
        planStatusRoom_ = height;
        chart()->legend()->setContentsMargins(legendMargins_ + QMarginsF(0, 0, 0, height));
        chart()->layout()->activate();
    }
    placePlanStatus();
}

void ChartView::placePlanStatus() {
    const bool shown = !planStatus_.isEmpty() && chart()->legend()->isVisible();
    planStatusItem_->setVisible(shown);
    if (!shown) {
        return;
    }
    // A line wider than the chart is written smaller, so that it stays whole and on one line.
    QFont font = planStatusFont_;
    const qreal room = chart()->size().width() - chartMargins.left() - chartMargins.right();
    const qreal wide = QFontMetricsF(font).horizontalAdvance(planStatus_);
    if (wide > room && room > 0) {
        font.setPointSizeF(std::max(6.0, font.pointSizeF() * room / wide));
    }
    planStatusItem_->setFont(font);
    const QRectF legend = chart()->legend()->geometry();
    const QRectF line = planStatusItem_->boundingRect();
    planStatusItem_->setPos(
        std::max<qreal>(chartMargins.left(), legend.center().x() - line.width() / 2),
        legend.bottom() - legendMargins_.bottom() - line.height());
}

void ChartView::placeNote() {
    noteItem_->setText(note_);
    noteItem_->setVisible(!note_.isEmpty());
    noteItem_->setPos(chart()->plotArea().center() - noteItem_->boundingRect().center());
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
    for (int row = 0; row < rowLabels_.size(); ++row) {
        double width = 0;
        for (const QChar ch : rowLabels_.at(row)) {
            const char16_t code = ch.unicode();
            width += code < advance.size() ? advance[code] : metrics.horizontalAdvance(ch);
        }
        widest = std::max(widest, width);
    }
    return widest;
}

}  // namespace mirtal::reports
