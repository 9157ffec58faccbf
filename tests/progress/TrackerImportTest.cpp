#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "progress/TrackerImport.h"
#include "store/StoreError.h"
#include "support/DatabaseDump.h"
#include "support/QtPrinters.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

class TrackerImport : public ::testing::Test {
  protected:
    TrackerImport() {
        t.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        t.db().execute(QStringLiteral("Insert Into User1 Values(2, 'O`Neil')"));
        // Bob's entry holds the largest key; Ann has an entry on 3 January.
        t.db().selectNative(
            "INSERT INTO PulseWeight VALUES (7, 2, '2021-01-01', 60, 70, 'Low'), "
            "(3, 1, '2021-01-03', 61, 71, 'Good')");
    }

    progress::TrackerImportResult import(const QByteArray& bytes, const QString& user,
                                         std::optional<QString> pulse = std::nullopt,
                                         std::optional<QString> morale = std::nullopt) {
        QFile f(file());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        return progress::importTrackerCsv(store::connectionSettingsFor(t.directory()),
                                          {file(), user, pulse, morale});
    }
    QString failure(const QByteArray& bytes, std::optional<QString> pulse = std::nullopt,
                    std::optional<QString> morale = std::nullopt,
                    const QString& user = QStringLiteral("Ann")) {
        try {
            import(bytes, user, pulse, morale);
        } catch (const store::StoreError& e) {
            return e.description();
        }
        return QStringLiteral("(no error)");
    }
    QString file() const { return dir.filePath(QStringLiteral("weights.csv")); }
    QString rows() {
        QStringList rows;
        for (auto rs = t.db().selectNative(
                 "SELECT PWID, UserID, Date1, Pulse, typeof(Pulse), Weight, typeof(Weight), "
                 "Morale FROM PulseWeight ORDER BY PWID");
             !rs.eof(); rs.moveNext()) {
            QStringList fields;
            for (int c = 0; c < rs.fieldCount(); ++c) {
                fields << rs.field(c).toString();
            }
            rows << fields.join(u'|');
        }
        return rows.join(u' ');
    }

    testing::TestDatabase t;
    QTemporaryDir dir;
};

TEST_F(TrackerImport, AddsOneEntryPerNewDayAsTheWindowWouldWithTheNextKeys) {
    const progress::TrackerImportResult result = import(
        "\xEF\xBB\xBF"
        "DateTime;Weight;PULSE;Morale\r\n"
        "2021-01-02 07:30;80,5;60;excellent\r\n"
        "02.01.2021;81;61;Good\r\n"         // the same day again: the first stays
        "2021/01/03T06:00:00Z;79;;Low\r\n"  // Ann has this day already
        "2021-01-04;0;;\r\n"                // empty cells take the values given
        "\"2021-01-05\";999999999;72.25;The Pits\r\n",
        QStringLiteral("Ann"), QStringLiteral("65"), QStringLiteral("AVERAGE"));
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(result.skipped, 2);
    EXPECT_EQ(rows(),
              "3|1|2021-01-03|61|real|71|real|Good 7|2|2021-01-01|60|real|70|real|Low "
              "8|1|2021-01-02|60|real|80.5|real|Excellent 9|1|2021-01-04|65|real|0|real|Average "
              "10|1|2021-01-05|72.25|real|999999999|real|The Pits");

    // A name with an apostrophe is found as it is stored, with a backquote.
    EXPECT_EQ(import("date,weight\n2021-02-01,70\n", QStringLiteral("O'Neil"), QStringLiteral("60"),
                     QStringLiteral("Low"))
                  .added,
              1);
}

TEST_F(TrackerImport, TheFirstBadLineStopsTheImportBeforeAnythingIsWritten) {
    const std::string before = testing::databaseDump(t.file());
    const QString f = QDir::toNativeSeparators(file());
    const QString notNumber = QStringLiteral(
        "is not a number such as 72 or 80.5 (digits with at most one point or comma, at most 9 "
        "before it).");
    struct Case {
        QByteArray bytes;
        QString failure;
    };
    const QList<Case> cases{
        {"date,weight,pulse,morale\n2021-03-01,70,60,Low\n2021-02-30,70,60,Low\n",
         f + ", line 3, column date: '2021-02-30' is not a day (yyyy-MM-dd, yyyy/MM/dd or "
             "dd.MM.yyyy)."},
        {"date,weight,pulse,morale\n13/13/2021,70,60,Low\n",
         f + ", line 2, column date: '13/13/2021' is not a day (yyyy-MM-dd, yyyy/MM/dd or "
             "dd.MM.yyyy)."},
        {"day;weight;pulse;morale\n2021-03-01;1.2.3;60;Low\n",
         f + ", line 2, column weight: '1.2.3' " + notNumber},
        {"day,weight,pulse,morale\n2021-03-01,7O,60,Low\n",
         f + ", line 2, column weight: '7O' " + notNumber},
        {"day,weight,pulse,morale\n2021-03-01,-5,60,Low\n",
         f + ", line 2, column weight: '-5' " + notNumber},
        {"day,weight,pulse,morale\n2021-03-01,1000000000,60,Low\n",
         f + ", line 2, column weight: '1000000000' " + notNumber},
        {"Date1,weight,pulse,morale\n2021-03-01,70,,Low\n",
         f + ", line 2, column pulse: '' is empty; give --pulse N for such rows."},
        {"date,weight,pulse,morale\n2021-03-01,70,60,Happy\n",
         f + ", line 2, column morale: 'Happy' is not a morale choice (Excellent, Good, Average, "
             "Low, The Pits)."},
        {"date,weight,pulse,morale\n", f + " holds a header but no rows."},
        {"2021-03-01,70,60,Low\n",
         f + " has no header naming its columns: its first line must name a day column (date, "
             "day, dateTime or Date1) and a weight column; pulse and morale may follow."},
        {"date,weight,morale\n2021-03-01,70,Low\n",
         f + " has no pulse column, and every progress entry holds a pulse: give one for all "
             "rows with --pulse N."},
        {"date,weight,pulse\n2021-03-01,70,60\n",
         f + " has no morale column, and every progress entry holds a morale: give one for all "
             "rows with --morale CHOICE."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failure(c.bytes), c.failure);
    }
    const QByteArray sound = "date,weight\n2021-03-01,70\n";
    EXPECT_EQ(failure(sound, QStringLiteral("7x"), QStringLiteral("Low")),
              "--pulse '7x' is not a number such as 72 or 80.5 (digits with at most one point or "
              "comma, at most 9 before it).");
    EXPECT_EQ(failure(sound, QStringLiteral("60"), QStringLiteral("Fine")),
              "--morale 'Fine' is not one of the morale choices: Excellent, Good, Average, Low, "
              "The Pits.");
    EXPECT_EQ(failure(sound, QStringLiteral("60"), QStringLiteral("Low"), QStringLiteral("Zoe")),
              "No user is named Zoe.");
    EXPECT_EQ(testing::databaseDump(t.file()), before);
}

}  // namespace
}  // namespace mirtal
