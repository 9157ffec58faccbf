#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "app/Clock.h"
#include "support/AppHarness.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/Grid.h"

namespace mirtal {
namespace {

using testing::AppHarness;

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        app::Clock::pin(QDate(2026, 12, 8));
        h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        h.app.session().setCurrentUserId(1);
    }
    void TearDown() override { app::Clock::pin(std::nullopt); }

    // Opens a window as the menu or the bar does and makes it the active window, so that
    // keys reach it.
    QWidget* open(app::WindowId id) {
        h.switcher().openWindow(id);
        QWidget* window = h.switcher().loadedWindow(id);
        QWidget* top = window->window();
        top->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
        return window;
    }

    // The control that has the focus; the editor inside a drop-down list or a date field
    // stands for its owner.
    static QWidget* focused() {
        QWidget* widget = QApplication::focusWidget();
        while (widget && (qobject_cast<QComboBox*>(widget->parentWidget()) ||
                          qobject_cast<QAbstractSpinBox*>(widget->parentWidget()))) {
            widget = widget->parentWidget();
        }
        return widget;
    }

    static QString tab() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return focused() ? focused()->objectName() : QString();
    }

    AppHarness h;
};

// Tab stops once in a group of option buttons, on the one that is on; the arrows move
// between them.
bool reachedByTab(QWidget* control, const QSet<QWidget*>& reached) {
    if (reached.contains(control)) {
        return true;
    }
    const auto* option = qobject_cast<QRadioButton*>(control);
    if (!option || !option->autoExclusive()) {
        return false;
    }
    for (QRadioButton* other : option->parentWidget()->findChildren<QRadioButton*>(
             QString(), Qt::FindDirectChildrenOnly)) {
        if (reached.contains(other)) {
            return true;
        }
    }
    return false;
}

bool insideAnotherControl(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractSpinBox*>(up)) {
            return true;
        }
    }
    return false;
}

// What a person works with on a window: command labels, fields, lists, grids and buttons. A
// key field holds the key of the picked row, which nobody types or reads; the parts of a
// grid, a drop-down list or a date field belong to it.
QList<QWidget*> workedControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool worked =
            qobject_cast<widgets::CommandLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
            qobject_cast<QAbstractButton*>(widget);
        if (worked && widget->isVisibleTo(window) &&
            !widget->objectName().startsWith(QStringLiteral("TxtHid")) &&
            !insideAnotherControl(widget, window)) {
            controls << widget;
        }
    }
    return controls;
}

TEST_F(Keyboard, EveryWindowsControlsAreNamedForAssistiveToolsAndTabReachesThem) {
    for (const app::WindowRow& row : app::windowTable()) {
        QWidget* window = open(row.id);
        SCOPED_TRACE(window->objectName().toStdString());
        const QList<QWidget*> controls = workedControls(window);
        EXPECT_GT(controls.size(), 5);
        QSet<QWidget*> reached;
        // Round the whole focus chain twice; Tab never leaves the window.
        for (qsizetype step = 0; step < 2 * controls.size() + 10; ++step) {
            ASSERT_TRUE(focused() && window->isAncestorOf(focused()))
                << "step " << step << ": "
                << (focused() ? qPrintable(focused()->objectName()) : "none");
            reached << focused();
            tab();
        }
        for (QWidget* control : controls) {
            const std::string name = control->objectName().toStdString();
            QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(seen, nullptr) << name;
            EXPECT_FALSE(seen->text(QAccessible::Name).trimmed().isEmpty()) << name;
            // A control that is off until the person chooses something is reached then.
            if (control->isEnabled()) {
                EXPECT_TRUE(reachedByTab(control, reached)) << name << " not reached by Tab";
            }
        }
    }
}

TEST_F(Keyboard, AProgressLogEntryFromTheKeyboardAlone) {
    QWidget* window = open(app::WindowId::ProgressLog);
    const auto control = [window](const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name));
    };
    const auto spoken = [&control](const char* name) {
        return QAccessible::queryAccessibleInterface(control(name))->text(QAccessible::Name);
    };
    EXPECT_EQ(spoken("TxtPulse"), QStringLiteral("Pulse"));
    EXPECT_EQ(spoken("CmbMorale"), QStringLiteral("Morale"));
    EXPECT_EQ(spoken("MSHFlexGrid1"), QStringLiteral("Progress Log"));
    EXPECT_EQ(spoken("LblAdd"), QStringLiteral("SUBMIT"));

    // The window opens on its first field; Tab goes round in reading order, the bar last.
    ASSERT_EQ(focused(), control("DTPicker1"));
    QStringList order;
    for (int step = 0; step < 16; ++step) {
        order << tab();
    }
    EXPECT_EQ(order, QStringList({"CmbMorale", "TxtPulse", "TxtWeight", "MSHFlexGrid1", "LblAdd",
                                  "LblEdit", "LblDelete", "LblClear", "LblUser", "LblProfile",
                                  "LblAddExercise", "LblExercise", "LblMeal", "LblReport",
                                  "CmdHelp", "DTPicker1"}));

    // The morale from its list, opened and picked with the keys; the numbers typed.
    ASSERT_EQ(tab(), QStringLiteral("CmbMorale"));
    auto* morale = qobject_cast<widgets::ChoiceList*>(control("CmbMorale"));
    QTest::keyClick(morale, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(morale->view()->isVisible());
    // The list opens on its first choice, "Excellent".
    QTest::keyClick(morale->view(), Qt::Key_Down);
    QTest::keyClick(morale->view(), Qt::Key_Return);
    EXPECT_EQ(morale->text(), QStringLiteral("Good"));
    ASSERT_EQ(tab(), QStringLiteral("TxtPulse"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("61"));
    ASSERT_EQ(tab(), QStringLiteral("TxtWeight"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("80.5"));
    tab();
    ASSERT_EQ(tab(), QStringLiteral("LblAdd"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* grid = qobject_cast<widgets::Grid*>(control("MSHFlexGrid1"));
    ASSERT_EQ(grid->rows(), 2);
    EXPECT_EQ(grid->textMatrix(1, 5), QStringLiteral("Good"));
    EXPECT_EQ(h.tableRows("PulseWeight"), QStringLiteral("1,1,2026-12-08,61,80.5,Good"));

    // CLEAR by its access key; then Space on the grid's row picks it back into the fields.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    auto* pulse = qobject_cast<QLineEdit*>(control("TxtPulse"));
    EXPECT_EQ(pulse->text(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), grid);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(pulse->text(), QStringLiteral("61"));
    EXPECT_EQ(morale->text(), QStringLiteral("Good"));

    // Space on a bar label opens its window in place of this one.
    while (focused()->objectName() != QStringLiteral("LblMeal")) {
        tab();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::ProgressLog), nullptr);
    EXPECT_NE(h.switcher().loadedWindow(app::WindowId::MealEvaluation), nullptr);
}

}  // namespace
}  // namespace mirtal
