#pragma once

#include <QString>
#include <QTextStream>
#include <optional>

#include "store/ConnectionString.h"

namespace mirtal::app {

// The terminal commands that bring data in and list the kept copies; each prints its one
// line to `out` and throws StoreError when the work fails.

// A folder written by --export-csv into a database without users, or a tracker's CSV file
// (then with the user and the values for missing pulses and morales) into a progress log.
void importCsvCommand(const store::ConnectionSettings& database, const QString& path,
                      const std::optional<QString>& userName, const std::optional<QString>& pulse,
                      const std::optional<QString>& morale, QTextStream& out);

// The daily copies kept beside the database, newest first, with their sizes.
void listBackupsCommand(const store::ConnectionSettings& database, QTextStream& out);

}  // namespace mirtal::app
