#pragma once

#include <QWidget>

#include "app/DataWindowFrame.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::widgets {
class ChoiceList;
class CommandLabel;
class DatePicker;
class Grid;
class NumericField;
}  // namespace mirtal::widgets

namespace mirtal::progress {

// The progress log: one entry a day of resting pulse, weight and morale, which the reports
// chart against the target values.
class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(app::WindowSwitcher& switcher);

    void RefreshData();
    void ClearData();

    QLabel* Label1;
    QLabel* LabelUser;
    QLabel* Label10;
    widgets::DatePicker* DTPicker1;
    QLabel* Label2;
    widgets::NumericField* TxtPulse;
    QLabel* Label4;
    widgets::NumericField* TxtWeight;
    QLabel* Label3;
    widgets::ChoiceList* CmbMorale;
    QLineEdit* TxtHidID;
    widgets::Grid* MSHFlexGrid1;
    widgets::CommandLabel* LblAdd;
    widgets::CommandLabel* LblEdit;
    widgets::CommandLabel* LblDelete;
    widgets::CommandLabel* LblClear;
    QPushButton* CmdHelp;

  private slots:
    void submit();
    void update();
    void remove();
    void pickRow();

  private:
    void buildControls();
    void fillMoraleList();
    bool fieldsAreEmpty() const;
    // Whether another entry of the user than the one picked holds the picker's day.
    bool dayTakenByAnotherEntry();

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;
};

}  // namespace mirtal::progress
