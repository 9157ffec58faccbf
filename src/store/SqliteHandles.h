#pragma once

#include <sqlite3.h>

#include <memory>

namespace mirtal::store {

// Owning handles over the SQLCipher C API; nothing outside the store sees a raw sqlite3*.
struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Compiles the first statement of `sql`; `tail`, when given, receives where compiling
// stopped. The handle is empty when the engine refuses the text (sqlite3_errcode(db) then
// says why) and when the text holds no statement.
StatementHandle prepareStatement(sqlite3* db, const char* sql, const char** tail = nullptr);

// For a statement the store writes itself: one the engine refuses all the same throws
// StoreError with the engine's message.
StatementHandle prepareStatementOrThrow(sqlite3* db, const char* sql);

}  // namespace mirtal::store
