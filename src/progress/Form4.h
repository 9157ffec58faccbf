#pragma once

#include <QWidget>

#include "app/DataWindowFrame.h"

class QLabel;
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

  private:
    void buildControls();
    void fillMoraleList();
    void submit();
    void update();
    void remove();
    void pickRow();
    bool fieldsAreEmpty() const;
    // The current user's number as the statements write it.
    QString user() const;
    store::Database& db();

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;

    // The controls, by the names the window has always given them.
    QLabel *Label10, *Label3, *Label2, *Label4;
    widgets::DatePicker* DTPicker1;
    widgets::ChoiceList* CmbMorale;
    widgets::NumericField *TxtPulse, *TxtWeight;
    QLineEdit* TxtHidID;
    widgets::Grid* MSHFlexGrid1;
    widgets::CommandLabel *LblAdd, *LblEdit, *LblDelete, *LblClear;
};

}  // namespace mirtal::progress
