#include "app/OpeningAhead.h"

#include <QFileInfo>

#include "app/Installation.h"
#include "store/ConnectionString.h"
#include "store/StoreError.h"

namespace mirtal::app {

OpeningAhead::OpeningAhead(QString programFolder) {
    if (programFolder.isEmpty()) {
        // Before QApplication is built Qt does not know the program's folder yet; this is
        // where it looks for it once it is.
        programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    }
    if (programFolder.isEmpty()) {
        return;
    }
    const Installation installation = locateInstallation(programFolder);
    try {
        provideDatabase(installation);
    } catch (const store::StoreError&) {
        return;
    }
    const store::ConnectionSettings settings =
        store::connectionSettingsFor(installation.dataFolder);
    file_ = settings.dataSource;
    opening_ =
        std::async(std::launch::async, [settings] { return store::Database::open(settings); });
}

store::DatabaseOpening OpeningAhead::takeFor(const QString& file) {
    if (file != file_) {
        return {};
    }
    return std::move(opening_);
}

}  // namespace mirtal::app
