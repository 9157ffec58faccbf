#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

#include "app/DataWindowFrame.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::widgets {
class ChoiceList;
class CommandLabel;
class DatePicker;
class Grid;
}  // namespace mirtal::widgets

namespace mirtal::meals {

class CalculationPanel;
class MealPointList;
class ScoreLookup;
class SnackingAndWater;

// The meal evaluation window: the day's breakfast, lunch and dinner, each scored on five
// criteria with up to three bonuses or marked as not eaten, the day's snacking and water, and
// the day's points.
class Form5 : public QWidget {
    Q_OBJECT
  public:
    // lookup is the choice key and score that the window's lists share for the whole run.
    Form5(app::WindowSwitcher& switcher, ScoreLookup& lookup);

    // Reloads everything that shows the picked day: the meal options, the grid with its
    // totals row, the snacking and water entry and the calculation panel. Throws StoreError.
    void RefreshData();
    // Empties the five criteria and their scores and unticks the bonuses.
    void ClearData();
    // Sets the selected meal code from the meal options: "1B", "2L", "3D" or empty.
    void MealType();

  private slots:
    void dayChosen();
    void mealOptionClicked();
    void notEatenChanged();
    void submitMeal();
    void mealClicked(int row);
    void removeMeal();
    void openDietPage();

  private:
    void buildControls(ScoreLookup& lookup);
    void buildMealChoice();
    void buildEvaluation(ScoreLookup& lookup);
    void reloadMealOptions();
    void showCellsWhole();
    // The statement that finds the current user's meal of the picked day.
    QString storedMeal(const QString& mealCode) const;
    bool allMealsStored() const;
    // Stores the selected meal of the picked day with the given points.
    void insertMeal(qint64 key, const QStringList& points);
    bool insertEatenMeal(qint64 key);

    QLabel* Label10;
    widgets::DatePicker* DTPicker1;
    QLabel* Label1;
    QLabel* LabelUser;

    QGroupBox* Frame4;
    QLabel* Label16;
    QRadioButton* OptBreakfast;
    QRadioButton* OptLunch;
    QRadioButton* OptDinner;
    QCheckBox* Check0;

    QGroupBox* Frame1;
    widgets::ChoiceList* CmbFatIntake;
    QLineEdit* TxtScore1;
    widgets::ChoiceList* CmbFastSugarIntake;
    QLineEdit* TxtScore2;
    widgets::ChoiceList* CmbFiberIntake;
    QLineEdit* TxtScore3;
    widgets::ChoiceList* CmbOverallQuantity;
    QLineEdit* TxtScore4;
    widgets::ChoiceList* CmbPositiveFoods;
    QLineEdit* TxtScore5;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    widgets::CommandLabel* LblURL;

    QGroupBox* Frame5;
    widgets::CommandLabel* LblDailyMeal;
    QLineEdit* TxtHidID1;

    SnackingAndWater* Frame2;
    CalculationPanel* Frame3;
    widgets::Grid* MSHFlexGrid1;
    widgets::CommandLabel* LblURL_PF;
    QPushButton* CmdHelp;

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;
    QList<MealPointList*> criteria_;
    // Set by MealType.
    QString mealCode_;
};

}  // namespace mirtal::meals
