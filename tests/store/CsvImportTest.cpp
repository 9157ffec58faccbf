#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/CsvExport.h"
#include "store/CsvFolderImport.h"
#include "store/CsvReader.h"
#include "store/StoreError.h"
#include "support/DatabaseDump.h"
#include "support/QtPrinters.h"
#include "support/SampleRows.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The StoreError's description, or "(no error)".
template <class Work>
QString failureOf(Work work) {
    try {
        work();
    } catch (const store::StoreError& e) {
        return e.description();
    }
    return QStringLiteral("(no error)");
}

// A record as the test expects it: the line it began on and its fields.
struct Record {
    int line = 0;
    QStringList fields;
    bool operator==(const Record&) const = default;
};

void PrintTo(const Record& r, std::ostream* os) {
    *os << r.line << ": " << r.fields.join(u'|').toStdString();
}

store::ConnectionSettings settingsOf(const testing::TestDatabase& t) {
    return store::connectionSettingsFor(t.directory());
}

TEST(CsvReader, ReadsWhatSpreadsheetsWrite) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("in.csv"));
    struct Case {
        QByteArray bytes;
        QStringList header;
        QList<Record> records;
    };
    const QList<Case> cases{
        {"\xEF\xBB\xBF"
         "date,weight\r\n2021-01-02,80\r\n\r\n2021-01-03,81\r\n",
         {"date", "weight"},
         {{2, {"2021-01-02", "80"}}, {4, {"2021-01-03", "81"}}}},
        {"date;weight\n02.01.2021;\"80,5\"\n", {"date", "weight"}, {{2, {"02.01.2021", "80,5"}}}},
        // A quoted field holds separators, doubled quotes and line breaks; the next record
        // begins on the line after them.
        {"a,b\n\"x, \"\"y\"\"\nz\",1\n2, 3 \n",
         {"a", "b"},
         {{2, {"x, \"y\"\nz", "1"}}, {4, {"2", "3"}}}},
        {"date,weight", {"date", "weight"}, {}},
        // Line ends of a lone CR; blanks outside ASCII around a field are dropped as blanks
        // are, and so are blanks before an opening quote; a quote inside a field is text, and
        // so is a byte-order mark after the start of the file.
        {"name;note\r"
         "\xC2\xA0\xC3\x9C"
         "bung \xE3\x80\x80;  \"quoted; \"\"x\"\"\"  \r"
         "5\"6\";\xEF\xBB\xBFx\r",
         {"name", "note"},
         {{2, {"\u00DCbung", "quoted; \"x\""}}, {3, {"5\"6\"", QStringLiteral("\uFEFFx")}}}},
    };
    for (const Case& c : cases) {
        writeFile(file, c.bytes);
        const store::CsvFile csv = store::readCsvFile(file);
        EXPECT_EQ(csv.header, c.header) << c.bytes.constData();
        QList<Record> records;
        for (const store::CsvRecord& record : csv.records) {
            QStringList fields;
            for (int c = 0; c < record.size(); ++c) {
                fields << record.text(c);
            }
            records << Record{record.line, fields};
        }
        EXPECT_EQ(records, c.records) << c.bytes.constData();
    }
}

TEST(CsvReader, RefusesWhatIsNoCsvText) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("in.csv"));
    const QString shown = QDir::toNativeSeparators(file);
    struct Case {
        QByteArray bytes;
        QString failure;
    };
    const QList<Case> cases{
        {"", shown + " is empty."},
        {"\r\n\r\n", shown + " is empty."},
        {QByteArray("date,weight\n\x01\x02\x00\xff", 16),
         shown + " is not a text file in UTF-8; save it as CSV text and try again."},
        {"date,weight\n\"2021-01-02,80\n",
         shown + ", line 2: the quote opened here is never closed."},
        {"date,weight\n\"2021\"-01-02,80\n",
         shown + ", line 2: a quoted field goes on after its closing quote."},
    };
    for (const Case& c : cases) {
        writeFile(file, c.bytes);
        EXPECT_EQ(failureOf([&] { store::readCsvFile(file); }), c.failure);
    }
    QFile big(file);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(101LL * 1024 * 1024));
    big.close();
    EXPECT_EQ(failureOf([&] { store::readCsvFile(file); }),
              shown + " is larger than 100 MB; a CSV file of measurements is far smaller.");
}

