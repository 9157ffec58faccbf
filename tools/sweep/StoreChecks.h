#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace mirtal::store {
class Database;
}

namespace mirtal::sweep {

// A digest of every row of every table, for telling whether an action wrote anything.
QByteArray contentDigest(store::Database& db);
// The digest of the reference table alone, which no window may change.
QByteArray referenceDigest(store::Database& db);

// PRAGMA integrity_check's answer: "ok" for a sound file.
QString integrityCheck(store::Database& db);

// The number of rows that break each of the file's rules, by rule: numbers that are not
// numbers, days that are not days, rows whose user or exercise is gone, a second entry where a
// day holds one, codes and choices that no list offers. Rules that every row keeps are left
// out, so an empty map means a sound file.
QMap<QString, qint64> brokenRows(store::Database& db);

}  // namespace mirtal::sweep
