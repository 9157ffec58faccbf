#pragma once

#include <QString>

namespace mirtal::store {

class Database;

// Runs a key allocation statement such as "  Select Max(UserID) From User1": the next key
// is 1 for an empty table, else the maximum over the whole table plus one.
qint64 nextKey(Database& db, const QString& allocationStatement);

}  // namespace mirtal::store
