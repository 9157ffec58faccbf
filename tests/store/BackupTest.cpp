#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/Backup.h"
#include "store/KeyedOpen.h"
#include "store/schema/DeliveredDatabase.h"
#include "support/BadFiles.h"
#include "support/DatabaseDump.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/SampleRows.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

using store::Replace;
using testing::folderState;
using testing::readFile;
using testing::writeFile;

const QString password = store::databasePassword();

class Backup : public ::testing::Test {
  protected:
    Backup() { testing::addSampleRows(t.db()); }

    QString backupFile() const { return elsewhere.filePath(QStringLiteral("saved.mdb")); }
    void backup(Replace replace = Replace::Never) {
        store::backupDatabase(store::connectionSettingsFor(t.directory()), backupFile(), replace);
    }

    testing::TestDatabase t;
    QTemporaryDir elsewhere;
};

TEST_F(Backup, WritesAnEncryptedCopyThatHoldsTheSameRows) {
    backup();

    EXPECT_EQ(testing::databaseDump(backupFile()), testing::databaseDump(t.file()));
    EXPECT_FALSE(readFile(backupFile()).startsWith("SQLite format 3"));
    EXPECT_FALSE(QFile::permissions(backupFile()) &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("saved.mdb")});
}

TEST_F(Backup, KeepsAFileThatIsThereUnlessToldToReplaceIt) {
    writeFile(backupFile(), "last year's copy");

    EXPECT_THROW(backup(), store::ExistingFile);
    EXPECT_EQ(readFile(backupFile()), "last year's copy");
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    backup(Replace::Allowed);
    EXPECT_EQ(testing::databaseDump(backupFile()), testing::databaseDump(t.file()));
}

TEST_F(Backup, NeverWritesOverTheDatabaseItself) {
    const QStringList before = folderState(t.directory());
    EXPECT_THROW(store::backupDatabase(store::connectionSettingsFor(t.directory()), t.file(),
                                       Replace::Allowed),
                 store::StoreError);
    EXPECT_EQ(folderState(t.directory()), before);
}

class Restore : public Backup {
  protected:
    Restore() {
        backup();
        store::createDeliveredDatabase(current());
        testing::executeOnFile(current(), "INSERT INTO User1 VALUES (7, 'Before')");
    }
    QString current() const { return place.filePath(QStringLiteral("Mirtal.mdb")); }
    void restore(const QString& file) {
        store::restoreDatabase(store::connectionSettingsFor(place.path()), file);
    }

    QTemporaryDir place;
};

TEST_F(Restore, PutsTheCopyInPlaceAndKeepsTheFileItReplaces) {
    const std::string before = testing::databaseDump(current());

    restore(backupFile());

    EXPECT_EQ(testing::databaseDump(current()), testing::databaseDump(backupFile()));
    EXPECT_EQ(testing::databaseDump(current() + QStringLiteral(".bak")), before);
    EXPECT_EQ(QDir(place.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Mirtal.mdb"), QStringLiteral("Mirtal.mdb.bak")}));
}

TEST_F(Restore, MakesTheFolderOnAFirstStartAndKeepsNothing) {
    const QString folder = place.filePath(QStringLiteral("new/Mirtal"));

    store::restoreDatabase(store::connectionSettingsFor(folder), backupFile());

    EXPECT_EQ(testing::databaseDump(QDir(folder).filePath(QStringLiteral("Mirtal.mdb"))),
              testing::databaseDump(backupFile()));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Mirtal.mdb")});
}

// The file that is there is kept byte for byte even when it no longer opens: that is when
// people restore.
TEST_F(Restore, KeepsACurrentFileThatNoLongerOpensAsItIs) {
    const QByteArray damaged(20000, 'x');
    writeFile(current(), damaged);

    restore(backupFile());

    EXPECT_EQ(readFile(current() + QStringLiteral(".bak")), damaged);
    EXPECT_EQ(testing::databaseDump(current()), testing::databaseDump(backupFile()));
}

// A program killed halfway through a write leaves the old pages in a journal beside the
// file. That journal belongs to the old file: laid on the restored one it would ruin it.
TEST_F(Restore, AWriteCutShortInTheCurrentFileStaysWithThatFile) {
    const std::string committed = testing::databaseDump(current());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QString cause;
        const store::SqliteHandle db = store::openKeyed(current(), password, &cause);
        sqlite3_exec(db.get(), "PRAGMA cache_size = 10; BEGIN", nullptr, nullptr, nullptr);
        for (int key = 100; key < 2100; ++key) {
            const QByteArray sql = "INSERT INTO User1 VALUES (" + QByteArray::number(key) + ", '" +
                                   QByteArray(200, 'n') + "')";
            sqlite3_exec(db.get(), sql.constData(), nullptr, nullptr, nullptr);
        }
        _exit(0);  // no commit, no rollback
    }
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(QFile::exists(current() + QStringLiteral("-journal")));

    restore(backupFile());

    EXPECT_EQ(testing::databaseDump(current()), testing::databaseDump(backupFile()));
    EXPECT_FALSE(QFile::exists(current() + QStringLiteral("-journal")));
    EXPECT_EQ(testing::databaseDump(current() + QStringLiteral(".bak")), committed);
}

class RestoreRefusal : public Restore, public ::testing::WithParamInterface<testing::BadFile> {};

TEST_P(RestoreRefusal, LeavesTheDatabaseAsItWas) {
    const QString copy = elsewhere.filePath(QStringLiteral("copy.mdb"));
    ASSERT_TRUE(QFile::copy(backupFile(), copy));
    GetParam().make(copy);
    const QStringList before = folderState(place.path());

    try {
        restore(copy);
        ADD_FAILURE() << "restored";
    } catch (const store::StoreError& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String(GetParam().cause)))
            << e.description().toStdString();
    }
    EXPECT_EQ(folderState(place.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Copies, RestoreRefusal,
                         ::testing::ValuesIn(testing::copiesThatDoNotRestore()),
                         testing::badFileName);

}  // namespace
}  // namespace mirtal
