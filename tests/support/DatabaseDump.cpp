#include "support/DatabaseDump.h"

#include <QStringList>

#include "store/ConnectionString.h"
#include "store/KeyedOpen.h"
#include "store/Tables.h"

namespace mirtal::testing {

std::string databaseDump(const QString& file) {
    const QString password = store::databasePassword();
    QString cause;
    const store::SqliteHandle db = store::openKeyed(file, password, &cause);
    if (!db) {
        return "cannot open: " + cause.toStdString();
    }
    QStringList dump;
    for (const store::Table& table : store::tables()) {
        dump << QString::fromLatin1(table.name.data(), table.name.size());
        const QByteArray sql =
            "SELECT * FROM " + QByteArray(table.name.data(), table.name.size()) + " ORDER BY 1";
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db.get(), sql.constData(), -1, &raw, nullptr) != SQLITE_OK) {
            dump << QStringLiteral("cannot read");
            continue;
        }
        const store::StatementHandle stmt(raw);
        while (sqlite3_step(raw) == SQLITE_ROW) {
            QStringList row;
            for (int c = 0; c < sqlite3_column_count(raw); ++c) {
                row << QString::number(sqlite3_column_type(raw, c)) + u':' +
                           QString::fromUtf8(
                               reinterpret_cast<const char*>(sqlite3_column_text(raw, c)));
            }
            dump << row.join(u'|');
        }
    }
    return dump.join(u'\n').toStdString();
}

}  // namespace mirtal::testing
