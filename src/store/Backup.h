#pragma once

#include <QString>
#include <optional>

#include "store/ConnectionString.h"
#include "store/DurableFiles.h"

namespace mirtal::store {

// Writes an encrypted copy of the database to `target` with SQLite's online backup, so a
// program that is running on the file meanwhile does no harm, then opens the copy and checks
// it before it takes the target's name. A missing folder is made; an existing target is kept
// unless replace says otherwise. Throws StoreError.
void backupDatabase(const ConnectionSettings& database, const QString& target, Replace replace);

// Puts the file `backup` in the place of the database: it must open with the password, be
// whole and hold the eight tables. The database file there so far is kept beside it under
// the first free name of "Mirtal.mdb.bak", "Mirtal.mdb.1.bak", "Mirtal.mdb.2.bak", ..., so no
// restore ever replaces a copy kept by an earlier one, and that name comes back (nothing when
// there was no database). The new file is written beside and renamed into place, so that the
// database is never half replaced. Throws StoreError.
std::optional<QString> restoreDatabase(const ConnectionSettings& database, const QString& backup);

}  // namespace mirtal::store
