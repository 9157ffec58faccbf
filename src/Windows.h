#pragma once

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal {

// Tells the switcher how to build each numbered window. This is the one place that knows
// every window; the windows themselves know only the switcher.
void registerWindows(app::WindowSwitcher& switcher);

}  // namespace mirtal
