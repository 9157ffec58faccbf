#pragma once

#include <QString>

namespace mirtal::store {

// Writes a fresh database file with the eight tables and the evaluation choices, keyed with
// the program's password. Refuses (StoreError) to touch a file that already exists.
void createDeliveredDatabase(const QString& file);

}  // namespace mirtal::store
