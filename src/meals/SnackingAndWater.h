#pragma once

#include <QGroupBox>
#include <QList>
#include <functional>

class QLineEdit;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::store {
class Database;
}

namespace mirtal::widgets {
class ChoiceList;
class CommandLabel;
class DatePicker;
}  // namespace mirtal::widgets

namespace mirtal::meals {

class MealPointList;
class ScoreLookup;

// The meal window's frame for the day's snacking and water: one entry per user and day with
// a snacking score and a water score, added, changed and removed here. The frame shows the
// entry of the day that the window last reloaded.
class SnackingAndWater : public QGroupBox {
    Q_OBJECT
  public:
    // day is the window's date picker; refresh reloads the whole window after each command.
    SnackingAndWater(app::WindowSwitcher& switcher, ScoreLookup& lookup,
                     const widgets::DatePicker* day, std::function<void()> refresh,
                     QWidget* parent);

    // Shows the day's stored entry: its scores and the choices that have these scores. A day
    // without an entry shows "0" for both scores, and a choice only when it is the one choice
    // of its category that scores 0. Throws StoreError.
    void reload();

    // The scores shown, as the statements take them.
    QString snackingScore() const;
    QString waterScore() const;
    // Drops the key of the entry shown, so that DELETE refuses until the next reload.
    void forgetShownEntry();
    // The frame's controls in the order a person reads them.
    QList<QWidget*> readingOrder() const;

  private slots:
    void add();
    void update();
    void remove();

  private:
    widgets::ChoiceList* CmbSnacking;
    QLineEdit* TxtScore6;
    widgets::ChoiceList* CmbWater;
    QLineEdit* TxtScore7;
    // The key of the shown day's entry; empty when the day has no single entry.
    QLineEdit* TxtHidID2;
    widgets::CommandLabel* LblSnack;
    widgets::CommandLabel* LblEdit;
    widgets::CommandLabel* LblDelete;

    void layOut();
    void showChoiceOf(MealPointList* choices);
    bool scoresChosen();
    // A command on the day's entry, given the store and the current user as statements carry
    // it: run once both scores are chosen and followed by the window's reload. A store failure
    // is shown and skips the reload.
    void runCommand(const std::function<void(store::Database&, const QString&)>& command);

    app::WindowSwitcher& switcher_;
    const widgets::DatePicker* day_;
    std::function<void()> refresh_;
    MealPointList* snacking_;
    MealPointList* water_;
};

}  // namespace mirtal::meals
