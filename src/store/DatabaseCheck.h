#pragma once

#include <QString>

#include "store/SqliteHandles.h"

namespace mirtal::store {

// What keeps an open, keyed database from serving as the program's file: damaged pages, or
// one of the eight tables missing or with other columns. Empty when it is sound.
QString databaseProblem(sqlite3* db);

}  // namespace mirtal::store
