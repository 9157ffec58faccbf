#include "store/schema/DeliveredDatabase.h"

#include <QFileInfo>

#include "store/ConnectionString.h"
#include "store/KeyedOpen.h"
#include "store/StoreError.h"

namespace mirtal::store {

namespace {

// Numbers are checked for their type because SQLite would otherwise keep any text given for
// them; days are ISO text, the form the store writes and SQLite's date functions read.
constexpr const char* schema = R"SQL(
CREATE TABLE User1 (
    UserID INTEGER NOT NULL PRIMARY KEY,
    UserName TEXT
);
CREATE TABLE SetExercise (
    SEID INTEGER NOT NULL PRIMARY KEY,
    UserID INTEGER CHECK (typeof(UserID) IN ('integer', 'real')),
    ExerciseName TEXT,
    Intensity TEXT,
    Description TEXT
);
CREATE INDEX SetExercise_User ON SetExercise (UserID);
CREATE TABLE Exercise (
    EID INTEGER NOT NULL PRIMARY KEY,
    UserID INTEGER CHECK (typeof(UserID) IN ('integer', 'real')),
    SEID INTEGER CHECK (typeof(SEID) IN ('integer', 'real')),
    ExcerciseDate DATE CHECK (ExcerciseDate IS date(ExcerciseDate)),
    ExerciseTimes INTEGER CHECK (typeof(ExerciseTimes) IN ('integer', 'real'))
);
CREATE INDEX Exercise_User_Day ON Exercise (UserID, ExcerciseDate);
-- The day's grid joins the catalogue to the log by exercise and day.
CREATE INDEX Exercise_Exercise_Day ON Exercise (SEID, ExcerciseDate);
CREATE TABLE PulseWeight (
    PWID INTEGER NOT NULL PRIMARY KEY,
    UserID INTEGER CHECK (typeof(UserID) IN ('integer', 'real')),
    Date1 DATE CHECK (Date1 IS date(Date1)),
    Pulse REAL CHECK (typeof(Pulse) IN ('integer', 'real')),
    Weight REAL CHECK (typeof(Weight) IN ('integer', 'real')),
    Morale TEXT
);
CREATE INDEX PulseWeight_User_Day ON PulseWeight (UserID, Date1);
CREATE TABLE PulseWeightTarget (
    TPWID INTEGER NOT NULL PRIMARY KEY,
    UserID INTEGER CHECK (typeof(UserID) IN ('integer', 'real')),
    StartDate DATE CHECK (StartDate IS date(StartDate)),
    TargetDate DATE CHECK (TargetDate IS date(TargetDate)),
    Pulse REAL CHECK (typeof(Pulse) IN ('integer', 'real')),
    Weight REAL CHECK (typeof(Weight) IN ('integer', 'real'))
);
CREATE INDEX PulseWeightTarget_User_Day ON PulseWeightTarget (UserID, StartDate);
CREATE TABLE DailyMealInput (
    DMID INTEGER NOT NULL PRIMARY KEY,
    UserID INTEGER CHECK (typeof(UserID) IN ('integer', 'real')),
    MealDate DATE CHECK (MealDate IS date(MealDate)),
    MealType TEXT,
    NotEat INTEGER CHECK (typeof(NotEat) IN ('integer', 'real')),
    FatIntake INTEGER CHECK (typeof(FatIntake) IN ('integer', 'real')),
    FastSugarIntake INTEGER CHECK (typeof(FastSugarIntake) IN ('integer', 'real')),
    FiberIntake INTEGER CHECK (typeof(FiberIntake) IN ('integer', 'real')),
    OverallQuantity INTEGER CHECK (typeof(OverallQuantity) IN ('integer', 'real')),
    PositiveFoods INTEGER CHECK (typeof(PositiveFoods) IN ('integer', 'real')),
    PrepareMyself INTEGER CHECK (typeof(PrepareMyself) IN ('integer', 'real')),
    PrepareSomeone INTEGER CHECK (typeof(PrepareSomeone) IN ('integer', 'real')),
    AteSlowly INTEGER CHECK (typeof(AteSlowly) IN ('integer', 'real'))
);
-- Holds every score too, so that the per-day meal reports read the index alone instead of
-- visiting one table row per meal.
CREATE INDEX DailyMealInput_User_Day ON DailyMealInput (UserID, MealDate, MealType, NotEat,
    FatIntake, FastSugarIntake, FiberIntake, OverallQuantity, PositiveFoods, PrepareMyself,
    PrepareSomeone, AteSlowly);
CREATE TABLE DailySnackingInput (
    DSID INTEGER NOT NULL PRIMARY KEY,
    UserID INTEGER CHECK (typeof(UserID) IN ('integer', 'real')),
    MealDate DATE CHECK (MealDate IS date(MealDate)),
    Snacking INTEGER CHECK (typeof(Snacking) IN ('integer', 'real')),
    Water INTEGER CHECK (typeof(Water) IN ('integer', 'real'))
);
CREATE INDEX DailySnackingInput_User_Day ON DailySnackingInput (UserID, MealDate);
CREATE TABLE SetMealPoint (
    MID INTEGER NOT NULL PRIMARY KEY,
    SubID INTEGER CHECK (typeof(SubID) IN ('integer', 'real')),
    MealName TEXT,
    Score INTEGER CHECK (typeof(Score) IN ('integer', 'real'))
);
)SQL";

// The evaluation choices: categories 1 to 5 judge a meal, 6 the day's snacking, 7 its water
// and 8 the morale. Snacking and water are looked up again by their score, so their scores
// are distinct; the morale report joins on the name.
constexpr const char* referenceRows = R"SQL(
INSERT INTO SetMealPoint (MID, SubID, MealName, Score) VALUES
    (1, 1, 'Low: lean, steamed or grilled', 3),
    (2, 1, 'Moderate: a little butter or oil', 1),
    (3, 1, 'High: fried or creamy', -2),
    (4, 1, 'Very high: fast food, pastry', -4),
    (5, 2, 'None', 3),
    (6, 2, 'A little: fresh fruit', 1),
    (7, 2, 'Some: white bread, juice', -1),
    (8, 2, 'A lot: sweets, soda, dessert', -3),
    (9, 3, 'High: vegetables, whole grains', 3),
    (10, 3, 'Some', 1),
    (11, 3, 'Little or none', -1),
    (12, 4, 'Just enough', 3),
    (13, 4, 'A bit too much', 0),
    (14, 4, 'Too little', -1),
    (15, 4, 'Far too much', -3),
    (16, 5, 'Several servings', 3),
    (17, 5, 'One serving', 2),
    (18, 5, 'None', 0),
    (19, 6, 'No snacking', 3),
    (20, 6, 'Fruit or vegetables only', 2),
    (21, 6, 'One light snack', 0),
    (22, 6, 'Several snacks', -2),
    (23, 6, 'Snacked all day', -4),
    (24, 7, '8 glasses or more', 4),
    (25, 7, '6 to 7 glasses', 2),
    (26, 7, '4 to 5 glasses', 0),
    (27, 7, 'Fewer than 4 glasses', -2),
    (28, 8, 'Excellent', 4),
    (29, 8, 'Good', 3),
    (30, 8, 'Average', 2),
    (31, 8, 'Low', 1),
    (32, 8, 'The Pits', 0);
)SQL";

}  // namespace

void createDeliveredDatabase(const QString& file) {
    if (QFileInfo::exists(file)) {
        throw StoreError(QStringLiteral("%1 exists already and is kept as it is.").arg(file));
    }
    const QString password = databasePassword();
    QString cause;
    const SqliteHandle db = openKeyed(file, password, &cause, OpenMode::CreateIfMissing);
    if (!db) {
        throw StoreError(QStringLiteral("%1 cannot be created: %2").arg(file, cause));
    }
    for (const char* script : {"BEGIN", schema, referenceRows, "COMMIT"}) {
        char* error = nullptr;
        if (sqlite3_exec(db.get(), script, nullptr, nullptr, &error) != SQLITE_OK) {
            const QString reason = QString::fromUtf8(error);
            sqlite3_free(error);
            throw StoreError(QStringLiteral("%1 cannot be created: %2").arg(file, reason));
        }
    }
}

}  // namespace mirtal::store
