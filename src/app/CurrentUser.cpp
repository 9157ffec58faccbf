#include "app/CurrentUser.h"

#include <QLabel>

#include "app/Messages.h"
#include "store/Session.h"
#include "store/Vocabulary.h"

namespace mirtal::app {

void showCurrentUser(store::Session& session, Messages& messages, QLabel* LabelUser) {
    if (session.LoadCurrentUser() == store::Session::UserLoad::Duplicate) {
        messages.inform(store::vocabulary::duplicateUserMessage);
    }
    LabelUser->setText(session.currentUserName());
}

}  // namespace mirtal::app
