#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "store/BackupSchedule.h"
#include "store/StoreError.h"
#include "support/QtPrinters.h"
#include "support/SampleRows.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

const QDate today(2026, 12, 11);  // a Friday

QList<QDate> everyDaySince(QDate first) {
    QList<QDate> days;
    for (QDate day = first; day <= today; day = day.addDays(1)) {
        days << day;
    }
    return days;
}

TEST(DailyBackupRetention, KeepsSevenDaysTheNewestOfFourWeeksAndOfTwelveMonths) {
    const auto d = [](int year, int month, int day) { return QDate(year, month, day); };
    struct Case {
        QList<QDate> days;
        QList<QDate> kept;
    };
    const QList<Case> cases{
        {everyDaySince(d(2025, 1, 1)),
         {d(2026, 12, 11), d(2026, 12, 10), d(2026, 12, 9),  d(2026, 12, 8),  d(2026, 12, 7),
          d(2026, 12, 6),  d(2026, 12, 5),  d(2026, 11, 30), d(2026, 11, 29), d(2026, 11, 22),
          d(2026, 10, 31), d(2026, 9, 30),  d(2026, 8, 31),  d(2026, 7, 31),  d(2026, 6, 30),
          d(2026, 5, 31),  d(2026, 4, 30),  d(2026, 3, 31),  d(2026, 2, 28),  d(2026, 1, 31)}},
        // Seven copies are kept however old they are.
        {{d(2026, 12, 11), d(2020, 6, 1), d(2019, 1, 1)},
         {d(2026, 12, 11), d(2020, 6, 1), d(2019, 1, 1)}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store::daysKept(c.days, today), c.kept);
    }
}

class DailyBackup : public ::testing::Test {
  protected:
    DailyBackup() { testing::addSampleRows(t.db()); }

    store::ConnectionSettings settings() const {
        return store::connectionSettingsFor(t.directory());
    }
    QString folder() const { return store::backupsFolderOf(t.file()); }
    QStringList inFolder() const {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void touch(const QString& name) const {
        QDir().mkpath(folder());
        QFile f(QDir(folder()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    testing::TestDatabase t;
};

TEST_F(DailyBackup, WritesOneCopyADayAndRemovesThoseNoLongerKept) {
    // With today's copy, the newest seven are 11 and 1 December and 4 to 8 November.
    touch(QStringLiteral("Mirtal 2026-12-01.mdb"));
    for (int day = 1; day <= 8; ++day) {
        touch(QStringLiteral("Mirtal 2026-11-%1.mdb").arg(day, 2, 10, QLatin1Char('0')));
    }
    touch(QStringLiteral(".Mirtal 2026-12-10.mdb.part-0badf00d"));  // a crash's leftover
    touch(QStringLiteral("notes.txt"));

    EXPECT_TRUE(store::writeDailyBackup(settings(), today));
    EXPECT_FALSE(store::writeDailyBackup(settings(), today));
    EXPECT_EQ(inFolder(), QStringList({"Mirtal 2026-11-04.mdb", "Mirtal 2026-11-05.mdb",
                                       "Mirtal 2026-11-06.mdb", "Mirtal 2026-11-07.mdb",
                                       "Mirtal 2026-11-08.mdb", "Mirtal 2026-12-01.mdb",
                                       "Mirtal 2026-12-11.mdb", "notes.txt"}));
    const QList<store::DailyBackup> listed = store::listDailyBackups(t.file());
    ASSERT_EQ(listed.size(), 7);
    EXPECT_EQ(listed.front().day, today);
    EXPECT_GT(listed.front().bytes, 0);
    EXPECT_EQ(listed.back().day, QDate(2026, 11, 4));
}

// The failures are told once, at the next start, and leave nothing in the folder.
TEST_F(DailyBackup, AFailureLeavesNothingBehindAndIsToldOnce) {
    const auto fails = [&] {
        try {
            store::writeDailyBackup(settings(), today);
        } catch (const store::StoreError& e) {
            store::noteBackupFailure(t.file(), e.description());
            return true;
        }
        return false;
    };
    {
        QFile file(folder());  // the backups folder is a file
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(fails());
    EXPECT_EQ(store::takeBackupFailure(t.file()),
              QStringLiteral("The folder %1 cannot be made.").arg(folder()));
    EXPECT_EQ(store::takeBackupFailure(t.file()), std::nullopt);
    QFile::remove(folder());

    // A full disk: no file may grow beyond 4 KiB while the copy is written.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool failed = fails();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(failed);
    EXPECT_EQ(inFolder(), QStringList());
    EXPECT_NE(store::takeBackupFailure(t.file()), std::nullopt);
}

}  // namespace
}  // namespace mirtal
