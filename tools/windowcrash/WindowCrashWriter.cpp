// The program itself, driven through its windows by a script with nobody at the screen, for
// the window crash loop that kills it at random moments. It adds users, removes users with
// their entries, and submits catalogue, exercise, progress, target, meal, snacking and water
// entries, and says on its standard output what it did:
//   B <what>                  an action begins
//   A <user> <table> <where>  the window told of the action's success: from now on the file
//                             holds a row of <table> for that user that matches <where>
//   R <user>                  the user window said the user was removed
// The windows that show no message when they succeed (the exercise and progress logs, the
// target values) tell of it by showing the new entry in their grid: acknowledged then.
//
//   mirtal-window-crash-writer FOLDER SEED
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>
#include <random>

#include "ProgramHarness.h"
#include "Unattended.h"
#include "WidgetDriver.h"
#include "store/DateText.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/ItemList.h"

namespace {

using namespace mirtal;
using app::WindowId;

// Each line goes out whole with one write, so a kill never leaves half a line.
void say(const QString& line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), static_cast<size_t>(bytes.size())) < 0) {
        std::perror("write");
    }
}

// Answers Yes to every question (the removal's "Are you sure?") and keeps the last message.
class WatchedMessages final : public app::Messages {
  public:
    void inform(const QString& text, const QString&, Icon) override { shown << text; }
    bool ask(const QString&, const QString&) override { return true; }

    // The messages shown since the last call.
    QStringList take() { return std::exchange(shown, {}); }

  private:
    QStringList shown;
};

QString dayText(QDate day) {
    return day.toString(Qt::ISODate);
}

class Script {
  public:
    Script(const QString& folder, unsigned seed)
        : program_(folder, messages_, links_), random_(seed), seed_(seed) {}

    bool start() { return program_.start(); }

    // Users are added before any is removed: a key freed by a removal is taken by the next
    // user added, and the loop tells the two apart by the run they happened in.
    void run() {
        if (chance(0.6)) {
            addUser();
        }
        if (chance(0.4)) {
            removeUser();
        }
        if (!startAsSomeone()) {
            return;
        }
        for (;;) {
            switch (pick(6)) {
                case 0:
                    addCatalogueExercise();
                    break;
                case 1:
                    logExercise();
                    break;
                case 2:
                    submitProgress();
                    break;
                case 3:
                    submitTargets();
                    break;
                case 4:
                    submitSnackingAndWater();
                    break;
                default:
                    submitMeal();
            }
        }
    }

  private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int pick(int count) { return std::uniform_int_distribution(0, count - 1)(random_); }
    QDate someDay() { return QDate(2026, 1, 1).addDays(pick(60)); }

