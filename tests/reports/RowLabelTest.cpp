#include "reports/RowLabel.h"

#include <gtest/gtest.h>

#include <limits>

#include "reports/ReportNumbers.h"
#include "support/QtPrinters.h"

namespace mirtal::reports {
namespace {

// Whole numbers are written by hand, the rest by Qt: both must read as the shortest exact
// text without an exponent.
TEST(RowLabel, NumbersReadAsTheirShortestTextWithoutAnExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {72, "72"},
        {-1, "-1"},
        {50000, "50000"},
        {999999999, "999999999"},
        {-999999999999999, "-999999999999999"},
        {1e15, "1000000000000000"},
        {72.4, "72.4"},
        {-0.5, "-0.5"},
        {0.1 + 0.2, "0.30000000000000004"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numberText(c.value), QString::fromLatin1(c.text));
        RowLabel label;
        label.addNumber(c.value);
        EXPECT_EQ(label.withDay(QDate(2021, 2, 3)).toString(),
                  QString::fromLatin1(c.text) + " (2021/02/03)");
    }
}

TEST(RowLabel, NumbersAreSeparatedByCommasAndTheDayFollowsInBrackets) {
    RowLabel label;
    for (const double score : {3.0, 1.0, 4.5, -1.0, 5.0}) {
        label.addNumber(score);
    }
    EXPECT_EQ(label.withDay(QDate(2026, 12, 1)).toString(), "3,1,4.5,-1,5 (2026/12/01)");

    // Longer than the buffer on the stack: the label grows.
    RowLabel wide;
    wide.addNumber(std::numeric_limits<double>::max());
    EXPECT_EQ(wide.withDay(QDate(99, 1, 2)).toString(),
              numberText(std::numeric_limits<double>::max()) + " (0099/01/02)");
}

}  // namespace
}  // namespace mirtal::reports
