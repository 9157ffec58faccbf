#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "DeliveredFolder.h"
#include "ProgramHarness.h"
#include "app/Links.h"
#include "app/MDIForm1.h"
#include "support/QtApplication.h"
#include "support/ScriptedMessages.h"

namespace mirtal {
namespace {

// The program on a fresh database with the message boxes and links it really has.
template <class MessageService>
struct Program {
    Program() : app(dir.path(), messages, links) {
        app.switcher().setQuitHandler([] {});
        EXPECT_TRUE(app.start());
    }
    ~Program() { app.switcher().closeMainWindow(); }

    // The user window's START with the user Ann picked.
    void start() {
        app.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        app.enterAs(1);
    }
    template <class T>
    T* control(app::WindowId window, const char* name) {
        return app.control<T>(window, name);
    }

    // Qt's application object is there before anything of the program is built.
    bool qtReady = (testing::ensureQtApplication(), true);
    harness::DeliveredFolder dir;
    MessageService messages;
    app::DesktopLinkOpener links{messages};
    harness::ProgramHarness app;
};

struct SeenBox {
    QString text;
    QRect frame;
};

// Does what the person does and answers the message box it raises with Escape, noting where
// the box was on the screen.
std::optional<SeenBox> answerTheBoxOf(const std::function<void()>& action) {
    std::optional<SeenBox> seen;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && !seen) {
            seen = SeenBox{box->text(), box->frameGeometry()};
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    watch.start();
    action();
    for (int i = 0; i < 300 && !seen; ++i) {
        QTest::qWait(10);
    }
    return seen;
}

QRect onScreen(const QWidget& window) {
    return window.isWindow() ? window.frameGeometry()
                             : QRect(window.mapToGlobal(QPoint(0, 0)), window.size());
}

// A box belongs to the window whose command raised it: centred on the user window, on the
// data window inside the main window, and never hanging past the screen's edge.
TEST(MessageBoxes, AreCentredOnTheWindowThatRaisedThem) {
    Program<app::DialogMessages> program;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget* users = program.app.switcher().loadedWindow(app::WindowId::User);
    users->move(screen.topLeft() + QPoint(10, 20));
    QApplication::processEvents();
    const std::optional<SeenBox> refusal = answerTheBoxOf([&] {
        QTest::mouseClick(program.control<QLabel>(app::WindowId::User, "LblStart"), Qt::LeftButton);
    });
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, QStringLiteral("You did't select the user. Select the user"));
    EXPECT_LE((refusal->frame.center() - users->frameGeometry().center()).manhattanLength(), 4);

    program.start();
    app::MDIForm1& main = *program.app.switcher().mainWindowIfLoaded();
    struct Case {
        const char* where;
        QPoint mainWindowAt;
    };
    for (const Case& c :
         {Case{"on the screen", {12, 8}}, Case{"past the right edge", {screen.width() - 250, 40}},
          Case{"past the bottom edge", {30, screen.height() - 120}}}) {
        SCOPED_TRACE(c.where);
        main.showNormal();
        main.resize(main.minimumSize().expandedTo(QSize(700, 520)));
        main.move(screen.topLeft() + c.mainWindowAt);
        QApplication::processEvents();
        QWidget* dataWindow =
            program.app.switcher().loadedWindow(app::WindowId::TargetValues)->parentWidget();
        const std::optional<SeenBox> box = answerTheBoxOf([&] {
            QTest::mouseClick(program.control<QLabel>(app::WindowId::TargetValues, "LblEdit"),
                              Qt::LeftButton);
        });
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, QStringLiteral("Please Select data in table."));
        EXPECT_TRUE(screen.contains(box->frame))
            << box->frame.x() << "," << box->frame.y() << " " << box->frame.width() << "x"
            << box->frame.height();
        if (screen.contains(onScreen(*dataWindow))) {
            const QPoint centre = onScreen(*dataWindow).center();
            ASSERT_GT((centre - main.frameGeometry().center()).manhattanLength(), 40);
            EXPECT_LE((box->frame.center() - centre).manhattanLength(), 4)
                << box->frame.center().x() << "," << box->frame.center().y() << " vs " << centre.x()
                << "," << centre.y();
        }
    }
}

