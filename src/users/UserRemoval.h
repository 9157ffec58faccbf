#pragma once

#include <QString>

namespace mirtal::store {
class Database;
}

namespace mirtal::users {

// Removes a user with every row of theirs, the user row last. The deletes run as one, so a
// failure halfway leaves the user complete.
void removeUserData(store::Database& db, const QString& userId);

}  // namespace mirtal::users
