#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DeliveredFolder.h"
#include "store/Session.h"
#include "store/StoreError.h"
#include "store/schema/DeliveredDatabase.h"
#include "support/BadFiles.h"
#include "support/Files.h"

namespace mirtal {
namespace {

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
    const harness::DeliveredFolder dir;
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
    const harness::DeliveredFolder dir;
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

class OpenFailure : public testing::BadFileInFolder {};

TEST_P(OpenFailure, NamesTheFileAndTheCauseAndWritesNothing) {
    expectNamesFileAndCause(openFailure(dir.path()));
    expectFolderAsItWas();
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFailure, ::testing::ValuesIn(testing::filesThatDoNotOpen()),
                         testing::badFileName);

TEST(DeliveredDatabase, IsNeverOverwritten) {
    const harness::DeliveredFolder dir;
    const QStringList before = testing::folderState(dir.path());
    EXPECT_THROW(store::createDeliveredDatabase(dir.file()), store::StoreError);
    EXPECT_EQ(testing::folderState(dir.path()), before);
}

}  // namespace
}  // namespace mirtal
