#pragma once

#include <gtest/gtest.h>

#include <QDate>
#include <QStringList>

#include "reports/ChartModel.h"
#include "reports/ReportRange.h"
#include "store/DateText.h"
#include "support/QtPrinters.h"
#include "support/TestDatabase.h"

namespace mirtal::reports {

// A fresh database for users 1 and 2, filled with the windows' own insert statements, a
// chart, and December 2026 of user 1 as the range.
class ReportFixture : public ::testing::Test {
  protected:
    // A day of 2026 as inserts write it, quoted.
    static QString day(int month, int dayOfMonth, int year = 2026) {
        return QStringLiteral("'") + store::DateText::shortDate(QDate(year, month, dayOfMonth)) +
               QStringLiteral("'");
    }

    void run(const QString& statement) { data.db().execute(statement); }

    // A meal of user 1 (or `user`): NotEat, the five criteria, the three bonuses.
    void meal(const QString& when, const char* code, const QString& scores, int user = 1) {
        run(QStringLiteral("Insert Into DailyMealInput Values(%1, %2, %3, '%4', %5)")
                .arg(++mealKey)
                .arg(user)
                .arg(when, QLatin1String(code), scores));
    }

    // Each row as its label followed by its values: "4 (2026/12/09) = 4 -1".
    static QStringList rowsOf(const ChartModel& chart) {
        QStringList rows;
        for (int row = 1; row <= chart.rowCount(); ++row) {
            QString text = chart.rowLabel(row) + QStringLiteral(" =");
            for (int column = 1; column <= chart.columnCount(); ++column) {
                text += u' ' + QString::number(chart.value(row, column));
            }
            rows << text;
        }
        return rows;
    }

    static QStringList columnsOf(const ChartModel& chart) {
        QStringList columns;
        for (int column = 1; column <= chart.columnCount(); ++column) {
            columns << chart.columnLabel(column);
        }
        return columns;
    }

    testing::TestDatabase data;
    ChartModel chart;
    const ReportRange december{QStringLiteral("1"), QDate(2026, 12, 1), QDate(2026, 12, 31)};
    int mealKey = 0;
};

}  // namespace mirtal::reports
