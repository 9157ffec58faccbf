#include "reports/RowLabel.h"

#include <array>

#include "reports/ReportNumbers.h"
#include "store/DateText.h"

namespace mirtal::reports {

void RowLabel::addNumber(double value) {
    if (!text_.isEmpty()) {
        text_.append(u',');
    }
    std::array<char16_t, 20> digits{};
    const qsizetype length = writeShortNumberText(value, digits);
    if (length > 0) {
        text_.append(digits.data(), length);
    } else {
        append(numberText(value));
    }
}

QStringView RowLabel::withDay(QDate day) {
    append(u" (");
    std::array<char16_t, 10> dayText{};
    if (store::DateText::writeDayText(day, dayText)) {
        text_.append(dayText.data(), static_cast<qsizetype>(dayText.size()));
    } else {
        append(store::DateText::dayText(day));
    }
    text_.append(u')');
    return QStringView(text_.constData(), text_.size());
}

}  // namespace mirtal::reports
