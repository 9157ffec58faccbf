#include "reports/DailySlope.h"

#include <algorithm>

namespace mirtal::reports {

std::optional<double> dailySlope(const std::vector<QDate>& days, const std::vector<float>& values) {
    const std::size_t count = std::min(days.size(), values.size());
    if (count < 2) {
        return std::nullopt;
    }
    // Days counted from the first, so that the sums stay small.
    const QDate origin = days.front();
    double meanDay = 0;
    double meanValue = 0;
    for (std::size_t i = 0; i < count; ++i) {
        meanDay += static_cast<double>(origin.daysTo(days[i]));
        meanValue += values[i];
    }
    meanDay /= static_cast<double>(count);
    meanValue /= static_cast<double>(count);
    double covariance = 0;
    double spread = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double day = static_cast<double>(origin.daysTo(days[i])) - meanDay;
        covariance += day * (values[i] - meanValue);
        spread += day * day;
    }
    if (spread == 0) {
        return std::nullopt;
    }
    return covariance / spread;
}

}  // namespace mirtal::reports
