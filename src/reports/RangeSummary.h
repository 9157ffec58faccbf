#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <vector>

namespace mirtal::reports {

class ChartModel;

// The figures of a chart's rows, day by day, as the summary window shows them: a header, then
// one row per series in legend order with the series name, the number of rows with a value,
// the first and the last value with their days ("80 (2026/11/02)"), the change from first to
// last, the lowest, the highest, the mean and, for a measurement, the change per week (the
// least-squares slope against calendar days, times 7); numbers to two decimals, trailing
// zeros dropped. A last row gives the longest run of consecutive calendar days that each hold
// a row.
struct RangeSummary {
    QStringList header;
    QList<QStringList> rows;

    // Line by line, cells separated by tabs, for a spreadsheet to paste.
    QString tabSeparated() const;
};

// `days` are the days of the chart's rows, in order; `weeklyChange` fills the last column.
RangeSummary summarizeRange(const ChartModel& chart, const std::vector<QDate>& days,
                            bool weeklyChange);

// The most consecutive calendar days that each hold one of `days` (ascending, repeats allowed).
int longestRunOfDays(const std::vector<QDate>& days);

}  // namespace mirtal::reports
