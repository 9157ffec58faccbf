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

  private:
    void buildControls();
    void submit();
    void update();
    void remove();
    void pickRow();
    bool fieldsAreEmpty() const;
    QString user() const;
    store::Database& db();

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;

    // The controls, by the names the window has always given them.
    QLabel *Label3, *Label10, *Label2, *lblDescription;
    widgets::DatePicker *DTPicker1, *DTPicker2;
    widgets::NumericField *TxtPulse, *TxtWeight;
    QLineEdit* TxtHidID;
    widgets::Grid* MSHFlexGrid1;
    widgets::CommandLabel *LblAdd, *LblEdit, *LblDelete, *LblClear;
};

}  // namespace mirtal::progress
