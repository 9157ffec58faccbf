#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "support/QtApplication.h"
#include "support/QtPrinters.h"

namespace mirtal::widgets {

// A fixture with a top-level window on screen: the pointer and the keyboard reach only
// widgets that are shown, and access keys only those of the active window.
class ShownWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureQtApplication(); }

    void show() {
        window.resize(640, 480);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
};

}  // namespace mirtal::widgets
