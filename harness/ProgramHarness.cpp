#include "ProgramHarness.h"

#include "Windows.h"

namespace mirtal::harness {

ProgramHarness::ProgramHarness(const QString& folder, app::Messages& messages,
                               app::LinkOpener& links)
    : app(folder, messages, links) {
    registerWindows(app.switcher());
}

void ProgramHarness::enterAs(int userId) {
    session().setCurrentUserId(userId);
    switcher().closeWindow(app::WindowId::User);
    switcher().showStartWindow();
}

}  // namespace mirtal::harness
