#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "store/DateText.h"
#include "store/KeyAllocator.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "support/TestDatabase.h"

// The statements of the windows, word for word, run against a small data set that was
// itself written with the windows' insert and update statements.

namespace mirtal {
namespace {

using store::DateText;

// A cell as text that keeps its kind: a day read back as text is a fault, not a match.
std::string cellText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
            return "null";
        case QMetaType::QDate:
            return "day " + value.toDate().toString(Qt::ISODate).toStdString();
        case QMetaType::QString:
            return "'" + value.toString().toStdString() + "'";
        default:
            return value.toString().toStdString();
    }
}

std::string rowText(const QVariantList& cells) {
    std::string text;
    for (const QVariant& cell : cells) {
        text += (text.empty() ? "" : " | ") + cellText(cell);
    }
    return text;
}

// Reads every row, each field by its name as the windows do.
std::vector<std::string> rowsOf(store::ResultSet rs) {
    std::vector<std::string> rows;
    for (; !rs.eof(); rs.moveNext()) {
        QVariantList cells;
        for (const QString& name : rs.columnNames()) {
            cells << rs.field(name);
        }
        rows.push_back(rowText(cells));
    }
    return rows;
}

// Every row of every table, to show that a refused statement changed nothing.
std::vector<std::string> everything(store::Database& db) {
    std::vector<std::string> rows;
    for (const store::Table& table : store::tables()) {
        const std::string name(table.name);
        for (const std::string& row : rowsOf(db.selectNative("SELECT * FROM " + name))) {
            rows.push_back(name + ": " + row);
        }
    }
    return rows;
}

// The process-wide date settings as the shell sets them at start, restored afterwards.
class DateSettings {
  public:
    explicit DateSettings(const QString& locale) : separator_(DateText::dateSeparator()) {
        QLocale::setDefault(QLocale(locale));
        DateText::setDateSeparator(QStringLiteral("/"));
    }
    ~DateSettings() {
        QLocale::setDefault(locale_);
        DateText::setDateSeparator(separator_);
    }
    DateSettings(const DateSettings&) = delete;
    DateSettings& operator=(const DateSettings&) = delete;

  private:
    QLocale locale_;
    QString separator_;
};

QString day(int year, int month, int dayOfMonth) {
    return DateText::shortDate(QDate(year, month, dayOfMonth));
}

