#pragma once

#include <QString>

class QLabel;

namespace mirtal::widgets {
class ChoiceList;
}

namespace mirtal::testing {

// Drives controls the way a person does, with the mouse.
void clickLabel(QLabel* label);
// Opens the list, as a click on its arrow does; the window refills it first.
void dropDown(widgets::ChoiceList* list);
// Opens the list and clicks the entry with this text.
void pickEntry(widgets::ChoiceList* list, const QString& text);

}  // namespace mirtal::testing
