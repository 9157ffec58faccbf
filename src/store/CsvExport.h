#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "store/ConnectionString.h"
#include "store/DurableFiles.h"

namespace mirtal::store {

struct CsvExportResult {
    int files = 0;
    qint64 rows = 0;
    int users = 0;  // whose rows went out
};

// Writes one CSV file per table into `folder` (made when missing), named after the table
// ("PulseWeight.csv"): a header of the column names, then the rows in key order, with days
// as ISO dates and numbers as stored, quoted as RFC 4180 asks. With a user name only that
// user's rows go out (every user of that name, should there be several), with all the
// evaluation choices. All files show the database at one moment. Existing files are kept
// unless replace says otherwise. Throws StoreError.
CsvExportResult exportCsv(const ConnectionSettings& database, const QString& folder,
                          const std::optional<QString>& userName, Replace replace);

// One field as RFC 4180 writes it: between double quotes, with each quote doubled, when it
// holds a comma, a quote or a line break; as it is otherwise.
void appendCsvField(QByteArray& line, QByteArrayView utf8);

}  // namespace mirtal::store