    template <class T>
    T* control(WindowId window, const char* name) {
        return program_.control<T>(window, name);
    }
    // Clicks the label, then lets the events it caused run, as the program's event loop
    // would before the next click: closed windows go, the windows shown are painted.
    void click(WindowId window, const char* label) {
        sweep::click(control<widgets::CommandLabel>(window, label));
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void type(QLineEdit* field, const QString& text) {
        field->clear();
        sweep::typeText(field, text);
    }

    void addUser() {
        const QString name = QStringLiteral("P%1-%2").arg(seed_).arg(++added_);
        say(QStringLiteral("B add user %1").arg(name));
        type(control<QLineEdit>(WindowId::User, "TxtUser"), name);
        messages_.take();
        click(WindowId::User, "LblAdd");
        if (messages_.take() == QStringList{QStringLiteral("User has been added.")}) {
            const QString id = program_.db()
                                   .selectNative("SELECT UserID FROM User1 WHERE UserName = '" +
                                                 name.toStdString() + "'")
                                   .field(0)
                                   .toString();
            say(QStringLiteral("A %1 User1 UserName='%2'").arg(id, name));
        }
    }

    // Removes one of the users that have the most entries, so that removals take rows out
    // of every table.
    void removeUser() {
        auto* users = control<widgets::ChoiceList>(WindowId::User, "CmbUser");
        users->showPopup();
        sweep::closePopups();
        if (users->count() < 2) {
            return;
        }
        const int row = pick(static_cast<int>(users->count()));
        const QString id = users->itemData(row).toString();
        sweep::pickEntry(users, row);
        say(QStringLiteral("B remove %1").arg(id));
        messages_.take();
        click(WindowId::User, "LblDelete");
        if (messages_.take().contains(QStringLiteral("Successfully Removed."))) {
            say(QStringLiteral("R %1").arg(id));
        }
    }

    bool startAsSomeone() {
        auto* users = control<widgets::ChoiceList>(WindowId::User, "CmbUser");
        users->showPopup();
        sweep::closePopups();
        if (users->count() == 0) {
            return false;
        }
        const int row = pick(static_cast<int>(users->count()));
        user_ = users->itemData(row).toString();
        sweep::pickEntry(users, row);
        click(WindowId::User, "LblStart");
        return program_.switcher().loadedWindow(WindowId::User) == nullptr;
    }

    void open(WindowId window) { program_.switcher().openWindow(window); }

    void addCatalogueExercise() {
        open(WindowId::ExerciseCatalogue);
        const QString name = QStringLiteral("E%1-%2").arg(seed_).arg(++added_);
        say(QStringLiteral("B catalogue %1").arg(name));
        sweep::pickEntry(control<widgets::ChoiceList>(WindowId::ExerciseCatalogue, "CmbIntensity"),
                         pick(3));
        type(control<QLineEdit>(WindowId::ExerciseCatalogue, "TxtName"), name);
        messages_.take();
        click(WindowId::ExerciseCatalogue, "LblAdd");
        if (messages_.take().contains(QStringLiteral("Exercise has been added."))) {
            say(QStringLiteral("A %1 SetExercise ExerciseName='%2'").arg(user_, name));
        }
    }

    void logExercise() {
        open(WindowId::DailyExercise);
        const QDate day = someDay();
        sweep::pickDay(control<widgets::DatePicker>(WindowId::DailyExercise, "DTPicker1"), day);
        const char* lists[] = {"ListLight", "ListModerate", "ListDifficult"};
        auto* list = control<widgets::ItemList>(WindowId::DailyExercise, lists[pick(3)]);
        if (list->count() == 0) {
            return;
        }
        sweep::clickEntry(list, pick(static_cast<int>(list->count())));
        type(control<QLineEdit>(WindowId::DailyExercise, "TxtCount"), QString::number(1 + pick(9)));
        auto* grid = control<widgets::Grid>(WindowId::DailyExercise, "MSHFlexGrid1");
        const int rowsBefore = grid->rows();
        say(QStringLiteral("B exercise %1").arg(dayText(day)));
        messages_.take();
        click(WindowId::DailyExercise, "LblOK");
        if (messages_.take().isEmpty() && grid->rows() > rowsBefore) {
            say(QStringLiteral("A %1 Exercise ExcerciseDate='%2'").arg(user_, dayText(day)));
        }
    }

    void submitProgress() {
        open(WindowId::ProgressLog);
        const QDate day = someDay();
        sweep::pickDay(control<widgets::DatePicker>(WindowId::ProgressLog, "DTPicker1"), day);
        type(control<QLineEdit>(WindowId::ProgressLog, "TxtPulse"), QString::number(50 + pick(40)));
        type(control<QLineEdit>(WindowId::ProgressLog, "TxtWeight"),
             QStringLiteral("%1.%2").arg(60 + pick(40)).arg(pick(10)));
        sweep::pickEntry(control<widgets::ChoiceList>(WindowId::ProgressLog, "CmbMorale"), pick(5));
        say(QStringLiteral("B progress %1").arg(dayText(day)));
        messages_.take();
        click(WindowId::ProgressLog, "LblAdd");
        auto* grid = control<widgets::Grid>(WindowId::ProgressLog, "MSHFlexGrid1");
        bool shown = false;
        for (int row = 1; row < grid->rows(); ++row) {
            shown = shown || grid->textMatrix(row, 2) == store::DateText::dayText(day);
        }
        if (messages_.take().isEmpty() && shown) {
            say(QStringLiteral("A %1 PulseWeight Date1='%2'").arg(user_, dayText(day)));
        }
    }

    void submitMeal() {
        open(WindowId::MealEvaluation);
        const QDate day = someDay();
        sweep::pickDay(control<widgets::DatePicker>(WindowId::MealEvaluation, "DTPicker1"), day);
        const char* meals[] = {"OptBreakfast", "OptLunch", "OptDinner"};
        const char* codes[] = {"1B", "2L", "3D"};
        const int meal = pick(3);
        sweep::click(control<QRadioButton>(WindowId::MealEvaluation, meals[meal]));
        for (const char* name : {"CmbFatIntake", "CmbFastSugarIntake", "CmbFiberIntake",
                                 "CmbOverallQuantity", "CmbPositiveFoods"}) {
            auto* list = control<widgets::ChoiceList>(WindowId::MealEvaluation, name);
            // Opened once to be filled, so that an entry can be chosen among those listed.
            list->showPopup();
            sweep::closePopups();
            sweep::pickEntry(list, pick(std::max(1, static_cast<int>(list->count()))));
        }
        say(QStringLiteral("B meal %1 %2").arg(dayText(day), QLatin1String(codes[meal])));
        messages_.take();
        click(WindowId::MealEvaluation, "LblDailyMeal");
        if (messages_.take().contains(QStringLiteral("Selected meal has been added."))) {
            say(QStringLiteral("A %1 DailyMealInput MealDate='%2' AND MealType='%3'")
                    .arg(user_, dayText(day), QLatin1String(codes[meal])));
        }
    }

    void submitTargets() {
        open(WindowId::TargetValues);
        const QDate start = someDay();
        sweep::pickDay(control<widgets::DatePicker>(WindowId::TargetValues, "DTPicker1"), start);
        sweep::pickDay(control<widgets::DatePicker>(WindowId::TargetValues, "DTPicker2"),
                       start.addDays(90));
        type(control<QLineEdit>(WindowId::TargetValues, "TxtPulse"),
             QString::number(50 + pick(20)));
        type(control<QLineEdit>(WindowId::TargetValues, "TxtWeight"),
             QString::number(60 + pick(20)));
        auto* grid = control<widgets::Grid>(WindowId::TargetValues, "MSHFlexGrid1");
        say(QStringLiteral("B targets"));
        messages_.take();
        click(WindowId::TargetValues, "LblAdd");
        if (messages_.take().isEmpty() && grid->rows() > 1) {
            say(QStringLiteral("A %1 PulseWeightTarget").arg(user_));
        }
    }

    void submitSnackingAndWater() {
        open(WindowId::MealEvaluation);
        const QDate day = someDay();
        sweep::pickDay(control<widgets::DatePicker>(WindowId::MealEvaluation, "DTPicker1"), day);
        for (const char* name : {"CmbSnacking", "CmbWater"}) {
            auto* list = control<widgets::ChoiceList>(WindowId::MealEvaluation, name);
            list->showPopup();
            sweep::closePopups();
            sweep::pickEntry(list, pick(std::max(1, static_cast<int>(list->count()))));
        }
        say(QStringLiteral("B snacking %1").arg(dayText(day)));
        messages_.take();
        click(WindowId::MealEvaluation, "LblSnack");
        if (messages_.take().contains(QStringLiteral("Snacking meal and water is added."))) {
            say(QStringLiteral("A %1 DailySnackingInput MealDate='%2'").arg(user_, dayText(day)));
        }
    }

    WatchedMessages messages_;
    harness::RecordingLinks links_;
    harness::ProgramHarness program_;
    std::mt19937 random_;
    unsigned seed_;
    int added_ = 0;
    QString user_;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mirtal-window-crash-writer FOLDER SEED\n");
        return 2;
    }
    Script script(QString::fromLocal8Bit(argv[1]),
                  static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
    if (!script.start()) {
        return 3;
    }
    script.run();
    // Without a user to work as (none added yet), the run waits for its kill like any other.
    for (;;) {
        ::pause();
    }
}
