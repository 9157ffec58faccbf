#pragma once

#include <QString>

#include "store/SqliteHandles.h"

namespace mirtal::store {

enum class OpenMode { ExistingOnly, CreateIfMissing };

// How long a statement waits for a file that another program holds locked.
constexpr int busyTimeoutMilliseconds = 3000;

// Whether an SQLite result code says the file is locked by another connection, and what the
// person at the keyboard is told then.
bool isBusy(int sqliteCode);
QString inUseCause();

// Opens a database file with SQLCipher and keys it: the same file opens with SQLCipher 3
// and 4. Every write is durable when its statement returns (rollback journal, full sync).
// Returns null and sets *cause when the file cannot be used.
SqliteHandle openKeyed(const QString& file, const QString& password, QString* cause,
                       OpenMode mode = OpenMode::ExistingOnly);

}  // namespace mirtal::store
