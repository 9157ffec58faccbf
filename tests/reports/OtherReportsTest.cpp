#include "reports/OtherReports.h"

#include "ReportFixture.h"

namespace mirtal::reports {
namespace {

const QString moraleScale =
    QString(61, u' ') + QStringLiteral("Excellent=4, Good=3, Average=2, Low=1, The Pits=0");

// Four progress entries in December (one with a morale that is not on the list), two
// snacking entries, entries outside December and another user's; target pulse 72.5 and
// target weight 80.
class OtherReports : public ReportFixture {
  protected:
    void SetUp() override {
        progress(1, day(12, 9), "62, 80.5, 'Good'");
        progress(2, day(12, 10), "61, 79.9, 'Excellent'");
        progress(3, day(12, 31), "59, 79, 'The Pits'");
        progress(4, day(12, 15), "60, 79.5, 'Grumpy'");
        progress(5, day(11, 30), "70, 90, 'Low'");
        progress(6, day(12, 9), "80, 100, 'Low'", 2);
        run(QStringLiteral("Insert Into DailySnackingInput Values(1, 1, %1, 2, 0)")
                .arg(day(12, 1)));
        run(QStringLiteral("Insert Into DailySnackingInput Values(2, 1, %1, -2, 4)")
                .arg(day(12, 9)));
        run(QStringLiteral("Insert Into DailySnackingInput Values(3, 1, %1, 3, 2)")
                .arg(day(1, 1, 2027)));
        run(QStringLiteral("Insert Into DailySnackingInput Values(4, 2, %1, 3, 2)")
                .arg(day(12, 9)));
        target(1, QStringLiteral("72.5, 80"));
    }

    void progress(int key, const QString& when, const char* values, int user = 1) {
        run(QStringLiteral("Insert Into PulseWeight Values(%1, %2, %3, %4)")
                .arg(key)
                .arg(user)
                .arg(when, QLatin1String(values)));
    }

