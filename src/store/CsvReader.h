#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "store/StoreError.h"

namespace mirtal::store {

// What a CSV file holds, read whole: its header and records with the line each began on,
// so that every complaint can point at the line a person sees in an editor.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

struct CsvFile {
    QString path;
    QStringList header;
    QList<CsvRecord> records;  // after the header, blank lines left out

    // Where a column is, found by name without regard to case; -1 when none is called so.
    int column(const QString& name) const;
    // The place of a cell as a person looks it up: "FILE, line 12, column date".
    QString placeOf(const CsvRecord& record, int column) const;
};

// The largest file taken: larger ones are not what a tracker writes.
inline constexpr qint64 maxCsvBytes = 100LL * 1024 * 1024;

// Reads a CSV file written by a spreadsheet or another program: UTF-8 with or without a
// byte-order mark, CRLF or LF line ends, comma or semicolon between fields (whichever the
// header uses), fields in double quotes holding separators, quotes and line breaks. Refuses,
// with a StoreError naming the file, one that is missing, larger than maxCsvBytes, not text,
// empty or without a header, and a quote that is never closed.
CsvFile readCsvFile(const QString& path);

}  // namespace mirtal::store
