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

}  // namespace mirtal::store
