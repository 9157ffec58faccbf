#include "reports/ExerciseReport.h"

#include "ReportFixture.h"

namespace mirtal::reports {
namespace {

// User 1's catalogue (the rest-day row, one exercise of each intensity, a second difficult
// one and one whose intensity is none of the four) and user 2's running.
class ExerciseReport : public ReportFixture {
  protected:
    enum Exercise { rest = 1, pushUps, cycling, running, yoga, swimming, otherUsersRunning };

    void SetUp() override {
        const char* const catalogue[] = {
            "Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')",
            "Insert Into SetExercise Values(2, 1, 'Push ups', 'Light', '')",
            "Insert Into SetExercise Values(3, 1, 'Cycling', 'Moderate', '')",
            "Insert Into SetExercise Values(4, 1, 'Running', 'Difficult', '')",
            "Insert Into SetExercise Values(5, 1, 'Yoga', 'Gentle', '')",
            "Insert Into SetExercise Values(6, 1, 'Swimming', 'Difficult', '')",
            "Insert Into SetExercise Values(7, 2, 'Running', 'Difficult', '')",
        };
        for (const char* statement : catalogue) {
            run(QLatin1String(statement));
        }
    }

    void done(Exercise exercise, const QString& when, const char* times) {
        const int user = exercise == otherUsersRunning ? 2 : 1;
        run(QStringLiteral("Insert Into Exercise Values(%1, %2, %3, %4, %5)")
                .arg(++entryKey)
                .arg(user)
                .arg(exercise)
                .arg(when, QLatin1String(times)));
    }

    int entryKey = 0;
};

TEST_F(ExerciseReport, SumsThePointsOfEachDayWithRestDaysAtMinusOne) {
    done(pushUps, day(12, 2), "10");
    done(running, day(12, 2), "2");
    done(rest, day(12, 5), "0");
    done(running, day(12, 6), "0.5");
    done(running, day(12, 7), "1.5");
    done(pushUps, day(12, 8), "1.5");
    // A rest-day entry beside exercises, before them and after them: the exercises count.
    done(cycling, day(12, 10), "2");
    done(rest, day(12, 10), "0");
    done(rest, day(12, 11), "0");
    done(cycling, day(12, 11), "2");
    done(yoga, day(12, 12), "3");
    done(running, day(12, 13), "10000");
    done(cycling, day(12, 14), "1");
    done(running, day(12, 14), "1");
    done(pushUps, day(12, 14), "4");
    // The difficult sum is rounded after each addition: 2.5 gives 2, then 4.5 gives 4.
    done(running, day(12, 15), "0.5");
    done(swimming, day(12, 15), "0.5");
    done(running, day(11, 30), "3");
    done(running, day(1, 1, 2027), "3");
    done(otherUsersRunning, day(12, 2), "7");

    // Whatever the chart showed before, it ends with one row per day and one series.
    chart.setRowCount(40);
    chart.setColumnCount(3);
    data.statements.clear();
    buildExerciseReport(data.db(), december, chart);

    EXPECT_EQ(data.statements,
              QStringList{" Select a.SEID, a.ExerciseName, a.Intensity, a.Description, b.EID, "
                          "b.ExcerciseDate, b.ExerciseTimes From SetExercise a, Exercise b Where "
                          "a.SEID=b.SEID And a.UserID=1 And CDate(ExcerciseDate) >= #2026/12/01# "
                          "And  CDate(ExcerciseDate) <= #2026/12/31# Order By "
                          "CDate(ExcerciseDate)"});
    EXPECT_EQ(chart.titleText(), QStringLiteral("Exercise Report"));
    EXPECT_EQ(chart.footnoteText(), QString());
    EXPECT_TRUE(chart.showLegend());
    EXPECT_EQ(columnsOf(chart), QStringList{"Exercise"});
    EXPECT_EQ(rowsOf(chart), QStringList({
                                 "20 (2026/12/02) = 20",
                                 "-1 (2026/12/05) = -1",
                                 "2 (2026/12/06) = 2",
                                 "8 (2026/12/07) = 8",
                                 "1.5 (2026/12/08) = 1.5",
                                 "6 (2026/12/10) = 6",
                                 "6 (2026/12/11) = 6",
                                 "0 (2026/12/12) = 0",
                                 "50000 (2026/12/13) = 50000",
                                 "12 (2026/12/14) = 12",
                                 "4 (2026/12/15) = 4",
                             }));
}

TEST_F(ExerciseReport, ARangeWithoutEntriesCutsTheChartAndKeepsTheTitle) {
    done(pushUps, day(12, 2), "10");
    done(running, day(12, 3), "1");
    chart.setTitleText(QStringLiteral("Pulse Report"));
    const ReportRange november{QStringLiteral("1"), QDate(2026, 11, 1), QDate(2026, 11, 30)};
    buildExerciseReport(data.db(), november, chart);
    EXPECT_EQ(chart.rowCount(), 1);
    EXPECT_EQ(chart.columnCount(), 1);
    EXPECT_EQ(chart.titleText(), QStringLiteral("Pulse Report"));

    buildExerciseReport(data.db(), december, chart);
    buildExerciseReport(data.db(), november, chart);
    EXPECT_EQ(rowsOf(chart), QStringList{"10 (2026/12/02) = 10"});
    EXPECT_EQ(chart.titleText(), QStringLiteral("Exercise Report"));
}

}  // namespace
}  // namespace mirtal::reports
