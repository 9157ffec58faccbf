#pragma once

#include <QDate>
#include <QStringView>
#include <QVarLengthArray>

namespace mirtal::reports {

// The label of one report row: its numbers as numberText writes them, separated by commas,
// then its day in brackets, "3,1,4 (2021/02/03)". Written into a buffer on the stack and
// handed on as it stands, since a twenty-year report labels thousands of rows and each piece as a
// string of its own cost more than the rest of the row.
class RowLabel {
  public:
    void addNumber(double value);
    // The label, finished with the day; it lives as long as this object.
    QStringView withDay(QDate day);

  private:
    void append(QStringView text) { text_.append(text.utf16(), text.size()); }

    // Room for the widest row (five scores) and its day.
    QVarLengthArray<char16_t, 64> text_;
};

}  // namespace mirtal::reports
