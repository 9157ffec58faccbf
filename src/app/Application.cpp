#include "app/Application.h"

#include <QDir>

#include "app/Resources.h"
#include "store/ConnectionString.h"
#include "store/StoreError.h"

namespace mirtal::app {

Application::Application(const QString& applicationDirectory, Messages& messages, LinkOpener& links)
    : installation_(locateInstallation(applicationDirectory)),
      session_(installation_.dataFolder),
      messages_(messages),
      switcher_(session_, messages, links, installation_.pagesFolder) {
    loadResources();
    // A message box is centred on the window the person is working in.
    messages_.setOwner([this] { return switcher_.windowInUse(); });
}

Application::~Application() {
    messages_.setOwner({});
}

bool Application::start(OpeningAhead* ahead) {
    const QString file = store::connectionSettingsFor(installation_.dataFolder).dataSource;
    try {
        // The first start of an installed program makes the file that the lock is taken on.
        provideDatabase(installation_);
        if (copyLock_.take(file) == SingleCopyLock::Outcome::HeldByAnotherCopy) {
            messages_.inform(
                QStringLiteral("The database file %1 cannot be opened: it is open in another "
                               "copy of Mirtal. Close that copy first, then start again.")
                    .arg(QDir::toNativeSeparators(file)),
                Messages::defaultTitle, Messages::Icon::Critical);
            return false;
        }
        // The file opens on another core while the user window is built, which is shown
        // only once the file is open.
        session_.beginOpening(ahead ? ahead->takeFor(file) : store::DatabaseOpening());
        switcher_.buildUserWindow();
        session_.finishOpening();
    } catch (const store::StoreError& error) {
        switcher_.closeWindow(WindowId::User);
        messages_.inform(error.description(), Messages::defaultTitle, Messages::Icon::Critical);
        return false;
    }
    switcher_.showUserWindowCentred();
    return true;
}

}  // namespace mirtal::app
