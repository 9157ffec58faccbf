#pragma once

#include <QString>
#include <vector>

#include "reports/ChartModel.h"

namespace mirtal::reports {

// The smoothed trend of daily measurements: the first day's trend is that day's value, and each
// later day's trend moves a tenth of the way from the trend before it to the day's value. A
// scale swings by a kilo with the water of a day; the trend shows whether the weight is really
// going down.
std::vector<float> smoothedTrend(const std::vector<float>& values);

// The chart with one more series, named `label`, holding the trend of its first series. Rows,
// labels, title and footnote stay as they are.
ChartModel withTrend(const ChartModel& chart, const QString& label);

}  // namespace mirtal::reports
