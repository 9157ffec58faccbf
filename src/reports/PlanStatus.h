#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "reports/PlanPath.h"

namespace mirtal::reports {

// Whether the trend keeps to the plan, said in one line: the trend's last value against the
// plan on the last drawn day ("On plan: 0.2 kg under the planned 78.9 kg."), then, when the
// last 28 calendar days hold at least 7 rows, the day the target is reached at the pace of the
// trend over those days ("At this pace the target is reached on 2027/01/21."), or that it is
// not reached at this pace. `days` and `trend` are the drawn rows, in order; `unit` follows
// each number ("kg", "beats a minute"). Empty when there is no row.
QString planStatus(const std::vector<QDate>& days, const std::vector<float>& trend,
                   const PlanPath& plan, const QString& unit);

}  // namespace mirtal::reports
