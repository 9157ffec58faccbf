#pragma once

#include <QDate>
#include <QString>

// The statements of the progress log and the target values, each built here and nowhere else.
// The texts are the windows' own, blanks and spelling included; numbers go in bare and texts
// between single quotes.
namespace mirtal::progress::statements {

// The progress log (PulseWeight).
QString progressEntriesOfUser(const QString& user);
QString anyProgressEntryOfUser(const QString& user);
QString moraleChoices();
QString progressEntryOfDay(const QString& user, QDate day);
QString progressKeysOfDay(const QString& user, QDate day);
QString lastProgressKey();
QString insertProgressEntry(qint64 key, const QString& user, QDate day, const QString& pulse,
                            const QString& weight, const QString& morale);
QString updateProgressEntry(const QString& key, const QString& user, QDate day,
                            const QString& pulse, const QString& weight, const QString& morale);
QString deleteProgressEntry(const QString& key, const QString& user);

// The target values (PulseWeightTarget), one row per user.
QString targetsOfUser(const QString& user);
QString anyTargetOfUser(const QString& user);
QString targetKeyOfUser(const QString& user);
QString lastTargetKey();
QString insertTarget(qint64 key, const QString& user, QDate start, QDate target,
                     const QString& pulse, const QString& weight);
QString updateTarget(const QString& key, const QString& user, QDate start, QDate target,
                     const QString& pulse, const QString& weight);
QString deleteTarget(const QString& key, const QString& user);

}  // namespace mirtal::progress::statements
