#pragma once

#include <QString>

#include "app/WindowTable.h"

namespace mirtal::app {

// What a data window's Help button puts into the help window: the title shown above the text
// and the instructions themselves.
struct HelpText {
    QString title;
    QString text;
};

// The help of a data window as its row in the window table gives it. Lines are separated by
// "\r\n" and every text opens with an empty line. The user window shows its instructions in a
// message box, so it, like any number that is no window's, gets an empty title and text.
HelpText helpText(WindowId window);

// The instructions of each window that has a help text, for the window table.
QString addExerciseText();
QString dailyExerciseText();
QString progressLogText();
QString mealEvaluationText();
QString targetValuesText();
QString reportsText();

}  // namespace mirtal::app
