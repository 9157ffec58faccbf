#include "store/KeyedOpen.h"

#include "store/VectorState.h"

namespace mirtal::store {

namespace {

bool exec(sqlite3* db, const QString& sql) {
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString firstValue(sqlite3* db, const char* sql) {
    const StatementHandle stmt = prepareStatement(db, sql);
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) {
        return {};
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
}

QString escaped(QString text) {
    return text.replace(u'\'', QStringLiteral("''"));
}

QString unreadableCause(sqlite3* db) {
    const int code = sqlite3_errcode(db) & 0xff;
    const QString engine = QString::fromUtf8(sqlite3_errmsg(db));
    if (isBusy(code)) {
        return inUseCause();
    }
    if (code == SQLITE_CORRUPT) {
        return QStringLiteral("the file is damaged: cut short or partly overwritten (%1).")
            .arg(engine);
    }
    return QStringLiteral("the password is wrong or the file is not a database (%1).").arg(engine);
}

}  // namespace

bool isBusy(int sqliteCode) {
    return (sqliteCode & 0xff) == SQLITE_BUSY || (sqliteCode & 0xff) == SQLITE_LOCKED;
}

QString inUseCause() {
    return QStringLiteral(
               "it is in use by another program, which kept it locked for %1 seconds. Try again "
               "once that program is done with it.")
        .arg(busyTimeoutMilliseconds / 1000);
}

SqliteHandle openKeyed(const QString& file, const QString& password, QString* cause,
                       OpenMode mode) {
    sqlite3* raw = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | (mode == OpenMode::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(file.toUtf8().constData(), &raw, flags, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK) {
        *cause = QString::fromUtf8(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(rc)) + u'.';
        return nullptr;
    }
    // A backup tool or another program may hold the file for a moment: every statement,
    // the first read included, waits that long before it gives up.
    sqlite3_busy_timeout(db.get(), busyTimeoutMilliseconds);
    // The key is derived on the first read below, often on a thread begun for it.
    clearUpperVectorState();
    if (!exec(db.get(), QStringLiteral("PRAGMA key = '%1'").arg(escaped(password)))) {
        *cause = QStringLiteral("the password cannot be applied.");
        return nullptr;
    }
    // Files are written in the version 3 format; SQLCipher 4 reads them when told so.
    if (firstValue(db.get(), "PRAGMA cipher_version").startsWith(u"4.")) {
        exec(db.get(), QStringLiteral("PRAGMA cipher_compatibility = 3"));
    }
    // The key is only checked on the first read, which waits while another program holds
    // the file locked.
    if (sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK) {
        *cause = unreadableCause(db.get());
        return nullptr;
    }
    if (sqlite3_db_readonly(db.get(), "main") != 0) {
        *cause = QStringLiteral("the file cannot be written.");
        return nullptr;
    }
    // WAL is left out on purpose: the rollback journal with a full sync is the mode whose
    // recovery these SQLCipher versions get right after a crash or power cut.
    if (!exec(db.get(), QStringLiteral("PRAGMA synchronous = FULL")) ||
        firstValue(db.get(), "PRAGMA journal_mode = DELETE")
                .compare(u"delete", Qt::CaseInsensitive) != 0) {
        *cause = QStringLiteral("its journal cannot be set up (%1).")
                     .arg(QString::fromUtf8(sqlite3_errmsg(db.get())));
        return nullptr;
    }
    // The default page cache (2 MB) holds less than a household's few years of days; once it
    // overflows, every report reads and decrypts each page it touches again.
    exec(db.get(), QStringLiteral("PRAGMA cache_size = -32768"));
    return db;
}

}  // namespace mirtal::store
