#include "reports/PlanPath.h"

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
    ChartModel shown = chart;
    const int column = chart.columnCount() + 1;
    shown.setColumnCount(column);
    shown.selectColumn(column);
    shown.setColumnLabel(label);
    for (int row = 1; row <= chart.rowCount(); ++row) {
        shown.selectRow(row);
        shown.setValue(
            static_cast<float>(plan.valueOn(days.at(static_cast<std::size_t>(row - 1)))));
    }
    return shown;
}

}  // namespace mirtal::reports
