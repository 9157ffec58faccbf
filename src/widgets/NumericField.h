#pragma once

#include <QLineEdit>
#include <initializer_list>

#include "widgets/SelectedNumber.h"

namespace mirtal::widgets {

// A text field for a number: typed keys go through the SelectedNumber filter, and pasted or
// dropped text that holds anything but digits and points is refused with a message, so nothing
// else can reach a statement. Text set from code is taken as it is.
class NumericField : public QLineEdit {
    Q_OBJECT
  public:
    // caption is what the person calls the field ("Pulse"), for the message that refuses a
    // malformed number; refuse shows the window's refusals.
    NumericField(const QString& name, const QString& caption, SelectedNumber::Refuse refuse,
                 QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }

    // The check before a statement takes the text: true for a number a statement can take
    // (isAcceptableNumber). Otherwise the person is told which field holds what, the field
    // gets the focus, and false comes back.
    bool checkNumber();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Pastes the clipboard's text only when it is made of digits and points.
    void pasteChecked();
    bool takes(const QString& given);

    QString caption_;
    SelectedNumber::Refuse refuse_;
};

// Checks the fields in order and stops at the first that does not hold a number.
bool checkNumbers(std::initializer_list<NumericField*> fields);

// Whether text is a number at all: digits with at most one point, and at least one digit
// ("12", "80.5", ".5", "5."). "", "." and "1.2.3" are not.
bool isWellFormedNumber(const QString& text);

// The longest whole part a field takes: a count, a pulse or a weight never needs more, and
// every such number stays exact in the store and in the point sums.
inline constexpr int maxWholeDigits = 9;

// A well-formed number whose whole part has at most maxWholeDigits digits.
bool isAcceptableNumber(const QString& text);

}  // namespace mirtal::widgets
