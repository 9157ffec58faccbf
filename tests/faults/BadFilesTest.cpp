#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

#include "DeliveredFolder.h"
#include "ProgramHarness.h"
#include "Unattended.h"
#include "store/KeyedOpen.h"
#include "store/StoreError.h"
#include "support/AppHarness.h"
#include "support/BadFiles.h"
#include "support/Files.h"
#include "support/QtApplication.h"
#include "support/UiDriver.h"

// What the program does when Mirtal.mdb beside it is not a database it can use: it names the
// file and the cause in a box, ends (start() fails, so main() returns 1) and leaves every
// byte of the folder as it was.

namespace mirtal {
namespace {

struct QtFirst {
    QtFirst() { testing::ensureQtApplication(); }
};

// A program started on the folder, with its message boxes scripted.
struct Start : QtFirst {
    explicit Start(const QString& folder) : program(folder, messages, links) {
        started = program.start();
    }
    testing::ScriptedMessages messages;
    harness::RecordingLinks links;
    harness::ProgramHarness program;
    bool started = false;
};

class BadFiles : public testing::BadFileInFolder {};

TEST_P(BadFiles, NameTheFileAndTheCauseEndTheProgramAndChangeNoByte) {
    Start program(dir.path());

    EXPECT_FALSE(program.started);
    ASSERT_EQ(program.messages.shown.size(), 1);
    const auto& box = program.messages.shown[0];
    expectNamesFileAndCause(box.text);
    EXPECT_EQ(box.icon, app::Messages::Icon::Critical);
    expectFolderAsItWas();
}

INSTANTIATE_TEST_SUITE_P(Files, BadFiles, ::testing::ValuesIn(testing::filesThatDoNotOpen()),
                         testing::badFileName);

// Run as a user who is not root (root may write anything): the file and its folder can be
// read but not written.
TEST(BadFiles, AFileWithoutWritePermissionIsRefusedAndKept) {
    const harness::DeliveredFolder dir;
    const QString file = dir.file();
    ASSERT_TRUE(
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther));
    const QStringList before = testing::folderState(dir.path());

    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(report[0]);
        constexpr uid_t nobody = 65534;
        if (getuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) {
            _exit(77);
        }
        store::Session session(dir.path());
        QByteArray message("opened");
        try {
            session.OpenConnection();
        } catch (const store::StoreError& e) {
            message = e.description().toUtf8();
        }
        const ssize_t written = write(report[1], message.constData(), message.size());
        _exit(written == message.size() ? 0 : 1);
    }
    close(report[1]);
    QByteArray message;
    char buffer[512];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;) {
        message.append(buffer, n);
    }
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "this process may not change to a user who is not root";
    }
    EXPECT_TRUE(message.contains(file.toUtf8())) << message.toStdString();
    EXPECT_TRUE(message.contains("cannot be written")) << message.toStdString();
    EXPECT_EQ(testing::folderState(dir.path()), before);
}

// Another program (a backup tool, say) holds the file locked: the start waits a few seconds
// for it and then names that cause, not a wrong password.
TEST(BadFiles, AFileLockedByAnotherProgramIsWaitedForThenNamed) {
    const harness::DeliveredFolder dir;
    const QString file = dir.file();
    QString cause;
    const store::SqliteHandle other = store::openKeyed(file, QStringLiteral("TrelMQ"), &cause);
    ASSERT_EQ(sqlite3_exec(other.get(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    QElapsedTimer waited;
    waited.start();
    Start program(dir.path());

    EXPECT_FALSE(program.started);
    EXPECT_GE(waited.elapsed(), store::busyTimeoutMilliseconds - 100);
    ASSERT_EQ(program.messages.shown.size(), 1);
    EXPECT_TRUE(program.messages.shown[0].text.contains(file));
    EXPECT_TRUE(program.messages.shown[0].text.contains(QLatin1String("in use by another program")))
        << program.messages.shown[0].text.toStdString();
    sqlite3_exec(other.get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

// A write at a moment when another program holds the file waits for it; one that would wait
// too long is refused with the real cause and the program goes on.
TEST(BadFiles, AWriteAtABusyMomentWaitsForTheLock) {
    testing::AppHarness h;
    QString cause;
    const store::SqliteHandle other = store::openKeyed(h.dir.filePath(QStringLiteral("Mirtal.mdb")),
                                                       QStringLiteral("TrelMQ"), &cause);
    ASSERT_EQ(sqlite3_exec(other.get(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        sqlite3_exec(other.get(), "COMMIT", nullptr, nullptr, nullptr);
    });
    h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    release.join();
    EXPECT_EQ(h.scalar("SELECT count(*) FROM User1").toInt(), 1);

    ASSERT_EQ(sqlite3_exec(other.get(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
        ADD_FAILURE() << "the write did not wait for the lock";
    } catch (const store::StoreError& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String("in use by another program")))
            << e.description().toStdString();
    }
    sqlite3_exec(other.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
    EXPECT_EQ(h.scalar("SELECT count(*) FROM User1").toInt(), 2);
}

// Two copies would both allocate keys as the maximum plus one: the second is refused while
// the first runs, and starts once the first has ended.
TEST(BadFiles, ASecondCopyOfTheProgramIsRefusedWhileTheFirstRuns) {
    const harness::DeliveredFolder dir;
    const QStringList before = testing::folderState(dir.path());
    {
        Start first(dir.path());
        ASSERT_TRUE(first.started);
        Start second(dir.path());
        EXPECT_FALSE(second.started);
        ASSERT_EQ(second.messages.shown.size(), 1);
        EXPECT_TRUE(second.messages.shown[0].text.contains(
            QLatin1String("it is open in another copy of Mirtal")))
            << second.messages.shown[0].text.toStdString();
        EXPECT_EQ(testing::folderState(dir.path()), before);
    }
    Start later(dir.path());
    EXPECT_TRUE(later.started);
}

// The file is encrypted: a name typed into the user window is nowhere in its bytes.
TEST(BadFiles, NoTypedTextAppearsInTheFileBytes) {
    testing::AppHarness h;
    const QString typed = QStringLiteral("Quixotic Zebra");
    auto* name = h.control<QLineEdit>(app::WindowId::User, "TxtUser");
    name->clear();
    QTest::keyClicks(name, typed);
    testing::clickLabel(h.control<QLabel>(app::WindowId::User, "LblAdd"));
    ASSERT_EQ(h.scalar("SELECT UserName FROM User1").toString(), typed);

    QFile f(h.dir.filePath(QStringLiteral("Mirtal.mdb")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains(typed.toUtf8()));
    EXPECT_FALSE(
        bytes.contains(QByteArray(reinterpret_cast<const char*>(typed.utf16()), typed.size() * 2)));
    EXPECT_FALSE(bytes.contains("Zebra"));
}

}  // namespace
}  // namespace mirtal
