#pragma once

#include "reports/ReportRange.h"

namespace mirtal::store {
class Database;
}

namespace mirtal::reports {

class ChartModel;

// The exercise points of each day that has daily entries: 1, 3 or 5 points per time by the
// exercise's intensity, and -1 for a rest day. False when the range holds no daily entry, and
// the chart is only cut down to one row and one series.
bool buildExerciseReport(store::Database& db, const ReportRange& range, ChartModel& chart);

}  // namespace mirtal::reports
