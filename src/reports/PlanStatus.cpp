#include "reports/PlanStatus.h"

#include <cmath>

#include "reports/DailySlope.h"
#include "reports/ReportNumbers.h"

namespace mirtal::reports {

namespace {

// The pace is taken over the last four weeks, and only from enough rows to be one.
constexpr int paceSpan = 28;
constexpr std::size_t fewestPaceRows = 7;

double roundedToTenths(double value) {
    return std::round(value * 10) / 10;
}

QString comparison(double trend, double planned, bool targetAbove, const QString& unit) {
    const double t = roundedToTenths(trend);
    const double p = roundedToTenths(planned);
    const bool onPlan = targetAbove ? t >= p : t <= p;
    const bool over = t > p || (t == p && targetAbove);
    return (onPlan ? QStringLiteral("On plan: ") : QStringLiteral("Behind plan: ")) +
           roundedText(std::abs(t - p), 1) + u' ' + unit +
           (over ? QStringLiteral(" over") : QStringLiteral(" under")) +
           QStringLiteral(" the planned ") + roundedText(p, 1) + u' ' + unit + u'.';
}

// Empty when the last four weeks hold too few rows to tell a pace.
QString projection(const std::vector<QDate>& days, const std::vector<float>& trend, double target) {
    const QDate last = days.back();
    const QDate from = last.addDays(1 - paceSpan);
    std::vector<QDate> paceDays;
    std::vector<float> paceValues;
    for (std::size_t row = 0; row < days.size(); ++row) {
        if (days[row] >= from && days[row] <= last) {
            paceDays.push_back(days[row]);
            paceValues.push_back(trend[row]);
        }
    }
    if (paceDays.size() < fewestPaceRows) {
        return {};
    }
    const double slope = dailySlope(paceDays, paceValues).value_or(0);
    const double daysToGo = slope == 0 ? -1 : (target - trend.back()) / slope;
    // A pace that takes longer than any calendar can write never gets there either.
    const QDate reached = daysToGo >= 0 && daysToGo < 1e7
                              ? last.addDays(static_cast<qint64>(std::ceil(daysToGo)))
                              : QDate();
    if (!reached.isValid() || reached.year() > 9999) {
        return QStringLiteral("At this pace the target is not reached.");
    }
    return QStringLiteral("At this pace the target is reached on ") +
           reached.toString(QStringLiteral("yyyy/MM/dd")) + u'.';
}

}  // namespace

QString planStatus(const std::vector<QDate>& days, const std::vector<float>& trend,
                   const PlanPath& plan, const QString& unit) {
    if (days.empty() || trend.size() != days.size()) {
        return {};
    }
    QString status = comparison(trend.back(), plan.valueOn(days.back()), plan.targetAbove(), unit);
    const QString pace = projection(days, trend, plan.targetValue);
    if (!pace.isEmpty()) {
        status += u' ' + pace;
    }
    return status;
}

}  // namespace mirtal::reports
