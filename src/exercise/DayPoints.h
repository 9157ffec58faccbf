#pragma once

#include <QString>
#include <QStringList>

namespace mirtal::exercise {

// The intensities a catalogue exercise can be given, lightest first.
const QStringList& intensities();

// What one performance of an exercise of this intensity earns: "Light" 1, "Moderate" 3,
// "Difficult" 5. The rest day ("No Workout") and any other text earn nothing per time.
int pointsPerTime(const QString& intensity);

// The whole number that a points display stands for: its value rounded to the nearest whole
// number, halves to the even one ("4.5" is 4, "5.5" is 6). Sums are 64-bit, so no day's total
// can overflow.
qint64 wholePoints(const QString& display);

// A points value as a display shows it: a whole number without a point, else its shortest
// decimal form ("4.5").
QString pointsText(double value);

}  // namespace mirtal::exercise
