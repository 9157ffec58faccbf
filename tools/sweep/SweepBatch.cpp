#include "SweepBatch.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <functional>

#include "BatchReport.h"
#include "DeliveredFolder.h"
#include "InputMaker.h"
#include "ProgramHarness.h"
#include "SampleWeek.h"
#include "StoreChecks.h"
#include "Unattended.h"
#include "WidgetDriver.h"
#include "app/Clock.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/ItemList.h"
#include "widgets/NavigationBar.h"

namespace mirtal::sweep {

namespace {

// Answers each question Yes or No at random and keeps every box shown.
class RecordingMessages final : public app::Messages {
  public:
    struct Shown {
        QString text;
        bool question = false;
        bool yes = false;
    };

    explicit RecordingMessages(InputMaker& maker) : maker_(maker) {}

    void inform(const QString& text, const QString&, Icon) override { shown.append({text}); }
    bool ask(const QString& text, const QString&) override {
        const bool yes = maker_.chance(0.5);
        shown.append({text, true, yes});
        return yes;
    }

    QList<Shown> shown;

  private:
    InputMaker& maker_;
};

// The messages that tell of an action done; any other message ends an action that was
// refused or failed, and such an action must leave the file as it was.
bool tellsOfDoneAction(const QString& text) {
    static const QStringList done = {
        QStringLiteral("User has been added."),
        QStringLiteral("Successfully Removed."),
        QStringLiteral("Exercise has been added."),
        QStringLiteral("Selected meal has been added."),
        QStringLiteral("Snacking meal and water is added."),
    };
    return done.contains(text);
}

enum class Kind { Text, Date, Choice, Items };

struct Target {
    QPointer<QWidget> widget;
    Kind kind;
};

struct Command {
    QString name;
    std::function<void()> run;
};

class Batch {
  public:
    Batch(const BatchSettings& settings, QTextStream& out)
        : settings_(settings),
          out_(out),
          maker_(settings.seed),
          messages_(maker_),
          program_(folder_.path(), messages_, links_) {}

    bool run();

  private:
    QWidget* window();
    QList<Target> targets(QWidget* window) const;
    QList<Command> commands(QWidget* window);
    void feed(const Target& target);
    void feedText(QWidget* keys, QWidget* drops, bool menuPaste);
    void moveAround(QWidget* window);
    void runCommand(const Command& command);
    void checkFile(const QString& after);
    void write(const QString& kind, const QStringList& fields);

