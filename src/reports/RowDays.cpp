#include "reports/RowDays.h"

#include "reports/ChartModel.h"

namespace mirtal::reports {

namespace {

// The whole number written by the digits at [from, from + count), or -1 when one is no digit.
int digitsAt(QStringView text, qsizetype from, int count) {
    int number = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch < u'0' || ch > u'9') {
            return -1;
        }
        number = number * 10 + (ch - u'0');
    }
    return number;
}

}  // namespace

QDate dayOfRowLabel(QStringView label) {
    // "(yyyy/MM/dd)" is the last twelve characters; read by position, since twenty years of
    // labels are read each time a chart is regrouped.
    constexpr qsizetype length = 12;
    if (label.size() < length || !label.endsWith(u')')) {
        return {};
    }
    const qsizetype open = label.size() - length;
    if (label.at(open) != u'(' || label.at(open + 5) != u'/' || label.at(open + 8) != u'/') {
        return {};
    }
    const int year = digitsAt(label, open + 1, 4);
    const int month = digitsAt(label, open + 6, 2);
    const int day = digitsAt(label, open + 9, 2);
    if (year < 0 || month < 0 || day < 0) {
        return {};
    }
    return QDate(year, month, day);
}

std::vector<QDate> rowDays(const ChartModel& chart) {
    std::vector<QDate> days;
    days.reserve(static_cast<std::size_t>(chart.rowCount()));
    const RowLabelList& labels = chart.rowLabels();
    for (int row = 0; row < labels.size(); ++row) {
        days.push_back(dayOfRowLabel(labels.at(row)));
    }
    return days;
}

}  // namespace mirtal::reports
