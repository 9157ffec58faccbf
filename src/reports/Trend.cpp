#include "reports/Trend.h"

namespace mirtal::reports {

namespace {

// How far each day's trend moves toward that day's value.
constexpr double dayShare = 0.1;

}  // namespace

std::vector<float> smoothedTrend(const std::vector<float>& values) {
    std::vector<float> trend;
    trend.reserve(values.size());
    // Carried in double so that years of days add no rounding of their own.
    double running = values.empty() ? 0 : values.front();
    for (const float value : values) {
        running += dayShare * (value - running);
        trend.push_back(static_cast<float>(running));
    }
    return trend;
}

ChartModel withTrend(const ChartModel& chart, const QString& label) {
    return chart.withColumn(label, smoothedTrend(chart.columnValues(1)));
}

}  // namespace mirtal::reports
