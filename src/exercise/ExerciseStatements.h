#pragma once

#include <QDate>
#include <QString>

// The statements of the exercise catalogue and the daily exercise log, each built here and
// nowhere else. The texts are the windows' own, blanks and spelling included; numbers go in
// bare and texts between single quotes.
namespace mirtal::exercise::statements {

// The catalogue (SetExercise), in the order the catalogue window uses them.
QString catalogueOfUser(const QString& user);
QString lastExerciseKey();
QString restDayRowOfUser(const QString& user);
QString insertRestDayRow(qint64 key, const QString& user);
QString insertExercise(qint64 key, const QString& user, const QString& name,
                       const QString& intensity, const QString& description);
QString updateExercise(const QString& key, const QString& user, const QString& name,
                       const QString& intensity, const QString& description);
QString deleteEntriesOfExercise(const QString& key, const QString& user);
QString deleteExercise(const QString& key, const QString& user);
QString anyExerciseOfUser(const QString& user);

// The daily log (Exercise) and the catalogue rows it reads.
QString exercisesOfIntensity(const QString& user, const QString& intensity);
QString entriesOfDay(const QString& user, QDate day);
QString entryOfExerciseOnDay(const QString& seid, QDate day, const QString& user);
QString lastEntryKey();
QString exerciseOfUser(const QString& seid, const QString& user);
QString insertEntry(qint64 key, const QString& user, const QString& seid, QDate day,
                    const QString& times);
QString deleteEntry(const QString& key, const QString& user);
QString entryByKey(const QString& key);
QString updateEntryTimes(const QString& key, const QString& user, const QString& times);

}  // namespace mirtal::exercise::statements
