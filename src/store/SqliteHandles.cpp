#include "store/SqliteHandles.h"

#include "store/StoreError.h"

namespace mirtal::store {

StatementHandle prepareStatement(sqlite3* db, const char* sql, const char** tail) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &raw, tail);
    return StatementHandle(raw);
}

StatementHandle prepareStatementOrThrow(sqlite3* db, const char* sql) {
    StatementHandle stmt = prepareStatement(db, sql);
    if (sqlite3_errcode(db) != SQLITE_OK) {
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    return stmt;
}

}  // namespace mirtal::store
