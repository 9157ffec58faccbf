#include "support/BadFiles.h"

#include <QDir>
#include <QFile>
#include <random>

#include "DeliveredFolder.h"
#include "store/ConnectionString.h"
#include "store/KeyedOpen.h"
#include "support/Files.h"

namespace mirtal::testing {

namespace {

// A database of another program: keyed with a password that is not the program's.
void keyedWithOtherPassword(const QString& file) {
    QString cause;
    const store::SqliteHandle db =
        store::openKeyed(file, QStringLiteral("other"), &cause, store::OpenMode::CreateIfMissing);
    sqlite3_exec(db.get(), "CREATE TABLE User1 (UserID INTEGER)", nullptr, nullptr, nullptr);
}

void randomBytes(const QString& file) {
    std::mt19937 random(7);
    QByteArray bytes(16384, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random());
    }
    writeFile(file, bytes);
}

void plainSqlite(const QString& file) {
    sqlite3* raw = nullptr;
    sqlite3_open(file.toUtf8().constData(), &raw);
    const store::SqliteHandle db(raw);
    sqlite3_exec(db.get(), "CREATE TABLE User1 (UserID INTEGER, UserName TEXT)", nullptr, nullptr,
                 nullptr);
}

// Keyed with the program's password, but with one table of the eight.
void otherTables(const QString& file) {
    QString cause;
    const store::SqliteHandle db =
        store::openKeyed(file, QStringLiteral("TrelMQ"), &cause, store::OpenMode::CreateIfMissing);
    sqlite3_exec(db.get(), "CREATE TABLE User1 (UserID INTEGER, UserName TEXT)", nullptr, nullptr,
                 nullptr);
}

// The first half of a delivered database, as a copy cut short leaves it.
void truncated(const QString& file) {
    const harness::DeliveredFolder delivered;
    const QByteArray whole = readFile(delivered.file());
    writeFile(file, whole.left(whole.size() / 2));
}

// Zeros over a stretch near the end, where the rows lie.
void overwrittenNearTheEnd(const QString& file) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(f.size() - 600);
    f.write(QByteArray(100, '\0'));
}

}  // namespace

void PrintTo(const BadFile& file, std::ostream* os) {
    *os << file.name;
}

std::string badFileName(const ::testing::TestParamInfo<BadFile>& info) {
    return info.param.name;
}

std::vector<BadFile> filesThatDoNotOpen() {
    return {
        {"Missing", [](const QString&) {}, "does not exist"},
        {"AFolder", [](const QString& file) { QDir().mkpath(file); }, "not a file"},
        {"WrongPassword", keyedWithOtherPassword, "password is wrong"},
        {"ZeroLength", [](const QString& file) { writeFile(file, {}); },
         "it holds no Mirtal data."},
        {"Truncated", truncated, "damaged"},
        {"RandomBytes", randomBytes, "not a database"},
        {"PlainSqlite", plainSqlite, "not a database"},
        {"OtherTables", otherTables, "holds no Mirtal data: the tables SetExercise, Exercise"},
        {"NotADatabase", [](const QString& file) { writeFile(file, QByteArray(8192, 'x')); },
         "not a database"},
    };
}

std::vector<BadFile> copiesThatDoNotRestore() {
    return {
        {"Missing", [](const QString& file) { QFile::remove(file); }, "is not a file"},
        {"OtherPassword",
         [](const QString& file) {
             QFile::remove(file);
             keyedWithOtherPassword(file);
         },
         "password is wrong"},
        {"NotADatabase", [](const QString& file) { writeFile(file, QByteArray(9000, 'x')); },
         "not a database"},
        {"Damaged", overwrittenNearTheEnd, "cannot be restored"},
        {"TableMissing",
         [](const QString& file) { executeOnFile(file, "DROP TABLE DailySnackingInput"); },
         "no table DailySnackingInput"},
        {"OtherColumns",
         [](const QString& file) {
             executeOnFile(file, "ALTER TABLE PulseWeight ADD COLUMN Mood TEXT");
         },
         "PulseWeight has the columns"},
        {"HalfWritten",
         [](const QString& file) { writeFile(file + QStringLiteral("-journal"), "j"); },
         "middle of a write"},
    };
}

BadFileInFolder::BadFileInFolder() : file(dir.filePath(QStringLiteral("Mirtal.mdb"))) {
    GetParam().make(file);
    before_ = folderState(dir.path());
}

void BadFileInFolder::expectNamesFileAndCause(const QString& refusal) const {
    EXPECT_TRUE(refusal.contains(file)) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QLatin1String(GetParam().cause))) << refusal.toStdString();
}

void BadFileInFolder::expectFolderAsItWas() const {
    EXPECT_EQ(folderState(dir.path()), before_);
}

void executeOnFile(const QString& file, const char* sql) {
    const QString password =
        store::parseConnectionString(store::buildConnectionString(QString())).password;
    QString cause;
    const store::SqliteHandle db = store::openKeyed(file, password, &cause);
    ASSERT_TRUE(db) << cause.toStdString();
    ASSERT_EQ(sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db.get());
}

}  // namespace mirtal::testing
