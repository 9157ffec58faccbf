#pragma once

#include <QString>

#include "reports/ReportRange.h"

// The statements of the report window and its reports. Every report reads the user's rows of
// the range, restricted by the range's filter on the date column, in the order of the days.
namespace mirtal::reports::statements {

// The start and target days of the user's target values: the window's default range.
QString targetRange(const QString& userId);
// The target pulse and weight, against which the pulse and weight reports are drawn.
QString targetMeasurements(const QString& userId);

// One column of the progress log, Weight or Pulse, with its day.
QString measurements(const ReportRange& range, const QString& column);
// The score of each logged morale, with its day.
QString moraleScores(const ReportRange& range);
// One column of the snacking entries, Snacking or Water, with its day.
QString snackingScores(const ReportRange& range, const QString& column);

// The five criteria of each meal of one meal code, with its day.
QString mealCriteria(const ReportRange& range, const QString& mealCode);
// The five criteria summed over each day's meals.
QString dayMealCriteria(const ReportRange& range);
// Per day, the not-eaten points, the meal points and the bonus points.
QString dayMealTotals(const ReportRange& range);

// The daily exercise entries with their catalogue exercises.
QString exerciseEntries(const ReportRange& range);

}  // namespace mirtal::reports::statements
