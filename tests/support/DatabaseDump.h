#pragma once

#include <QString>
#include <string>

namespace mirtal::testing {

// Every row of the eight tables of a database file, with the storage type of each value,
// as one text: two files with the same dump hold the same data.
std::string databaseDump(const QString& file);

}  // namespace mirtal::testing
