#include "store/CsvFolderImport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <charconv>
#include <optional>

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
                         .arg(csv.placeOf(record, column), record.text(column), what));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// As the export writes numbers: plain decimals with at most one point, never an exponent.
// Looked at byte by byte: an export holds a million of them.
bool isNumber(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    bool digits = false;
    bool point = false;
    for (const char c : text) {
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

// The whole text as a whole number; nullopt when it is none or too large.
template <class Integer>
std::optional<Integer> wholeNumber(std::string_view text) {
    Integer number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

// A day as the export writes it, yyyy-MM-dd; a year before the common era is written with a
// minus and three digits.
bool isDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    const std::string_view year = text.substr(0, 4);
    const std::string_view month = text.substr(5, 2);
    const std::string_view day = text.substr(8, 2);
    const auto digitsOnly = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), isDigit);
    };
    if (!(digitsOnly(year) || (year[0] == '-' && digitsOnly(year.substr(1)))) ||
        !digitsOnly(month) || !digitsOnly(day)) {
        return false;
    }
    return QDate(*wholeNumber<int>(year), *wholeNumber<int>(month), *wholeNumber<int>(day))
        .isValid();
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
        if (record.size() != expected.size()) {
            throw StoreError(QStringLiteral("%1, line %2: %3 fields where the header names %4.")
                                 .arg(native(path))
                                 .arg(record.line)
                                 .arg(record.size())
                                 .arg(expected.size()));
        }
        for (int c = 0; c < expected.size(); ++c) {
            const std::string_view value = record.fields[static_cast<std::size_t>(c)];
            const ColumnKind kind = table.columns[static_cast<std::size_t>(c)].kind;
            if (c == 0 && value.empty()) {
                badField(csv, record, c, QStringLiteral("a key"));
            }
            if (value.empty() || kind == ColumnKind::Text) {
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

// The field as the column holds it. Texts are bound where they lie: the file outlives the
// statement.
void bindValue(sqlite3_stmt* stmt, int index, std::string_view value, ColumnKind kind) {
    if (value.empty() && kind != ColumnKind::Text) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    if (kind == ColumnKind::Number) {
        if (const std::optional<qint64> whole = wholeNumber<qint64>(value)) {
            sqlite3_bind_int64(stmt, index, *whole);
            return;
        }
        double number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        // Beyond the range of a double: infinity or zero, as Qt reads it.
        sqlite3_bind_double(
            stmt, index,
            error == std::errc() && end == value.data() + value.size()
                ? number
                : QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()))
                      .toDouble());
        return;
    }
    sqlite3_bind_text(stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
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
        for (std::size_t c = 0; c < record.fields.size(); ++c) {
            bindValue(stmt.get(), static_cast<int>(c) + 1, record.fields[c], table.columns[c].kind);
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
    return static_cast<qint64>(file.csv.records.size());
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
