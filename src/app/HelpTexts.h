#pragma once

#include <QString>

namespace mirtal::app {

// What a data window's Help button puts into the help window: the title shown above the text
// and the instructions themselves.
struct HelpText {
    QString title;
    QString text;
};

// The help of data window `windowNumber`: 2 exercise catalogue, 3 daily exercise, 4 progress log,
// 5 meal evaluation, 6 target values, 7 reports. Lines are separated by "\r\n" and every text
// opens with an empty line. The user window (1) shows its instructions in a message box, so it,
// like any other number, gets an empty title and text.
HelpText helpText(int windowNumber);

}  // namespace mirtal::app
