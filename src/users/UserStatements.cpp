#include "users/UserStatements.h"

namespace mirtal::users::statements {

QString allUsers() {
    return QStringLiteral("  Select * From User1 Order By UserName");
}

QString userRow(const QString& userId) {
    return QStringLiteral("  Select UserID From User1 Where UserID=") + userId +
           QStringLiteral(" Order By UserName");
}

QString lastUserKey() {
    return QStringLiteral("  Select Max(UserID) From User1");
}

QString insertUser(qint64 key, const QString& name) {
    return QStringLiteral("Insert Into User1 Values(") + QString::number(key) +
           QStringLiteral(", '") + name + QStringLiteral("')");
}

QString removeUserRows(const QString& table, const QString& userId) {
    return QStringLiteral("Delete  From ") + table + QStringLiteral(" Where UserID=") + userId;
}

}  // namespace mirtal::users::statements
