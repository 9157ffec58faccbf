#include "store/DatabaseCheck.h"

#include "store/Tables.h"

namespace mirtal::store {

namespace {

QStringList firstColumn(sqlite3* db, const QByteArray& sql, int column = 0) {
    QStringList values;
    const StatementHandle stmt = prepareStatement(db, sql.constData());
    while (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW) {
        values << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), column)));
    }
    return values;
}

QString tableName(const Table& table) {
    return QString::fromLatin1(table.name.data(), static_cast<qsizetype>(table.name.size()));
}

}  // namespace

QStringList missingTables(sqlite3* db) {
    const QStringList present =
        firstColumn(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    QStringList missing;
    for (const Table& table : tables()) {
        const QString name = tableName(table);
        if (!present.contains(name)) {
            missing << name;
        }
    }
    return missing;
}

QString databaseProblem(sqlite3* db) {
    const QStringList integrity = firstColumn(db, "PRAGMA integrity_check");
    if (integrity != QStringList{QStringLiteral("ok")}) {
        return QStringLiteral("it is damaged (%1).")
            .arg(integrity.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(db)) : integrity.front());
    }
    const QStringList missing = missingTables(db);
    for (const Table& table : tables()) {
        const QString name = tableName(table);
        if (missing.contains(name)) {
            return QStringLiteral("it has no table %1.").arg(name);
        }
        // table_info gives one row per column: its position, then its name.
        const QStringList found =
            firstColumn(db, "PRAGMA table_info(\"" + name.toLatin1() + "\")", 1);
        QStringList expected;
        for (const Column& column : table.columns) {
            expected << QString::fromLatin1(column.name.data(), column.name.size());
        }
        if (found.join(u',').compare(expected.join(u','), Qt::CaseInsensitive) != 0) {
            return QStringLiteral("its table %1 has the columns %2 instead of %3.")
                .arg(name, found.join(QStringLiteral(", ")), expected.join(QStringLiteral(", ")));
        }
    }
    return {};
}

}  // namespace mirtal::store
