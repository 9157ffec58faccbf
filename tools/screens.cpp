// Saves a picture of each window of the program, started on a fresh database with one user
// and a week of that user's entries, into the folder given; for looking at layouts without a
// display.
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "DeliveredFolder.h"
#include "ProgramHarness.h"
#include "SampleWeek.h"
#include "Unattended.h"
#include "app/AutomaticBackup.h"
#include "app/HelpTexts.h"
#include "store/BackupSchedule.h"
#include "store/Database.h"
#include "store/DateText.h"
#include "store/StoreError.h"
#include "widgets/CommandLabel.h"

namespace {

using mirtal::harness::control;

// A weight on most of the 120 days before the sample week, drifting down from 86 kg with the
// swings of a bathroom scale.
void addWeightHistory(mirtal::store::Database& db) {
    const QDate today = QDate::currentDate();
    for (int back = 120; back > 6; --back) {
        if (back % 5 == 0) {
            continue;
        }
        const double weight = 86 - (120 - back) * 0.03 + ((back * 7) % 5 - 2) * 0.3;
        db.execute(QStringLiteral("Insert Into PulseWeight Values(%1, 1, '%2', 64, %3, 'Good')")
                       .arg(QString::number(1000 + back),
                            mirtal::store::DateText::shortDate(today.addDays(-back)),
                            QString::number(weight, 'f', 1)));
    }
}

void save(QWidget* window, const QString& file) {
    QApplication::processEvents();
    window->grab().save(file);
}

// Saves the next message box that opens and answers it with OK; false when none opens within
// a few seconds.
bool saveNextMessageBox(const QString& file) {
    QEventLoop loop;
    QTimer poll;
    bool saved = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        poll.stop();
        save(box, file);
        saved = true;
        box->button(QMessageBox::Ok)->click();
        loop.quit();
    });
    poll.start(20);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return saved;
}

// The box that tells, at the next start, of a daily copy that failed: here because the
// backups folder is a file.
bool saveBackupFailure(const mirtal::harness::DeliveredFolder& folder, QWidget* owner,
                       const QString& file) {
    QFile blocking(mirtal::store::backupsFolderOf(folder.file()));
    if (!blocking.open(QIODevice::WriteOnly)) {
        return false;
    }
    blocking.close();
    try {
        mirtal::store::writeDailyBackup(mirtal::store::connectionSettingsFor(folder.path()),
                                        QDate::currentDate());
        return false;
    } catch (const mirtal::store::StoreError& error) {
        mirtal::store::noteBackupFailure(folder.file(), error.description());
    }
    mirtal::app::DialogMessages boxes;
    boxes.setOwner([owner] { return owner; });
    const mirtal::app::AutomaticBackup backup(folder.path(), boxes);
    return saveNextMessageBox(file);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const mirtal::harness::DeliveredFolder folder;
    mirtal::harness::SilentMessages messages;
    mirtal::harness::RecordingLinks links;
    mirtal::harness::ProgramHarness program(folder.path(), messages, links);
    if (!program.start()) {
        return 1;
    }
    mirtal::tools::addSampleWeek(program.db());
    program.session().setCurrentUserId(1);
    save(program.switcher().loadedWindow(mirtal::app::WindowId::User),
         out.filePath(QStringLiteral("Form1.png")));

    mirtal::app::WindowSwitcher& switcher = program.switcher();
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
            emit control<mirtal::widgets::CommandLabel>(window, "LblViewOthers")->clicked();
            auto* size = control<QPushButton>(window, "Command2");
            size->click();
            save(window, out.filePath(QStringLiteral("frmReportMeal-large.png")));
            size->click();
        }
        save(window, out.filePath(window->objectName() + QStringLiteral(".png")));
        if (id == WindowId::Reports) {
            // The weight report with its trend.
            control<QRadioButton>(window, "OptWeight")->click();
            emit control<mirtal::widgets::CommandLabel>(window, "LblViewOthers")->clicked();
            control<QAction>(window, "showTrend")->trigger();
            save(window, out.filePath(QStringLiteral("frmReportMeal-trend.png")));
        }
    }
    const mirtal::app::HelpText help = mirtal::app::helpText(mirtal::app::WindowId::TargetValues);
    switcher.showHelp(help.title, help.text);
    save(switcher.mainWindowIfLoaded(), out.filePath(QStringLiteral("MDIForm1.png")));

    // A range without entries: the note in place of the plot.
    QWidget* reports = switcher.loadedWindow(WindowId::Reports);
    control<QDateEdit>(reports, "DTPicker1")->setDate(QDate(2030, 1, 1));
    control<QDateEdit>(reports, "DTPicker2")->setDate(QDate(2030, 1, 31));
    emit control<mirtal::widgets::CommandLabel>(reports, "LblViewExercise")->clicked();
    save(reports, out.filePath(QStringLiteral("frmReportMeal-empty.png")));

    // Four months of weight before the week: the trend against the plan, by day and by week,
    // and the summary of the range.
    addWeightHistory(program.db());
    control<QDateEdit>(reports, "DTPicker1")->setDate(QDate::currentDate().addDays(-120));
    control<QDateEdit>(reports, "DTPicker2")->setDate(QDate::currentDate());
    emit control<mirtal::widgets::CommandLabel>(reports, "LblViewOthers")->clicked();
    control<QAction>(reports, "showPlan")->trigger();
    save(reports, out.filePath(QStringLiteral("frmReportMeal-plan.png")));
    control<QAction>(reports, "showWeeks")->trigger();
    save(reports, out.filePath(QStringLiteral("frmReportMeal-plan-weekly.png")));
    control<QAction>(reports, "showSummary")->trigger();
    save(reports->findChild<QWidget*>(QStringLiteral("ChartSummary")),
         out.filePath(QStringLiteral("ChartSummary.png")));
    // Pulse, whose line says "beats a minute".
    control<QAction>(reports, "showDays")->trigger();
    control<QRadioButton>(reports, "OptPulse")->click();
    emit control<mirtal::widgets::CommandLabel>(reports, "LblViewOthers")->clicked();
    save(reports, out.filePath(QStringLiteral("frmReportMeal-plan-pulse.png")));

    return saveBackupFailure(folder, switcher.mainWindowIfLoaded(),
                             out.filePath(QStringLiteral("BackupFailed.png")))
               ? 0
               : 1;
}
