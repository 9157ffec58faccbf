#pragma once

#include <QString>
#include <QStringList>

#include "store/SqliteHandles.h"

namespace mirtal::store {

// The names of the eight tables that an open, keyed database lacks, in table order.
QStringList missingTables(sqlite3* db);

// What keeps an open, keyed database from serving as the program's file: damaged pages, or
// one of the eight tables missing or with other columns. Empty when it is sound.
QString databaseProblem(sqlite3* db);

}  // namespace mirtal::store
