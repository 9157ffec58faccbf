#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace mirtal::reports {

struct RangeSummary;

// The summary of the chart's range (ChartSummary): a small window beside the report window,
// which stays usable, with a table of the figures of each series (SummaryGrid) and a "Copy"
// button that puts the table on the clipboard as tab-separated text for a spreadsheet.
class SummaryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SummaryWindow(QWidget* parent);

    // Shows the figures of the chart called `title`, in place of those shown before.
    void showSummary(const QString& title, const RangeSummary& summary);

  private:
    void copy();

    QTableWidget* SummaryGrid;
    QPushButton* CmdCopy;
    QString copied_;
};

}  // namespace mirtal::reports
