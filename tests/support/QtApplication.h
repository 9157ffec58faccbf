#pragma once

namespace mirtal::testing {

// Widgets need one QApplication per test program; the first call makes it.
void ensureQtApplication();

}  // namespace mirtal::testing
