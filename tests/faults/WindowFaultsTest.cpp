#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/Clock.h"
#include "store/DateText.h"
#include "support/AppHarness.h"
#include "support/FailingVfs.h"
#include "support/UiDriver.h"
#include "widgets/ChoiceList.h"

// A disk failing under a window's own action: the window shows what went wrong, keeps
// nothing of the action, and the same action works once the disk is back.

namespace mirtal {
namespace {

using testing::FailingVfs;

class WindowFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        app::Clock::pin(QDate(2026, 12, 8));
        h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
    }
    void TearDown() override { app::Clock::pin(std::nullopt); }

    void click(app::WindowId window, const char* label) {
        testing::clickLabel(h.control<QLabel>(window, label));
    }
    int count(const char* table) {
        return h.scalar(std::string("SELECT count(*) FROM ") + table).toInt();
    }
    // The one box shown since the last look, which must describe the disk failure.
    void expectDiskFailureShown() {
        ASSERT_EQ(h.messages.shown.size(), 1) << h.messages.texts().join(u'|').toStdString();
        const QString& text = h.messages.shown[0].text;
        EXPECT_TRUE(text.contains(h.dir.filePath(QStringLiteral("Mirtal.mdb"))))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String("disk I/O error"))) << text.toStdString();
        h.messages.shown.clear();
    }

    FailingVfs vfs;  // before the program, so that its connection goes through it
    testing::AppHarness h;
};

TEST_F(WindowFaults, UserRemovalKeepsTheUserWhenTheDiskFails) {
    for (const char* table : {"PulseWeight", "DailySnackingInput"}) {
        h.db().execute(
            QStringLiteral("Insert Into %1 Values(1, 1, '%2', 3, 4%3)")
                .arg(QLatin1String(table), store::DateText::shortDate(QDate(2026, 12, 8)),
                     QLatin1String(qstrcmp(table, "PulseWeight") == 0 ? ", 'Good'" : "")));
    }
    testing::pickEntry(h.control<widgets::ChoiceList>(app::WindowId::User, "CmbUser"),
                       QStringLiteral("Ann"));
    h.messages.answers = {true};
    vfs.failAt(3, FailingVfs::Fault::FromThenOn);
    click(app::WindowId::User, "LblDelete");
    vfs.heal();

    ASSERT_TRUE(vfs.failed());
    ASSERT_GE(h.messages.shown.size(), 1);
    EXPECT_TRUE(h.messages.shown[0].question);
    h.messages.shown.removeFirst();
    expectDiskFailureShown();
    EXPECT_EQ(count("User1") + count("PulseWeight") + count("DailySnackingInput"), 4);

    h.messages.answers = {true};
    click(app::WindowId::User, "LblDelete");
    EXPECT_TRUE(h.messages.texts().contains(QStringLiteral("Successfully Removed.")));
    EXPECT_EQ(count("User1") + count("PulseWeight") + count("DailySnackingInput"), 1);
}

TEST_F(WindowFaults, ProgressAndTargetSubmitsKeepNothingWhenTheDiskFails) {
    h.app.session().setCurrentUserId(1);
    for (const auto& [window, table] :
         {std::pair{app::WindowId::ProgressLog, "PulseWeight"},
          std::pair{app::WindowId::TargetValues, "PulseWeightTarget"}}) {
        SCOPED_TRACE(table);
        h.switcher().openWindow(window);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h.control<QLineEdit>(window, "TxtPulse")->setText(QStringLiteral("61"));
        h.control<QLineEdit>(window, "TxtWeight")->setText(QStringLiteral("73.5"));
        if (window == app::WindowId::ProgressLog) {
            testing::pickEntry(
                h.control<widgets::ChoiceList>(app::WindowId::ProgressLog, "CmbMorale"),
                QStringLiteral("Good"));
        }
        h.messages.shown.clear();

        vfs.failAt(1);
        click(window, "LblAdd");
        vfs.heal();
        ASSERT_TRUE(vfs.failed());
        expectDiskFailureShown();
        EXPECT_EQ(count(table), 0);

        click(window, "LblAdd");
        EXPECT_EQ(count(table), 1);
        EXPECT_EQ(h.scalar(std::string("PRAGMA integrity_check")).toString(), "ok");
    }
}

}  // namespace
}  // namespace mirtal
