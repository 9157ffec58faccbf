#include "StoreChecks.h"

#include <QCryptographicHash>
#include <QStringList>

#include "store/Database.h"
#include "store/ResultSet.h"

namespace mirtal::sweep {

namespace {

const char* const tables[] = {
    "User1",          "SetExercise",        "Exercise",    "PulseWeight", "PulseWeightTarget",
    "DailyMealInput", "DailySnackingInput", "SetMealPoint"};

void addRows(store::Database& db, const char* table, QCryptographicHash& hash) {
    store::ResultSet rs = db.selectNative(std::string("SELECT * FROM ") + table + " ORDER BY 1");
    hash.addData(QByteArray(table));
    for (; !rs.eof(); rs.moveNext()) {
        for (int col = 0; col < rs.fieldCount(); ++col) {
            const QVariant value = rs.field(col);
            hash.addData(QByteArray(value.typeName() ? value.typeName() : "null"));
            hash.addData(value.toString().toUtf8());
            hash.addData(QByteArray(1, '\x1f'));
        }
        hash.addData(QByteArray(1, '\x1e'));
    }
}

struct Rule {
    const char* what;
    const char* count;  // SQLite text that counts the rows breaking the rule
};

const Rule rules[] = {
    {"SetExercise: user or intensity",
     "SELECT count(*) FROM SetExercise WHERE typeof(UserID) NOT IN ('integer','real') OR "
     "Intensity IS NULL OR Intensity NOT IN ('Light','Moderate','Difficult','No Workout')"},
    {"SetExercise: user gone",
     "SELECT count(*) FROM SetExercise WHERE UserID NOT IN (SELECT UserID FROM User1)"},
    {"Exercise: number or day",
     "SELECT count(*) FROM Exercise WHERE typeof(UserID) NOT IN ('integer','real') OR "
     "typeof(SEID) NOT IN ('integer','real') OR typeof(ExerciseTimes) NOT IN "
     "('integer','real') OR ExerciseTimes < 0 OR ExcerciseDate IS NULL OR "
     "ExcerciseDate IS NOT date(ExcerciseDate)"},
    {"Exercise: user or catalogue exercise gone",
     "SELECT count(*) FROM Exercise WHERE UserID NOT IN (SELECT UserID FROM User1) OR "
     "SEID NOT IN (SELECT SEID FROM SetExercise)"},
    {"Exercise: second entry of an exercise on a day",
     "SELECT count(*) - count(DISTINCT UserID || '/' || SEID || '/' || ExcerciseDate) "
     "FROM Exercise"},
    {"PulseWeight: number, day or morale",
     "SELECT count(*) FROM PulseWeight WHERE typeof(Pulse) NOT IN ('integer','real') OR "
     "typeof(Weight) NOT IN ('integer','real') OR Pulse < 0 OR Weight < 0 OR Date1 IS NULL OR "
     "Date1 IS NOT date(Date1) OR Morale IS NULL OR Morale NOT IN "
     "(SELECT MealName FROM SetMealPoint WHERE SubID = 8)"},
    {"PulseWeight: user gone",
     "SELECT count(*) FROM PulseWeight WHERE UserID NOT IN (SELECT UserID FROM User1)"},
    {"PulseWeight: second entry on a day",
     "SELECT count(*) - count(DISTINCT UserID || '/' || Date1) FROM PulseWeight"},
    {"PulseWeightTarget: number or day",
     "SELECT count(*) FROM PulseWeightTarget WHERE typeof(Pulse) NOT IN ('integer','real') OR "
     "typeof(Weight) NOT IN ('integer','real') OR Pulse < 0 OR Weight < 0 OR "
     "StartDate IS NULL OR StartDate IS NOT date(StartDate) OR TargetDate IS NULL OR "
     "TargetDate IS NOT date(TargetDate)"},
    {"PulseWeightTarget: user gone",
     "SELECT count(*) FROM PulseWeightTarget WHERE UserID NOT IN (SELECT UserID FROM User1)"},
    {"PulseWeightTarget: second row of a user",
     "SELECT count(*) - count(DISTINCT UserID) FROM PulseWeightTarget"},
    {"DailyMealInput: number, day or meal",
     "SELECT count(*) FROM DailyMealInput WHERE MealDate IS NULL OR "
     "MealDate IS NOT date(MealDate) OR MealType IS NULL OR MealType NOT IN ('1B','2L','3D') OR "
     "NotEat NOT IN (0,-8) OR typeof(FatIntake) NOT IN ('integer','real') OR "
     "typeof(FastSugarIntake) NOT IN ('integer','real') OR "
     "typeof(FiberIntake) NOT IN ('integer','real') OR "
     "typeof(OverallQuantity) NOT IN ('integer','real') OR "
     "typeof(PositiveFoods) NOT IN ('integer','real') OR PrepareMyself NOT IN (0,3) OR "
     "PrepareSomeone NOT IN (0,1) OR AteSlowly NOT IN (0,5)"},
    {"DailyMealInput: user gone",
     "SELECT count(*) FROM DailyMealInput WHERE UserID NOT IN (SELECT UserID FROM User1)"},
    {"DailyMealInput: second meal of a kind on a day",
     "SELECT count(*) - count(DISTINCT UserID || '/' || MealDate || '/' || MealType) "
     "FROM DailyMealInput"},
    {"DailySnackingInput: number, day or score",
     "SELECT count(*) FROM DailySnackingInput WHERE MealDate IS NULL OR "
     "MealDate IS NOT date(MealDate) OR Snacking NOT IN (SELECT Score FROM SetMealPoint WHERE "
     "SubID = 6) OR Water NOT IN (SELECT Score FROM SetMealPoint WHERE SubID = 7)"},
    {"DailySnackingInput: user gone",
     "SELECT count(*) FROM DailySnackingInput WHERE UserID NOT IN (SELECT UserID FROM User1)"},
    {"DailySnackingInput: second entry on a day",
     "SELECT count(*) - count(DISTINCT UserID || '/' || MealDate) FROM DailySnackingInput"},
    {"User1: no name", "SELECT count(*) FROM User1 WHERE UserName IS NULL"},
};

}  // namespace

QByteArray contentDigest(store::Database& db) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const char* table : tables) {
        addRows(db, table, hash);
    }
    return hash.result();
}

QByteArray referenceDigest(store::Database& db) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    addRows(db, "SetMealPoint", hash);
    return hash.result();
}

QString integrityCheck(store::Database& db) {
    store::ResultSet rs = db.selectNative("PRAGMA integrity_check");
    QStringList lines;
    for (; !rs.eof(); rs.moveNext()) {
        lines << rs.field(0).toString();
    }
    return lines.join(u'\n');
}

QMap<QString, qint64> brokenRows(store::Database& db) {
    QMap<QString, qint64> found;
    for (const Rule& rule : rules) {
        const store::ResultSet rs = db.selectNative(rule.count);
        const qint64 count = rs.eof() ? 0 : rs.field(0).toLongLong();
        if (count != 0) {
            found.insert(QLatin1String(rule.what), count);
        }
    }
    return found;
}

}  // namespace mirtal::sweep
