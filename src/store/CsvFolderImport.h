#pragma once

#include <QString>

#include "store/ConnectionString.h"

namespace mirtal::store {

struct CsvFolderImportResult {
    qint64 rows = 0;
    int users = 0;
};

// Reads a folder written by exportCsv back into a database that holds no user data yet (the
// delivered evaluation choices only): every table's file must be there with the header the
// export writes, and every row goes in with its key and values as they stand, so that an
// export of the result is the same, byte for byte. The evaluation choices are those of the
// folder. All or nothing: the first bad field stops the import, with a StoreError naming the
// file, the line, the column and the text, and the database stays as it was; so does one
// that holds users or their entries already.
CsvFolderImportResult importCsvFolder(const ConnectionSettings& database, const QString& folder);

}  // namespace mirtal::store
