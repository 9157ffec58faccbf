#include "reports/ReportStatements.h"

#include "store/Vocabulary.h"

namespace mirtal::reports::statements {

QString targetRange(const QString& userId) {
    return QStringLiteral("  Select StartDate, TargetDate From PulseWeightTarget Where UserID=") +
           userId;
}

QString targetMeasurements(const QString& userId) {
    return QStringLiteral(" Select Pulse, Weight From PulseWeightTarget Where UserID=") + userId;
}

QString measurements(const ReportRange& range, const QString& column) {
    return QStringLiteral(" Select Date1, ") + column +
           QStringLiteral(" from PulseWeight Where UserID=") + range.userId +
           range.filter(QStringLiteral("Date1")) + QStringLiteral("Order By CDate(Date1)");
}

QString moraleScores(const ReportRange& range) {
    return QStringLiteral(
               " Select a.Date1, b.Score from PulseWeight a, SetMealPoint b Where a.UserID=") +
           range.userId + QStringLiteral(" And a.Morale=b.MealName") +
           QStringLiteral(" And b.SubID=") + QString::number(store::vocabulary::moraleCategory) +
           range.filter(QStringLiteral("a.Date1")) + QStringLiteral("Order By CDate(Date1)");
}

QString snackingScores(const ReportRange& range, const QString& column) {
    return QStringLiteral(" Select MealDate, ") + column +
           QStringLiteral(" From DailySnackingInput Where UserID=") + range.userId +
           range.filter(QStringLiteral("MealDate")) + QStringLiteral("Order By CDate(MealDate)");
}

QString mealCriteria(const ReportRange& range, const QString& mealCode) {
    return QStringLiteral(
               " Select MealDate, FatIntake, FastSugarIntake, FiberIntake, OverallQuantity, "
               "PositiveFoods From DailyMealInput Where UserID=") +
           range.userId + QStringLiteral(" And MealType='") + mealCode + QStringLiteral("' ") +
           range.filter(QStringLiteral("MealDate")) + QStringLiteral("Order By CDate(MealDate)");
}

QString dayMealCriteria(const ReportRange& range) {
    return QStringLiteral(
               " SELECT MealDate, Sum ( FatIntake)  as FatIntake, Sum ( FastSugarIntake) as "
               "FastSugarIntake, Sum (FiberIntake) as FiberIntake, Sum (OverallQuantity) as "
               "OverallQuantity, Sum (PositiveFoods) as PositiveFoods") +
           QStringLiteral(" From DailyMealInput Where UserID=") + range.userId +
           range.filter(QStringLiteral("MealDate")) +
           QStringLiteral(" Group By MealDate Order By CDate(MealDate)");
}

QString dayMealTotals(const ReportRange& range) {
    return QStringLiteral(" SELECT MealDate , Sum (NotEat) As NotEat,") +
           QStringLiteral(
               " (Sum (FatIntake) + Sum(FastSugarIntake) + Sum(FiberIntake)+ Sum "
               "(OverallQuantity) + Sum (PositiveFoods)) As Meal, ") +
           QStringLiteral(" (Sum(PrepareMyself) + Sum(PrepareSomeone)+Sum (AteSlowly)) As Bonus ") +
           QStringLiteral(" From DailyMealInput Where UserID=") + range.userId +
           range.filter(QStringLiteral("MealDate")) +
           QStringLiteral(" Group By MealDate Order By CDate(MealDate)");
}

QString exerciseEntries(const ReportRange& range) {
    return QStringLiteral(
               " Select a.SEID, a.ExerciseName, a.Intensity, a.Description, b.EID, "
               "b.ExcerciseDate, b.ExerciseTimes") +
           QStringLiteral(" From SetExercise a, Exercise b Where a.SEID=b.SEID And a.UserID=") +
           range.userId + range.filter(QStringLiteral("ExcerciseDate")) + QStringLiteral(" ") +
           QStringLiteral("Order By CDate(ExcerciseDate)");
}

}  // namespace mirtal::reports::statements
