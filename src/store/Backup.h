#pragma once

#include <QString>

#include "store/ConnectionString.h"
#include "store/DurableFiles.h"

namespace mirtal::store {

// Writes an encrypted copy of the database to `target` with SQLite's online backup, so a
// program that is running on the file meanwhile does no harm, then opens the copy and checks
// it before it takes the target's name. An existing target is kept unless replace says
// otherwise. Throws StoreError.
void backupDatabase(const ConnectionSettings& database, const QString& target, Replace replace);

// Puts the file `backup` in the place of the database: it must open with the password, be
// whole and hold the eight tables. The database file there so far is kept as "Mirtal.mdb.bak"
// beside it, and the new file is written beside and renamed into place, so that the
// database is never half replaced. Throws StoreError.
void restoreDatabase(const ConnectionSettings& database, const QString& backup);

// Where restoreDatabase() keeps the file it replaces.
QString keptFileName(const ConnectionSettings& database);

}  // namespace mirtal::store
