#pragma once

namespace mirtal::widgets {

// Lets assistive tools step a date field up and down, as the Up and Down keys do, besides
// reading its text. Installed once, by the first date field.
void installDatePickerAccessibility();

}  // namespace mirtal::widgets
