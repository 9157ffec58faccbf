#pragma once

#include <QChartView>
#include <QStringList>

class QCategoryAxis;
class QGraphicsSimpleTextItem;

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
    // The row labels the horizontal axis draws now, in row order.
    QStringList shownRowLabels() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeRowLabels();
    void placeFootnote();
    double widestRowLabel() const;

    QStringList rowLabels_;
    QString footnote_;
    QGraphicsSimpleTextItem* footnoteItem_;
    QCategoryAxis* rowAxis_ = nullptr;
    double rowLabelWidth_ = 0;
    QList<int> shownRows_;
};

}  // namespace mirtal::reports
