#pragma once

#include <QString>
#include <optional>

#include "store/ConnectionString.h"

namespace mirtal::progress {

// Measurements written by another tracker, to be read into a user's progress log.
struct TrackerImport {
    QString file;
    QString userName;
    // Given for every row that the file has no column or an empty cell for.
    std::optional<QString> pulse;
    std::optional<QString> morale;
};

struct TrackerImportResult {
    int added = 0;
    int skipped = 0;  // days that had an entry already, and later rows for a day in the file
};

// Reads the file's day, weight, pulse and morale columns (found by name in its header, in any
// case) into the progress log of the user of that name, as the progress window would enter
// them: one entry per day, the first row of a day kept and a day that has an entry left as it
// is, numbers as the window takes them, the morale one of its choices, keys one more than the
// largest. All or nothing: the first bad row stops the import before anything is written,
// with a StoreError naming the file, the line, the column and the text; otherwise every row
// goes in in one transaction.
TrackerImportResult importTrackerCsv(const store::ConnectionSettings& database,
                                     const TrackerImport& request);

}  // namespace mirtal::progress
