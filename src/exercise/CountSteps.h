#pragma once

#include <QString>

namespace mirtal::exercise {

// The count buttons of the daily log, on the count as typed. The result is the plain form of
// the number: no leading zeros, no trailing zeros after the point, no point without decimals.

// One more; an empty or non-numeric count becomes "1".
QString countUp(const QString& count);

// One less, but never below 1: a count under 2, or one that is not a number, stays as it is,
// so that no negative count can be stored.
QString countDown(const QString& count);

}  // namespace mirtal::exercise
