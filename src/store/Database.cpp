#include "store/Database.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include "store/DatabaseCheck.h"
#include "store/DialectTranslator.h"
#include "store/KeyedOpen.h"
#include "store/SqlTokenizer.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace mirtal::store {

namespace {

QString openFailure(const QString& file, const QString& cause) {
    return QStringLiteral("The database file %1 cannot be opened: %2")
        .arg(QDir::toNativeSeparators(file), cause);
}

QVariant cellValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, column));
        case SQLITE_NULL:
            return QVariant();
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            const QString value = QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
            // Day columns hold ISO text; callers get the calendar day itself.
            const char* declared = sqlite3_column_decltype(stmt, column);
            if (declared && qstrcmp(declared, "DATE") == 0) {
                const QDate day = QDate::fromString(value, Qt::ISODate);
                if (day.isValid()) {
                    return QVariant(day);
                }
            }
            return QVariant(value);
        }
    }
}

bool onlyBlanks(const char* from, const char* to) {
    for (; from != nullptr && from < to; ++from) {
        if (!isBlank(*from)) {
            return false;
        }
    }
    return true;
}

}  // namespace

Database::Database(SqliteHandle handle) : db_(std::move(handle)) {}

std::unique_ptr<Database> Database::open(const ConnectionSettings& settings) {
    const QString& file = settings.dataSource;
    const QFileInfo info(file);
    if (!info.exists()) {
        throw StoreError(openFailure(file, QStringLiteral("the file does not exist.")));
    }
    if (!info.isFile()) {
        throw StoreError(openFailure(file, QStringLiteral("it is not a file.")));
    }
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable()) {
        throw StoreError(
            openFailure(file, QStringLiteral("the file or its folder cannot be written.")));
    }
    QString cause;
    SqliteHandle handle = openKeyed(file, settings.password, &cause);
    if (!handle) {
        throw StoreError(openFailure(file, cause));
    }
    // An interrupted copy leaves an empty file, which SQLite takes for an empty database:
    // every action would then fail on a missing table.
    const QStringList missing = missingTables(handle.get());
    if (missing.size() == static_cast<qsizetype>(tables().size())) {
        throw StoreError(openFailure(file, QStringLiteral("it holds no Mirtal data.")));
    }
    if (!missing.isEmpty()) {
        throw StoreError(
            openFailure(file, QStringLiteral("it holds no Mirtal data: the tables %1 are missing.")
                                  .arg(missing.join(QStringLiteral(", ")))));
    }
    return std::unique_ptr<Database>(new Database(std::move(handle)));
}

void Database::execute(const QString& statement) {
    if (observer_) {
        observer_(statement);
    }
    run(translateStatement(statement.toStdString()), Access::Write);
}

ResultSet Database::select(const QString& statement) {
    if (observer_) {
        observer_(statement);
    }
    return run(translateStatement(statement.toStdString()), Access::Read);
}

ResultSet Database::selectNative(const std::string& sqliteStatement) {
    return run(sqliteStatement, Access::Native);
}

ResultSet Database::run(const std::string& sql, Access access) {
    const char* tail = nullptr;
    const StatementHandle stmt = prepareStatement(db_.get(), sql.c_str(), &tail);
    if (!stmt) {
        if (sqlite3_errcode(db_.get()) != SQLITE_OK) {
            fail();
        }
        throw StoreError(QStringLiteral("The statement is empty."));
    }
    // SQLite compiles up to the first statement's end and leaves the rest unread: whatever
    // follows, a second statement or text after a NUL byte, would be silently dropped.
    if (access != Access::Native && !onlyBlanks(tail, sql.data() + sql.size())) {
        throw StoreError(QStringLiteral("The statement holds more than one statement."));
    }
    if (access == Access::Read && sqlite3_stmt_readonly(stmt.get()) == 0) {
        throw StoreError(QStringLiteral("A select cannot change data."));
    }
    const int columns = sqlite3_column_count(stmt.get());
    QStringList names;
    names.reserve(columns);
    for (int c = 0; c < columns; ++c) {
        names << QString::fromUtf8(sqlite3_column_name(stmt.get(), c));
    }
    std::vector<QVariant> cells;
    for (;;) {
        const int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_DONE) {
            break;
        }
        if (rc != SQLITE_ROW) {
            fail();
        }
        for (int c = 0; c < columns; ++c) {
            cells.push_back(cellValue(stmt.get(), c));
        }
    }
    return ResultSet(std::move(names), std::move(cells));
}

void Database::inTransaction(const std::function<void()>& work) {
    runControl("BEGIN IMMEDIATE");
    try {
        work();
    } catch (...) {
        sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    runControl("COMMIT");
}

void Database::runControl(const char* statement) {
    if (sqlite3_exec(db_.get(), statement, nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString reason = failureDescription();
        if (sqlite3_get_autocommit(db_.get()) == 0) {
            sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        }
        throw StoreError(reason);
    }
}

void Database::fail() const {
    throw StoreError(failureDescription());
}

QString Database::failureDescription() const {
    const int code = sqlite3_errcode(db_.get()) & 0xff;
    const QString file =
        QDir::toNativeSeparators(QString::fromUtf8(sqlite3_db_filename(db_.get(), "main")));
    if (isBusy(code)) {
        return QStringLiteral("The database file %1 cannot be used now: %2")
            .arg(file, inUseCause());
    }
    // The engine's own words ("disk I/O error") say neither which file nor what happened.
    if (code == SQLITE_IOERR || code == SQLITE_FULL || code == SQLITE_CANTOPEN) {
        return QStringLiteral(
                   "The database file %1 could not be written or read (%2): the disk "
                   "may be full, removed or failing. The change that failed was not "
                   "saved.")
            .arg(file, QString::fromUtf8(sqlite3_errmsg(db_.get())));
    }
    return QString::fromUtf8(sqlite3_errmsg(db_.get()));
}

}  // namespace mirtal::store
