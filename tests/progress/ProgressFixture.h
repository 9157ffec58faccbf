#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/Clock.h"
#include "store/DateText.h"
#include "support/AppHarness.h"
#include "support/UiDriver.h"
#include "widgets/CommandLabel.h"
#include "widgets/Grid.h"
#include "widgets/NumericField.h"

namespace mirtal::testing {

// Two users, Ann (1, the current user) and Bob (2), on 8 December 2026, with one of the
// progress windows open.
class ProgressWindow : public ::testing::Test {
  protected:
    static inline const QDate today{2026, 12, 8};

    explicit ProgressWindow(app::WindowId window) : windowId(window) {}

    void SetUp() override {
        app::Clock::pin(today);
        h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
        h.app.session().setCurrentUserId(1);
        reopen();
    }
    void TearDown() override { app::Clock::pin(std::nullopt); }

    void reopen() {
        h.switcher().closeWindow(windowId);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h.switcher().openWindow(windowId);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h.statements.clear();
    }

    template <class T>
    T* control(const char* name) {
        T* found = h.control<T>(windowId, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    widgets::Grid* grid() { return control<widgets::Grid>("MSHFlexGrid1"); }
    void click(const char* label) { clickLabel(control<QLabel>(label)); }
    void type(const char* field, const QString& text) {
        auto* edit = control<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QString text(const char* field) { return control<QLineEdit>(field)->text(); }

    // A grid row's cells from column 2 on, as shown.
    QStringList gridRow(int row) {
        QStringList cells;
        for (int col = 2; col < grid()->cols(); ++col) {
            cells << grid()->textMatrix(row, col);
        }
        return cells;
    }

    static QString shortDate(QDate day) { return store::DateText::shortDate(day); }

    const app::WindowId windowId;
    AppHarness h;
};

}  // namespace mirtal::testing
