#pragma once

#include "reports/ReportRange.h"

namespace mirtal::store {
class Database;
}

namespace mirtal::reports {

class ChartModel;

// The exercise points of each day that has daily entries: 1, 3 or 5 points per time by the
// exercise's intensity, and -1 for a rest day.
void buildExerciseReport(store::Database& db, const ReportRange& range, ChartModel& chart);

}  // namespace mirtal::reports
