// Starts the program as main() does, on the database in the folder given, and ends as soon
// as the user window has been exposed on screen and its first paint has run.
#include <QApplication>

#include "Windows.h"
#include "app/Application.h"
#include "app/QuitWhenShown.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    mirtal::app::OpeningAhead openingAhead(folder);
    QApplication qtApplication(argc, argv);
    mirtal::app::DialogMessages messages;
    mirtal::app::DesktopLinkOpener links(messages);
    mirtal::app::Application application(folder, messages, links);
    mirtal::registerWindows(application.switcher());
    if (!application.start(&openingAhead)) {
        return 1;
    }
    const mirtal::app::QuitWhenShown quitWhenShown(
        *application.switcher().loadedWindow(mirtal::app::WindowId::User));
    return QApplication::exec();
}
