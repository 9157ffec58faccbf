#include "app/DataCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "progress/TrackerImport.h"
#include "store/BackupSchedule.h"
#include "store/CsvFolderImport.h"

namespace mirtal::app {

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString counted(qint64 n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

void importCsvCommand(const store::ConnectionSettings& database, const QString& path,
                      const std::optional<QString>& userName, const std::optional<QString>& pulse,
                      const std::optional<QString>& morale, QTextStream& out) {
    if (QFileInfo(path).isDir()) {
        const store::CsvFolderImportResult result = store::importCsvFolder(database, path);
        out << "Imported " << counted(result.rows, "row", "rows") << " of "
            << counted(result.users, "user", "users") << " from " << native(path) << " into "
            << native(database.dataSource) << ".\n";
        return;
    }
    const progress::TrackerImportResult result =
        progress::importTrackerCsv(database, {path, userName.value_or(QString()), pulse, morale});
    out << "Added " << counted(result.added, "progress entry", "progress entries") << " from "
        << native(path) << " to the progress log of " << userName.value_or(QString())
        << "; skipped " << counted(result.skipped, "row", "rows")
        << " for days that had an entry already.\n";
}

void listBackupsCommand(const store::ConnectionSettings& database, QTextStream& out) {
    const QList<store::DailyBackup> backups = store::listDailyBackups(database.dataSource);
    if (backups.isEmpty()) {
        out << "No daily backups in " << native(store::backupsFolderOf(database.dataSource))
            << " yet.\n";
        return;
    }
    const QLocale sizes(QLocale::English);
    for (const store::DailyBackup& backup : backups) {
        out << native(backup.file) << "  " << sizes.formattedDataSize(backup.bytes) << '\n';
    }
}

}  // namespace mirtal::app
