#include "store/Backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/DatabaseCheck.h"
#include "store/KeyedOpen.h"
#include "store/StoreError.h"

namespace mirtal::store {

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString journalOf(const QString& file) {
    return file + QStringLiteral("-journal");
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

// `failure` begins the description; the cause completes it.
SqliteHandle openOrThrow(const QString& file, const QString& password, OpenMode mode,
                         const QString& failure) {
    QString cause;
    SqliteHandle db = openKeyed(file, password, &cause, mode);
    if (!db) {
        throw StoreError(failure + cause);
    }
    return db;
}

// Opens a copy just written and refuses it unless it is sound.
void checkCopy(const QString& copy, const QString& password, const QString& failure) {
    const SqliteHandle db = openOrThrow(copy, password, OpenMode::ExistingOnly, failure);
    const QString problem = databaseProblem(db.get());
    if (!problem.isEmpty()) {
        throw StoreError(failure + problem);
    }
}

void requireDatabaseFile(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        throw StoreError(QStringLiteral("The database file %1 does not exist.").arg(native(file)));
    }
}

// The first of "Mirtal.mdb.bak", "Mirtal.mdb.1.bak", "Mirtal.mdb.2.bak", ... that neither a
// file nor a journal holds: every restore keeps its own copy.
QString unusedKeptFileName(const QString& database) {
    QString name = database + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(name) || QFileInfo::exists(journalOf(name)); ++n) {
        name = QStringLiteral("%1.%2.bak").arg(database).arg(n);
    }
    return name;
}

}  // namespace

void backupDatabase(const ConnectionSettings& database, const QString& target, Replace replace) {
    requireDatabaseFile(database.dataSource);
    if (sameFile(database.dataSource, target)) {
        throw StoreError(
            QStringLiteral("%1 is the database itself; choose another file.").arg(native(target)));
    }
    if (replace == Replace::Never && QFileInfo::exists(target)) {
        throw ExistingFile(QStringLiteral("%1 exists already.").arg(native(target)));
    }
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw StoreError(QStringLiteral("The folder %1 cannot be made.").arg(native(folder)));
    }
    const QString copy = unusedSiblingName(target);
    RemovedUnlessKept copyUntilDone(copy);
    {
        const SqliteHandle source =
            openOrThrow(database.dataSource, database.password, OpenMode::ExistingOnly,
                        QStringLiteral("The database file %1 cannot be opened: ")
                            .arg(native(database.dataSource)));
        const SqliteHandle destination =
            openOrThrow(copy, database.password, OpenMode::CreateIfMissing,
                        QStringLiteral("%1 cannot be written: ").arg(native(target)));
        // Health records: only their owner reads the copy.
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // Each page is written once: a large cache would only cost time.
        sqlite3_exec(destination.get(), "PRAGMA cache_size = 100", nullptr, nullptr, nullptr);
        sqlite3_backup* backup =
            sqlite3_backup_init(destination.get(), "main", source.get(), "main");
        if (backup == nullptr) {
            throw StoreError(
                QStringLiteral("%1 cannot be written: %2.")
                    .arg(native(target), QString::fromUtf8(sqlite3_errmsg(destination.get()))));
        }
        const int stepped = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (stepped != SQLITE_DONE) {
            throw StoreError(QStringLiteral("%1 cannot be written: %2.")
                                 .arg(native(target), QString::fromUtf8(sqlite3_errstr(stepped))));
        }
    }
    checkCopy(copy, database.password,
              QStringLiteral("The copy for %1 is not sound: ").arg(native(target)));
    moveIntoPlace(copy, target, replace);
    copyUntilDone.keep();
}

std::optional<QString> restoreDatabase(const ConnectionSettings& database, const QString& backup) {
    const QString& current = database.dataSource;
    if (!QFileInfo(backup).isFile()) {
        throw StoreError(QStringLiteral("%1 is not a file.").arg(native(backup)));
    }
    if (sameFile(current, backup)) {
        throw StoreError(
            QStringLiteral("%1 is the database itself; choose a backup.").arg(native(backup)));
    }
    // A journal beside it holds the other half of a write that was cut short; the file alone
    // is not the database it was.
    if (QFileInfo::exists(journalOf(backup))) {
        throw StoreError(QStringLiteral("%1 was left in the middle of a write (%2 lies beside "
                                        "it); open it with the program first.")
                             .arg(native(backup), native(journalOf(backup))));
    }
    const QString folder = QFileInfo(current).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw StoreError(QStringLiteral("The folder %1 cannot be made.").arg(native(folder)));
    }

    const QString incoming = unusedSiblingName(current);
    RemovedUnlessKept incomingUntilDone(incoming);
    copyToNewFile(backup, incoming);
    checkCopy(incoming, database.password,
              QStringLiteral("%1 cannot be restored: ").arg(native(backup)));

    std::optional<QString> kept;
    if (QFileInfo::exists(current)) {
        // Opening the file rolls back a write that a crash cut short, so that its journal is
        // gone before another file takes its name. A file that does not open is kept as it is.
        QString ignored;
        openKeyed(current, database.password, &ignored);
        const QString keptCopy = unusedSiblingName(current + QStringLiteral(".bak"));
        RemovedUnlessKept keptCopyUntilDone(keptCopy);
        copyToNewFile(current, keptCopy);
        kept = unusedKeptFileName(current);
        if (QFileInfo::exists(journalOf(current))) {
            moveIntoPlace(journalOf(current), journalOf(*kept), Replace::Never);
        }
        moveIntoPlace(keptCopy, *kept, Replace::Never);
        keptCopyUntilDone.keep();
    }
    moveIntoPlace(incoming, current, Replace::Allowed);
    incomingUntilDone.keep();
    return kept;
}

}  // namespace mirtal::store