// Two users with a few days of everything. Days just outside December 2026 (the report range
// of the cases) and days whose short-date texts sort out of calendar order (12/9 and 12/10,
// 1/1/2027) catch days that are compared as text instead of as days.
class StatementShapes : public ::testing::Test {
  protected:
    void SetUp() override {
        ruth = add("UserID", "User1", "Insert Into User1 Values(%1, 'Ruth')");
        oneil = add("UserID", "User1", "Insert Into User1 Values(%1, 'O`Neil')");

        targetRuth = add("TPWID", "PulseWeightTarget",
                         "Insert Into PulseWeightTarget Values( %1, 1, '" + day(2026, 12, 1) +
                             "', '" + day(2026, 12, 31) + "', 58, 72.5)");
        targetOneil = add("TPWID", "PulseWeightTarget",
                          "Insert Into PulseWeightTarget Values( %1, 2, '" + day(2027, 1, 1) +
                              "', '" + day(2027, 3, 31) + "', 62, 90)");
        db().execute(
            QStringLiteral(" Update PulseWeightTarget Set StartDate=#2027/01/01#, "
                           "TargetDate=#2027/06/30#, Pulse=60, Weight=88.5 Where TPWID=%1 And "
                           "UserID=2")
                .arg(targetOneil));

        // The first exercise of a user brings the rest-day row with it.
        restRuth = add("SEID", "SetExercise",
                       "Insert Into SetExercise Values(%1, 1, 'NULL', 'No Workout', "
                       "'I rested today.')");
        pushUps = add("SEID", "SetExercise",
                      "Insert Into SetExercise Values(%1, 1, 'Push ups', 'Light', 'On the knees')");
        running = add("SEID", "SetExercise",
                      "Insert Into SetExercise Values(%1, 1, 'Running', 'Difficult', "
                      "'Around the park')");
        restOneil = add("SEID", "SetExercise",
                        "Insert Into SetExercise Values(%1, 2, 'NULL', 'No Workout', "
                        "'I rested today.')");
        cycling = add("SEID", "SetExercise",
                      "Insert Into SetExercise Values(%1, 2, 'Cycling', 'Moderate', 'To work')");
        db().execute(
            QStringLiteral(" Update SetExercise Set ExerciseName='Push ups', Intensity='Light', "
                           "Description='Knees off the floor' Where SEID=%1 And UserID=1")
                .arg(pushUps));

        const auto exercise = [this](int user, qint64 seid, const QString& when, int times) {
            return add("EID", "Exercise",
                       "Insert Into Exercise Values(%1, " + QString::number(user) + ", " +
                           QString::number(seid) + ", '" + when + "', " + QString::number(times) +
                           ")");
        };
        exercise(1, pushUps, day(2026, 11, 30), 10);
        running1231 = exercise(1, running, day(2026, 12, 31), 30);
        pushUps1209 = exercise(1, pushUps, day(2026, 12, 9), 20);
        running1209 = exercise(1, running, day(2026, 12, 9), 2);
        rest1210 = exercise(1, restRuth, day(2026, 12, 10), 0);
        exercise(1, pushUps, day(2027, 1, 1), 5);
        exercise(2, cycling, day(2026, 12, 9), 4);
        db().execute(QStringLiteral(" Update Exercise Set ExerciseTimes='3' Where EID=%1 And "
                                    "UserID=1")
                         .arg(running1231));

        const auto progress = [this](int user, const QString& when, const char* values) {
            return add("PWID", "PulseWeight",
                       "Insert Into PulseWeight Values(%1, " + QString::number(user) + ", '" +
                           when + "', " + values + ")");
        };
        pw1130 = progress(1, day(2026, 11, 30), "64, 74, 'Low'");
        pw1210 = progress(1, day(2026, 12, 10), "61, 73, 'Excellent'");
        pw1209 = progress(1, day(2026, 12, 9), "62, 73.5, 'Good'");
        pw1231 = progress(1, day(2026, 12, 31), "60, 72.5, 'The Pits'");
        progress(2, day(2026, 12, 9), "70, 95, 'Average'");
        db().execute(QStringLiteral(" Update PulseWeight Set Date1=#2026/12/31#, Pulse=59, "
                                    "Weight=72.4, Morale='Average' Where PWID=%1 And UserID=1")
                         .arg(pw1231));

        const auto meal = [this](int user, const QString& when, const char* type,
                                 const char* scores) {
            return add("DMID", "DailyMealInput",
                       "Insert Into DailyMealInput Values(%1, " + QString::number(user) + ", '" +
                           when + "', '" + type + "'," + scores + ")");
        };
        meal(1, day(2026, 11, 30), "2L", " 0, 3, 3, 3, 3, 3, 3, 1, 5");
        dinner1209 = meal(1, day(2026, 12, 9), "3D", " 0, 1, 1, 3, 0, 3, 0, 0, 0");
        lunch1209 = meal(1, day(2026, 12, 9), "2L", " 0, 3, -1, 1, 3, 2, 3, 1, 5");
        breakfast1209 = meal(1, day(2026, 12, 9), "1B", " -8, 0, 0, 0, 0, 0, 0, 0, 0");
        meal(1, day(2026, 12, 10), "1B", " 0, -2, 3, -1, 3, 0, 3, 0, 5");
        meal(1, day(2027, 1, 1), "3D", " 0, 3, 3, 3, 3, 3, 0, 0, 0");
        meal(2, day(2026, 12, 9), "2L", " 0, -4, -3, -1, -3, 0, 0, 0, 0");

        const auto snacking = [this](int user, const QString& when, const char* scores) {
            return add("DSID", "DailySnackingInput",
                       "Insert Into DailySnackingInput Values(%1, " + QString::number(user) +
                           ", '" + when + "', " + scores + ")");
        };
        snacking(1, day(2026, 11, 30), "3, 4");
        snacking(1, day(2026, 12, 1), "2, 0");
        snacking(1, day(2026, 12, 9), "-2, 4");
        snacking1210 = snacking(1, day(2026, 12, 10), "0, 2");
        snackingOneil = snacking(2, day(2026, 12, 9), "-4, 0");
        db().execute(" Update DailySnackingInput Set MealDate='" + day(2026, 12, 10) +
                     "', Snacking=3, Water=-2 Where DSID=" + QString::number(snacking1210) +
                     " And UserID=1");
    }

