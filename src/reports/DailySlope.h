#pragma once

#include <QDate>
#include <optional>
#include <vector>

namespace mirtal::reports {

// How much the values change per calendar day: the least-squares slope of the values against
// their days. Empty when the values stand on fewer than two different days.
std::optional<double> dailySlope(const std::vector<QDate>& days, const std::vector<float>& values);

}  // namespace mirtal::reports
