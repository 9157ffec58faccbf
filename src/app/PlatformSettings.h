#pragma once

namespace mirtal::app {

// The program's date separator and time format. They are set for this process only (the
// date texts of the store read them); the operating system's own settings stay as they are.
void SetDateSeparator();
void SetTimeFormat();

}  // namespace mirtal::app