    store::Database& db() { return t.db(); }

    // Allocates the next key the way the windows do and runs the insert made with it.
    qint64 add(const char* key, const char* table, const QString& insert) {
        const qint64 next = store::nextKey(
            db(), QStringLiteral("  Select Max(%1) From %2").arg(QLatin1String(key), table));
        db().execute(insert.arg(next));
        return next;
    }

    DateSettings settings{QStringLiteral("en_US")};
    testing::TestDatabase t;
    qint64 ruth = 0, oneil = 0, targetRuth = 0, targetOneil = 0;
    qint64 restRuth = 0, pushUps = 0, running = 0, restOneil = 0, cycling = 0;
    qint64 pushUps1209 = 0, running1209 = 0, rest1210 = 0, running1231 = 0;
    qint64 pw1130 = 0, pw1209 = 0, pw1210 = 0, pw1231 = 0;
    qint64 breakfast1209 = 0, lunch1209 = 0, dinner1209 = 0;
    qint64 snacking1210 = 0, snackingOneil = 0;
};

struct SelectCase {
    QString statement;
    QStringList columns;
    std::vector<QVariantList> rows;               // in order where `orderedBy` is set
    std::optional<int> orderedBy = std::nullopt;  // the column whose order the statement fixes
};

QVariant on(int year, int month, int dayOfMonth) {
    return QDate(year, month, dayOfMonth);
}

