#pragma once

#include <QObject>
#include <thread>

#include "app/Messages.h"
#include "store/ConnectionString.h"

namespace mirtal::app {

// The daily copy of the database that the program makes without being asked: begun a moment
// after the first window is on screen, on a thread of its own, so the person never waits for
// it. A copy that fails disturbs nobody then; it is told once, at the next start.
class AutomaticBackup : public QObject {
  public:
    // Tells the messages of a copy that failed at the last run once the event loop runs,
    // then begins today's copy `delayMs` later.
    AutomaticBackup(const QString& programFolder, Messages& messages, int delayMs = 1500);
    // Waits for a copy in progress, so that the program never ends in the middle of one.
    ~AutomaticBackup() override;
    AutomaticBackup(const AutomaticBackup&) = delete;
    AutomaticBackup& operator=(const AutomaticBackup&) = delete;

  private:
    void tellEarlierFailure();
    void begin();

    store::ConnectionSettings database_;
    Messages& messages_;
    std::thread copying_;
};

}  // namespace mirtal::app
