#include "exercise/DayPoints.h"

#include <cmath>

namespace mirtal::exercise {

int pointsPerTime(const QString& intensity) {
    if (intensity == u"Light") {
        return 1;
    }
    if (intensity == u"Moderate") {
        return 3;
    }
    if (intensity == u"Difficult") {
        return 5;
    }
    return 0;
}

qint64 wholePoints(const QString& display) {
    // nearbyint rounds in the current rounding mode, which is to nearest with halves to even.
    return static_cast<qint64>(std::nearbyint(display.toDouble()));
}

QString pointsText(double value) {
    return QString::number(value, 'g', 15);
}

}  // namespace mirtal::exercise