TEST_F(StatementShapes, SelectsOfTheWindowsReturnTheirRows) {
    const QString december =
        QStringLiteral(" And CDate(%1) >= #2026/12/01# And  CDate(%1) <= #2026/12/31#");
    const QString rest = QStringLiteral("I rested today.");
    const QString knees = QStringLiteral("Knees off the floor");
    const QString park = QStringLiteral("Around the park");
    const QStringList mealGrid{"DMID",          "MealType",   "NotEat",   "Fat",
                               "FastSugar",     "Fiber",      "Overall",  "PositiveFoods",
                               "PrepareMyself", "AteSitting", "AteSlowly"};
    const QStringList criteria{"MealDate",    "FatIntake",       "FastSugarIntake",
                               "FiberIntake", "OverallQuantity", "PositiveFoods"};

    const std::vector<SelectCase> cases = {
        // Users.
        {"  Select * From User1 Order By UserName",
         {"UserID", "UserName"},
         {{oneil, "O`Neil"}, {ruth, "Ruth"}},
         1},
        {" Select UserID, UserName From User1 Where UserID=2",
         {"UserID", "UserName"},
         {{oneil, "O`Neil"}}},
        {"  Select UserID From User1 Where UserID=1 Order By UserName", {"UserID"}, {{ruth}}},
        {"  Select Max(UserID) From User1", {"Max(UserID)"}, {{2}}},
        {"  Select Max(EID) From Exercise", {"Max(EID)"}, {{7}}},

        // Exercise catalogue.
        {"  Select SEID, ExerciseName, Intensity, Description From SetExercise Where UserID=1 "
         "Order By ExerciseName",
         {"SEID", "ExerciseName", "Intensity", "Description"},
         {{restRuth, "NULL", "No Workout", rest},
          {pushUps, "Push ups", "Light", knees},
          {running, "Running", "Difficult", park}},
         1},
        {"  Select SEID, Intensity From SetExercise Where Intensity='No Workout' And UserID=2",
         {"SEID", "Intensity"},
         {{restOneil, "No Workout"}}},
        {" Select SEID from SetExercise Where UserID=2", {"SEID"}, {{restOneil}, {cycling}}},

        // Daily exercise.
        {"  Select SEID, ExerciseName, Intensity, Description From SetExercise Where Intensity "
         "='Light' And UserID=1",
         {"SEID", "ExerciseName", "Intensity", "Description"},
         {{pushUps, "Push ups", "Light", knees}}},
        {"  Select b.EID, a.SEID as [ID], a.Intensity, a.ExerciseName,  b.ExerciseTimes as "
         "[Times], a.Description From SetExercise a, Exercise b Where a.SEID=b.SEID And "
         "a.UserID=1 And b.ExcerciseDate=#2026/12/09#",
         {"EID", "ID", "Intensity", "ExerciseName", "Times", "Description"},
         {{pushUps1209, pushUps, "Light", "Push ups", 20, knees},
          {running1209, running, "Difficult", "Running", 2, park}}},
        {"  Select b.EID, a.SEID as [ID], a.Intensity, a.ExerciseName,  b.ExerciseTimes as "
         "[Times], a.Description From SetExercise a, Exercise b Where a.SEID=b.SEID And "
         "a.UserID=1 And b.ExcerciseDate=#2026/12/31#",
         {"EID", "ID", "Intensity", "ExerciseName", "Times", "Description"},
         {{running1231, running, "Difficult", "Running", 3, park}}},
        {"  Select EID From Exercise Where SEID =2 And ExcerciseDate =#2026/12/09# And UserID=1",
         {"EID"},
         {{pushUps1209}}},
        {"  Select EID From Exercise Where SEID =2 And ExcerciseDate =#2026/12/10# And UserID=1",
         {"EID"},
         {}},
        {"  Select SEID, Intensity, ExerciseName From SetExercise Where SEID =3 And UserID=1",
         {"SEID", "Intensity", "ExerciseName"},
         {{running, "Difficult", "Running"}}},

        // Progress log.
        {"  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, Morale From "
         "PulseWeight Where UserID=1 Order By Cdate(Date1)",
         {"PWID", "Date", "Pulse", "Weight", "Morale"},
         {{pw1130, "2026/11/30", 64, 74, "Low"},
          {pw1209, "2026/12/09", 62, 73.5, "Good"},
          {pw1210, "2026/12/10", 61, 73, "Excellent"},
          {pw1231, "2026/12/31", 59, 72.4, "Average"}},
         1},
        {"  Select Date1 From PulseWeight Where Date1= #2026/12/31# And UserID=1",
         {"Date1"},
         {{on(2026, 12, 31)}}},
        {"  Select MID, MealName From SetMealPoint Where SubID=8",
         {"MID", "MealName"},
         {{28, "Excellent"}, {29, "Good"}, {30, "Average"}, {31, "Low"}, {32, "The Pits"}}},

        // Target values: the unnamed day columns are named after their columns.
        {"  Select TPWID, Format(StartDate,'yyyy/MM/dd'), format(TargetDate,'yyyy/MM/dd'), "
         "Pulse, Weight From PulseWeightTarget Where UserID=1",
         {"TPWID", "StartDate", "TargetDate", "Pulse", "Weight"},
         {{targetRuth, "2026/12/01", "2026/12/31", 58, 72.5}}},
        {"  Select TPWID, Format(StartDate,'yyyy/MM/dd'), format(TargetDate,'yyyy/MM/dd'), "
         "Pulse, Weight From PulseWeightTarget Where UserID=2",
         {"TPWID", "StartDate", "TargetDate", "Pulse", "Weight"},
         {{targetOneil, "2027/01/01", "2027/06/30", 60, 88.5}}},
        {" Select TPWID from PulseWeightTarget Where UserID=2", {"TPWID"}, {{targetOneil}}},

        // Meal evaluation, snacking and water.
        {"  Select DMID From DailyMealInput Where UserID=1 And MealType ='1B' And "
         "MealDate=#2026/12/09#",
         {"DMID"},
         {{breakfast1209}}},
        {"  Select DMID From DailyMealInput Where UserID=1 And MealType ='2L' And "
         "MealDate=#2026/12/10#",
         {"DMID"},
         {}},
        {" Select DMID, MealType, NotEat, FatIntake as [Fat], FastSugarIntake as [FastSugar], "
         "FiberIntake as [Fiber], OverallQuantity as [Overall], PositiveFoods, PrepareMyself, "
         "PrepareSomeone as [AteSitting], AteSlowly From DailyMealInput Where UserID=1 And "
         "MealDate=#2026/12/09# Order By MealType",
         mealGrid,
         {{breakfast1209, "1B", -8, 0, 0, 0, 0, 0, 0, 0, 0},
          {lunch1209, "2L", 0, 3, -1, 1, 3, 2, 3, 1, 5},
          {dinner1209, "3D", 0, 1, 1, 3, 0, 3, 0, 0, 0}},
         1},
        {"  Select Score From SetMealPoint Where MID=29", {"Score"}, {{3}}},
        {" Select DSID, Snacking, Water From DailySnackingInput Where UserID=1 And "
         "MealDate=#2026/12/10#",
         {"DSID", "Snacking", "Water"},
         {{snacking1210, 3, -2}}},
        {"  Select DSID From DailySnackingInput Where UserID=2 And MealDate=#2026/12/09#",
         {"DSID"},
         {{snackingOneil}}},
        {" Select MealName From SetMealPoint Where SubID=6 And Score=3",
         {"MealName"},
         {{"No snacking"}}},
        {" Select MealName From SetMealPoint Where SubID=7 And Score=-2",
         {"MealName"},
         {{"Fewer than 4 glasses"}}},

        // Reports over December 2026.
        {"  Select StartDate, TargetDate From PulseWeightTarget Where UserID=1",
         {"StartDate", "TargetDate"},
         {{on(2026, 12, 1), on(2026, 12, 31)}}},
        {" Select MealDate, FatIntake, FastSugarIntake, FiberIntake, OverallQuantity, "
         "PositiveFoods From DailyMealInput Where UserID=1 And MealType='2L' " +
             december.arg("MealDate") + "Order By CDate(MealDate)",
         criteria,
         {{on(2026, 12, 9), 3, -1, 1, 3, 2}},
         0},
        {" Select MealDate, FatIntake, FastSugarIntake, FiberIntake, OverallQuantity, "
         "PositiveFoods From DailyMealInput Where UserID=1 And MealType='1B' " +
             december.arg("MealDate") + "Order By CDate(MealDate)",
         criteria,
         {{on(2026, 12, 9), 0, 0, 0, 0, 0}, {on(2026, 12, 10), -2, 3, -1, 3, 0}},
         0},
        {" SELECT MealDate, Sum ( FatIntake)  as FatIntake, Sum ( FastSugarIntake) as "
         "FastSugarIntake, Sum (FiberIntake) as FiberIntake, Sum (OverallQuantity) as "
         "OverallQuantity, Sum (PositiveFoods) as PositiveFoods From DailyMealInput Where "
         "UserID=1" +
             december.arg("MealDate") + " Group By MealDate Order By CDate(MealDate)",
         criteria,
         {{on(2026, 12, 9), 4, 0, 4, 3, 5}, {on(2026, 12, 10), -2, 3, -1, 3, 0}},
         0},
        {" SELECT MealDate , Sum (NotEat) As NotEat, (Sum (FatIntake) + Sum(FastSugarIntake) + "
         "Sum(FiberIntake)+ Sum (OverallQuantity) + Sum (PositiveFoods)) As Meal,  "
         "(Sum(PrepareMyself) + Sum(PrepareSomeone)+Sum (AteSlowly)) As Bonus  From "
         "DailyMealInput Where UserID=1" +
             december.arg("MealDate") + " Group By MealDate Order By CDate(MealDate)",
         {"MealDate", "NotEat", "Meal", "Bonus"},
         {{on(2026, 12, 9), -8, 16, 9}, {on(2026, 12, 10), 0, 3, 8}},
         0},
        {" Select Date1, Weight from PulseWeight Where UserID=1" + december.arg("Date1") +
             "Order By CDate(Date1)",
         {"Date1", "Weight"},
         {{on(2026, 12, 9), 73.5}, {on(2026, 12, 10), 73}, {on(2026, 12, 31), 72.4}},
         0},
        {" Select Date1, Pulse from PulseWeight Where UserID=1" + december.arg("Date1") +
             "Order By CDate(Date1)",
         {"Date1", "Pulse"},
         {{on(2026, 12, 9), 62}, {on(2026, 12, 10), 61}, {on(2026, 12, 31), 59}},
         0},
        {" Select a.Date1, b.Score from PulseWeight a, SetMealPoint b Where a.UserID=1 And "
         "a.Morale=b.MealName And b.SubID=8" +
             december.arg("a.Date1") + "Order By CDate(Date1)",
         {"Date1", "Score"},
         {{on(2026, 12, 9), 3}, {on(2026, 12, 10), 4}, {on(2026, 12, 31), 2}},
         0},
        {" Select MealDate, Snacking From DailySnackingInput Where UserID=1" +
             december.arg("MealDate") + "Order By CDate(MealDate)",
         {"MealDate", "Snacking"},
         {{on(2026, 12, 1), 2}, {on(2026, 12, 9), -2}, {on(2026, 12, 10), 3}},
         0},
        {" Select MealDate, Water From DailySnackingInput Where UserID=1" +
             december.arg("MealDate") + "Order By CDate(MealDate)",
         {"MealDate", "Water"},
         {{on(2026, 12, 1), 0}, {on(2026, 12, 9), 4}, {on(2026, 12, 10), -2}},
         0},
        {" Select a.SEID, a.ExerciseName, a.Intensity, a.Description, b.EID, b.ExcerciseDate, "
         "b.ExerciseTimes From SetExercise a, Exercise b Where a.SEID=b.SEID And a.UserID=1" +
             december.arg("ExcerciseDate") + " Order By CDate(ExcerciseDate)",
         {"SEID", "ExerciseName", "Intensity", "Description", "EID", "ExcerciseDate",
          "ExerciseTimes"},
         {{pushUps, "Push ups", "Light", knees, pushUps1209, on(2026, 12, 9), 20},
          {running, "Running", "Difficult", park, running1209, on(2026, 12, 9), 2},
          {restRuth, "NULL", "No Workout", rest, rest1210, on(2026, 12, 10), 0},
          {running, "Running", "Difficult", park, running1231, on(2026, 12, 31), 3}},
         5},
    };

    for (const SelectCase& c : cases) {
        SCOPED_TRACE(c.statement.toStdString());
        const store::ResultSet rs = db().select(c.statement);
        EXPECT_EQ(rs.columnNames(), c.columns);
        EXPECT_EQ(rs.recordCount(), static_cast<int>(c.rows.size()));
        std::vector<std::string> actual = rowsOf(rs);
        std::vector<std::string> expected;
        for (const QVariantList& row : c.rows) {
            expected.push_back(rowText(row));
        }
        if (c.orderedBy) {
            std::vector<std::string> actualOrder;
            for (store::ResultSet walk = rs; !walk.eof(); walk.moveNext()) {
                actualOrder.push_back(cellText(walk.field(*c.orderedBy)));
            }
            std::vector<std::string> expectedOrder;
            for (const QVariantList& row : c.rows) {
                expectedOrder.push_back(cellText(row[*c.orderedBy]));
            }
            EXPECT_EQ(actualOrder, expectedOrder);
        }
        std::ranges::sort(actual);
        std::ranges::sort(expected);
        EXPECT_EQ(actual, expected);
    }
}

