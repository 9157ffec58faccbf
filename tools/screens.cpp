// Saves a picture of each window of the program, started on a fresh database with one user
// and a week of that user's entries, into the folder given; for looking at layouts without a
// display.
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "Windows.h"
#include "app/Application.h"
#include "app/HelpTexts.h"
#include "app/Messages.h"
#include "store/DateText.h"
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

// The last seven days of user 1: a catalogue, exercises, meals, snacking and progress.
void addSampleWeek(mirtal::store::Database& db) {
    using mirtal::store::DateText;
    const QDate today = QDate::currentDate();
    const QString start = DateText::shortDate(today.addDays(-6));
    db.execute(QStringLiteral("Insert Into PulseWeightTarget Values( 1, 1, '%1', '%2', 62, 78.5)")
                   .arg(start, DateText::shortDate(today.addDays(60))));
    const char* const catalogue[] = {
        "Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')",
        "Insert Into SetExercise Values(2, 1, 'Brisk walk', 'Light', '30 minutes outdoors')",
        "Insert Into SetExercise Values(3, 1, 'Push-ups', 'Moderate', 'Sets of ten')",
        "Insert Into SetExercise Values(4, 1, 'Hill running', 'Difficult', 'Five hill repeats')",
        "Insert Into SetExercise Values(5, 1, 'Stretching', 'Light', 'Ten minutes after waking')",
    };
    for (const char* statement : catalogue) {
        db.execute(QString::fromLatin1(statement));
    }
    const QString morale[] = {QStringLiteral("Good"), QStringLiteral("Average"),
                              QStringLiteral("Excellent")};
    int key = 1;
    for (int back = 6; back >= 0; --back, ++key) {
        const QString day =
            QStringLiteral("'") + DateText::shortDate(today.addDays(-back)) + QStringLiteral("'");
        const QString k = QString::number(key);
        db.execute(QStringLiteral("Insert Into PulseWeight Values(%1, 1, %2, %3, %4, '%5')")
                       .arg(k, day, QString::number(66 - key / 2),
                            QString::number(82.4 - key * 0.3, 'f', 1), morale[key % 3]));
        db.execute(
            QStringLiteral("Insert Into DailySnackingInput Values(%1, 1, %2, %3, %4)")
                .arg(k, day, QString::number(key % 2 ? 2 : 0), QString::number(key % 3 ? 2 : 4)));
        db.execute(QStringLiteral("Insert Into Exercise Values(%1, 1, %2, %3, %4)")
                       .arg(QString::number(2 * key - 1), QString::number(2 + key % 3), day,
                            QString::number(key % 4 + 1)));
        db.execute(QStringLiteral("Insert Into Exercise Values(%1, 1, 5, %2, 1)")
                       .arg(QString::number(2 * key), day));
        db.execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '1B', 0, 3, 1, "
                                  "1, 3, 2, 3, 1, 0)")
                       .arg(QString::number(3 * key - 2), day));
        db.execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '2L', 0, 1, -1, "
                                  "3, 0, 3, 0, 1, 5)")
                       .arg(QString::number(3 * key - 1), day));
        db.execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '3D', %3)")
                       .arg(QString::number(3 * key), day,
                            key % 4 ? QStringLiteral("0, -2, -3, 1, -3, 0, 3, 1, 5")
                                    : QStringLiteral("-8, 0, 0, 0, 0, 0, 0, 0, 0")));
    }
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
    db.execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    addSampleWeek(db);
    app.session().setCurrentUserId(1);
    save(app.switcher().loadedWindow(1), out.filePath(QStringLiteral("Form1.png")));

    mirtal::app::WindowSwitcher& switcher = app.switcher();
    switcher.showStartWindow();
    switcher.mainWindowIfLoaded()->resize(1280, 900);
    for (const int number : {6, 2, 3, 4, 5, 7}) {
        switcher.openWindow(number);
        QWidget* window = switcher.loadedWindow(number);
        if (number == 7) {
            // The report window with a chart in it, small and then large.
            emit window->findChild<mirtal::widgets::CommandLabel*>(QStringLiteral("LblViewOthers"))
                ->clicked();
            auto* size = window->findChild<QPushButton*>(QStringLiteral("Command2"));
            size->click();
            save(window, out.filePath(QStringLiteral("frmReportMeal-large.png")));
            size->click();
        }
        save(window, out.filePath(window->objectName() + QStringLiteral(".png")));
        if (number == 7) {
            // The weight report with its trend.
            window->findChild<QRadioButton*>(QStringLiteral("OptWeight"))->click();
            emit window->findChild<mirtal::widgets::CommandLabel*>(QStringLiteral("LblViewOthers"))
                ->clicked();
            window->findChild<QAction*>(QStringLiteral("showTrend"))->trigger();
            save(window, out.filePath(QStringLiteral("frmReportMeal-trend.png")));
        }
    }
    const mirtal::app::HelpText help = mirtal::app::helpText(6);
    switcher.showHelp(help.title, help.text);
    save(switcher.mainWindowIfLoaded(), out.filePath(QStringLiteral("MDIForm1.png")));
    return 0;
}
