#include "exercise/DayPoints.h"

#include <cmath>

namespace mirtal::exercise {

const QStringList& intensities() {
    static const QStringList names{QStringLiteral("Light"), QStringLiteral("Moderate"),
                                   QStringLiteral("Difficult")};
    return names;
}

int pointsPerTime(const QString& intensity) {
    static const int points[] = {1, 3, 5};
    const qsizetype which = intensities().indexOf(intensity);
    return which < 0 ? 0 : points[which];
}

qint64 wholePoints(const QString& display) {
    // nearbyint rounds in the current rounding mode, which is to nearest with halves to even.
    return static_cast<qint64>(std::nearbyint(display.toDouble()));
}

QString pointsText(double value) {
    return QString::number(value, 'g', 15);
}

}  // namespace mirtal::exercise