    BatchSettings settings_;
    QTextStream& out_;
    harness::DeliveredFolder folder_;
    InputMaker maker_;
    RecordingMessages messages_;
    harness::RecordingLinks links_;
    harness::ProgramHarness program_;
    QHash<QString, int> messageCounts_;
    QMap<QString, qint64> broken_;
    QByteArray reference_;
    // The file's digest after the last command, while no input has come since.
    QByteArray digest_;
    int inputs_ = 0;
    int commands_ = 0;
};

void Batch::write(const QString& kind, const QStringList& fields) {
    out_ << reportLine(kind, fields) << '\n';
    out_.flush();
}

bool Batch::run() {
    if (!program_.start()) {
        return false;
    }
    store::Database& db = program_.db();
    tools::addSampleWeek(db);
    reference_ = referenceDigest(db);
    if (settings_.window == app::WindowId::User) {
        program_.session().setCurrentUserId(1);
    } else {
        program_.enterAs(1);
    }
    const QString name = QString::number(app::windowNumber(settings_.window));
    while (inputs_ < settings_.inputs) {
        // One round: every field and list gets an input, then every command runs.
        QList<Target> round = targets(window());
        std::shuffle(round.begin(), round.end(), maker_.engine());
        for (const Target& target : round) {
            if (target.widget && inputs_ < settings_.inputs) {
                feed(target);
                ++inputs_;
            }
        }
        moveAround(window());
        QList<Command> all = commands(window());
        std::shuffle(all.begin(), all.end(), maker_.engine());
        for (const Command& command : all) {
            runCommand(command);
        }
        const QString integrity = integrityCheck(db);
        if (integrity != QStringLiteral("ok")) {
            write(line::integrity, {name, integrity});
        }
    }
    write(line::inputs, {QString::number(inputs_)});
    write(line::commands, {QString::number(commands_)});
    for (auto it = messageCounts_.cbegin(); it != messageCounts_.cend(); ++it) {
        write(line::message, {name, QString::number(it.value()), it.key()});
    }
    return true;
}

// The window under test, opened again when a command closed it (START, the removal of the
// current user).
QWidget* Batch::window() {
    app::WindowSwitcher& switcher = program_.switcher();
    if (!switcher.loadedWindow(settings_.window)) {
        switcher.openWindow(settings_.window);
        QApplication::processEvents();
    }
    return switcher.loadedWindow(settings_.window);
}

QList<Target> Batch::targets(QWidget* window) const {
    QList<Target> found;
    if (!window) {
        return found;
    }
    const auto shown = [window](QWidget* w) { return w->isVisibleTo(window) && w->isEnabled(); };
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        // The fields inside lists and date pickers are fed through their owners.
        QWidget* owner = edit->parentWidget();
        if (shown(edit) && !qobject_cast<QComboBox*>(owner) &&
            !qobject_cast<QAbstractSpinBox*>(owner)) {
            found.append({edit, Kind::Text});
        }
    }
    for (QPlainTextEdit* edit : window->findChildren<QPlainTextEdit*>()) {
        if (shown(edit)) {
            found.append({edit, Kind::Text});
        }
    }
    for (widgets::DatePicker* picker : window->findChildren<widgets::DatePicker*>()) {
        if (shown(picker)) {
            found.append({picker, Kind::Date});
        }
    }
    for (widgets::ChoiceList* list : window->findChildren<widgets::ChoiceList*>()) {
        if (shown(list)) {
            found.append({list, Kind::Choice});
        }
    }
    for (widgets::ItemList* list : window->findChildren<widgets::ItemList*>()) {
        if (shown(list)) {
            found.append({list, Kind::Items});
        }
    }
    return found;
}

// Every command label and button of the window, and the double-click that removes a grid
// row; the navigation bar leads away and printing takes no input, so neither is run.
QList<Command> Batch::commands(QWidget* window) {
    QList<Command> found;
    if (!window) {
        return found;
    }
    QList<widgets::CommandLabel*> bar;
    for (widgets::NavigationBar* navigation : window->findChildren<widgets::NavigationBar*>()) {
        bar << navigation->labels();
    }
    for (widgets::CommandLabel* label : window->findChildren<widgets::CommandLabel*>()) {
        if (label->isVisibleTo(window) && !bar.contains(label) &&
            label->objectName() != QStringLiteral("LblPrint")) {
            QPointer<widgets::CommandLabel> alive(label);
            found.append({label->objectName(), [alive] {
                              if (alive) {
                                  click(alive);
                              }
                          }});
        }
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isVisibleTo(window) && button->isEnabled()) {
            QPointer<QPushButton> alive(button);
            found.append({button->objectName(), [alive] {
                              if (alive) {
                                  click(alive);
                              }
                          }});
        }
    }
    for (widgets::Grid* grid : window->findChildren<widgets::Grid*>()) {
        if (grid->isVisibleTo(window) && grid->rows() > 1) {
            QPointer<widgets::Grid> alive(grid);
            const int row = 1 + maker_.below(grid->rows() - 1);
            found.append({grid->objectName() + QStringLiteral(" double-click"), [alive, row] {
                              if (alive && row < alive->rows()) {
                                  doubleClickCell(alive, row, 2);
                              }
                          }});
        }
    }
    return found;
}

void Batch::feedText(QWidget* keys, QWidget* drops, bool menuPaste) {
    if (maker_.chance(0.6)) {
        pressKey(keys, Qt::Key_A, Qt::ControlModifier);
    }
    if (maker_.chance(0.15)) {
        const EditKey key = maker_.editKey();
        pressKey(keys, key.key, key.modifiers);
        return;
    }
    switch (maker_.delivery()) {
        case Delivery::Typed:
            typeText(keys, maker_.typedText());
            break;
        case Delivery::MenuPasted:
            if (menuPaste) {
                menuPasteText(keys, maker_.text());
                break;
            }
            [[fallthrough]];
        case Delivery::Pasted:
            pasteText(keys, maker_.text());
            break;
        case Delivery::Dropped:
            if (drops) {
                dropText(drops, maker_.text());
            }
            break;
    }
}

