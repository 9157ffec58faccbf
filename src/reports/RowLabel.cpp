#include "reports/RowLabel.h"

#include "reports/ReportNumbers.h"
#include "store/DateText.h"

namespace mirtal::reports {

namespace {

// Room for the numbers of the widest row (five scores) and the day.
constexpr qsizetype expectedLength = 48;

}  // namespace

RowLabel::RowLabel() {
    text_.reserve(expectedLength);
}

void RowLabel::addNumber(double value) {
    if (!text_.isEmpty()) {
        text_ += u',';
    }
    appendNumberText(text_, value);
}

QString RowLabel::withDay(QDate day) && {
    text_ += QStringLiteral(" (");
    store::DateText::appendDayText(text_, day);
    text_ += u')';
    return std::move(text_);
}

}  // namespace mirtal::reports
