// Starts the program as main() does, on the database in the folder given, and ends as soon
// as the user window has been exposed on screen and its first paint has run.
#include <QApplication>
#include <QEvent>
#include <QWindow>

#include "Windows.h"
#include "app/Application.h"

namespace {

class QuitWhenExposed final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            // The paint that the exposure asks for is queued before this quit.
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    if (argc != 2) {
        return 2;
    }
    mirtal::app::DialogMessages messages;
    mirtal::app::DesktopLinkOpener links;
    mirtal::app::Application application(QString::fromLocal8Bit(argv[1]), messages, links);
    mirtal::registerWindows(application.switcher());
    QuitWhenExposed quitWhenExposed;
    if (!application.start()) {
        return 1;
    }
    application.switcher().loadedWindow(1)->windowHandle()->installEventFilter(&quitWhenExposed);
    return QApplication::exec();
}
