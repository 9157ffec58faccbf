#include "progress/ProgressStatements.h"

#include "store/DateText.h"
#include "store/Vocabulary.h"

namespace mirtal::progress::statements {

using store::DateText;

QString progressEntriesOfUser(const QString& user) {
    return QStringLiteral(
               "  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, "
               "Morale From PulseWeight Where UserID=") +
           user + QStringLiteral(" Order By Cdate(Date1)");
}

QString anyProgressEntryOfUser(const QString& user) {
    return QStringLiteral(" Select PWID from PulseWeight Where UserID=") + user;
}

QString moraleChoices() {
    return QStringLiteral("  Select MID, MealName From SetMealPoint Where SubID=") +
           QString::number(store::vocabulary::moraleCategory);
}

QString progressEntryOfDay(const QString& user, QDate day) {
    return QStringLiteral("  Select Date1 From PulseWeight Where Date1= ") +
           DateText::dayLiteral(day) + QStringLiteral(" And UserID=") + user;
}

QString progressKeysOfDay(const QString& user, QDate day) {
    return QStringLiteral("  Select PWID From PulseWeight Where Date1= ") +
           DateText::dayLiteral(day) + QStringLiteral(" And UserID=") + user;
}

QString lastProgressKey() {
    return QStringLiteral("  Select Max(PWID) From PulseWeight");
}

QString insertProgressEntry(qint64 key, const QString& user, QDate day, const QString& pulse,
                            const QString& weight, const QString& morale) {
    return QStringLiteral("Insert Into PulseWeight Values(") + QString::number(key) +
           QStringLiteral(", ") + user + QStringLiteral(", '") + DateText::shortDate(day) +
           QStringLiteral("', ") + pulse + QStringLiteral(", ") + weight + QStringLiteral(", '") +
           morale + QStringLiteral("')");
}

QString updateProgressEntry(const QString& key, const QString& user, QDate day,
                            const QString& pulse, const QString& weight, const QString& morale) {
    return QStringLiteral(" Update PulseWeight Set") + QStringLiteral(" Date1=") +
           DateText::dayLiteral(day) + QStringLiteral(", Pulse=") + pulse +
           QStringLiteral(", Weight=") + weight + QStringLiteral(", Morale='") + morale +
           QStringLiteral("'") + QStringLiteral(" Where PWID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString deleteProgressEntry(const QString& key, const QString& user) {
    return QStringLiteral("Delete From PulseWeight Where PWID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString targetsOfUser(const QString& user) {
    return QStringLiteral(
               "  Select TPWID, Format(StartDate,'yyyy/MM/dd'), "
               "format(TargetDate,'yyyy/MM/dd'), Pulse, Weight From PulseWeightTarget "
               "Where UserID=") +
           user;
}

QString anyTargetOfUser(const QString& user) {
    return QStringLiteral(" Select TPWID from PulseWeightTarget Where UserID=") + user;
}

QString targetKeyOfUser(const QString& user) {
    return QStringLiteral("  Select TPWID From PulseWeightTarget Where UserID=") + user;
}

QString lastTargetKey() {
    return QStringLiteral("  Select Max(TPWID) From PulseWeightTarget");
}

QString insertTarget(qint64 key, const QString& user, QDate start, QDate target,
                     const QString& pulse, const QString& weight) {
    return QStringLiteral("Insert Into PulseWeightTarget Values(") + QStringLiteral(" ") +
           QString::number(key) + QStringLiteral(", ") + user + QStringLiteral(", '") +
           DateText::shortDate(start) + QStringLiteral("', '") + DateText::shortDate(target) +
           QStringLiteral("', ") + pulse + QStringLiteral(", ") + weight + QStringLiteral(")");
}

QString updateTarget(const QString& key, const QString& user, QDate start, QDate target,
                     const QString& pulse, const QString& weight) {
    return QStringLiteral(" Update PulseWeightTarget Set") + QStringLiteral(" StartDate=#") +
           DateText::dayText(start) + QStringLiteral("#, TargetDate=#") +
           DateText::dayText(target) + QStringLiteral("#, Pulse=") + pulse +
           QStringLiteral(", Weight=") + weight + QStringLiteral(" Where TPWID=") + key +
           QStringLiteral(" And UserID=") + user;
}

QString deleteTarget(const QString& key, const QString& user) {
    return QStringLiteral("Delete From PulseWeightTarget Where TPWID=") + key +
           QStringLiteral(" And UserID=") + user;
}

}  // namespace mirtal::progress::statements
