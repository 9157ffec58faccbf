#include "store/CsvFolderImport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QList>

#include "store/CsvReader.h"
#include "store/KeyedOpen.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace mirtal::store {

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString nameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QByteArray quotedName(std::string_view name) {
    return '"' + QByteArray(name.data(), static_cast<qsizetype>(name.size())) + '"';
}

// The tables a person's entries live in: all but the evaluation choices.
bool holdsUserData(const Table& table) {
    return table.name != "SetMealPoint";
}

void execOrThrow(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

void requireNoUserData(sqlite3* db, const QString& file) {
    for (const Table& table : tables()) {
        if (!holdsUserData(table)) {
            continue;
        }
        const StatementHandle stmt = prepareStatementOrThrow(
            db, ("SELECT 1 FROM " + quotedName(table.name) + " LIMIT 1").constData());
        if (sqlite3_step(stmt.get()) == SQLITE_ROW) {
            throw StoreError(QStringLiteral("%1 holds users or their entries already; an "
                                            "export is read only into a database without "
                                            "them. Nothing was imported.")
                                 .arg(native(file)));
        }
    }
}

// A table's file, checked whole before anything is written.
struct TableFile {
    const Table* table = nullptr;
    CsvFile csv;
};

[[noreturn]] void badField(const CsvFile& csv, const CsvRecord& record, int column,
                           const QString& what) {
    throw StoreError(QStringLiteral("%1: '%2' is not %3.")
                         .arg(csv.placeOf(record, column), record.fields[column], what));
}

// As the export writes numbers: plain decimals with at most one point, never an exponent.
// Looked at character by character: an export holds a million of them.
bool isNumber(QStringView text) {
    if (text.startsWith(u'-')) {
        text = text.mid(1);
    }
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

// A day as the export writes it, yyyy-MM-dd.
bool isDay(QStringView text) {
    return text.size() == 10 && text[4] == u'-' && text[7] == u'-' &&
           QDate(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt()).isValid() &&
           isNumber(text.left(4)) && isNumber(text.mid(5, 2)) && isNumber(text.mid(8, 2));
}

TableFile readTableFile(const QString& folder, const Table& table) {
    const QString path = QDir(folder).filePath(nameOf(table.name) + QStringLiteral(".csv"));
    if (!QFileInfo::exists(path)) {
        throw StoreError(QStringLiteral("%1 is missing: a folder written by --export-csv holds "
                                        "one file for each table.")
                             .arg(native(path)));
    }
    TableFile file{&table, readCsvFile(path)};
    const CsvFile& csv = file.csv;
    QStringList expected;
    for (const Column& column : table.columns) {
        expected << nameOf(column.name);
    }
    if (csv.header != expected) {
        throw StoreError(QStringLiteral("%1, line 1: the header must be %2.")
                             .arg(native(path), expected.join(u',')));
    }
    for (const CsvRecord& record : csv.records) {
        if (record.fields.size() != expected.size()) {
            throw StoreError(QStringLiteral("%1, line %2: %3 fields where the header names %4.")
                                 .arg(native(path))
                                 .arg(record.line)
                                 .arg(record.fields.size())
                                 .arg(expected.size()));
        }
        for (int c = 0; c < expected.size(); ++c) {
            const QString& value = record.fields[c];
            const ColumnKind kind = table.columns[static_cast<std::size_t>(c)].kind;
            if (c == 0 && value.isEmpty()) {
                badField(csv, record, c, QStringLiteral("a key"));
            }
            if (value.isEmpty() || kind == ColumnKind::Text) {
                continue;
            }
            if (kind == ColumnKind::Number && !isNumber(value)) {
                badField(csv, record, c, QStringLiteral("a number"));
            }
            if (kind == ColumnKind::Day && !isDay(value)) {
                badField(csv, record, c, QStringLiteral("a day written as yyyy-MM-dd"));
            }
        }
    }
    return file;
}

void bindValue(sqlite3_stmt* stmt, int index, const QString& value, ColumnKind kind) {
    if (value.isEmpty() && kind != ColumnKind::Text) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    if (kind == ColumnKind::Number) {
        bool whole = false;
        const qint64 number = value.toLongLong(&whole);
        if (whole) {
            sqlite3_bind_int64(stmt, index, number);
        } else {
            sqlite3_bind_double(stmt, index, value.toDouble());
        }
        return;
    }
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                      SQLITE_TRANSIENT);
}

qint64 insertRows(sqlite3* db, const TableFile& file) {
    const Table& table = *file.table;
    QByteArray sql = "INSERT INTO " + quotedName(table.name) + " VALUES (";
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        sql += c ? ",?" : "?";
    }
    sql += ')';
    const StatementHandle stmt = prepareStatementOrThrow(db, sql.constData());
    for (const CsvRecord& record : file.csv.records) {
        for (int c = 0; c < record.fields.size(); ++c) {
            bindValue(stmt.get(), c + 1, record.fields[c],
                      table.columns[static_cast<std::size_t>(c)].kind);
        }
        if (sqlite3_step(stmt.get()) != SQLITE_DONE) {
            const QString cause = QString::fromUtf8(sqlite3_errmsg(db));
            throw StoreError(QStringLiteral("%1, line %2: the row cannot be stored: %3.")
                                 .arg(native(file.csv.path))
                                 .arg(record.line)
                                 .arg(cause));
        }
        sqlite3_reset(stmt.get());
    }
    return file.csv.records.size();
}

}  // namespace

CsvFolderImportResult importCsvFolder(const ConnectionSettings& database, const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        throw StoreError(QStringLiteral("%1 is not a folder.").arg(native(folder)));
    }
    if (!QFileInfo(database.dataSource).isFile()) {
        throw StoreError(QStringLiteral("The database file %1 does not exist.")
                             .arg(native(database.dataSource)));
    }
    QString cause;
    const SqliteHandle db = openKeyed(database.dataSource, database.password, &cause);
    if (!db) {
        throw StoreError(QStringLiteral("The database file %1 cannot be opened: %2")
                             .arg(native(database.dataSource), cause));
    }
    // Told before the files are read, and checked again once the file is held for writing.
    requireNoUserData(db.get(), database.dataSource);
    QList<TableFile> files;
    for (const Table& table : tables()) {
        files << readTableFile(folder, table);
    }
    execOrThrow(db.get(), "BEGIN IMMEDIATE");
    CsvFolderImportResult result;
    try {
        requireNoUserData(db.get(), database.dataSource);
        execOrThrow(db.get(), "DELETE FROM SetMealPoint");
        for (const TableFile& file : files) {
            result.rows += insertRows(db.get(), file);
            if (file.table->name == "User1") {
                result.users = static_cast<int>(file.csv.records.size());
            }
        }
        execOrThrow(db.get(), "COMMIT");
    } catch (...) {
        sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return result;
}

}  // namespace mirtal::store
