#pragma once

#include <QString>
#include <QVariant>
#include <array>

namespace mirtal::reports {

// A number as the reports write it into row labels: its shortest exact text, without an
// exponent and without a trailing ".0" ("72", "72.4", "-1", "50000").
QString numberText(double value);
// numberText(value) without a string of its own, for labels built in one piece: written into
// `out`, returning its length, for a whole number below 1e15 in magnitude (most values);
// 0 for any other value.
qsizetype writeShortNumberText(double value, std::array<char16_t, 20>& out);

// A number rounded to `decimals` places, halves away from zero, written as numberText writes
// it, so that trailing zeros and a trailing point are dropped ("78.9", "-1.19", "77").
QString roundedText(double value, int decimals);

// A number read from a row; an empty field counts as 0.
double numberOf(const QVariant& field);

// To the nearest whole number, a half going to the even neighbour (72.5 gives 72, 73.5 gives 74).
double roundHalfEven(double value);

}  // namespace mirtal::reports