    void target(int key, const QString& pulseAndWeight) {
        run(QStringLiteral("Insert Into PulseWeightTarget Values( %1, 1, %2, %3, %4)")
                .arg(key)
                .arg(day(12, 1), day(12, 31), pulseAndWeight));
    }
};

TEST_F(OtherReports, ChartOneMeasurementPerDayWithTheTargetForWeightAndPulse) {
    const QString range = QStringLiteral(
        " And CDate(%1) >= #2026/12/01# And  CDate(%1) <= #2026/12/31#Order By CDate(%2)");
    struct Case {
        OtherReport report;
        QString statement;
        const char* title;
        QStringList columns;
        QStringList rows;
        QString footnote;
    };
    const Case cases[] = {
        {OtherReport::Weight,
         " Select Date1, Weight from PulseWeight Where UserID=1" + range.arg("Date1", "Date1"),
         "Weight Report",
         {"Weight", "Target Weight"},
         {"80.5 (2026/12/09) = 80.5 80", "79.9 (2026/12/10) = 79.9 80",
          "79.5 (2026/12/15) = 79.5 80", "79 (2026/12/31) = 79 80"},
         {}},
        {OtherReport::Pulse,
         " Select Date1, Pulse from PulseWeight Where UserID=1" + range.arg("Date1", "Date1"),
         "Pulse Report",
         {"Pulse", "Target Pulse"},
         {"62 (2026/12/09) = 62 72", "61 (2026/12/10) = 61 72", "60 (2026/12/15) = 60 72",
          "59 (2026/12/31) = 59 72"},
         {}},
        {OtherReport::Morale,
         " Select a.Date1, b.Score from PulseWeight a, SetMealPoint b Where a.UserID=1 And "
         "a.Morale=b.MealName And b.SubID=8" +
             range.arg("a.Date1", "Date1"),
         "Morale Report",
         {"Morale"},
         {"3 (2026/12/09) = 3", "4 (2026/12/10) = 4", "0 (2026/12/31) = 0"},
         moraleScale},
        {OtherReport::Snacking,
         " Select MealDate, Snacking From DailySnackingInput Where UserID=1" +
             range.arg("MealDate", "MealDate"),
         "Snacking Report",
         {"Snacking"},
         {"2 (2026/12/01) = 2", "-2 (2026/12/09) = -2"},
         {}},
        {OtherReport::Water,
         " Select MealDate, Water From DailySnackingInput Where UserID=1" +
             range.arg("MealDate", "MealDate"),
         "Water Drinking Report",
         {"Water"},
         {"0 (2026/12/01) = 0", "4 (2026/12/09) = 4"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        data.statements.clear();
        // Every report clears the footnote of the one before, or puts up its own.
        chart.setFootnoteText(QStringLiteral("from before"));
        buildOtherReport(data.db(), december, c.report, chart);
        EXPECT_EQ(data.statements,
                  QStringList({" Select Pulse, Weight From PulseWeightTarget Where UserID=1",
                               c.statement}));
        EXPECT_EQ(chart.titleText(), QLatin1String(c.title));
        EXPECT_EQ(columnsOf(chart), c.columns);
        EXPECT_EQ(rowsOf(chart), c.rows);
        EXPECT_EQ(chart.footnoteText(), c.footnote);
        EXPECT_TRUE(chart.showLegend());
    }
    EXPECT_EQ(moraleScale.size(), 110);
}

TEST_F(OtherReports, TheTargetIsRoundedHalfToEvenAndCountsAsZeroWithoutOneTargetRow) {
    struct Case {
        const char* pulseAndWeight;
        float pulse;
        float weight;
    };
    const Case cases[] = {
        {"72.5, 80.5", 72, 80}, {"73.5, 79.5", 74, 80}, {"72.4, 80.6", 72, 81}, {"0, 0", 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pulseAndWeight);
        run(QStringLiteral("Update PulseWeightTarget Set Pulse=%1, Weight=%2 Where TPWID=1")
                .arg(QString::fromLatin1(c.pulseAndWeight).split(u',').at(0),
                     QString::fromLatin1(c.pulseAndWeight).split(u',').at(1)));
        buildOtherReport(data.db(), december, OtherReport::Pulse, chart);
        EXPECT_EQ(chart.value(2, 2), c.pulse);
        buildOtherReport(data.db(), december, OtherReport::Weight, chart);
        EXPECT_EQ(chart.value(2, 2), c.weight);
    }

    // A second target row, and then none at all: the targets are 0 on every row.
    target(2, QStringLiteral("60, 70"));
    buildOtherReport(data.db(), december, OtherReport::Weight, chart);
    EXPECT_EQ(rowsOf(chart).first(), QStringLiteral("80.5 (2026/12/09) = 80.5 0"));
    run(QStringLiteral("Delete From PulseWeightTarget Where UserID=1"));
    buildOtherReport(data.db(), december, OtherReport::Pulse, chart);
    EXPECT_EQ(rowsOf(chart).last(), QStringLiteral("59 (2026/12/31) = 59 0"));
}

TEST_F(OtherReports, ARangeWithoutEntriesCutsTheChartAndKeepsTitleAndFootnote) {
    buildOtherReport(data.db(), december, OtherReport::Morale, chart);
    const ReportRange january{QStringLiteral("1"), QDate(2027, 1, 2), QDate(2027, 1, 31)};
    buildOtherReport(data.db(), january, OtherReport::Weight, chart);
    EXPECT_EQ(rowsOf(chart), QStringList{"3 (2026/12/09) = 3"});
    EXPECT_EQ(columnsOf(chart), QStringList{"Morale"});
    EXPECT_EQ(chart.titleText(), QStringLiteral("Morale Report"));
    EXPECT_EQ(chart.footnoteText(), moraleScale);
}

}  // namespace
}  // namespace mirtal::reports
