#include "reports/ReportNumbers.h"

#include <QLocale>
#include <cmath>

namespace mirtal::reports {

QString numberText(double value) {
    // Whole numbers, which most values are, take the short way.
    if (value == std::trunc(value) && std::abs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
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
