#include "reports/RowGrouping.h"

#include <algorithm>

#include "reports/ReportNumbers.h"

namespace mirtal::reports {

namespace {

// "yyyy/MM/dd", or "yyyy/MM" for a month, written digit by digit: QDate::toString reads its
// format anew for each of a thousand weeks.
QString periodText(const QDate& start, Grouping grouping) {
    const auto twoDigits = [](int number) {
        return QString(QChar(u'0' + number / 10)) + QChar(u'0' + number % 10);
    };
    QString text =
        QString::number(start.year()).rightJustified(4, u'0') + u'/' + twoDigits(start.month());
    if (grouping == Grouping::Weeks) {
        text += u'/' + twoDigits(start.day());
    }
    return text;
}

}  // namespace

QDate periodStart(const QDate& day, Grouping grouping) {
    switch (grouping) {
        case Grouping::Days:
            return day;
        case Grouping::Weeks:
            return day.addDays(1 - day.dayOfWeek());
        case Grouping::Months:
            return QDate(day.year(), day.month(), 1);
    }
    return day;
}

DrawnRows groupRows(const ChartModel& chart, const std::vector<QDate>& days, Grouping grouping) {
    const bool everyRowHasADay =
        std::all_of(days.begin(), days.end(), [](const QDate& day) { return day.isValid(); });
    if (grouping == Grouping::Days || !everyRowHasADay ||
        days.size() != static_cast<std::size_t>(chart.rowCount())) {
        return {chart, days};
    }
    const int columns = chart.columnCount();
    const QString suffix = grouping == Grouping::Weeks ? QStringLiteral(" (weekly mean)")
                                                       : QStringLiteral(" (monthly mean)");

    // The means of each period, column by column, in the order of the periods.
    std::vector<std::vector<double>> means(static_cast<std::size_t>(columns));
    std::vector<QDate> starts;
    std::vector<double> sums(static_cast<std::size_t>(columns));
    std::size_t first = 0;
    QDate firstStart = days.empty() ? QDate() : periodStart(days.front(), grouping);
    const auto closePeriod = [&](std::size_t end) {
        const double count = static_cast<double>(end - first);
        for (std::size_t column = 0; column < sums.size(); ++column) {
            means[column].push_back(sums[column] / count);
            sums[column] = 0;
        }
        starts.push_back(firstStart);
        first = end;
    };
    for (std::size_t row = 0; row < days.size(); ++row) {
        const QDate start = periodStart(days[row], grouping);
        if (start != firstStart) {
            closePeriod(row);
            firstStart = start;
        }
        for (int column = 1; column <= columns; ++column) {
            sums[static_cast<std::size_t>(column - 1)] += chart.columnValues(column)[row];
        }
    }
    if (!days.empty()) {
        closePeriod(days.size());
    }

    ChartModel grouped;
    grouped.setChartType(chart.chartType());
    grouped.setTitleText(chart.titleText());
    grouped.setFootnoteText(chart.footnoteText());
    grouped.setShowLegend(chart.showLegend());
    const int rows = static_cast<int>(starts.size());
    grouped.setRowCount(rows);
    grouped.setColumnCount(columns);
    for (int column = 1; column <= columns; ++column) {
        grouped.selectColumn(column);
        grouped.setColumnLabel(chart.columnLabel(column) + suffix);
    }
    for (int row = 1; row <= rows; ++row) {
        const std::size_t index = static_cast<std::size_t>(row - 1);
        grouped.selectRow(row);
        for (int column = 1; column <= columns; ++column) {
            grouped.selectColumn(column);
            grouped.setValue(
                static_cast<float>(means[static_cast<std::size_t>(column - 1)][index]));
        }
        const QString period = periodText(starts[index], grouping);
        // The label shows the mean itself, not the single-precision value drawn.
        grouped.setRowLabel(columns > 0 ? roundedText(means[0][index], 1) + QStringLiteral(" (") +
                                              period + QStringLiteral(")")
                                        : QStringLiteral("(") + period + QStringLiteral(")"));
    }
    return {std::move(grouped), std::move(starts)};
}

}  // namespace mirtal::reports
