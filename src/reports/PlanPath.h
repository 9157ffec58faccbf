#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "reports/ChartModel.h"

namespace mirtal::reports {

// The planned path of a measurement: a straight line by calendar day from where the user
// started, the first value stored on or after the target's start day, to the target value on
// the target day; flat at the start value before it and at the target value after.
struct PlanPath {
    QDate startDay;
    double startValue = 0;
    QDate targetDay;
    double targetValue = 0;

    double valueOn(const QDate& day) const;
    // Whether the target lies above where the user started (a pulse or weight to gain).
    bool targetAbove() const { return targetValue > startValue; }
};

// The chart with one more series, named `label`, holding the plan on each row's day.
ChartModel withPlan(const ChartModel& chart, const std::vector<QDate>& days, const PlanPath& plan,
                    const QString& label);

}  // namespace mirtal::reports
