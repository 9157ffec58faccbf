#include "support/AppHarness.h"

#include "Windows.h"
#include "store/schema/DeliveredDatabase.h"
#include "support/QtApplication.h"

namespace mirtal::testing {

namespace {

QString preparedFolder(const QTemporaryDir& dir) {
    ensureQtApplication();
    store::createDeliveredDatabase(dir.filePath(QStringLiteral("Mirtal.mdb")));
    return dir.path();
}

}  // namespace

AppHarness::AppHarness() : app(preparedFolder(dir), messages, links) {
    registerWindows(app.switcher());
    app.switcher().setQuitHandler([this] { ++quitRequests; });
    if (app.start()) {
        db().setStatementObserver([this](const QString& s) { statements << s; });
    }
}

AppHarness::~AppHarness() = default;

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
