// The floor under the program's start: a bare Qt Widgets window with one label and one text
// field, built like the program and ended the same way, as soon as the window is on screen.
// Built a second time with MIRTAL_BARE_WITH_KEY, it also opens the database in the folder
// given, as the program does: the key derivation begins on a thread before QApplication and
// the window is shown once it is done.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "app/QuitWhenShown.h"

#ifdef MIRTAL_BARE_WITH_KEY
#include <future>

#include "store/ConnectionString.h"
#include "store/Database.h"
#endif

int main(int argc, char** argv) {
#ifdef MIRTAL_BARE_WITH_KEY
    if (argc != 2) {
        return 2;
    }
    const mirtal::store::ConnectionSettings settings =
        mirtal::store::connectionSettingsFor(QString::fromLocal8Bit(argv[1]));
    auto opening = std::async(std::launch::async,
                              [settings] { return mirtal::store::Database::open(settings); });
#endif
    QApplication qtApplication(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("User")));
    layout->addWidget(new QLineEdit);
#ifdef MIRTAL_BARE_WITH_KEY
    const std::unique_ptr<mirtal::store::Database> database = opening.get();
#endif
    window.show();
    const mirtal::app::QuitWhenShown quitWhenShown(window);
    return QApplication::exec();
}
