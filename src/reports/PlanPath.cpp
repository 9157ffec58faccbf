#include "reports/PlanPath.h"

#include <utility>

namespace mirtal::reports {

double PlanPath::valueOn(const QDate& day) const {
    if (day >= targetDay) {
        return targetValue;
    }
    if (day <= startDay) {
        return startValue;
    }
    const double share =
        static_cast<double>(startDay.daysTo(day)) / static_cast<double>(startDay.daysTo(targetDay));
    return startValue + share * (targetValue - startValue);
}

ChartModel withPlan(const ChartModel& chart, const std::vector<QDate>& days, const PlanPath& plan,
                    const QString& label) {
    std::vector<float> values;
    values.reserve(static_cast<std::size_t>(chart.rowCount()));
    for (int row = 0; row < chart.rowCount(); ++row) {
        values.push_back(static_cast<float>(plan.valueOn(days.at(static_cast<std::size_t>(row)))));
    }
    return chart.withColumn(label, std::move(values));
}

}  // namespace mirtal::reports
