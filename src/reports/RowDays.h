#pragma once

#include <QDate>
#include <QStringView>
#include <vector>

namespace mirtal::reports {

class ChartModel;

// The day of a row label, which every report writes as value + " (" + day as "yyyy/MM/dd" +
// ")"; an invalid day for a label that does not end so.
QDate dayOfRowLabel(QStringView label);

// The day of each row of the chart, in row order.
std::vector<QDate> rowDays(const ChartModel& chart);

}  // namespace mirtal::reports
