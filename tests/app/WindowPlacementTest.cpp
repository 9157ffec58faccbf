#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/Form8.h"
#include "app/MDIForm1.h"
#include "support/AppHarness.h"

namespace mirtal {
namespace {

using testing::AppHarness;

void startWithNewUser(AppHarness& h) {
    h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    h.app.session().setCurrentUserId(1);
    h.switcher().showStartWindow();
}

app::MDIForm1& mainWindow(AppHarness& h) {
    return *h.switcher().mainWindowIfLoaded();
}

// What a person would do to a window: resize it and let the layouts settle.
void resizeMainWindow(AppHarness& h, QSize size) {
    mainWindow(h).showNormal();
    mainWindow(h).resize(size);
    QApplication::processEvents();
}

QRect visibleArea(AppHarness& h) {
    return mainWindow(h).area()->viewport()->rect();
}

QWidget* helpFrame(AppHarness& h) {
    app::Form8* help = h.switcher().helpWindowIfLoaded();
    return help ? help->parentWidget() : nullptr;
}

qint64 covered(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// The least any place wholly inside the area could cover of the data window, found by trying
// every place.
qint64 leastPossibleCover(const QRect& area, QSize size, const QRect& dataWindow) {
    qint64 least = -1;
    for (int y = area.top(); y + size.height() <= area.bottom() + 1; ++y) {
        for (int x = area.left(); x + size.width() <= area.right() + 1; ++x) {
            const qint64 c = covered(QRect(QPoint(x, y), size), dataWindow);
            least = least < 0 ? c : std::min(least, c);
        }
    }
    return least;
}

void closeHelp(AppHarness& h) {
    if (QWidget* frame = helpFrame(h)) {
        frame->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Pressed in any window, at the main window's usual size or a smaller one, the help window
// opens whole inside the client area and covers as little of the data window as it can.
TEST(HelpWindow, OpensWhollyInTheClientAreaCoveringLeastOfTheDataWindow) {
    AppHarness h;
    startWithNewUser(h);
    for (const QSize size : {QSize(1000, 720), QSize(1000, 760), QSize(820, 560)}) {
        for (const app::WindowId window :
             {app::WindowId::ExerciseCatalogue, app::WindowId::DailyExercise,
              app::WindowId::ProgressLog, app::WindowId::MealEvaluation,
              app::WindowId::TargetValues, app::WindowId::Reports}) {
            SCOPED_TRACE(::testing::Message() << "window " << app::windowNumber(window) << " in "
                                              << size.width() << "x" << size.height());
            resizeMainWindow(h, size);
            h.switcher().openWindow(window);
            closeHelp(h);
            QApplication::processEvents();
            QTest::mouseClick(h.control<QPushButton>(window, "CmdHelp"), Qt::LeftButton);
            QWidget* help = helpFrame(h);
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(help->isVisible());
            const QRect area = visibleArea(h);
            const QRect dataWindow = h.switcher().loadedWindow(window)->parentWidget()->geometry();
            EXPECT_EQ(dataWindow.topLeft(), QPoint(0, 0));
            ASSERT_TRUE(area.contains(help->geometry()))
                << help->x() << "," << help->y() << " in " << area.width() << "x" << area.height();
            EXPECT_EQ(covered(help->geometry(), dataWindow),
                      leastPossibleCover(area, help->size(), dataWindow));
        }
    }
    closeHelp(h);
}

// Once open, it stays where the person put it and at the size they gave it, whichever
// window asks for help next.
TEST(HelpWindow, KeepsThePlaceAndSizeThePersonGivesIt) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().openWindow(app::WindowId::ExerciseCatalogue);
    QTest::mouseClick(h.control<QPushButton>(app::WindowId::ExerciseCatalogue, "CmdHelp"),
                      Qt::LeftButton);
    QWidget* help = helpFrame(h);
    ASSERT_NE(help, nullptr);
    const QRect chosen(QPoint(37, 52), help->size() + QSize(60, 40));
    help->setGeometry(chosen);
    for (const app::WindowId window :
         {app::WindowId::Reports, app::WindowId::ProgressLog, app::WindowId::ExerciseCatalogue}) {
        h.switcher().openWindow(window);
        QTest::mouseClick(h.control<QPushButton>(window, "CmdHelp"), Qt::LeftButton);
        EXPECT_EQ(helpFrame(h), help);
        EXPECT_EQ(help->geometry(), chosen) << app::windowNumber(window);
    }
}

// A main window too small to hold the help window shows it at the area's top-left corner.
TEST(HelpWindow, OnAMainWindowTooSmallForItOpensAtTheTopLeftCorner) {
    AppHarness h;
    startWithNewUser(h);
    resizeMainWindow(h, QSize(1, 1));
    h.switcher().openWindow(app::WindowId::Reports);
    QTest::mouseClick(h.control<QPushButton>(app::WindowId::Reports, "CmdHelp"), Qt::LeftButton);
    ASSERT_NE(helpFrame(h), nullptr);
    ASSERT_LT(visibleArea(h).height(), helpFrame(h)->height());
    EXPECT_EQ(helpFrame(h)->pos(), QPoint(0, 0));
}

// Made as small as it goes, the main window still shows every menu and toolbar button, and
// the client area offers scroll bars that reach every edge of the data window.
TEST(MainWindow, StaysLargeEnoughForMenuAndToolbarAndScrollsToTheDataWindow) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().openWindow(app::WindowId::Reports);
    app::MDIForm1& main = mainWindow(h);
    resizeMainWindow(h, QSize(196, 152));

    QToolBar* toolbar = main.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    for (QAction* action : toolbar->actions()) {
        QWidget* button = toolbar->widgetForAction(action);
        if (button && !action->isSeparator()) {
            EXPECT_TRUE(button->isVisible()) << action->text().toStdString();
            EXPECT_TRUE(toolbar->rect().contains(button->geometry()))
                << action->text().toStdString();
        }
    }
    EXPECT_TRUE(main.findChild<QPushButton*>(QStringLiteral("Command1"))->isVisible());
    for (const QToolButton* fold : toolbar->findChildren<QToolButton*>()) {
        if (fold->objectName() == u"qt_toolbar_ext_button") {
            EXPECT_FALSE(fold->isVisible());
        }
    }
    for (QAction* menu : main.menuBar()->actions()) {
        EXPECT_TRUE(main.menuBar()->rect().contains(main.menuBar()->actionGeometry(menu)))
            << menu->text().toStdString();
    }

    QMdiArea* area = main.area();
    QWidget* report = h.switcher().loadedWindow(app::WindowId::Reports)->parentWidget();
    ASSERT_GT(report->width(), area->viewport()->width());
    ASSERT_GT(report->height(), area->viewport()->height());
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    const QRect seen = area->viewport()->rect();
    EXPECT_TRUE(seen.contains(report->geometry().bottomRight()))
        << report->geometry().right() << "," << report->geometry().bottom();

    // Scrolled away, a window opened next still comes at the top-left corner in view.
    h.switcher().openWindow(app::WindowId::ProgressLog);
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::ProgressLog)->parentWidget()->pos(),
              QPoint(0, 0));
}

TEST(MainWindow, MaximisedItKeepsTheDataWindowAtTheTopLeftCorner) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().openWindow(app::WindowId::MealEvaluation);
    mainWindow(h).showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(mainWindow(h).isMaximized());
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::MealEvaluation)->parentWidget()->pos(),
              QPoint(0, 0));
    h.switcher().openWindow(app::WindowId::DailyExercise);
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::DailyExercise)->parentWidget()->pos(),
              QPoint(0, 0));
}