TEST_F(StatementShapes, DaysAreStoredInOneFormHoweverTheyWereWritten) {
    // Days inserted as short-date text, updated as a day literal or as short-date text, and a
    // number updated in quotes, as they lie in the file.
    const auto stored = [this](const std::string& sql) { return t.scalar(sql).toString(); };
    EXPECT_EQ(stored("SELECT Date1 FROM PulseWeight WHERE PWID=" + std::to_string(pw1209)),
              "2026-12-09");
    EXPECT_EQ(stored("SELECT Date1 FROM PulseWeight WHERE PWID=" + std::to_string(pw1231)),
              "2026-12-31");
    EXPECT_EQ(stored("SELECT MealDate FROM DailySnackingInput WHERE DSID=" +
                     std::to_string(snacking1210)),
              "2026-12-10");
    EXPECT_EQ(stored("SELECT typeof(ExerciseTimes) || ExerciseTimes FROM Exercise WHERE EID=" +
                     std::to_string(running1231)),
              "integer3");
}

TEST_F(StatementShapes, RefusedStatementsChangeNothingAndSayWhy) {
    const QString late = day(2026, 12, 11);
    const struct {
        QString statement;
        QStringList named;  // what the description must name
    } cases[] = {
        {"Insert Into PulseWeight Values(9, 1, '" + late + "', .., 73, 'Good')", {"..", "Pulse"}},
        {"Insert Into PulseWeight Values(9, 1, '" + late + "', 61, 1.2.3, 'Good')",
         {"1.2.3", "Weight"}},
        {"Insert Into DailySnackingInput Values(9, 1, '" + late + "', 3, 1.2.3)",
         {"1.2.3", "Water"}},
        {" Update Exercise Set ExerciseTimes='1.2.3' Where EID=2 And UserID=1",
         {"1.2.3", "ExerciseTimes"}},
        {" Update PulseWeight Set Date1=#2026/12/31#, Pulse=.., Weight=72, Morale='Good' Where "
         "PWID=4 And UserID=1",
         {"..", "Pulse"}},
        {" Update PulseWeightTarget Set StartDate=#2026/12/01#, TargetDate=#2026/12/31#, "
         "Pulse=58, Weight=7..2 Where TPWID=1 And UserID=1",
         {"7..2", "Weight"}},
        {"Insert Into PulseWeight Values(9, 1, '13/40/2026', 61, 73, 'Good')",
         {"13/40/2026", "Date1"}},
        {" Update PulseWeight Set Date1=#2026/02/29#, Pulse=59, Weight=72, Morale='Good' Where "
         "PWID=4 And UserID=1",
         {"#2026/02/29#"}},
        {" Delete From PulseWeight Where Date1=#26/12/31# And UserID=1", {"#26/12/31#"}},
        {"  Select * From User1; Delete  From User1 Where UserID=1", {"more than one statement"}},
        {" Delete From Exercise Where EID=2 And UserID=1; Delete  From User1 Where UserID=1",
         {"more than one statement"}},
        {" Update Exercise Set ExerciseTimes='3' Where EID=2 And UserID=1;Delete From Exercise",
         {"more than one statement"}},
        {"  Select * From User1 Where UserID=1 -- Or UserID=2", {"comment"}},
        {"Insert Into User1 Values(3, 'Eve') --", {"comment"}},
        {" Delete From PulseWeight Where PWID=1 /* And UserID=1 */", {"comment"}},
        // SQLite quotes names between backquotes, which hides the quote inside from a reader
        // that only knows the dialect's quotes; the text after the end is never dropped.
        {"  Select 1 `'`; Delete  From User1 Where UserID=1 --'", {"more than one statement"}},
        {QStringLiteral("  Select * From User1") + QChar(0) + QStringLiteral(" Delete  From User1"),
         {"more than one statement"}},
        // A null character inside a text would end the statement inside its quotes.
        {QStringLiteral("Insert Into User1 Values(3, 'Eve") + QChar(0) + QStringLiteral("')"),
         {"null character", "'Eve?'"}},
    };

    const std::vector<std::string> before = everything(db());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement.toStdString());
        try {
            db().execute(c.statement);
            ADD_FAILURE() << "the statement was run";
        } catch (const store::StoreError& e) {
            for (const QString& part : c.named) {
                EXPECT_TRUE(e.description().contains(part)) << e.description().toStdString();
            }
        }
        EXPECT_EQ(everything(db()), before);
    }
}

