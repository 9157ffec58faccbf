#pragma once

#include <QString>

#include "app/Installation.h"
#include "app/OpeningAhead.h"
#include "app/SingleCopyLock.h"
#include "app/WindowSwitcher.h"
#include "store/Session.h"

namespace mirtal::app {

// The program's shared state and its window switcher, and the start-up sequence.
class Application {
  public:
    // The program's folder decides where the database and the pages are (Installation.h).
    Application(const QString& applicationDirectory, Messages& messages, LinkOpener& links);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Opens the database (an installed program's first start copies it into place first) and
    // shows the user window alone, centred on the screen. When the database cannot be opened,
    // or another copy of the program has it open, the user is told which file and why, and
    // false comes back. An opening begun ahead of the windowing system is taken over.
    bool start(OpeningAhead* ahead = nullptr);

    store::Session& session() { return session_; }
    WindowSwitcher& switcher() { return switcher_; }

  private:
    Installation installation_;
    SingleCopyLock copyLock_;
    store::Session session_;
    Messages& messages_;
    WindowSwitcher switcher_;
};

}  // namespace mirtal::app
