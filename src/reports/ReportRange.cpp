#include "reports/ReportRange.h"

#include "store/DateText.h"

namespace mirtal::reports {

QString ReportRange::filter(const QString& dateColumn) const {
    return QStringLiteral(" And CDate(") + dateColumn + QStringLiteral(") >= #") +
           store::DateText::dayText(start) + QStringLiteral("# And  CDate(") + dateColumn +
           QStringLiteral(") <= #") + store::DateText::dayText(end) + QStringLiteral("#");
}

}  // namespace mirtal::reports