void Batch::feed(const Target& target) {
    digest_.clear();  // Enter in a field can run its window's action
    QWidget* widget = target.widget;
    switch (target.kind) {
        case Kind::Text: {
            auto* plain = qobject_cast<QPlainTextEdit*>(widget);
            feedText(widget, plain ? plain->viewport() : widget, true);
            break;
        }
        case Kind::Date: {
            auto* picker = static_cast<widgets::DatePicker*>(widget);
            if (maker_.chance(0.25)) {
                pickDay(picker, app::Clock::today().addDays(maker_.below(60) - 40));
            } else {
                // The picker's own context menu waits in a loop of its own: pasted with keys.
                feedText(picker, picker->findChild<QLineEdit*>(), false);
            }
            break;
        }
        case Kind::Choice: {
            auto* list = static_cast<widgets::ChoiceList*>(widget);
            if (maker_.chance(0.5)) {
                pickEntry(list, maker_.below(list->count() + 1));
            } else {
                feedText(list, list->lineEdit(), false);
            }
            break;
        }
        case Kind::Items: {
            auto* list = static_cast<widgets::ItemList*>(widget);
            if (maker_.chance(0.5)) {
                clickEntry(list, maker_.below(list->count() + 1));
            } else {
                feedText(list, list->viewport(), false);
            }
            break;
        }
    }
    closePopups();
    QApplication::processEvents();
}

// Between the inputs and the commands a person picks a grid row and ticks boxes.
void Batch::moveAround(QWidget* window) {
    if (!window) {
        return;
    }
    for (widgets::Grid* grid : window->findChildren<widgets::Grid*>()) {
        if (grid->isVisibleTo(window) && grid->rows() > 1 && maker_.chance(0.6)) {
            const int columns = grid->model()->columnCount();
            clickCell(grid, 1 + maker_.below(grid->rows() - 1),
                      2 + maker_.below(std::max(1, columns - 2)));
        }
    }
    QPointer<QWidget> alive(window);
    for (QAbstractButton* box : window->findChildren<QAbstractButton*>()) {
        if (!alive) {
            return;
        }
        const bool toggles = qobject_cast<QCheckBox*>(box) || qobject_cast<QRadioButton*>(box);
        if (toggles && box->isVisibleTo(window) && box->isEnabled() && maker_.chance(0.3)) {
            runCommand({box->objectName(), [box = QPointer<QAbstractButton>(box)] {
                            if (box) {
                                click(box);
                            }
                        }});
        }
    }
}

void Batch::runCommand(const Command& command) {
    closePopups();
    store::Database& db = program_.db();
    const QByteArray before = digest_.isEmpty() ? contentDigest(db) : digest_;
    const qsizetype first = messages_.shown.size();
    command.run();
    QApplication::processEvents();
    ++commands_;

    bool yes = false;
    bool refused = false;
    QStringList texts;
    for (qsizetype i = first; i < messages_.shown.size(); ++i) {
        const RecordingMessages::Shown& shown = messages_.shown[i];
        ++messageCounts_[shown.text];
        texts << shown.text;
        yes = yes || (shown.question && shown.yes);
        refused = refused || (shown.question ? !shown.yes : !tellsOfDoneAction(shown.text));
    }
    digest_ = contentDigest(db);
    if (digest_ == before) {
        return;
    }
    const QString name = QString::number(app::windowNumber(settings_.window));
    if (refused && !yes) {
        write(line::refusedWrite, {name, command.name, texts.join(QStringLiteral(" | "))});
    }
    checkFile(command.name);
}

void Batch::checkFile(const QString& after) {
    store::Database& db = program_.db();
    const QString name = QString::number(app::windowNumber(settings_.window));
    const QMap<QString, qint64> broken = brokenRows(db);
    for (auto it = broken.cbegin(); it != broken.cend(); ++it) {
        if (it.value() > broken_.value(it.key())) {
            write(line::brokenRow,
                  {name, after, it.key(), QString::number(it.value() - broken_.value(it.key()))});
        }
    }
    broken_ = broken;
    if (referenceDigest(db) != reference_) {
        write(line::reference, {name, after});
        reference_ = referenceDigest(db);
    }
}

}  // namespace

bool runBatch(const BatchSettings& settings, QTextStream& out) {
    Batch batch(settings, out);
    return batch.run();
}

}  // namespace mirtal::sweep
