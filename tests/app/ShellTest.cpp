#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include "app/Form8.h"
#include "app/MDIForm1.h"
#include "store/DateText.h"
#include "support/AppHarness.h"
#include "support/QtApplication.h"
#include "widgets/Twips.h"

namespace mirtal {
namespace {

using testing::AppHarness;
using widgets::twips;

// Starts the day's work as a person does: add a user, pick it, press START.
void startWithNewUser(AppHarness& h) {
    h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    h.app.session().setCurrentUserId(1);
    h.switcher().showStartWindow();
}

QStringList loadedWindows(AppHarness& h) {
    QStringList names;
    for (const app::WindowRow& row : app::windowTable()) {
        if (QWidget* w = h.switcher().loadedWindow(row.id)) {
            names << w->objectName();
        }
    }
    return names;
}

TEST(StartUp, ShowsOnlyTheUserWindowCentredUntilStart) {
    AppHarness h;
    QWidget* users = h.switcher().loadedWindow(app::WindowId::User);
    ASSERT_NE(users, nullptr);
    EXPECT_TRUE(users->isVisible());
    EXPECT_TRUE(users->isWindow());
    EXPECT_EQ(h.switcher().mainWindowIfLoaded(), nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offCentre = users->frameGeometry().center() - screen.center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
}

TEST(StartUp, AFailedOpenIsReportedWithTheFileAndNoWindowShows) {
    QTemporaryDir empty;
    testing::ScriptedMessages messages;
    harness::RecordingLinks links;
    testing::ensureQtApplication();
    harness::ProgramHarness program(empty.path(), messages, links);
    EXPECT_FALSE(program.start());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Mirtal.mdb")));
    EXPECT_EQ(messages.shown[0].icon, app::Messages::Icon::Critical);
    EXPECT_EQ(program.switcher().loadedWindow(app::WindowId::User), nullptr);
}

TEST(MainWindow, HasItsCaptionMenuAndToolbar) {
    AppHarness h;
    startWithNewUser(h);
    app::MDIForm1* main = h.switcher().mainWindowIfLoaded();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Mirtal 1.02"));
    EXPECT_EQ(main->area()->background().color(), QColor(128, 128, 255));
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    for (const Item& item :
         {Item{"Mnu_UserSelect", "&User", QKeySequence(Qt::CTRL | Qt::Key_U)},
          Item{"Mnu_SetExercise", "&Add Exercise", QKeySequence(Qt::CTRL | Qt::Key_H)},
          Item{"Mnu_Exercise", "&Daily Exercise", {}}, Item{"Mnu_TPW", "&Target Values", {}},
          Item{"Mnu_PulseWeight", "&Progress Log", QKeySequence(Qt::CTRL | Qt::Key_R)},
          Item{"Mnu_Meal", "Meal Evaluation", {}}, Item{"Mnu_Report", "&Show Report", {}},
          Item{"Mnu_Manual", "&One Page Manual", QKeySequence(Qt::CTRL | Qt::Key_F1)},
          Item{"Quit", "Quit", {}}, Item{"mnu_File", "&View Form", {}},
          Item{"Mnu_Ex", "&Exercise", {}}, Item{"Mnu_PW", "&Pulse/Weight", {}},
          Item{"Mnu_R", "Reports", {}}, Item{"Mnu_Help", "&Help", {}},
          Item{"Mnu_Exit", "&Exit", {}}}) {
        const auto* action = main->findChild<QAction*>(QLatin1String(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QLatin1String(item.caption)) << item.name;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
    }
    QStringList captions;
    for (const char* key : {"A", "B", "C", "D", "E", "F", "G"}) {
        captions << main->findChild<QToolBar*>(QStringLiteral("Toolbar1"))
                        ->findChild<QAction*>(QLatin1String(key))
                        ->text();
    }
    EXPECT_EQ(captions, QStringList({"User", "Target Values", "Add Exercises", "Daily Exercise",
                                     "Meal Evaluation", "Progress Log", "Report"}));
    EXPECT_EQ(main->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
              QStringLiteral("Workout Guide"));
}

TEST(Start, OpensTheTargetValuesWindowInTheMainWindowAndSetsTheDateTexts) {
    AppHarness h;
    store::DateText::setDateSeparator(QStringLiteral("."));
    store::DateText::setTimeFormat(QStringLiteral("h:mm AP"));
    startWithNewUser(h);
    QWidget* targets = h.switcher().loadedWindow(app::WindowId::TargetValues);
    ASSERT_NE(targets, nullptr);
    EXPECT_EQ(targets->windowTitle(), QStringLiteral("2. Frm Target Values"));
    EXPECT_EQ(targets->parentWidget()->pos(), QPoint(0, 0));
    EXPECT_EQ(h.switcher().mainWindowIfLoaded()->area()->activeSubWindow(),
              targets->parentWidget());
    EXPECT_EQ(store::DateText::dateSeparator(), QStringLiteral("/"));
    EXPECT_EQ(store::DateText::timeFormat(), QStringLiteral("HH:mm:ss"));
}

TEST(WindowSwitching, ToolbarKeysOpenTheirWindowAndUnloadTheOthers) {
    AppHarness h;
    startWithNewUser(h);
    app::MDIForm1* main = h.switcher().mainWindowIfLoaded();
    struct Case {
        const char* key;
        const char* window;
        const char* caption;
    };
    for (const Case& c :
         {Case{"C", "Form2", "3. frm Add Exercise"}, Case{"F", "Form4", "6. Frm Progress Log"},
          Case{"D", "Form3", "4. frm Daily Exercise"}, Case{"E", "Form5", "5. frm Meal Evaluation"},
          Case{"G", "frmReportMeal", "7. frm Reports"},
          Case{"B", "Form6", "2. Frm Target Values"}}) {
        main->toolbarButtonClicked(QLatin1String(c.key));
        EXPECT_EQ(loadedWindows(h), QStringList{QLatin1String(c.window)}) << c.key;
        QWidget* window = main->area()->activeSubWindow()->widget();
        EXPECT_EQ(window->windowTitle(), QLatin1String(c.caption));
        EXPECT_EQ(window->parentWidget()->pos(), QPoint(0, 0));
        EXPECT_EQ(h.app.session().windowNumber(), 0);
    }
    main->toolbarButtonClicked(QStringLiteral("Z"));
    EXPECT_EQ(loadedWindows(h), QStringList{QStringLiteral("Form6")});

    main->toolbarButtonClicked(QStringLiteral("A"));
    EXPECT_EQ(loadedWindows(h), QStringList{QStringLiteral("Form1")});
    EXPECT_TRUE(h.switcher().loadedWindow(app::WindowId::User)->isWindow());
}

TEST(WindowSwitching, AReopenedWindowStartsAfresh) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().openWindow(app::WindowId::Reports);
    QPointer<QWidget> first = h.switcher().loadedWindow(app::WindowId::Reports);
    h.switcher().openWindow(app::WindowId::MealEvaluation);
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::Reports), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    h.switcher().openWindow(app::WindowId::Reports);
    EXPECT_NE(h.switcher().loadedWindow(app::WindowId::Reports), nullptr);
}

TEST(WindowSwitching, UserWindowFromTheMenuClosesTheDataWindow) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher()
        .mainWindowIfLoaded()
        ->findChild<QAction*>(QStringLiteral("Mnu_UserSelect"))
        ->trigger();
    EXPECT_EQ(loadedWindows(h), QStringList{QStringLiteral("Form1")});
    EXPECT_TRUE(h.switcher().loadedWindow(app::WindowId::User)->isVisible());
    EXPECT_NE(h.switcher().mainWindowIfLoaded(), nullptr);
}

TEST(MainWindow, ClosingItClosesItsChildrenButNotTheUserWindow) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().showHelp(QStringLiteral("T"), QStringLiteral("x"));
    h.switcher().openUserWindowFromMenu();
    h.switcher().showStartWindow();
    QPointer<app::Form8> help = h.switcher().helpWindowIfLoaded();
    h.switcher().closeMainWindow();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(h.switcher().mainWindowIfLoaded(), nullptr);
    EXPECT_TRUE(help.isNull());
    EXPECT_EQ(loadedWindows(h), QStringList{QStringLiteral("Form1")});
}

