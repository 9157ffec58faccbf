#pragma once

#include <QLineEdit>

namespace mirtal::app {
class Messages;
}

namespace mirtal::widgets {

// A text field for a number: typed keys go through the SelectedNumber filter, and pasted or
// dropped text that holds anything but digits and points is refused, so nothing else can reach
// a statement. Text set from code is taken as it is.
class NumericField : public QLineEdit {
    Q_OBJECT
  public:
    NumericField(const QString& name, app::Messages& messages, QWidget* parent = nullptr);
};

// Whether text is a number a statement can take: digits with at most one point, and at least
// one digit ("12", "80.5", ".5", "5."). "", "." and "1.2.3" are not.
bool isWellFormedNumber(const QString& text);

}  // namespace mirtal::widgets