class CsvFolderImport : public ::testing::Test {
  protected:
    CsvFolderImport() {
        testing::addSampleRows(source.db());
        store::exportCsv(settingsOf(source), exported.path(), std::nullopt, store::Replace::Never);
    }
    QString csv(const char* table) const {
        return exported.filePath(QLatin1String(table) + QStringLiteral(".csv"));
    }

    testing::TestDatabase source;
    QTemporaryDir exported;
    testing::TestDatabase target;
};

TEST_F(CsvFolderImport, AnExportReadBackExportsTheSameBytes) {
    const store::CsvFolderImportResult result =
        store::importCsvFolder(settingsOf(target), exported.path());
    EXPECT_EQ(result.users, 2);
    EXPECT_EQ(result.rows, 13 + target.scalar("SELECT count(*) FROM SetMealPoint").toLongLong());
    EXPECT_EQ(testing::databaseDump(target.file()), testing::databaseDump(source.file()));

    QTemporaryDir again;
    store::exportCsv(settingsOf(target), again.path(), std::nullopt, store::Replace::Never);
    for (const QString& name : QDir(exported.path()).entryList(QDir::Files)) {
        EXPECT_EQ(readFile(again.filePath(name)), readFile(exported.filePath(name)))
            << name.toStdString();
    }
}

TEST_F(CsvFolderImport, RefusesBadFilesAndADatabaseWithUsersAndWritesNothing) {
    const std::string before = testing::databaseDump(target.file());
    const QString pulse = QDir::toNativeSeparators(csv("PulseWeight"));
    struct Case {
        const char* table;
        QByteArray bytes;
        QString failure;
    };
    const QList<Case> cases{
        {"PulseWeight", "PWID,UserID,Date1,Pulse,Weight,Morale\r\n1,1,2026-12-08,62,7O,Good\r\n",
         pulse + ", line 2, column Weight: '7O' is not a number."},
        {"PulseWeight", "PWID,UserID,Date1,Pulse,Weight,Morale\r\n1,1,2021-02-30,62,70,Good\r\n",
         pulse + ", line 2, column Date1: '2021-02-30' is not a day written as yyyy-MM-dd."},
        {"PulseWeight", "PWID,UserID,Date1,Pulse,Weight\r\n",
         pulse + ", line 1: the header must be PWID,UserID,Date1,Pulse,Weight,Morale."},
        {"PulseWeight", "PWID,UserID,Date1,Pulse,Weight,Morale\r\n1,1,2026-12-08,62\r\n",
         pulse + ", line 2: 4 fields where the header names 6."},
        // The file is sound; the database refuses the second row of a key.
        {"PulseWeight",
         "PWID,UserID,Date1,Pulse,Weight,Morale\r\n1,1,2026-12-08,62,70,Good\r\n"
         "1,1,2026-12-09,62,70,Good\r\n",
         pulse + ", line 3: the row cannot be stored: UNIQUE constraint failed: PulseWeight.PWID."},
    };
    const QByteArray sound = readFile(csv("PulseWeight"));
    for (const Case& c : cases) {
        writeFile(csv(c.table), c.bytes);
        EXPECT_EQ(failureOf([&] { store::importCsvFolder(settingsOf(target), exported.path()); }),
                  c.failure);
        EXPECT_EQ(testing::databaseDump(target.file()), before);
    }
    writeFile(csv("PulseWeight"), sound);

    const QByteArray exercises = readFile(csv("Exercise"));
    QFile::remove(csv("Exercise"));
    EXPECT_EQ(failureOf([&] { store::importCsvFolder(settingsOf(target), exported.path()); }),
              QDir::toNativeSeparators(csv("Exercise")) +
                  " is missing: a folder written by --export-csv holds one file for each table.");
    writeFile(csv("Exercise"), exercises);
    const std::string withUsers = testing::databaseDump(source.file());
    EXPECT_EQ(failureOf([&] { store::importCsvFolder(settingsOf(source), exported.path()); }),
              QDir::toNativeSeparators(source.file()) +
                  " holds users or their entries already; an export is read only into a "
                  "database without them. Nothing was imported.");
    EXPECT_EQ(testing::databaseDump(source.file()), withUsers);
}

}  // namespace
}  // namespace mirtal
