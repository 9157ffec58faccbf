#include "store/BackupSchedule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <algorithm>

#include "store/Backup.h"
#include "store/StoreError.h"

namespace mirtal::store {

namespace {

const QString dayFormat = QStringLiteral("yyyy-MM-dd");

QString failureNoteOf(const QString& databaseFile) {
    return databaseFile + QStringLiteral(".backup-failed");
}

// The newest day of each period (a week from Monday, a month) among the last `count`
// periods up to today's.
template <class PeriodOf>
void keepNewestOfPeriods(const QList<QDate>& newestFirst, QDate today, int count, PeriodOf periodOf,
                         QSet<QDate>& kept) {
    QSet<qint64> seen;
    const qint64 current = periodOf(today);
    for (const QDate day : newestFirst) {
        const qint64 period = periodOf(day);
        if (period <= current && period > current - count && !seen.contains(period)) {
            seen.insert(period);
            kept.insert(day);
        }
    }
}

}  // namespace

QString backupsFolderOf(const QString& databaseFile) {
    return QFileInfo(databaseFile).dir().filePath(QStringLiteral("backups"));
}

QString dailyBackupFile(const QString& databaseFile, QDate day) {
    return QDir(backupsFolderOf(databaseFile))
        .filePath(QStringLiteral("Mirtal %1.mdb").arg(day.toString(dayFormat)));
}

QList<DailyBackup> listDailyBackups(const QString& databaseFile) {
    static const QRegularExpression name(
        QRegularExpression::anchoredPattern(QStringLiteral("Mirtal (\\d{4}-\\d{2}-\\d{2})\\.mdb")));
    QList<DailyBackup> backups;
    const QDir folder(backupsFolderOf(databaseFile));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file.fileName());
        const QDate day =
            match.hasMatch() ? QDate::fromString(match.captured(1), dayFormat) : QDate();
        if (day.isValid()) {
            backups << DailyBackup{file.absoluteFilePath(), day, file.size()};
        }
    }
    std::ranges::sort(backups, std::greater{}, &DailyBackup::day);
    return backups;
}

QList<QDate> daysKept(QList<QDate> days, QDate today) {
    std::ranges::sort(days, std::greater{});
    QSet<QDate> kept(days.begin(), days.begin() + std::min<qsizetype>(days.size(), 7));
    keepNewestOfPeriods(
        days, today, 4, [](QDate day) { return (day.toJulianDay() - day.dayOfWeek() + 1) / 7; },
        kept);
    keepNewestOfPeriods(
        days, today, 12, [](QDate day) { return qint64(day.year()) * 12 + day.month() - 1; }, kept);
    QList<QDate> result;
    for (const QDate day : days) {
        if (kept.contains(day)) {
            result << day;
        }
    }
    return result;
}

bool writeDailyBackup(const ConnectionSettings& database, QDate today) {
    const QString target = dailyBackupFile(database.dataSource, today);
    const QDir folder(backupsFolderOf(database.dataSource));
    // Pieces of a copy whose writing a crash or a power cut cut short.
    for (const QString& piece :
         folder.entryList({QStringLiteral(".Mirtal *.mdb.part-*")}, QDir::Files | QDir::Hidden)) {
        QFile::remove(folder.filePath(piece));
    }
    const bool written = !QFileInfo::exists(target);
    if (written) {
        backupDatabase(database, target, Replace::Never);
    }
    QList<QDate> days;
    for (const DailyBackup& backup : listDailyBackups(database.dataSource)) {
        days << backup.day;
    }
    const QList<QDate> kept = daysKept(days, today);
    for (const QDate day : days) {
        if (!kept.contains(day)) {
            QFile::remove(dailyBackupFile(database.dataSource, day));
        }
    }
    return written;
}

void noteBackupFailure(const QString& databaseFile, const QString& description) {
    QSaveFile note(failureNoteOf(databaseFile));
    if (note.open(QIODevice::WriteOnly)) {
        note.write(description.toUtf8());
        note.commit();
    }
}

std::optional<QString> takeBackupFailure(const QString& databaseFile) {
    QFile note(failureNoteOf(databaseFile));
    if (!note.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QString description = QString::fromUtf8(note.readAll());
    note.close();
    note.remove();
    return description;
}

}  // namespace mirtal::store
