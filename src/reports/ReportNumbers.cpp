#include "reports/ReportNumbers.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace mirtal::reports {

qsizetype writeShortNumberText(double value, std::array<char16_t, 20>& out) {
    if (value != std::trunc(value) || std::abs(value) >= 1e15) {
        return 0;
    }
    std::array<char, 20> digits{};
    char* end =
        std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<qint64>(value)).ptr;
    std::copy(digits.data(), end, out.begin());
    return end - digits.data();
}

QString numberText(double value) {
    // Whole numbers, which most values are, take the short way.
    std::array<char16_t, 20> text{};
    const qsizetype length = writeShortNumberText(value, text);
    if (length > 0) {
        return QString(reinterpret_cast<const QChar*>(text.data()), length);
    }
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString roundedText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // Through the shortest text of the rounded number, so that 0.1 + 0.2 reads "0.3".
    const double rounded = std::round(value * scale) / scale;
    return numberText(rounded == 0 ? 0.0 : rounded);
}

double numberOf(const QVariant& field) {
    // Read in place: the store gives whole numbers and doubles, and QVariant::toDouble goes
    // through the general conversion for each of thousands of fields.
    switch (field.typeId()) {
        case QMetaType::LongLong:
            return static_cast<double>(*static_cast<const qlonglong*>(field.constData()));
        case QMetaType::Double:
            return *static_cast<const double*>(field.constData());
        default:
            return field.isValid() ? field.toDouble() : 0.0;
    }
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
