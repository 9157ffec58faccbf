#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <set>

#include "store/StoreError.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

// A writer is killed in the middle of its work: the file must still be sound and hold every
// row whose insert had returned.
TEST(Durability, AKilledWriterLosesNoAcknowledgedRow) {
    testing::TestDatabase t;
    int acks[2];
    ASSERT_EQ(pipe(acks), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(acks[0]);
        store::Session writer(t.directory());
        writer.OpenConnection();
        for (qint64 key = 1;; ++key) {
            writer.db().execute(QStringLiteral("Insert Into User1 Values(%1, 'Writer')").arg(key));
            if (write(acks[1], &key, sizeof key) != sizeof key) {
                _exit(1);
            }
        }
    }
    close(acks[1]);
    std::set<qint64> acknowledged;
    qint64 key = 0;
    while (acknowledged.size() < 150 && read(acks[0], &key, sizeof key) == sizeof key) {
        acknowledged.insert(key);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    while (read(acks[0], &key, sizeof key) == sizeof key) {
        acknowledged.insert(key);
    }
    close(acks[0]);

    store::Session reader(t.directory());
    reader.OpenConnection();
    EXPECT_EQ(reader.db().selectNative("PRAGMA integrity_check").field(0).toString(),
              QStringLiteral("ok"));
    store::ResultSet rows = reader.db().selectNative("SELECT UserID FROM User1");
    std::set<qint64> stored;
    for (; !rows.eof(); rows.moveNext()) {
        stored.insert(rows.field(0).toLongLong());
    }
    ASSERT_GE(acknowledged.size(), 150u);
    for (const qint64 k : acknowledged) {
        EXPECT_TRUE(stored.contains(k)) << "row " << k << " was acknowledged but is lost";
    }
}

TEST(Transaction, AFailureHalfwayKeepsEveryRow) {
    testing::TestDatabase t;
    t.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    t.db().execute(
        QStringLiteral("Insert Into PulseWeight Values(1, 1, '1/2/2026', 60, 70, 'Good')"));
    EXPECT_THROW(t.db().inTransaction([&] {
        t.db().execute(QStringLiteral("Delete  From PulseWeight Where UserID=1"));
        t.db().execute(QStringLiteral("Delete  From NoSuchTable Where UserID=1"));
    }),
                 store::StoreError);
    EXPECT_EQ(t.scalar("SELECT count(*) FROM PulseWeight").toInt(), 1);

    t.db().inTransaction([&] {
        t.db().execute(QStringLiteral("Delete  From PulseWeight Where UserID=1"));
        t.db().execute(QStringLiteral("Delete  From User1 Where UserID=1"));
    });
    EXPECT_EQ(t.scalar("SELECT count(*) FROM PulseWeight").toInt() +
                  t.scalar("SELECT count(*) FROM User1").toInt(),
              0);
}

}  // namespace
}  // namespace mirtal
