#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>

#include "DeliveredFolder.h"
#include "ProgramHarness.h"
#include "Unattended.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"

namespace mirtal::testing {

// What the program under test is built on; a base, so that it is there before the program.
struct AppHarnessServices {
    AppHarnessServices();

    harness::DeliveredFolder dir;
    ScriptedMessages messages;
    harness::RecordingLinks links;
};

// The whole program on a fresh delivered database in a folder of its own, started as the
// program starts (the user window shown), with its message boxes and links scripted and
// every statement recorded.
class AppHarness : public AppHarnessServices, public harness::ProgramHarness {
  public:
    AppHarness();

    QVariant scalar(const std::string& sqliteStatement);
    // Every row of a table as SQLite holds it, in key order, for checking that nothing changed.
    QString tableRows(const std::string& table);

    QStringList statements;
    int quitRequests = 0;
};

}  // namespace mirtal::testing
