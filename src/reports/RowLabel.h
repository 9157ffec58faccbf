#pragma once

#include <QDate>
#include <QString>

namespace mirtal::reports {

// The label of one report row: its numbers as numberText writes them, separated by commas,
// then its day in brackets, "3,1,4 (2021/02/03)". Written into one string, since a
// twenty-year report labels thousands of rows and each piece as a string of its own cost
// more than the rest of the row.
class RowLabel {
  public:
    RowLabel();

    void addNumber(double value);
    // The label, finished with the day.
    QString withDay(QDate day) &&;

  private:
    QString text_;
};

}  // namespace mirtal::reports
