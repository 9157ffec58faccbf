#include "reports/ReportNumbers.h"

#include <QLocale>
#include <array>
#include <cmath>
#include <cstdint>

namespace mirtal::reports {

namespace {

// The digits of a whole number, as QString::number writes them, without a string of their own.
void appendWholeNumber(QString& text, std::int64_t value) {
    std::array<char16_t, 20> digits{};
    auto* at = digits.end();
    auto magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        *--at = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        text += u'-';
    }
    text += QStringView(at, digits.end());
}

}  // namespace

void appendNumberText(QString& text, double value) {
    // Whole numbers, which most values are, take the short way.
    if (value == std::trunc(value) && std::abs(value) < 1e15) {
        appendWholeNumber(text, static_cast<std::int64_t>(value));
    } else {
        text += QString::number(value, 'f', QLocale::FloatingPointShortest);
    }
}

QString numberText(double value) {
    QString text;
    appendNumberText(text, value);
    return text;
}

QString roundedText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // Through the shortest text of the rounded number, so that 0.1 + 0.2 reads "0.3".
    const double rounded = std::round(value * scale) / scale;
    return numberText(rounded == 0 ? 0.0 : rounded);
}

double numberOf(const QVariant& field) {
    return field.isValid() ? field.toDouble() : 0.0;
}

double roundHalfEven(double value) {
    if (std::abs(value - std::trunc(value)) == 0.5) {
        // Half of a number that ends in .5 ends in .25 or .75, whose nearest whole number is
        // half of the even neighbour.
        return 2.0 * std::round(value / 2.0);
    }
    return std::round(value);
}

}  // namespace mirtal::reports
