#pragma once

#include <QDate>
#include <vector>

#include "reports/ChartModel.h"

namespace mirtal::reports {

// How the chart's rows are drawn: each row as it is, or the mean of each calendar week
// (Monday to Sunday) or calendar month.
enum class Grouping { Days, Weeks, Months };

// A chart as drawn, with the day each of its rows stands for.
struct DrawnRows {
    ChartModel chart;
    std::vector<QDate> days;
};

// The first day of the period that holds `day`: the day itself, its week's Monday or its
// month's first day.
QDate periodStart(const QDate& day, Grouping grouping);

// The chart's rows, whose days are `days` in ascending order, regrouped: one row per period
// that holds a row, at the period's first day, each series at the mean of its values over the
// period's rows, labelled with the first series' mean to one decimal and the period's first
// day (its month alone for a month), and each series named with " (weekly mean)" or
// " (monthly mean)". By day, or when a row has no day, the chart is given back as it is.
DrawnRows groupRows(const ChartModel& chart, const std::vector<QDate>& days, Grouping grouping);

}  // namespace mirtal::reports
