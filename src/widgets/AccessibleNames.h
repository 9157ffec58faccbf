#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QLabel;
class QWidget;

namespace mirtal::widgets {

// The name of a window's visible key field, which shows the key of the grid row picked last.
inline const QString pickedRowKeyName = QStringLiteral("Key of the picked row");

// What assistive tools announce for a caption: the text without its access key marker and
// without the colon that sets a caption off from its field ("&SUBMIT" -> "SUBMIT",
// "Excercise Name :" -> "Excercise Name").
QString spokenCaption(const QString& caption);

// Names a field after the caption beside it: the caption becomes the field's buddy, so that
// the tools relate the two, and its spoken text the field's accessible name.
void nameByCaption(QLabel* caption, QWidget* field);

// Names controls whose caption says too little to a screen reader: a caption that several
// commands of one window share, or a frame's "*****", which the frame would otherwise lend to
// every control inside it.
void nameForScreenReaders(std::initializer_list<std::pair<QWidget*, QString>> names);

}  // namespace mirtal::widgets
