#pragma once

namespace mirtal::app {

// Makes the pictures compiled into the library reachable as ":/...". The linker drops
// resources of a static library that nothing names, so the program calls this at start.
void loadResources();

}  // namespace mirtal::app
