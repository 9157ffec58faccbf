// Saves a picture of each window of the program, started on a fresh database with one user
// and a week of that user's entries, into the folder given; for looking at layouts without a
// display.
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "SampleWeek.h"
#include "Windows.h"
#include "app/Application.h"
#include "app/HelpTexts.h"
#include "app/Messages.h"
#include "store/schema/DeliveredDatabase.h"
#include "widgets/CommandLabel.h"

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
    mirtal::store::Database& db = app.session().db();
    mirtal::tools::addSampleWeek(db);
    app.session().setCurrentUserId(1);
    save(app.switcher().loadedWindow(mirtal::app::WindowId::User),
         out.filePath(QStringLiteral("Form1.png")));

    mirtal::app::WindowSwitcher& switcher = app.switcher();
    switcher.showStartWindow();
    switcher.mainWindowIfLoaded()->resize(1280, 900);
    using mirtal::app::WindowId;
    for (const WindowId id :
         {WindowId::TargetValues, WindowId::ExerciseCatalogue, WindowId::DailyExercise,
          WindowId::ProgressLog, WindowId::MealEvaluation, WindowId::Reports}) {
        switcher.openWindow(id);
        QWidget* window = switcher.loadedWindow(id);
        if (id == WindowId::Reports) {
            // The report window with a chart in it, small and then large.
            emit window->findChild<mirtal::widgets::CommandLabel*>(QStringLiteral("LblViewOthers"))
                ->clicked();
            auto* size = window->findChild<QPushButton*>(QStringLiteral("Command2"));
            size->click();
            save(window, out.filePath(QStringLiteral("frmReportMeal-large.png")));
            size->click();
        }
        save(window, out.filePath(window->objectName() + QStringLiteral(".png")));
        if (id == WindowId::Reports) {
            // The weight report with its trend.
            window->findChild<QRadioButton*>(QStringLiteral("OptWeight"))->click();
            emit window->findChild<mirtal::widgets::CommandLabel*>(QStringLiteral("LblViewOthers"))
                ->clicked();
            window->findChild<QAction*>(QStringLiteral("showTrend"))->trigger();
            save(window, out.filePath(QStringLiteral("frmReportMeal-trend.png")));
            // A range without entries: the note in place of the plot.
            window->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(QDate(2030, 1, 1));
            window->findChild<QDateEdit*>(QStringLiteral("DTPicker2"))->setDate(QDate(2030, 1, 31));
            emit window
                ->findChild<mirtal::widgets::CommandLabel*>(QStringLiteral("LblViewExercise"))
                ->clicked();
            save(window, out.filePath(QStringLiteral("frmReportMeal-empty.png")));
        }
    }
    const mirtal::app::HelpText help = mirtal::app::helpText(mirtal::app::WindowId::TargetValues);
    switcher.showHelp(help.title, help.text);
    save(switcher.mainWindowIfLoaded(), out.filePath(QStringLiteral("MDIForm1.png")));
    return 0;
}
