#include "reports/RangeSummary.h"

#include <algorithm>
#include <numeric>

#include "reports/ChartModel.h"
#include "reports/DailySlope.h"
#include "reports/ReportNumbers.h"

namespace mirtal::reports {

namespace {

constexpr int decimals = 2;
constexpr int daysInAWeek = 7;

QString figure(double value) {
    return roundedText(value, decimals);
}

QString valueOnDay(float value, const QDate& day) {
    return figure(value) + QStringLiteral(" (") + day.toString(QStringLiteral("yyyy/MM/dd")) + u')';
}

QStringList seriesRow(const QString& name, const std::vector<float>& values,
                      const std::vector<QDate>& days, bool weeklyChange) {
    if (values.empty()) {
        return {name, QStringLiteral("0")};
    }
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    QString perWeek;
    if (weeklyChange) {
        if (const std::optional<double> slope = dailySlope(days, values)) {
            perWeek = figure(*slope * daysInAWeek);
        }
    }
    return {name,
            QString::number(values.size()),
            valueOnDay(values.front(), days.front()),
            valueOnDay(values.back(), days.back()),
            figure(static_cast<double>(values.back()) - values.front()),
            figure(*lowest),
            figure(*highest),
            figure(sum / static_cast<double>(values.size())),
            perWeek};
}

}  // namespace

QString RangeSummary::tabSeparated() const {
    QString text = header.join(u'\t') + u'\n';
    for (const QStringList& row : rows) {
        text += row.join(u'\t') + u'\n';
    }
    return text;
}

int longestRunOfDays(const std::vector<QDate>& days) {
    int longest = 0;
    int run = 0;
    QDate previous;
    for (const QDate& day : days) {
        if (day == previous) {
            continue;
        }
        run = previous.isValid() && previous.daysTo(day) == 1 ? run + 1 : 1;
        longest = std::max(longest, run);
        previous = day;
    }
    return longest;
}

RangeSummary summarizeRange(const ChartModel& chart, const std::vector<QDate>& days,
                            bool weeklyChange) {
    RangeSummary summary;
    summary.header = QStringList{
        QStringLiteral("Series"),  QStringLiteral("Rows"),   QStringLiteral("First"),
        QStringLiteral("Last"),    QStringLiteral("Change"), QStringLiteral("Lowest"),
        QStringLiteral("Highest"), QStringLiteral("Mean"),   QStringLiteral("Change per week")};
    if (days.size() != static_cast<std::size_t>(chart.rowCount())) {
        return summary;
    }
    for (int column = 1; column <= chart.columnCount(); ++column) {
        summary.rows << seriesRow(chart.columnLabel(column), chart.columnValues(column), days,
                                  weeklyChange);
    }
    summary.rows << QStringList{QStringLiteral("Longest run of days with an entry"),
                                QString::number(longestRunOfDays(days))};
    return summary;
}

}  // namespace mirtal::reports
