#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QTest>

#include "app/Clock.h"
#include "app/WindowSwitcher.h"
#include "support/AppHarness.h"
#include "widgets/Grid.h"

namespace mirtal::testing {

// The program with two users, Ann (1, current) and Bob (2), on a day pinned as today.
class ExerciseWindowTest : public ::testing::Test {
  protected:
    static inline const QDate today{2026, 12, 8};

    void SetUp() override {
        app::Clock::pin(today);
        h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
        h.app.session().setCurrentUserId(1);
    }
    void TearDown() override { app::Clock::pin(std::nullopt); }

    void run(const QString& statement) { h.db().execute(statement); }
    int rowsIn(const std::string& sqliteWhere) {
        return h.scalar("SELECT count(*) FROM " + sqliteWhere).toInt();
    }

    // Opens a window as the navigation bar does, in front and active, so that the pointer and
    // the focus reach it; only what happens from then on is recorded.
    QWidget* open(app::WindowId window) {
        h.switcher().openWindow(window);
        QWidget* main = h.switcher().mainWindowIfLoaded();
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
        h.statements.clear();
        h.messages.shown.clear();
        return h.switcher().loadedWindow(window);
    }

    // Unloads a window and opens it afresh, as a later visit does.
    QWidget* reopen(app::WindowId window) {
        h.switcher().closeWindow(window);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return open(window);
    }

    static QStringList column(widgets::Grid* grid, int col) {
        QStringList texts;
        for (int row = 1; row < grid->rows(); ++row) {
            texts << grid->textMatrix(row, col);
        }
        return texts;
    }

    AppHarness h;
};

}  // namespace mirtal::testing