TEST(NavigationBar, StartClosesItsOwnWindowAndUserLeadsBackToTheUserWindow) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().openWindow(app::WindowId::ProgressLog);
    QTest::mouseClick(h.control<QLabel>(app::WindowId::ProgressLog, "LblProfile"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(loadedWindows(h), QStringList());
    ASSERT_NE(h.switcher().mainWindowIfLoaded(), nullptr);
    EXPECT_TRUE(h.switcher().mainWindowIfLoaded()->area()->subWindowList().isEmpty());

    h.switcher().openWindow(app::WindowId::ExerciseCatalogue);
    QTest::mouseClick(h.control<QLabel>(app::WindowId::ExerciseCatalogue, "LblDailyInput"),
                      Qt::LeftButton);
    EXPECT_EQ(loadedWindows(h), QStringList{QStringLiteral("Form4")});
    QTest::mouseClick(h.control<QLabel>(app::WindowId::ProgressLog, "LblUser"), Qt::LeftButton);
    EXPECT_EQ(loadedWindows(h), QStringList{QStringLiteral("Form1")});
    EXPECT_TRUE(h.switcher().loadedWindow(app::WindowId::User)->isVisible());
}

TEST(MainWindow, QuitEndsTheProgramWhateverIsOpen) {
    AppHarness h;
    startWithNewUser(h);
    h.switcher().mainWindowIfLoaded()->findChild<QAction*>(QStringLiteral("Quit"))->trigger();
    EXPECT_EQ(h.quitRequests, 1);
}

TEST(MainWindow, WorkoutGuideAndManualOpenTheShippedPages) {
    AppHarness h;
    startWithNewUser(h);
    app::MDIForm1* main = h.switcher().mainWindowIfLoaded();
    QAction* manual = main->findChild<QAction*>(QStringLiteral("Mnu_Manual"));

    manual->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_TRUE(h.messages.shown[0].text.contains(QStringLiteral("MirtalHelp.html")));
    EXPECT_TRUE(h.links.opened.isEmpty());

    QDir(h.dir.path()).mkdir(QStringLiteral("site"));
    QFile page(h.dir.filePath(QStringLiteral("site/MirtalHelp.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    manual->trigger();
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    ASSERT_EQ(h.links.opened.size(), 2);
    EXPECT_EQ(h.links.opened[0],
              QUrl::fromLocalFile(h.dir.filePath(QStringLiteral("site/MirtalHelp.html"))));
    EXPECT_EQ(h.links.opened[1],
              QUrl::fromLocalFile(h.dir.filePath(QStringLiteral("site/wguide.html"))));
}

TEST(HelpWindow, OneWindowKeepsTheLastTextAndSurvivesWindowSwitching) {
    AppHarness h;
    startWithNewUser(h);
    QTest::mouseClick(h.control<QPushButton>(app::WindowId::TargetValues, "CmdHelp"),
                      Qt::LeftButton);
    h.switcher().openWindow(app::WindowId::ProgressLog);
    QTest::mouseClick(h.control<QPushButton>(app::WindowId::ProgressLog, "CmdHelp"),
                      Qt::LeftButton);
    app::Form8* help = h.switcher().helpWindowIfLoaded();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(h.switcher().mainWindowIfLoaded()->findChildren<app::Form8*>().size(), 1);
    EXPECT_EQ(help->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("PROGRESS LOG"));
    EXPECT_EQ(help->windowTitle(), QStringLiteral(" Help      [ *** Resizable Help Window *** ]"));

    h.switcher().openWindow(app::WindowId::MealEvaluation);
    EXPECT_EQ(h.switcher().helpWindowIfLoaded(), help);
    EXPECT_EQ(help->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("PROGRESS LOG"));
    EXPECT_TRUE(help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->isReadOnly());
}

TEST(HelpWindow, TextAreaFollowsTheWindowSizeAndNeverGoesNegative) {
    testing::ensureQtApplication();
    app::Form8 help;
    help.show();
    EXPECT_EQ(help.size(), QSize(twips(8220), twips(2595)));
    for (const QSize size : {QSize(900, 500), QSize(400, 200), QSize(1, 1)}) {
        help.resize(size);
        EXPECT_EQ(help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->width(),
                  help.width() - twips(250));
        EXPECT_EQ(help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->height(),
                  help.height() - twips(900));
        EXPECT_GE(help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->height(), 0);
        EXPECT_GE(help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->width(), 0);
    }
}

}  // namespace
}  // namespace mirtal
