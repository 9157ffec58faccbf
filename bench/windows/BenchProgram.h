#pragma once

#include <QWidget>
#include <memory>

#include "DataGenerator.h"
#include "app/Application.h"

namespace mirtal::bench {

// The whole program, offscreen, on four users with twenty years each: its message boxes
// answer No and show nothing, links open nothing, and user 1 is the current user with the
// main window shown, as after START.
class BenchProgram {
  public:
    static BenchProgram& twentyYears();

    app::WindowSwitcher& switcher() { return app_->switcher(); }
    store::Database& db() { return app_->session().db(); }
    const GeneratedData& data() const { return data_.data(); }

    // Opens window N as its navigation label does and paints it once; returns the window.
    QWidget* openAndPaint(int number);
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
