#include <gtest/gtest.h>

#include <QLocale>
#include <utility>

#include "store/DateText.h"
#include "store/StoreError.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

using store::DateText;

// Switches this process's default locale for one test; the operating system's settings are
// never touched.
class LocaleScope {
  public:
    explicit LocaleScope(const char* name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleScope() { QLocale::setDefault(QLocale::system()); }
};

class DayInLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(DayInLocale, InsertedAsShortDateTextIsFoundShownAndRangedAsTheSameDay) {
    const LocaleScope locale(GetParam());
    testing::TestDatabase t;
    const QDate day(2026, 12, 8);
    const QString text = DateText::shortDate(day);
    EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << text.toStdString();
    EXPECT_EQ(DateText::parseShortDate(text), day);

    t.db().execute(
        QStringLiteral("Insert Into PulseWeight Values(1, 1, '%1', 62, 80.5, 'Good')").arg(text));

    store::ResultSet found = t.db().select(
        QStringLiteral("  Select Date1 From PulseWeight Where Date1= #2026/12/08# And UserID=1"));
    ASSERT_EQ(found.recordCount(), 1);
    EXPECT_EQ(found.field(u"Date1").toDate(), day);

    store::ResultSet shown = t.db().select(QStringLiteral(
        "  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, Morale From "
        "PulseWeight Where UserID=1 Order By Cdate(Date1)"));
    ASSERT_EQ(shown.recordCount(), 1);
    EXPECT_EQ(shown.field(u"Date").toString(), QStringLiteral("2026/12/08"));

    const auto inRange = [&](const char* first, const char* last) {
        return t.db()
            .select(QStringLiteral(
                        " Select Date1, Pulse from PulseWeight Where UserID=1 And "
                        "CDate(Date1) >= #%1# And  CDate(Date1) <= #%2#Order By CDate(Date1)")
                        .arg(QLatin1String(first), QLatin1String(last)))
            .recordCount();
    };
    EXPECT_EQ(inRange("2026/12/01", "2026/12/31"), 1);
    EXPECT_EQ(inRange("2026/12/08", "2026/12/08"), 1);
    EXPECT_EQ(inRange("2026/12/09", "2027/01/31"), 0);
}

INSTANTIATE_TEST_SUITE_P(Locales, DayInLocale,
                         ::testing::Values("C", "en_US", "de_DE", "fr_FR", "ja_JP"));

TEST(DayText, ShortDateFollowsTheLocaleOrderWithSlashes) {
    struct Case {
        const char* locale;
        const char* expected;
    };
    for (const Case c :
         {Case{"en_US", "12/8/2026"}, Case{"de_DE", "08/12/2026"}, Case{"ja_JP", "2026/12/08"}}) {
        const LocaleScope locale(c.locale);
        const QString separator = DateText::dateSeparator();
        DateText::setDateSeparator(QStringLiteral("/"));
        EXPECT_EQ(DateText::shortDate(QDate(2026, 12, 8)), QLatin1String(c.expected)) << c.locale;
        DateText::setDateSeparator(separator);
    }
}

TEST(DayText, DaysAreShownYearMonthDayWithTwoDigitsAndSlashes) {
    for (const auto& [day, text] :
         {std::pair{QDate(2026, 12, 8), "2026/12/08"}, std::pair{QDate(2004, 1, 31), "2004/01/31"},
          std::pair{QDate(999, 9, 9), "0999/09/09"}, std::pair{QDate(), ""}}) {
        EXPECT_EQ(DateText::dayText(day), QLatin1String(text));
    }
}

TEST(DayText, OtherFormsAreStoredAsTheSameDay) {
    testing::TestDatabase t;
    // The same day through an update literal, and through quoted text in an update.
    t.db().execute(QStringLiteral("Insert Into PulseWeightTarget Values( 1, 1, '%1', '%1', 60, 70)")
                       .arg(DateText::shortDate(QDate(2026, 1, 1))));
    t.db().execute(
        QStringLiteral(" Update PulseWeightTarget Set StartDate=#2026/12/8#, "
                       "TargetDate=#2027/06/30#, Pulse=58, Weight=68 Where TPWID=1 And UserID=1"));
    t.db().execute(
        QStringLiteral(" Update DailySnackingInput Set MealDate='%1', Snacking=3, Water=4 "
                       "Where DSID=1 And UserID=1")
            .arg(DateText::shortDate(QDate(2026, 12, 8))));
    EXPECT_EQ(t.scalar("SELECT StartDate || ' ' || TargetDate FROM PulseWeightTarget").toString(),
              QStringLiteral("2026-12-08 2027-06-30"));
}

TEST(DayText, AnImpossibleDayIsRefusedAndNothingStored) {
    testing::TestDatabase t;
    for (const char* value : {"'13/45/2026'", "'tomorrow'", "#2026/02/30#"}) {
        EXPECT_THROW(t.db().execute(
                         QStringLiteral("Insert Into PulseWeight Values(1, 1, %1, 62, 80, 'Good')")
                             .arg(QLatin1String(value))),
                     store::StoreError)
            << value;
    }
    EXPECT_EQ(t.scalar("SELECT count(*) FROM PulseWeight").toInt(), 0);
}

TEST(SkippedMeal, IsStoredWithPenaltyAndEightZeros) {
    testing::TestDatabase t;
    t.db().execute(
        QStringLiteral(
            "Insert Into DailyMealInput Values(1, 1, '%1', '1B', -8, 0, 0, 0, 0, 0, 0, 0, 0)")
            .arg(DateText::shortDate(QDate(2026, 12, 8))));
    store::ResultSet rs = t.db().select(QStringLiteral(
        " Select DMID, MealType, NotEat, FatIntake as [Fat], FastSugarIntake as [FastSugar], "
        "FiberIntake as "
        "[Fiber], OverallQuantity as [Overall], PositiveFoods, PrepareMyself, PrepareSomeone as "
        "[AteSitting], AteSlowly From DailyMealInput Where UserID=1 And MealDate=#2026/12/08# "
        "Order By "
        "MealType"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.field(u"MealType").toString(), QStringLiteral("1B"));
    EXPECT_EQ(rs.field(u"NotEat").toInt(), -8);
    for (int column = 3; column < rs.fieldCount(); ++column) {
        EXPECT_EQ(rs.field(column), QVariant(qlonglong(0)))
            << rs.columnNames()[column].toStdString();
    }
}

}  // namespace
}  // namespace mirtal
