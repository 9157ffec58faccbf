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
class CommandLabel;
class DatePicker;
class Grid;
class NumericField;
}  // namespace mirtal::widgets

namespace mirtal::progress {

// The target values window: the user's one row of goals, a start and a target day with a
// target pulse and weight, which the reports take as their default range and target lines.
class Form6 : public QWidget {
    Q_OBJECT
  public:
    explicit Form6(app::WindowSwitcher& switcher);

    void RefreshData();
    void ClearData();

    QLabel* Label1;
    QLabel* LabelUser;
    QLabel* Label3;
    widgets::DatePicker* DTPicker1;
    QLabel* Label10;
    widgets::DatePicker* DTPicker2;
    QLabel* Label2;
    widgets::NumericField* TxtPulse;
    QLabel* lblDescription;
    widgets::NumericField* TxtWeight;
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
    bool fieldsAreEmpty() const;

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;
};

}  // namespace mirtal::progress
