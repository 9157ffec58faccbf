#include <QApplication>
#include <QTextStream>

#include "Windows.h"
#include "app/Application.h"
#include "app/AutomaticBackup.h"
#include "app/CommandLine.h"
#include "app/OpeningAhead.h"
#include "app/QuitWhenShown.h"

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Mirtal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MIRTAL_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Work on the terminal needs no display, so it starts no windowing system either.
    if (mirtal::app::asksForTerminalWork(argc, argv)) {
        const QCoreApplication core(argc, argv);
        return mirtal::app::runTerminalWork(QCoreApplication::arguments(),
                                            QCoreApplication::applicationDirPath(), out, err);
    }
    // Wrong arguments are told on the terminal before the windowing system needs a display.
    const std::optional<mirtal::app::WindowStart> start = mirtal::app::windowStart(argc, argv, err);
    if (!start) {
        return 2;
    }
    mirtal::app::OpeningAhead openingAhead;
    QApplication qtApplication(argc, argv);
    // Desktops match the windows to the desktop entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.mirtal.Mirtal"));
    mirtal::app::DialogMessages messages;
    mirtal::app::DesktopLinkOpener links(messages);
    mirtal::app::Application application(QCoreApplication::applicationDirPath(), messages, links);
    mirtal::registerWindows(application.switcher());
    if (!application.start(&openingAhead)) {
        return 1;
    }
    const mirtal::app::AutomaticBackup dailyBackup(QCoreApplication::applicationDirPath(),
                                                   messages);
    if (start->quitWhenShown) {
        // Quitting closes the windows, so the caption is read while the window is there.
        QWidget& userWindow = *application.switcher().loadedWindow(mirtal::app::WindowId::User);
        const QString caption = userWindow.windowTitle();
        const mirtal::app::QuitWhenShown quit(userWindow);
        QApplication::exec();
        if (!quit.shown()) {
            return 1;
        }
        out << caption << '\n';
        return 0;
    }
    return QApplication::exec();
}
