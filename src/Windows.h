#pragma once

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal {

// Tells the switcher how to build each window of the window table. This is the one place that
// knows every window class; the windows themselves know only the switcher.
void registerWindows(app::WindowSwitcher& switcher);

}  // namespace mirtal