TEST_F(StatementShapes, ASelectNeverChangesData) {
    const std::vector<std::string> before = everything(db());
    for (const char* write : {" Delete From PulseWeight Where PWID=1 And UserID=1",
                              "Insert Into User1 Values(9, 'Eve')",
                              " Update User1 Set UserName='Eve' Where UserID=1"}) {
        SCOPED_TRACE(write);
        try {
            db().select(QString::fromLatin1(write));
            ADD_FAILURE() << "the select ran a write";
        } catch (const store::StoreError& e) {
            EXPECT_EQ(e.description(), QStringLiteral("A select cannot change data."));
        }
    }
    EXPECT_EQ(everything(db()), before);
}

TEST_F(StatementShapes, SemicolonsAndDashesInsideTextAreOnlyText) {
    db().execute(QStringLiteral("Insert Into User1 Values(3, 'A; B -- C /* D')"));
    EXPECT_EQ(rowsOf(db().select(QStringLiteral(" Select UserName From User1 Where UserID=3"))),
              std::vector<std::string>{"'A; B -- C /* D'"});
}

TEST_F(StatementShapes, RemovingAUserLeavesTheOtherUntouched) {
    const char* const tablesOfAUser[] = {"DailyMealInput", "DailySnackingInput", "Exercise",
                                         "PulseWeight",    "PulseWeightTarget",  "SetExercise",
                                         "User1"};
    const auto rowsOfUser = [this](int user) {
        std::vector<std::string> rows;
        for (const store::Table& table : store::tables()) {
            if (table.name != "SetMealPoint") {
                const auto found =
                    rowsOf(db().selectNative("SELECT * FROM " + std::string(table.name) +
                                             " WHERE UserID=" + std::to_string(user)));
                rows.insert(rows.end(), found.begin(), found.end());
            }
        }
        return rows;
    };
    const std::vector<std::string> ruthsRows = rowsOfUser(1);
    for (const char* table : tablesOfAUser) {
        db().execute(QStringLiteral("Delete  From %1 Where UserID=2").arg(QLatin1String(table)));
    }
    EXPECT_TRUE(rowsOfUser(2).empty());
    EXPECT_EQ(rowsOfUser(1), ruthsRows);
    EXPECT_EQ(t.scalar("SELECT count(*) FROM SetMealPoint").toInt(), 32);
}

