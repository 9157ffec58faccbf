#include "app/Application.h"

#include "app/Resources.h"
#include "store/StoreError.h"

namespace mirtal::app {

Application::Application(const QString& applicationDirectory, Messages& messages, LinkOpener& links)
    : session_(applicationDirectory),
      messages_(messages),
      switcher_(session_, messages, links, applicationDirectory) {
    loadResources();
}

bool Application::start() {
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
