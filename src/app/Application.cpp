#include "app/Application.h"

#include <QDir>

#include "app/Resources.h"
#include "store/ConnectionString.h"
#include "store/StoreError.h"

namespace mirtal::app {

Application::Application(const QString& applicationDirectory, Messages& messages, LinkOpener& links)
    : applicationDirectory_(applicationDirectory),
      session_(applicationDirectory),
      messages_(messages),
      switcher_(session_, messages, links, applicationDirectory) {
    loadResources();
}

bool Application::start() {
    const QString file =
        store::parseConnectionString(store::buildConnectionString(applicationDirectory_))
            .dataSource;
    if (copyLock_.take(file) == SingleCopyLock::Outcome::HeldByAnotherCopy) {
        messages_.inform(
            QStringLiteral("The database file %1 cannot be opened: it is open in another copy of "
                           "Mirtal. Close that copy first, then start again.")
                .arg(QDir::toNativeSeparators(file)),
            Messages::defaultTitle, Messages::Icon::Critical);
        return false;
    }
    try {
        session_.OpenConnection();
    } catch (const store::StoreError& error) {
        messages_.inform(error.description(), Messages::defaultTitle, Messages::Icon::Critical);
        return false;
    }
    switcher_.showUserWindowCentred();
    return true;
}

}  // namespace mirtal::app
