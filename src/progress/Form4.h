#pragma once

#include <QWidget>

#include "app/DataWindowFrame.h"

class QLabel;
class QLineEdit;
class QPushButton;

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

  private slots:
    void submit();
    void update();
    void remove();
    void pickRow();

  private:
    void buildControls();
    void fillMoraleList();
    bool fieldsAreEmpty() const;
    // The current user's number as the statements write it.
    QString user() const;
    store::Database& db();

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;

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
};

}  // namespace mirtal::progress
