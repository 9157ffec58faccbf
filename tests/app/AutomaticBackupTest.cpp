#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "DeliveredFolder.h"
#include "app/AutomaticBackup.h"
#include "app/Clock.h"
#include "store/BackupSchedule.h"
#include "support/QtApplication.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"

namespace mirtal {
namespace {

// The program's start begins one; it ends with the program, after a copy in progress.
void runOnce(const QString& programFolder, testing::ScriptedMessages& messages) {
    const app::AutomaticBackup backup(programFolder, messages, 0);
    QTest::qWait(20);
}

TEST(AutomaticBackup, TellsTheLastFailureOnceAndWritesTodaysCopy) {
    testing::ensureQtApplication();
    const QDate today(2026, 12, 11);
    app::Clock::pin(today);
    const harness::DeliveredFolder folder;
    store::noteBackupFailure(folder.file(), QStringLiteral("The disk is full."));

    testing::ScriptedMessages messages;
    runOnce(folder.path(), messages);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("\nThe disk is full.\n")));
    EXPECT_EQ(messages.shown[0].icon, app::Messages::Icon::Exclamation);
    EXPECT_TRUE(QFile::exists(store::dailyBackupFile(folder.file(), today)));

    messages.shown.clear();
    runOnce(folder.path(), messages);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(store::listDailyBackups(folder.file()).size(), 1);
    app::Clock::pin(std::nullopt);
}

}  // namespace
}  // namespace mirtal
