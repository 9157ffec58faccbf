// Saves a picture of each window of the program, started on a fresh database with one
// user, into the folder given; for looking at layouts without a display.
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>

#include "Windows.h"
#include "app/Application.h"
#include "app/HelpTexts.h"
#include "app/Messages.h"
#include "store/schema/DeliveredDatabase.h"

namespace {

class SilentMessages final : public mirtal::app::Messages {
  public:
    void inform(const QString&, const QString&, Icon) override {}
    bool ask(const QString&, const QString&) override { return false; }
};

class NoLinks final : public mirtal::app::LinkOpener {
  public:
    void open(const QUrl&) override {}
};

void save(QWidget* window, const QString& file) {
    QApplication::processEvents();
    window->grab().save(file);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QTemporaryDir dir;
    mirtal::store::createDeliveredDatabase(dir.filePath(QStringLiteral("Mirtal.mdb")));
    SilentMessages messages;
    NoLinks links;
    mirtal::app::Application app(dir.path(), messages, links);
    mirtal::registerWindows(app.switcher());
    if (!app.start()) {
        return 1;
    }
    app.session().db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    app.session().setCurrentUserId(1);
    save(app.switcher().loadedWindow(1), out.filePath(QStringLiteral("Form1.png")));

    mirtal::app::WindowSwitcher& switcher = app.switcher();
    switcher.showStartWindow();
    const mirtal::app::HelpText help = mirtal::app::helpText(6);
    switcher.showHelp(help.title, help.text);
    switcher.mainWindowIfLoaded()->resize(1000, 720);
    save(switcher.mainWindowIfLoaded(), out.filePath(QStringLiteral("MDIForm1.png")));
    return 0;
}
