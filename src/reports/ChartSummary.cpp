#include "reports/ChartSummary.h"

#include <QStringList>

#include "reports/ChartModel.h"

namespace mirtal::reports {

namespace {

// The day of a row label "value (yyyy/MM/dd)"; empty for a label without one.
QString dayOf(const QString& rowLabel) {
    const qsizetype open = rowLabel.lastIndexOf(u'(');
    const qsizetype close = rowLabel.lastIndexOf(u')');
    return open >= 0 && close > open ? rowLabel.mid(open + 1, close - open - 1) : QString();
}

}  // namespace

QString chartSummary(const ChartModel& model) {
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (rows == 0 || columns == 0) {
        return QStringLiteral("Nothing drawn");
    }
    QStringList series;
    for (int column = 1; column <= columns; ++column) {
        const QString label = model.columnLabel(column);
        series << (label.isEmpty() ? QStringLiteral("Series %1").arg(column) : label);
    }
    QString summary = series.join(QStringLiteral(", ")) + QStringLiteral(": ") +
                      QString::number(rows) +
                      (rows == 1 ? QStringLiteral(" row") : QStringLiteral(" rows"));
    const QString first = dayOf(model.rowLabel(1));
    const QString last = dayOf(model.rowLabel(rows));
    if (!first.isEmpty() && !last.isEmpty()) {
        summary += first == last ? QStringLiteral(" on ") + first
                                 : QStringLiteral(" from ") + first + QStringLiteral(" to ") + last;
    }
    return summary;
}

}  // namespace mirtal::reports
