#pragma once

#include <QString>

#include "Control.h"
#include "app/Application.h"
#include "app/WindowTable.h"

namespace mirtal::harness {

// The whole program on the database in a folder, built as main() builds it with every window
// registered, but with its message boxes and links going to the services given, so that a
// test, a benchmark or a tool drives it with nobody at the screen. start() runs the program's
// own start-up.
class ProgramHarness {
  public:
    ProgramHarness(const QString& folder, app::Messages& messages, app::LinkOpener& links);

    // Opens the file and shows the user window; false when the file is refused, which the
    // messages were told.
    bool start() { return app.start(); }
    // Where START in the user window leads for this user: the user window closed and the
    // main window shown with its first window.
    void enterAs(int userId);

    app::WindowSwitcher& switcher() { return app.switcher(); }
    store::Session& session() { return app.session(); }
    store::Database& db() { return app.session().db(); }

    // A control of a loaded window by object name, or nullptr.
    template <class T>
    T* control(app::WindowId window, const char* name) {
        return harness::control<T>(switcher().loadedWindow(window), name);
    }

    app::Application app;
};

}  // namespace mirtal::harness
