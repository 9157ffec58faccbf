#pragma once

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include "app/Application.h"
#include "app/Links.h"
#include "app/WindowTable.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"

namespace mirtal::testing {

class RecordingLinks final : public app::LinkOpener {
  public:
    void open(const QUrl& url) override { opened << url; }
    QList<QUrl> opened;
};

// The whole program on a fresh delivered database in a folder of its own, started as the
// program starts (the user window shown), with its message boxes and links scripted and
// every statement recorded.
class AppHarness {
  public:
    AppHarness();
    ~AppHarness();

    app::WindowSwitcher& switcher() { return app.switcher(); }
    store::Database& db() { return app.session().db(); }
    QVariant scalar(const std::string& sqliteStatement);
    // Every row of a table as SQLite holds it, in key order, for checking that nothing changed.
    QString tableRows(const std::string& table);

    // A control of a loaded window by object name, or nullptr.
    template <class T>
    T* control(app::WindowId window, const char* name) {
        QWidget* loaded = switcher().loadedWindow(window);
        return loaded ? loaded->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    RecordingLinks links;
    app::Application app;
    QStringList statements;
    int quitRequests = 0;
};

}  // namespace mirtal::testing
