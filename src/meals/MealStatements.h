#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The statements of the meal window, its snacking and water frame and its choice lists.
// userId is the current user as statements carry it after "UserID="; days go in as the day
// literal of a where clause and as short-date text into inserts and updates.
namespace mirtal::meals::statements {

// The meal evaluations, DailyMealInput.
QString lastMealKey();
// The day's meals with the grid's columns, in the order of the day.
QString dayMeals(const QString& userId, QDate day);
// The key of the day's meal of one meal code.
QString storedMeal(const QString& userId, const QString& mealCode, QDate day);
// points are the nine values after the meal code, as the table orders them: not eaten, the
// five criteria, prepared myself, ate sitting, ate slowly.
QString insertMeal(qint64 key, const QString& userId, QDate day, const QString& mealCode,
                   const QStringList& points);
QString removeMeal(const QString& key, const QString& userId);

// The day's snacking and water entry, DailySnackingInput.
QString lastSnackingKey();
QString daySnacking(const QString& userId, QDate day);
// The keys of the day's entries alone, for the one-entry-a-day checks.
QString daySnackingKeys(const QString& userId, QDate day);
QString insertSnacking(qint64 key, const QString& userId, QDate day, const QString& snacking,
                       const QString& water);
QString updateSnacking(const QString& key, const QString& userId, QDate day,
                       const QString& snacking, const QString& water);
QString removeSnacking(const QString& key, const QString& userId);

// The evaluation choices of the reference table, SetMealPoint.
QString choicesOf(int category);
QString scoreOf(const QString& choiceKey);
QString choicesScoring(int category, const QString& score);

}  // namespace mirtal::meals::statements
