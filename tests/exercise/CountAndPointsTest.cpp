#include <gtest/gtest.h>

#include "exercise/CountSteps.h"
#include "exercise/DayPoints.h"

namespace mirtal::exercise {
namespace {

TEST(CountSteps, StepByOneInPlainFormAndNeverBelowOne) {
    struct Case {
        const char* count;
        const char* up;
        const char* down;
    };
    for (const Case& c :
         {Case{"1", "2", "1"}, Case{"5", "6", "4"}, Case{"9", "10", "8"}, Case{"0", "1", "0"},
          Case{"1.5", "2.5", "1.5"}, Case{"2.50", "3.5", "1.5"}, Case{"007", "8", "6"},
          Case{"5.", "6", "4"}, Case{".5", "1.5", ".5"}, Case{"", "1", ""}, Case{".", "1", "."},
          Case{"1.2.3", "1", "1.2.3"}, Case{"999999999", "1000000000", "999999998"},
          Case{"1234567890123456789", "1", "1234567890123456789"}}) {
        EXPECT_EQ(countUp(QLatin1String(c.count)), QLatin1String(c.up)) << c.count;
        EXPECT_EQ(countDown(QLatin1String(c.count)), QLatin1String(c.down)) << c.count;
    }
}

TEST(DayPoints, IntensitiesEarnOneThreeOrFivePerTime) {
    EXPECT_EQ(pointsPerTime(QStringLiteral("Light")), 1);
    EXPECT_EQ(pointsPerTime(QStringLiteral("Moderate")), 3);
    EXPECT_EQ(pointsPerTime(QStringLiteral("Difficult")), 5);
    EXPECT_EQ(pointsPerTime(QStringLiteral("No Workout")), 0);
}

TEST(DayPoints, DisplaysTurnIntoWholeNumbersWithHalvesToEven) {
    struct Case {
        const char* display;
        qint64 whole;
    };
    for (const Case& c : {Case{"0", 0}, Case{"4.5", 4}, Case{"5.5", 6}, Case{"2.5", 2},
                          Case{"2.51", 3}, Case{"-0.5", 0}, Case{"-1.5", -2}, Case{"45000", 45000},
                          Case{"4999999995", 4999999995}}) {
        EXPECT_EQ(wholePoints(QLatin1String(c.display)), c.whole) << c.display;
    }
    EXPECT_EQ(pointsText(20), QStringLiteral("20"));
    EXPECT_EQ(pointsText(4.5), QStringLiteral("4.5"));
    EXPECT_EQ(pointsText(0.1 * 3), QStringLiteral("0.3"));
    EXPECT_EQ(pointsText(4999999995.0), QStringLiteral("4999999995"));
    EXPECT_EQ(pointsText(-1), QStringLiteral("-1"));
}

}  // namespace
}  // namespace mirtal::exercise
