#pragma once

#include <optional>

#include "reports/ReportRange.h"

namespace mirtal::store {
class Database;
}

namespace mirtal::reports {

class ChartModel;

// The measurements of the "Others" panel, one per day.
enum class OtherReport { Weight, Pulse, Morale, Snacking, Water };

// Weight and pulse against the user's target (a flat second series), morale by its score
// with the scale in the footnote, snacking and water scores. False when the range holds no
// measurement, and the chart is only cut down to one row and one series. `storedTarget`, when
// given, receives the weight or pulse target as the user stored it (the chart draws it
// rounded), or nothing when the user has no target row or more than one, or the report no
// target.
bool buildOtherReport(store::Database& db, const ReportRange& range, OtherReport report,
                      ChartModel& chart, std::optional<double>* storedTarget = nullptr);

}  // namespace mirtal::reports
