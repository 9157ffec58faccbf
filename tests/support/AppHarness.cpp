#include "support/AppHarness.h"

#include "support/QtApplication.h"

namespace mirtal::testing {

AppHarnessServices::AppHarnessServices() {
    ensureQtApplication();
}

AppHarness::AppHarness() : ProgramHarness(dir.path(), messages, links) {
    switcher().setQuitHandler([this] { ++quitRequests; });
    if (start()) {
        db().setStatementObserver([this](const QString& s) { statements << s; });
    }
}

QVariant AppHarness::scalar(const std::string& sqliteStatement) {
    const store::ResultSet rs = db().selectNative(sqliteStatement);
    return rs.eof() ? QVariant() : rs.field(0);
}

QString AppHarness::tableRows(const std::string& table) {
    store::ResultSet rs = db().selectNative("SELECT * FROM " + table + " ORDER BY 1");
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList fields;
        for (int col = 0; col < rs.fieldCount(); ++col) {
            fields << rs.field(col).toString();
        }
        rows << fields.join(u',');
    }
    return rows.join(u';');
}

}  // namespace mirtal::testing
