#pragma once

#include <QChartView>
#include <QStringList>

class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace mirtal::reports {

class ChartModel;

// The report chart on screen (MSChart1): draws a chart model as a line chart (one line per
// column) or a bar chart (one bar set per column), named by the column labels, with the title
// above, the legend, and the footnote under the plot. Every value is in the series; the
// horizontal axis draws only as many row labels as fit without overlapping, and the full list
// stays readable in rowLabels, as the footnote does in footnote.
class ChartView : public QChartView {
    Q_OBJECT
    Q_PROPERTY(QStringList rowLabels READ rowLabels)
    Q_PROPERTY(QString footnote READ footnote)
  public:
    explicit ChartView(const QString& name, QWidget* parent = nullptr);

    // Replaces what the chart shows by the model's content.
    void draw(const ChartModel& model);

    const QStringList& rowLabels() const { return rowLabels_; }
    const QString& footnote() const { return footnote_; }
    // The row labels drawn under the plot now, in row order, and where they stand in the
    // chart.
    QStringList shownRowLabels() const;
    QList<QRectF> shownRowLabelRects() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeRowLabels();
    // Keeps room under the plot for the row labels and the footnote, and puts the footnote
    // at the bottom.
    void placeFootnote();
    double widestRowLabel() const;
    void showRowGridLines(const QList<int>& rows);

    QStringList rowLabels_;
    QString footnote_;
    QGraphicsSimpleTextItem* footnoteItem_;
    // The axes stay for the life of the view and are hidden while there is no series.
    QCategoryAxis* rowAxis_;
    QValueAxis* valueAxis_;
    double rowLabelWidth_ = 0;
    QList<int> gridRows_;
    // Reused from one placement to the next; those beyond the labels shown are hidden.
    QList<QGraphicsSimpleTextItem*> rowLabelItems_;
    int shownCount_ = 0;
};

}  // namespace mirtal::reports
