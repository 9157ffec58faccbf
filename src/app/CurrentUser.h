#pragma once

class QLabel;

namespace mirtal::store {
class Session;
}

namespace mirtal::app {

class Messages;

// A data window's load: reload the current user's name and show it in its user label. A
// duplicate user row is reported and the label keeps the name loaded before.
void showCurrentUser(store::Session& session, Messages& messages, QLabel* LabelUser);

}  // namespace mirtal::app
