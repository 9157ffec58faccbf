#include "support/TestDatabase.h"

namespace mirtal::testing {

TestDatabase::TestDatabase() : session_(folder_.path()) {
    session_.OpenConnection();
    session_.db().setStatementObserver([this](const QString& s) { statements << s; });
}

QVariant TestDatabase::scalar(const std::string& sqliteStatement) {
    const store::ResultSet rs = db().selectNative(sqliteStatement);
    return rs.eof() ? QVariant() : rs.field(0);
}

}  // namespace mirtal::testing
