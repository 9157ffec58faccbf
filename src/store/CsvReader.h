#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "store/StoreError.h"

namespace mirtal::store {

// A record of a CSV file with the line it began on, so that every complaint can point at the
// line a person sees in an editor. Its fields are UTF-8 text left where the file's bytes hold
// it: an export has a million of them, and a string apiece would cost more than the reading.
struct CsvRecord {
    int line = 0;
    std::span<const std::string_view> fields;

    int size() const { return static_cast<int>(fields.size()); }
    // The field's text; empty when the record has no such column.
    QString text(int column) const;
};

struct CsvBytes;

// What a CSV file holds, read whole: its header and its records.
struct CsvFile {
    QString path;
    QStringList header;
    std::vector<CsvRecord> records;  // after the header, blank lines left out
    // The bytes the records' fields lie in, shared so that a copy of the file stays whole.
    std::shared_ptr<const CsvBytes> bytes;

    // Where a column is, found by name without regard to case; -1 when none is called so.
    int column(const QString& name) const;
    // The place of a cell as a person looks it up: "FILE, line 12, column date".
    QString placeOf(const CsvRecord& record, int column) const;
};

// The largest file taken: larger ones are not what a tracker writes.
inline constexpr qint64 maxCsvBytes = 100LL * 1024 * 1024;

// Reads a CSV file written by a spreadsheet or another program: UTF-8 with or without a
// byte-order mark, CRLF or LF line ends, comma or semicolon between fields (whichever the
// header uses), fields in double quotes holding separators, quotes and line breaks; blanks
// around a field outside quotes are dropped. Refuses, with a StoreError naming the file, one
// that is missing, larger than maxCsvBytes, not text, empty or without a header, and a quote
// that is never closed.
CsvFile readCsvFile(const QString& path);

}  // namespace mirtal::store
