#include "meals/MealStatements.h"

#include "store/DateText.h"

namespace mirtal::meals::statements {

using store::DateText;

namespace {

// " Where UserID=... And MealDate=#...#": the user's snacking entries of the day.
QString snackingOfTheDay(const QString& userId, QDate day) {
    return QStringLiteral(" Where UserID=") + userId + QStringLiteral(" And MealDate=") +
           DateText::dayLiteral(day);
}

}  // namespace

QString lastMealKey() {
    return QStringLiteral("  Select Max(DMID) From DailyMealInput");
}

QString dayMeals(const QString& userId, QDate day) {
    return QStringLiteral(
               " Select DMID, MealType, NotEat, FatIntake as [Fat], FastSugarIntake as "
               "[FastSugar], FiberIntake as [Fiber], OverallQuantity as [Overall], "
               "PositiveFoods,") +
           QStringLiteral(" PrepareMyself, PrepareSomeone as [AteSitting], AteSlowly") +
           QStringLiteral(" From DailyMealInput Where UserID=") + userId +
           QStringLiteral(" And MealDate=") + DateText::dayLiteral(day) +
           QStringLiteral(" Order By MealType");
}

QString storedMeal(const QString& userId, const QString& mealCode, QDate day) {
    return QStringLiteral("  Select DMID From DailyMealInput Where UserID=") + userId +
           QStringLiteral(" And MealType ='") + mealCode + QStringLiteral("' And MealDate=") +
           DateText::dayLiteral(day);
}

QString insertMeal(qint64 key, const QString& userId, QDate day, const QString& mealCode,
                   const QStringList& points) {
    return QStringLiteral("Insert Into DailyMealInput Values(") + QString::number(key) +
           QStringLiteral(", ") + userId + QStringLiteral(", '") + DateText::shortDate(day) +
           QStringLiteral("', '") + mealCode + QStringLiteral("', ") +
           points.join(QStringLiteral(", ")) + QStringLiteral(")");
}

QString removeMeal(const QString& key, const QString& userId) {
    return QStringLiteral(" Delete From DailyMealInput Where DMID=") + key +
           QStringLiteral(" And UserID=") + userId;
}

QString lastSnackingKey() {
    return QStringLiteral("  Select Max(DSID) From DailySnackingInput");
}

QString daySnacking(const QString& userId, QDate day) {
    return QStringLiteral(" Select DSID, Snacking, Water From DailySnackingInput") +
           snackingOfTheDay(userId, day);
}

QString daySnackingKeys(const QString& userId, QDate day) {
    return QStringLiteral("  Select DSID From DailySnackingInput") + snackingOfTheDay(userId, day);
}

QString insertSnacking(qint64 key, const QString& userId, QDate day, const QString& snacking,
                       const QString& water) {
    return QStringLiteral("Insert Into DailySnackingInput Values(") + QString::number(key) +
           QStringLiteral(", ") + userId + QStringLiteral(", '") + DateText::shortDate(day) +
           QStringLiteral("', ") + snacking + QStringLiteral(", ") + water + QStringLiteral(")");
}

QString updateSnacking(const QString& key, const QString& userId, QDate day,
                       const QString& snacking, const QString& water) {
    return QStringLiteral(" Update DailySnackingInput Set") + QStringLiteral(" MealDate='") +
           DateText::shortDate(day) + QStringLiteral("', Snacking=") + snacking +
           QStringLiteral(", Water=") + water + QStringLiteral(" Where DSID=") + key +
           QStringLiteral(" And UserID=") + userId;
}

QString removeSnacking(const QString& key, const QString& userId) {
    return QStringLiteral(" Delete From DailySnackingInput Where DSID=") + key +
           QStringLiteral(" And UserID=") + userId;
}

QString choicesOf(int category) {
    return QStringLiteral("  Select MID, MealName From SetMealPoint Where SubID=") +
           QString::number(category);
}

QString scoreOf(const QString& choiceKey) {
    return QStringLiteral("  Select Score From SetMealPoint Where MID=") + choiceKey;
}

QString choicesScoring(int category, const QString& score) {
    return QStringLiteral(" Select MealName From SetMealPoint Where SubID=") +
           QString::number(category) + QStringLiteral(" And Score=") + score;
}

}  // namespace mirtal::meals::statements
