#pragma once

#include <functional>

#include "app/Messages.h"

namespace mirtal::app {

// Runs one handler of a window. A store failure in it is shown with its description and the
// window stays usable; the store has already rolled back whatever belonged together.
// Returns false when the handler failed.
bool guarded(Messages& messages, const std::function<void()>& handler);

}  // namespace mirtal::app
