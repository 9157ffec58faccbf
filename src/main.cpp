#include <QApplication>

#include "Windows.h"
#include "app/Application.h"

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirtal"));
    mirtal::app::DialogMessages messages;
    mirtal::app::DesktopLinkOpener links;
    mirtal::app::Application application(QCoreApplication::applicationDirPath(), messages, links);
    mirtal::registerWindows(application.switcher());
    if (!application.start()) {
        return 1;
    }
    return QApplication::exec();
}
