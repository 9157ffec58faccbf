#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace mirtal::widgets {

// What assistive tools announce for a caption: the text without its access key marker and
// without the colon that sets a caption off from its field ("&SUBMIT" -> "SUBMIT",
// "Excercise Name :" -> "Excercise Name").
QString spokenCaption(const QString& caption);

// Names a field after the caption beside it: the caption becomes the field's buddy, so that
// the tools relate the two, and its spoken text the field's accessible name.
void nameByCaption(QLabel* caption, QWidget* field);

}  // namespace mirtal::widgets