// A page that cannot be shown is reported with its name and the cause, whichever link the
// person pressed; here no program that could show a page can be found.
TEST(Links, APageNoProgramCanShowIsReportedWithItsNameAndTheCause) {
    Program<testing::ScriptedMessages> program;
    QDir(program.dir.path()).mkdir(QStringLiteral("site"));
    for (const char* page : {"wguide.html", "MirtalHelp.html", "index.html", "diet.html"}) {
        QFile file(program.dir.filePath(QStringLiteral("site/") + QLatin1String(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir noPrograms;
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    qputenv("PATH", noPrograms.path().toLocal8Bit());
    qunsetenv("BROWSER");

    struct Case {
        const char* link;
        const char* page;
        std::function<void()> press;
    };
    const auto main = [&program] { return program.app.switcher().mainWindowIfLoaded(); };
    const auto label = [&program](app::WindowId window, const char* name) {
        program.app.switcher().openWindow(window);
        QTest::mouseClick(program.control<QLabel>(window, name), Qt::LeftButton);
    };
    const Case cases[] = {
        {"home page", "index.html", [&] { label(app::WindowId::User, "LblURL"); }},
        {"Workout Guide", "wguide.html",
         [&] {
             QTest::mouseClick(main()->findChild<QPushButton*>(QStringLiteral("Command1")),
                               Qt::LeftButton);
         }},
        {"One Page Manual", "MirtalHelp.html",
         [&] { main()->findChild<QAction*>(QStringLiteral("Mnu_Manual"))->trigger(); }},
        {"What's this?", "diet.html", [&] { label(app::WindowId::MealEvaluation, "LblURL"); }},
        {"Positive Foods", "diet.html", [&] { label(app::WindowId::MealEvaluation, "LblURL_PF"); }},
    };
    program.start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        program.messages.shown.clear();
        c.press();
        QApplication::processEvents();
        ASSERT_EQ(program.messages.shown.size(), 1);
        const QString page = QDir::toNativeSeparators(
            program.dir.filePath(QStringLiteral("site/") + QLatin1String(c.page)));
        EXPECT_EQ(program.messages.shown[0].text,
                  QStringLiteral("The page %1 cannot be shown: no web browser or other program "
                                 "to open it could be started.")
                      .arg(page));
        EXPECT_EQ(program.messages.shown[0].title, QStringLiteral("Mirtal"));
    }

    program.messages.shown.clear();
    QFile::remove(program.dir.filePath(QStringLiteral("site/diet.html")));
    label(app::WindowId::MealEvaluation, "LblURL_PF");
    EXPECT_EQ(program.messages.texts(),
              QStringList{QStringLiteral("The page %1 cannot be shown: the file is missing.")
                              .arg(QDir::toNativeSeparators(
                                  program.dir.filePath(QStringLiteral("site/diet.html"))))});

    qputenv("PATH", path);
    if (!browser.isEmpty()) {
        qputenv("BROWSER", browser);
    }
}

// Where the desktop opens pages with xdg-open, its answer decides: a page it found no program
// for is reported, one it handed over is not.
TEST(Links, XdgOpensFailureIsReportedAndItsSuccessIsNot) {
    testing::ensureQtApplication();
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("wguide.html"));
    ASSERT_TRUE(QFile(page).open(QIODevice::WriteOnly));
    const QString asked = folder.filePath(QStringLiteral("asked"));
    const QString xdgOpen = folder.filePath(QStringLiteral("xdg-open"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit() + ":/usr/bin:/bin");

    for (const int exitCode : {0, 3, 4}) {
        SCOPED_TRACE(exitCode);
        QFile::remove(asked);
        QFile script(xdgOpen);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                         .arg(asked)
                         .arg(exitCode)
                         .toLocal8Bit());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        testing::ScriptedMessages messages;
        app::DesktopLinkOpener links{messages};
        links.open(QUrl::fromLocalFile(page));
        // The answer comes once xdg-open has ended, a moment after it wrote down the page.
        for (int i = 0; i < 500 && messages.shown.isEmpty() && !QFile::exists(asked); ++i) {
            QTest::qWait(10);
        }
        for (int i = 0; i < (exitCode == 0 ? 30 : 500) && messages.shown.isEmpty(); ++i) {
            QTest::qWait(10);
        }
        QFile written(asked);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QUrl(QString::fromUtf8(written.readAll())).toLocalFile(), page);
        if (exitCode == 0) {
            EXPECT_TRUE(messages.shown.isEmpty());
        } else {
            EXPECT_EQ(messages.texts(),
                      QStringList{QStringLiteral("The page %1 cannot be shown: no web browser or "
                                                 "other program to open it could be started.")
                                      .arg(QDir::toNativeSeparators(page))});
        }
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace mirtal
