#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/CsvExport.h"
#include "support/QtPrinters.h"
#include "support/SampleRows.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

using store::Replace;

QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

class CsvExport : public ::testing::Test {
  protected:
    CsvExport() { testing::addSampleRows(t.db()); }

    store::CsvExportResult exportTo(const std::optional<QString>& user,
                                    Replace replace = Replace::Never) {
        return store::exportCsv(settings(), out.path(), user, replace);
    }
    store::ConnectionSettings settings() const {
        return store::connectionSettingsFor(t.directory());
    }
    QByteArray csv(const char* table) const {
        return readFile(out.filePath(QLatin1String(table) + QStringLiteral(".csv")));
    }
    qint64 choices() { return t.scalar("SELECT count(*) FROM SetMealPoint").toLongLong(); }

    testing::TestDatabase t;
    QTemporaryDir out;
};

TEST_F(CsvExport, WritesEveryTableWithDaysAsIsoDatesAndNumbersAsStored) {
    const store::CsvExportResult result = exportTo(std::nullopt);

    EXPECT_EQ(result.files, 8);
    EXPECT_EQ(result.users, 2);
    EXPECT_EQ(result.rows, 2 + 3 + 2 + 2 + 1 + 2 + 1 + choices());
    EXPECT_EQ(csv("User1"), "UserID,UserName\r\n1,Ann\r\n2,O`Neil\r\n");
    EXPECT_EQ(csv("SetExercise"),
              "SEID,UserID,ExerciseName,Intensity,Description\r\n"
              "1,1,NULL,No Workout,I rested today.\r\n"
              "2,1,\"Push-ups, \"\"wide\"\"\",Moderate,\"Sets of ten\r\nthen rest\"\r\n"
              "3,2,Yoga,Light,\xC3\x9C"
              "ber calm\r\n");
    EXPECT_EQ(csv("Exercise"),
              "EID,UserID,SEID,ExcerciseDate,ExerciseTimes\r\n"
              "1,1,2,2026-12-08,12\r\n2,2,3,2026-12-09,1\r\n");
    EXPECT_EQ(csv("PulseWeight"),
              "PWID,UserID,Date1,Pulse,Weight,Morale\r\n"
              "1,1,2026-12-08,62,72.5,Good\r\n2,2,2026-12-09,70.25,80,The Pits\r\n");
    EXPECT_EQ(csv("PulseWeightTarget"),
              "TPWID,UserID,StartDate,TargetDate,Pulse,Weight\r\n"
              "1,1,2026-12-01,2027-03-01,58,68.4\r\n");
    EXPECT_EQ(csv("DailyMealInput"),
              "DMID,UserID,MealDate,MealType,NotEat,FatIntake,FastSugarIntake,FiberIntake,"
              "OverallQuantity,PositiveFoods,PrepareMyself,PrepareSomeone,AteSlowly\r\n"
              "1,1,2026-12-08,1B,0,3,1,1,3,2,3,1,0\r\n2,2,2026-12-09,3D,-8,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(csv("DailySnackingInput"),
              "DSID,UserID,MealDate,Snacking,Water\r\n1,1,2026-12-08,2,4\r\n");
    EXPECT_TRUE(csv("SetMealPoint").startsWith("MID,SubID,MealName,Score\r\n"));
    EXPECT_EQ(csv("SetMealPoint").count("\r\n"), choices() + 1);
    EXPECT_FALSE(QFile::permissions(out.filePath(QStringLiteral("PulseWeight.csv"))) &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

// Names are stored with a backquote for each apostrophe; the name on the command line is
// written as the person knows it.
TEST_F(CsvExport, OneUserTakesTheirRowsAndEveryChoice) {
    struct Case {
        const char* name;
        const char* pulseWeight;
    };
    for (const Case c : {Case{"Ann", "1,1,2026-12-08,62,72.5,Good\r\n"},
                         Case{"O'Neil", "2,2,2026-12-09,70.25,80,The Pits\r\n"}}) {
        SCOPED_TRACE(c.name);
        const store::CsvExportResult result =
            exportTo(QString::fromLatin1(c.name), Replace::Allowed);
        EXPECT_EQ(result.users, 1);
        EXPECT_EQ(csv("PulseWeight"),
                  QByteArray("PWID,UserID,Date1,Pulse,Weight,Morale\r\n") + c.pulseWeight);
        EXPECT_EQ(csv("User1").count("\r\n"), 2);
        EXPECT_EQ(csv("SetMealPoint").count("\r\n"), choices() + 1);
    }
    t.db().selectNative("INSERT INTO User1 VALUES (3, 'Ann')");
    t.db().selectNative("INSERT INTO PulseWeight VALUES (3, 3, '2026-12-10', 60, 65, 'Good')");
    EXPECT_EQ(exportTo(QStringLiteral("Ann"), Replace::Allowed).users, 2);
    EXPECT_EQ(csv("PulseWeight"),
              "PWID,UserID,Date1,Pulse,Weight,Morale\r\n"
              "1,1,2026-12-08,62,72.5,Good\r\n3,3,2026-12-10,60,65,Good\r\n");
}

TEST_F(CsvExport, AnUnknownUserWritesNothing) {
    try {
        exportTo(QStringLiteral("Zed"));
        ADD_FAILURE() << "exported for a user who is not there";
    } catch (const store::StoreError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("No user is named Zed."));
    }
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(CsvExport, KeepsFilesThatAreThereUnlessToldToReplaceThem) {
    exportTo(std::nullopt);
    QFile mine(out.filePath(QStringLiteral("PulseWeight.csv")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("my own notes");
    mine.close();

    EXPECT_THROW(exportTo(std::nullopt), store::ExistingFile);
    EXPECT_EQ(csv("PulseWeight"), "my own notes");

    exportTo(std::nullopt, Replace::Allowed);
    EXPECT_TRUE(csv("PulseWeight").startsWith("PWID,"));
}

TEST(CsvField, IsQuotedOnlyWhenItHoldsACommaAQuoteOrALineBreak) {
    struct Case {
        QByteArray field;
        QByteArray written;
    };
    for (const Case& c : {Case{"", ""}, Case{"plain text", "plain text"}, Case{"a,b", "\"a,b\""},
                          Case{"say \"hi\"", "\"say \"\"hi\"\"\""},
                          Case{"two\nlines", "\"two\nlines\""}, Case{"cr\r", "\"cr\r\""},
                          Case{"\xC3\x9C"
                               "ber",
                               "\xC3\x9C"
                               "ber"}}) {
        QByteArray line;
        store::appendCsvField(line, c.field);
        EXPECT_EQ(line, c.written) << c.field.toStdString();
    }
}

}  // namespace
}  // namespace mirtal
