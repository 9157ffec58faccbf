#pragma once

#include <QDate>
#include <QString>

namespace mirtal::reports {

// Whose rows a report reads and over which days: the current user as statements carry it
// after "UserID=", and the first and last day of the range, both included.
struct ReportRange {
    QString userId;
    QDate start;
    QDate end;

    // The range as every report statement restricts its date column: " And CDate(column) >=
    // #start# And  CDate(column) <= #end#", days written "yyyy/MM/dd".
    QString filter(const QString& dateColumn) const;
};

}  // namespace mirtal::reports
