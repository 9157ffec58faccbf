#pragma once

#include <QString>

namespace mirtal::reports {

class ChartModel;

// What the chart draws, in one line for a screen reader: the series, the number of rows and
// the first and last day ("Weight, Target: 12 rows from 2026/12/01 to 2026/12/12").
QString chartSummary(const ChartModel& model);

}  // namespace mirtal::reports
