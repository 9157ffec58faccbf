#pragma once

#include <QWidget>

#include "DataGenerator.h"
#include "ProgramHarness.h"
#include "Unattended.h"
#include "app/WindowTable.h"

namespace mirtal::bench {

// The whole program, offscreen, on four users with twenty years each: its message boxes
// answer No and show nothing, links open nothing, and user 1 is the current user with the
// main window shown, as after START.
class BenchProgram {
  public:
    static BenchProgram& twentyYears();

    app::WindowSwitcher& switcher() { return program_.switcher(); }
    store::Database& db() { return program_.db(); }
    const GeneratedData& data() const { return data_.data(); }

    // Opens a window as its navigation label does and paints it once; returns the window.
    QWidget* openAndPaint(app::WindowId id);
    // Unloads every data window, so that the next open loads afresh.
    void closeAll();

  private:
    BenchProgram();

    GeneratedDatabase data_;
    harness::SilentMessages messages_;
    harness::RecordingLinks links_;
    harness::ProgramHarness program_;
};

// Paints the widget once into an offscreen picture, as the first paint on screen would.
void paintOnce(QWidget* widget);

// Lets the event loop lay out and paint what changed, as it does after a click: a scene's
// changes reach the view one pass after they are made, and the items of the chart before are
// deleted once the handler is over.
void settle();

}  // namespace mirtal::bench
