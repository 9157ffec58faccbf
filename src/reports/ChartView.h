#pragma once

#include <QChartView>
#include <QFont>
#include <QMarginsF>
#include <QStandardPaths>
#include <QStringList>
#include <functional>
#include <utility>

#include "reports/RowGrouping.h"
#include "reports/RowLabelList.h"

class QAction;
class QActionGroup;
class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace mirtal::reports {

class ChartModel;
class DenseBars;
class DenseLines;

// The report chart on screen (MSChart1): draws a chart model as a line chart (one line per
// column) or a bar chart (one bar set per column), named by the column labels, with the title
// above, the legend, and the footnote under the plot. Every value is in the series; the
// horizontal axis draws only as many row labels as fit without overlapping, and the full list
// stays readable in rowLabels, as the footnote does in footnote. A chart with nothing to show
// holds a note in place of the plot, readable in note.
//
// Its context menu saves the chart as a PNG or PDF file, copies it to the clipboard, and holds
// what the window reads when it draws: by day, by week or by month, "Show trend" and "Show
// plan"; and "Summary...", which the window answers. The Menu key and Shift+F10 open it too.
// Under the legend a line may say how the measurement keeps to its plan, readable in
// planStatus. A screen reader hears the chart's title as its name and a summary of what it
// draws as its description.
class ChartView : public QChartView {
    Q_OBJECT
    Q_PROPERTY(QStringList rowLabels READ rowLabels)
    Q_PROPERTY(QString footnote READ footnote)
    Q_PROPERTY(QString note READ note)
    Q_PROPERTY(QString planStatus READ planStatus)
  public:
    // Tells the user what went wrong; a message box in the program.
    using Tell = std::function<void(const QString&)>;
    // Asks where to save the chart: the dialog's caption, the file suggested and the filter of
    // file types; an empty answer saves nothing.
    using FileChooser = std::function<QString(const QString& caption, const QString& suggested,
                                              const QString& filter)>;

    ChartView(const QString& name, Tell tell, QWidget* parent = nullptr);

    // "Show trend": checkable and off at first. The window enables it while the chart shows a
    // report that has a trend and redraws when it is toggled.
    QAction* trendAction() const { return showTrend_; }
    // "By day", "By week", "By month": one of them checked, by day at first; the window
    // enables them while the chart shows rows and redraws when another is picked.
    QActionGroup* groupingItems() const { return grouping_; }
    Grouping grouping() const;
    // "Show plan": checkable and off at first, enabled by the window like "Show trend".
    QAction* planAction() const { return showPlan_; }
    // "Summary...": the window opens the summary when it is triggered.
    QAction* summaryAction() const { return showSummary_; }
    // In place of the save dialog, so that tests can answer it.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Replaces what the chart shows by the model's content. With a note, the plot shows the
    // note in place of the model's values, rows and legend; the title and footnote stay the
    // model's. `planStatus` is the line under the legend; empty for none.
    void draw(const ChartModel& model, const QString& note = QString(),
              const QString& planStatus = QString());

    // Every row's label, made for the asking: a twenty-year chart's are thousands of strings.
    QStringList rowLabels() const { return rowLabels_.toList(); }
    const QString& footnote() const { return footnote_; }
    const QString& note() const { return note_; }
    const QString& planStatus() const { return planStatus_; }
    // The row labels drawn under the plot now, in row order, and where they stand in the
    // chart.
    QStringList shownRowLabels() const;
    QList<QRectF> shownRowLabelRects() const;

    // Opens the context menu in the middle of the chart, as the keys do.
    void showMenu();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QAction* addMenuItem(const char* name, const QString& text);
    void buildMenu();
    void openMenuAt(const QPoint& globalPos);
    void describe(const ChartModel& model);
    // Asks for a file (`suffix` names its type) and writes the chart into it with `save`,
    // which answers what went wrong, if anything. The dialog opens in `firstFolder` (the home
    // folder when there is none) until a chart is saved, then where the last one was.
    void saveAs(const QString& caption, const QString& suffix, const QString& filter,
                QStandardPaths::StandardLocation firstFolder,
                QString (*save)(QChartView*, const QString&));
    QString chooseFileInDialog(const QString& caption, const QString& suggested,
                               const QString& filter);
    void placeRowLabels();
    // The chart's series, if they are `count` lines; none otherwise.
    QList<QLineSeries*> linesToKeep(int count) const;
    // Lays the chart and its legend out at once instead of on the next turn of the event loop.
    void layOutNow();
    // Keeps room under the plot for the row labels and the footnote, and puts the footnote
    // at the bottom.
    void placeFootnote();
    // In the middle of the plot.
    void placeNote();
    // The legend keeps room at its foot for the line under it.
    void setPlanStatus(const QString& status);
    void placePlanStatus();
    double widestRowLabel() const;
    void showRowGridLines(const QList<int>& rows);

    RowLabelList rowLabels_;
    QString footnote_;
    QGraphicsSimpleTextItem* footnoteItem_;
    QString note_;
    QGraphicsSimpleTextItem* noteItem_;
    QString planStatus_;
    QGraphicsSimpleTextItem* planStatusItem_;
    QFont planStatusFont_;
    // The legend's own margins, to which the line's room is added.
    QMarginsF legendMargins_;
    qreal planStatusRoom_ = 0;
    // The axes stay for the life of the view and are hidden while there is no series.
    QCategoryAxis* rowAxis_;
    QValueAxis* valueAxis_;
    // Hidden, beside the plot: bar series too dense for an item per bar are attached to it.
    QValueAxis* offPlotAxis_;
    DenseBars* denseBars_;
    // Hidden and of no height: line series with more points than the plot has pixel columns
    // are attached to it and to offPlotAxis_, where Qt Charts lays none of their points out,
    // and their lines are painted by denseLines_.
    QValueAxis* flatAxis_;
    DenseLines* denseLines_;
    double rowLabelWidth_ = 0;
    QList<int> gridRows_;
    // Reused from one placement to the next; those beyond the labels shown are hidden.
    QList<QGraphicsSimpleTextItem*> rowLabelItems_;
    int shownCount_ = 0;

    Tell tell_;
    FileChooser chooseFile_;
    // Where the last chart was saved, empty before the first.
    QString lastFolder_;
    QAction* showTrend_ = nullptr;
    QActionGroup* grouping_ = nullptr;
    QAction* showDays_ = nullptr;
    QAction* showWeeks_ = nullptr;
    QAction* showMonths_ = nullptr;
    QAction* showPlan_ = nullptr;
    QAction* showSummary_ = nullptr;
};

}  // namespace mirtal::reports
