#include "store/CsvExport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

#include "store/KeyedOpen.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace mirtal::store {

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString tableName(const Table& table) {
    return QString::fromLatin1(table.name.data(), table.name.size());
}

QString fileFor(const QString& folder, const Table& table) {
    return QDir(folder).filePath(tableName(table) + QStringLiteral(".csv"));
}

bool hasUserColumn(const Table& table) {
    return findColumn(table, "UserID") != nullptr;
}

// The users the export is for, as a list for "UserID IN (...)"; names are stored with each
// apostrophe turned into a backquote, so the name asked for is looked up the same way.
QByteArray usersNamed(sqlite3* db, const QString& name, int* count) {
    const StatementHandle stmt =
        prepareStatementOrThrow(db, "SELECT UserID FROM User1 WHERE UserName = ?1 ORDER BY UserID");
    const QByteArray stored = QString(name).replace(u'\'', u'`').toUtf8();
    sqlite3_bind_text(stmt.get(), 1, stored.constData(), static_cast<int>(stored.size()),
                      SQLITE_TRANSIENT);
    QByteArrayList ids;
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        ids << QByteArray::number(sqlite3_column_int64(stmt.get(), 0));
    }
    if (ids.isEmpty()) {
        throw StoreError(QStringLiteral("No user is named %1.").arg(name));
    }
    *count = static_cast<int>(ids.size());
    return ids.join(',');
}

int userCount(sqlite3* db) {
    const StatementHandle stmt = prepareStatementOrThrow(db, "SELECT count(*) FROM User1");
    return sqlite3_step(stmt.get()) == SQLITE_ROW ? sqlite3_column_int(stmt.get(), 0) : 0;
}

void appendValue(QByteArray& line, sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return;
        case SQLITE_INTEGER:
            line += QByteArray::number(sqlite3_column_int64(stmt, column));
            return;
        case SQLITE_FLOAT:
            // The fewest digits that read back as the same number, and never an exponent.
            line += QByteArray::number(sqlite3_column_double(stmt, column), 'f',
                                       QLocale::FloatingPointShortest);
            return;
        default: {
            // Days are kept as ISO dates already, so they go out as they are.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            appendCsvField(line, QByteArrayView(text, sqlite3_column_bytes(stmt, column)));
        }
    }
}

qint64 writeTable(sqlite3* db, const Table& table, const QByteArray& userIds, const QString& file) {
    QByteArray sql = "SELECT ";
    QByteArray csv;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const QByteArray name(table.columns[c].name.data(),
                              static_cast<qsizetype>(table.columns[c].name.size()));
        sql += (c ? ", \"" : "\"") + name + '"';
        csv += (c ? "," : "") + name;
    }
    csv += "\r\n";
    sql += " FROM \"" + QByteArray(table.name.data(), table.name.size()) + '"';
    if (!userIds.isEmpty() && hasUserColumn(table)) {
        sql += " WHERE UserID IN (" + userIds + ')';
    }
    sql += " ORDER BY 1";

    QSaveFile out(file);
    // Health records in plain text: only their owner reads them.
    if (!out.open(QIODevice::WriteOnly) ||
        !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        throw StoreError(
            QStringLiteral("%1 cannot be written: %2.").arg(native(file), out.errorString()));
    }
    const StatementHandle stmt = prepareStatementOrThrow(db, sql.constData());
    const int columns = sqlite3_column_count(stmt.get());
    qint64 rows = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (c) {
                csv += ',';
            }
            appendValue(csv, stmt.get(), c);
        }
        csv += "\r\n";
        ++rows;
        if (csv.size() > (1 << 20)) {
            out.write(csv);
            csv.clear();
        }
    }
    if (rc != SQLITE_DONE) {
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    out.write(csv);
    if (!out.commit()) {
        throw StoreError(
            QStringLiteral("%1 cannot be written: %2.").arg(native(file), out.errorString()));
    }
    return rows;
}

}  // namespace

void appendCsvField(QByteArray& line, QByteArrayView utf8) {
    const bool quoted =
        utf8.contains(',') || utf8.contains('"') || utf8.contains('\n') || utf8.contains('\r');
    if (!quoted) {
        line += utf8;
        return;
    }
    line += '"';
    for (const char c : utf8) {
        if (c == '"') {
            line += '"';
        }
        line += c;
    }
    line += '"';
}

CsvExportResult exportCsv(const ConnectionSettings& database, const QString& folder,
                          const std::optional<QString>& userName, Replace replace) {
    if (!QFileInfo(database.dataSource).isFile()) {
        throw StoreError(QStringLiteral("The database file %1 does not exist.")
                             .arg(native(database.dataSource)));
    }
    if (replace == Replace::Never) {
        for (const Table& table : tables()) {
            if (QFileInfo::exists(fileFor(folder, table))) {
                throw ExistingFile(
                    QStringLiteral("%1 exists already.").arg(native(fileFor(folder, table))));
            }
        }
    }
    QString cause;
    const SqliteHandle db = openKeyed(database.dataSource, database.password, &cause);
    if (!db) {
        throw StoreError(QStringLiteral("The database file %1 cannot be opened: %2")
                             .arg(native(database.dataSource), cause));
    }
    // One read transaction: every file shows the same moment even while the program writes.
    if (sqlite3_exec(db.get(), "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db.get())));
    }
    CsvExportResult result;
    const QByteArray userIds =
        userName ? usersNamed(db.get(), *userName, &result.users) : QByteArray();
    if (!userName) {
        result.users = userCount(db.get());
    }
    if (!QDir().mkpath(folder)) {
        throw StoreError(QStringLiteral("The folder %1 cannot be made.").arg(native(folder)));
    }
    for (const Table& table : tables()) {
        result.rows += writeTable(db.get(), table, userIds, fileFor(folder, table));
        ++result.files;
    }
    sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr);
    return result;
}

}  // namespace mirtal::store
