#pragma once

#include <QString>

// The statements of the user window. userId is a user as statements carry it after
// "UserID=".
namespace mirtal::users::statements {

QString allUsers();
// The user's row, found only while the user exists.
QString userRow(const QString& userId);
QString lastUserKey();
// name is stored as given: the caller has replaced its apostrophes.
QString insertUser(qint64 key, const QString& name);
// Every row of the user in one table.
QString removeUserRows(const QString& table, const QString& userId);

}  // namespace mirtal::users::statements