// The short date differs from locale to locale in order, padding and year length; whatever
// the locale, the day written is the day found again.
TEST(StatementShapesAcrossLocales, AShortDateIsTheSameDayInEveryLocale) {
    testing::TestDatabase t;
    const QString locales[] = {"C", "en_US", "en_GB", "de_DE", "nl_NL", "fr_CA", "ja_JP", "hu_HU"};
    int user = 0;
    for (const QString& locale : locales) {
        SCOPED_TRACE(locale.toStdString());
        const DateSettings settings(locale);
        ++user;
        const QString insert = QStringLiteral(
                                   "Insert Into PulseWeight Values(%1, %1, '%2', 60, 70, "
                                   "'Good')")
                                   .arg(user)
                                   .arg(DateText::shortDate(QDate(2027, 1, 5)));
        t.db().execute(insert);
        const auto rows = rowsOf(t.db().select(
            QStringLiteral("  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, "
                           "Morale From PulseWeight Where UserID=%1 And Date1= #2027/01/05# Order "
                           "By Cdate(Date1)")
                .arg(user)));
        EXPECT_EQ(rows, std::vector<std::string>{std::to_string(user) +
                                                 " | '2027/01/05' | 60 | 70 | 'Good'"});
    }
}

}  // namespace
}  // namespace mirtal
