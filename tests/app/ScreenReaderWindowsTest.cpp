#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include "app/Clock.h"
#include "app/WindowTable.h"
#include "support/AppHarness.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"

namespace mirtal {
namespace {

using app::WindowId;
using testing::AppHarness;

class ScreenReaderWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        app::Clock::pin(QDate(2026, 12, 8));
        h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
        h.app.session().setCurrentUserId(1);
    }
    void TearDown() override { app::Clock::pin(std::nullopt); }

    static QString spoken(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

    AppHarness h;
};

TEST_F(ScreenReaderWindows, SharedCaptionsKeyFieldsAndStarredFramesSayWhatTheyAreFor) {
    struct Case {
        WindowId window;
        const char* control;
        const char* name;
    };
    for (const Case& c : {
             Case{WindowId::Reports, "LblView", "VIEW meal report"},
             Case{WindowId::Reports, "LblViewTMeal", "VIEW total meal report"},
             Case{WindowId::Reports, "LblViewOthers", "VIEW other reports"},
             Case{WindowId::Reports, "LblViewExercise", "VIEW exercise report"},
             Case{WindowId::Reports, "Frame10", "Report settings"},
             Case{WindowId::Reports, "Frame12", "Chart type"},
             Case{WindowId::Reports, "Frame1", "Meal"},
             Case{WindowId::Reports, "Frame8", "Others"},
             Case{WindowId::Reports, "Frame2", "Exercise"},
             Case{WindowId::MealEvaluation, "Frame1", "Meal"},
             Case{WindowId::MealEvaluation, "Frame2", "Snacking and water"},
             Case{WindowId::MealEvaluation, "Frame3", "Meal calculation"},
             Case{WindowId::ExerciseCatalogue, "TxtHidID", "Key of the picked row"},
             Case{WindowId::DailyExercise, "TxtHidID", "Key of the picked row"},
             Case{WindowId::TargetValues, "TxtHidID", "Key of the picked row"},
         }) {
        h.switcher().openWindow(c.window);
        auto* control = h.control<QWidget>(c.window, c.control);
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(spoken(control), QString::fromLatin1(c.name))
            << "window " << app::windowNumber(c.window) << " " << c.control;
    }
    // Nothing inside a starred frame is labelled "*****" any more.
    for (WindowId window : {WindowId::MealEvaluation, WindowId::Reports}) {
        h.switcher().openWindow(window);
        for (QWidget* inside : h.switcher().loadedWindow(window)->findChildren<QWidget*>()) {
            QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(inside);
            if (!seen) {
                continue;
            }
            for (const auto& [label, relation] : seen->relations(QAccessible::Label)) {
                EXPECT_NE(label->text(QAccessible::Name), QStringLiteral("*****"))
                    << inside->objectName().toStdString();
            }
        }
    }
}

TEST_F(ScreenReaderWindows, TheUserIsPickedThroughTheScreenReaderAndWithUpAndDown) {
    h.app.session().setCurrentUserId(0);
    auto* users = h.control<widgets::ChoiceList>(WindowId::User, "CmbUser");
    ASSERT_NE(users, nullptr);
    // The list fills as it drops down, as the screen reader's ShowMenu does.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(users);
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(users->view()->isVisible());
    QAccessibleInterface* entries = box->child(0);
    ASSERT_EQ(entries->childCount(), 2);
    ASSERT_EQ(entries->child(1)->text(QAccessible::Name), QStringLiteral("Bob"));
    entries->child(1)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(users->text(), QStringLiteral("Bob"));
    EXPECT_EQ(h.app.session().currentUserId(), 2);

    QTest::keyClick(users->lineEdit(), Qt::Key_Up);
    EXPECT_EQ(users->text(), QStringLiteral("Ann"));
    EXPECT_EQ(h.app.session().currentUserId(), 1);

    // START, pressed by the screen reader, goes on with the user picked.
    auto* start = h.control<widgets::CommandLabel>(WindowId::User, "LblStart");
    QAccessible::queryAccessibleInterface(start)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return h.switcher().loadedWindow(WindowId::TargetValues) != nullptr; }));
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

}  // namespace
}  // namespace mirtal
