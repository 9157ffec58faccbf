#include "exercise/ExerciseStatements.h"

#include "store/DateText.h"
#include "store/Vocabulary.h"

namespace mirtal::exercise::statements {

using store::DateText;
using store::vocabulary::restDayIntensity;

QString catalogueOfUser(const QString& user) {
    return QStringLiteral(
               "  Select SEID, ExerciseName, Intensity, Description From SetExercise Where "
               "UserID=") +
           user + QStringLiteral(" Order By ExerciseName");
}

QString lastExerciseKey() {
    return QStringLiteral("  Select Max(SEID) From SetExercise");
}

QString restDayRowOfUser(const QString& user) {
    return QStringLiteral("  Select SEID, Intensity From SetExercise Where Intensity='") +
           restDayIntensity + QStringLiteral("' And UserID=") + user;
}

QString insertRestDayRow(qint64 key, const QString& user) {
    return QStringLiteral("Insert Into SetExercise Values(") + QString::number(key) +
           QStringLiteral(", ") + user + QStringLiteral(", 'NULL', '") + restDayIntensity +
           QStringLiteral("', 'I rested today.')");
}

QString insertExercise(qint64 key, const QString& user, const QString& name,
                       const QString& intensity, const QString& description) {
    return QStringLiteral("Insert Into SetExercise Values(") + QString::number(key) +
           QStringLiteral(", ") + user + QStringLiteral(", '") + name + QStringLiteral("', '") +
           intensity + QStringLiteral("', '") + description + QStringLiteral("')");
}

QString updateExercise(const QString& key, const QString& user, const QString& name,
                       const QString& intensity, const QString& description) {
    return QStringLiteral(" Update SetExercise Set") + QStringLiteral(" ExerciseName='") + name +
           QStringLiteral("', Intensity='") + intensity + QStringLiteral("', Description='") +
           description + QStringLiteral("'") + QStringLiteral(" Where SEID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString deleteEntriesOfExercise(const QString& key, const QString& user) {
    return QStringLiteral("Delete From Exercise Where SEID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString deleteExercise(const QString& key, const QString& user) {
    return QStringLiteral("Delete From SetExercise Where SEID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString anyExerciseOfUser(const QString& user) {
    return QStringLiteral(" Select SEID from SetExercise Where UserID=") + user;
}

QString exercisesOfIntensity(const QString& user, const QString& intensity) {
    return QStringLiteral(
               "  Select SEID, ExerciseName, Intensity, Description From SetExercise "
               "Where Intensity ='") +
           intensity + QStringLiteral("' And UserID=") + user;
}

QString entriesOfDay(const QString& user, QDate day) {
    return QStringLiteral(
               "  Select b.EID, a.SEID as [ID], a.Intensity, a.ExerciseName,  "
               "b.ExerciseTimes as [Times], a.Description From SetExercise a, "
               "Exercise b Where a.SEID=b.SEID And a.UserID=") +
           user + QStringLiteral(" And b.ExcerciseDate=") + DateText::dayLiteral(day);
}

QString entryOfExerciseOnDay(const QString& seid, QDate day, const QString& user) {
    return QStringLiteral("  Select EID From Exercise Where SEID =") + seid +
           QStringLiteral(" And ExcerciseDate =") + DateText::dayLiteral(day) +
           QStringLiteral(" And UserID=") + user;
}

QString lastEntryKey() {
    return QStringLiteral("  Select Max(EID) From Exercise");
}

QString exerciseOfUser(const QString& seid, const QString& user) {
    return QStringLiteral("  Select SEID, Intensity, ExerciseName From SetExercise Where SEID =") +
           seid + QStringLiteral(" And UserID=") + user;
}

QString insertEntry(qint64 key, const QString& user, const QString& seid, QDate day,
                    const QString& times) {
    return QStringLiteral("Insert Into Exercise Values(") + QString::number(key) +
           QStringLiteral(", ") + user + QStringLiteral(", ") + seid + QStringLiteral(", '") +
           DateText::shortDate(day) + QStringLiteral("', ") + times + u')';
}

QString deleteEntry(const QString& key, const QString& user) {
    return QStringLiteral(" Delete From Exercise Where EID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString entryByKey(const QString& key) {
    return QStringLiteral("Select EID  From Exercise Where EID=") + key;
}

QString updateEntryTimes(const QString& key, const QString& user, const QString& times) {
    return QStringLiteral(" Update Exercise Set") + QStringLiteral(" ExerciseTimes='") + times +
           u'\'' + QStringLiteral(" Where EID=") + key + QStringLiteral(" And UserID=") + user;
}

}  // namespace mirtal::exercise::statements
