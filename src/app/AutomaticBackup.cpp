#include "app/AutomaticBackup.h"

#include <QDir>
#include <QTimer>

#include "app/Clock.h"
#include "app/Installation.h"
#include "store/BackupSchedule.h"
#include "store/StoreError.h"

namespace mirtal::app {

AutomaticBackup::AutomaticBackup(const QString& programFolder, Messages& messages, int delayMs)
    : database_(store::connectionSettingsFor(locateInstallation(programFolder).dataFolder)),
      messages_(messages) {
    QTimer::singleShot(0, this, [this] { tellEarlierFailure(); });
    QTimer::singleShot(delayMs, this, [this] { begin(); });
}

AutomaticBackup::~AutomaticBackup() {
    if (copying_.joinable()) {
        copying_.join();
    }
}

void AutomaticBackup::tellEarlierFailure() {
    if (const std::optional<QString> failure = store::takeBackupFailure(database_.dataSource)) {
        messages_.inform(
            QStringLiteral("The daily backup could not be written to %1 the last time:\n%2\n\n"
                           "Your entries are safe in %3. Mirtal tries again today; free some "
                           "space or make the folder writable.")
                .arg(QDir::toNativeSeparators(store::backupsFolderOf(database_.dataSource)),
                     *failure, QDir::toNativeSeparators(database_.dataSource)),
            Messages::defaultTitle, Messages::Icon::Exclamation);
    }
}

void AutomaticBackup::begin() {
    const QDate today = Clock::today();
    copying_ = std::thread([database = database_, today] {
        try {
            store::writeDailyBackup(database, today);
        } catch (const store::StoreError& error) {
            store::noteBackupFailure(database.dataSource, error.description());
        }
    });
}

}  // namespace mirtal::app
