#pragma once

#include <QWidget>
#include <memory>

#include "DataGenerator.h"
#include "app/Application.h"
#include "app/Links.h"
#include "app/Messages.h"
#include "app/WindowTable.h"

namespace mirtal::bench {

// Message boxes that show nothing and answer No, and links that open nothing: a timed run
// never waits on a person.
class SilentMessages final : public app::Messages {
  public:
    void inform(const QString&, const QString&, Icon) override {}
    bool ask(const QString&, const QString&) override { return false; }
};

class NoLinks final : public app::LinkOpener {
  public:
    void open(const QUrl&) override {}
};

// The whole program, offscreen, on four users with twenty years each: its message boxes
// answer No and show nothing, links open nothing, and user 1 is the current user with the
// main window shown, as after START.
class BenchProgram {
  public:
    static BenchProgram& twentyYears();

    app::WindowSwitcher& switcher() { return app_->switcher(); }
    store::Database& db() { return app_->session().db(); }
    const GeneratedData& data() const { return data_.data(); }

    // Opens a window as its navigation label does and paints it once; returns the window.
    QWidget* openAndPaint(app::WindowId id);
    // Unloads every data window, so that the next open loads afresh.
    void closeAll();

  private:
    BenchProgram();

    GeneratedDatabase data_;
    std::unique_ptr<app::Messages> messages_;
    std::unique_ptr<app::LinkOpener> links_;
    std::unique_ptr<app::Application> app_;
};

// Paints the widget once into an offscreen picture, as the first paint on screen would.
void paintOnce(QWidget* widget);

}  // namespace mirtal::bench
