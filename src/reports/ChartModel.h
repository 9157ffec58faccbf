#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "reports/RowLabelList.h"

namespace mirtal::reports {

// What the report chart shows, without drawing it: a table of single-precision values whose
// rows are the points of the horizontal axis and whose columns are the series, with a label
// for each row and column, a title, a footnote, a legend switch and the chart type. The report
// builders drive it the way one drives a chart control (select a row and a column, then set a
// value or a label); the view draws it afterwards. Rows and columns are numbered from 1.
//
// A chart starts blank, with no row and no column.
class ChartModel {
  public:
    enum class ChartType { Line2d, Bar2d };

    void setChartType(ChartType type) { chartType_ = type; }

    // Rows and columns up to the new count keep their values and labels; new ones hold 0 and
    // an empty label.
    void setRowCount(int count);
    void setColumnCount(int count);

    // Later values and row labels go to this row; later values and column labels to this column.
    void selectRow(int row) { row_ = row; }
    void selectColumn(int column) { column_ = column; }

    void setValue(float value);
    void setRowLabel(QStringView label);
    void setColumnLabel(const QString& label);

    void setTitleText(const QString& text) { title_ = text; }
    void setFootnoteText(const QString& text) { footnote_ = text; }
    void setShowLegend(bool show) { showLegend_ = show; }

    ChartType chartType() const { return chartType_; }
    int rowCount() const { return static_cast<int>(rowLabels_.size()); }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    float value(int row, int column) const;
    // The values of one column, in row order.
    const std::vector<float>& columnValues(int column) const;
    // A copy with one more column after the last, named `label`, holding one value per row.
    ChartModel withColumn(const QString& label, std::vector<float> values) const;
    QString rowLabel(int row) const;
    QString columnLabel(int column) const;
    const RowLabelList& rowLabels() const { return rowLabels_; }
    const QString& titleText() const { return title_; }
    const QString& footnoteText() const { return footnote_; }
    bool showLegend() const { return showLegend_; }

  private:
    struct Column {
        QString label;
        std::vector<float> values;
    };

    Column& selectedColumn();

    ChartType chartType_ = ChartType::Line2d;
    std::vector<Column> columns_;
    RowLabelList rowLabels_;
    int row_ = 1;
    int column_ = 1;
    QString title_;
    QString footnote_;
    bool showLegend_ = false;
};

}  // namespace mirtal::reports