// Opened again from the menu or the toolbar, the user window is centred on the screen each
// time, wherever it was last.
TEST(UserWindow, IsCentredOnTheScreenEachTimeItIsOpenedAgain) {
    AppHarness h;
    startWithNewUser(h);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto byMenu = [&h] {
        mainWindow(h).findChild<QAction*>(QStringLiteral("Mnu_UserSelect"))->trigger();
    };
    const auto byToolbar = [&h] { mainWindow(h).toolbarButtonClicked(QStringLiteral("A")); };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"menu", byMenu}, {"toolbar", byToolbar}, {"menu again", byMenu}};
    for (const auto& [way, open] : ways) {
        SCOPED_TRACE(way);
        // START closed it.
        h.switcher().closeWindow(app::WindowId::User);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open();
        QWidget* users = h.switcher().loadedWindow(app::WindowId::User);
        ASSERT_NE(users, nullptr);
        EXPECT_TRUE(users->isVisible());
        const QPoint offCentre = users->frameGeometry().center() - screen.center();
        EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
        users->move(3, 5);
        open();
        const QPoint again = users->frameGeometry().center() - screen.center();
        EXPECT_LE(again.manhattanLength(), 4) << again.x() << "," << again.y();
    }
}

}  // namespace
}  // namespace mirtal
