#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/KeyedOpen.h"
#include "store/Session.h"
#include "store/StoreError.h"
#include "store/schema/DeliveredDatabase.h"

namespace mirtal {
namespace {

QByteArray folderFingerprint(const QString& path) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        hash.addData(name.toUtf8());
        hash.addData(f.readAll());
    }
    return hash.result();
}

QString openFailure(const QString& folder) {
    store::Session session(folder);
    try {
        session.OpenConnection();
    } catch (const store::StoreError& e) {
        EXPECT_FALSE(session.isOpen());
        return e.description();
    }
    return {};
}

TEST(OpenConnection, ReadsTheFileAndPasswordOutOfTheConnectionString) {
    store::Session session(QStringLiteral("/opt/mirtal"));
    EXPECT_EQ(store::buildConnectionString(QStringLiteral("/opt/mirtal")),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/mirtal\\Mirtal.mdb;"
                             "Jet OLEDB:Database Password='TrelMQ';Persist Security Info=False"));
    const store::ConnectionSettings settings =
        store::connectionSettingsFor(QStringLiteral("/opt/mirtal"));
    EXPECT_EQ(settings.dataSource, QStringLiteral("/opt/mirtal/Mirtal.mdb"));
    EXPECT_EQ(settings.password, QStringLiteral("TrelMQ"));
}

TEST(OpenConnection, SecondCallKeepsTheOpenConnection) {
    QTemporaryDir dir;
    store::createDeliveredDatabase(dir.filePath(QStringLiteral("Mirtal.mdb")));
    store::Session session(dir.path());
    session.OpenConnection();
    store::Database* first = &session.db();
    session.OpenConnection();
    EXPECT_EQ(&session.db(), first);
}

TEST(OpenConnection, FailedOpenIsNotTriedAgain) {
    QTemporaryDir dir;
    store::Session session(dir.path());
    EXPECT_THROW(session.OpenConnection(), store::StoreError);
    store::createDeliveredDatabase(dir.filePath(QStringLiteral("Mirtal.mdb")));
    session.OpenConnection();
    EXPECT_FALSE(session.isOpen());
}

TEST(OpenConnection, AnOpeningInTheBackgroundIsWaitedForAndItsFailureThrownOnce) {
    QTemporaryDir dir;
    store::createDeliveredDatabase(dir.filePath(QStringLiteral("Mirtal.mdb")));
    store::Session opened(dir.path());
    opened.beginOpening();
    opened.OpenConnection();  // the opening in progress is left alone
    // db() waits for the opening: the file is read through the connection it made.
    EXPECT_EQ(opened.db().select(QStringLiteral("Select UserID From User1")).recordCount(), 0);
    EXPECT_TRUE(opened.isOpen());

    QTemporaryDir empty;
    store::Session failed(empty.path());
    failed.beginOpening();
    failed.OpenConnection();
    try {
        failed.finishOpening();
        ADD_FAILURE() << "a missing file opened";
    } catch (const store::StoreError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("Mirtal.mdb")));
    }
    EXPECT_NO_THROW(failed.finishOpening());
    EXPECT_FALSE(failed.isOpen());
    EXPECT_THROW(failed.db(), store::StoreError);
}

struct BadFile {
    const char* name;
    std::function<void(const QString& file)> make;
    const char* cause;
};

void PrintTo(const BadFile& file, std::ostream* os) {
    *os << file.name;
}

class OpenFailure : public ::testing::TestWithParam<BadFile> {};

TEST_P(OpenFailure, NamesTheFileAndTheCauseAndWritesNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Mirtal.mdb"));
    GetParam().make(file);
    const QByteArray before = folderFingerprint(dir.path());

    const QString message = openFailure(dir.path());

    EXPECT_TRUE(message.contains(file)) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String(GetParam().cause))) << message.toStdString();
    EXPECT_EQ(folderFingerprint(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenFailure,
    ::testing::Values(BadFile{"Missing", [](const QString&) {}, "does not exist"},
                      BadFile{"WrongPassword",
                              [](const QString& file) {
                                  QString cause;
                                  const store::SqliteHandle db =
                                      store::openKeyed(file, QStringLiteral("other"), &cause,
                                                       store::OpenMode::CreateIfMissing);
                                  sqlite3_exec(db.get(), "CREATE TABLE User1 (UserID INTEGER)",
                                               nullptr, nullptr, nullptr);
                              },
                              "password is wrong"},
                      BadFile{"NotADatabase",
                              [](const QString& file) {
                                  QFile f(file);
                                  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                                  f.write(QByteArray(8192, 'x'));
                              },
                              "not a database"},
                      BadFile{"AFolder", [](const QString& file) { QDir().mkpath(file); },
                              "not a file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeliveredDatabase, IsNeverOverwritten) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Mirtal.mdb"));
    store::createDeliveredDatabase(file);
    const QByteArray before = folderFingerprint(dir.path());
    EXPECT_THROW(store::createDeliveredDatabase(file), store::StoreError);
    EXPECT_EQ(folderFingerprint(dir.path()), before);
}

}  // namespace
}  // namespace mirtal
