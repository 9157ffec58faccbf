#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

#include "store/ConnectionString.h"

namespace mirtal::store {

// The daily copies the program keeps on its own in a "backups" folder beside the database,
// one a day named by its day ("Mirtal 2026-12-11.mdb"): the newest seven, and besides them
// the newest of each of the last four weeks and of the last twelve months.

struct DailyBackup {
    QString file;
    QDate day;
    qint64 bytes = 0;
};

QString backupsFolderOf(const QString& databaseFile);
QString dailyBackupFile(const QString& databaseFile, QDate day);

// The daily copies there are, newest first; files of other names are left out.
QList<DailyBackup> listDailyBackups(const QString& databaseFile);

// Of the days that have a copy, those kept on `today`.
QList<QDate> daysKept(QList<QDate> days, QDate today);

// Writes today's copy (the encrypted, checked copy of backupDatabase) unless there is one,
// then removes the copies no longer kept and any piece of a copy that a crash left behind.
// True when a copy was written. Throws StoreError, with nothing half-written left.
bool writeDailyBackup(const ConnectionSettings& database, QDate today);

// A failed daily copy is told once, at the next start: the description waits in a file
// beside the database until it is taken.
void noteBackupFailure(const QString& databaseFile, const QString& description);
std::optional<QString> takeBackupFailure(const QString& databaseFile);

}  // namespace mirtal::store
