#pragma once

#include <QWidget>

#include "app/DataWindowFrame.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::store {
class Database;
}

namespace mirtal::widgets {
class ChoiceList;
class CommandLabel;
class Grid;
}  // namespace mirtal::widgets

namespace mirtal::exercise {

// The exercise catalogue: the current user designs his or her exercises, each with a name, an
// intensity that fixes its points and an optional description, and changes or removes them.
class Form2 : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(app::WindowSwitcher& switcher);

    // Reloads the grid; a user without any catalogue row leaves it as it was.
    void RefreshData();
    // Empties the entry fields; the picked key stays.
    void ClearData();

  private:
    void buildControls();
    void addExercise();
    void updateExercise();
    void removeExercise();
    void pickRow();
    QString user() const;
    store::Database& db();
    // Names and descriptions are written between single quotes, so their apostrophes become
    // backquotes, in the fields too.
    void replaceApostrophes();

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;

    // The controls, by the names the window has always given them.
    QGroupBox* Frame1;
    QLineEdit *TxtHidID, *TxtName;
    QLabel *Label2, *Label3, *lblDescription;
    widgets::ChoiceList* CmbIntensity;
    QPlainTextEdit* TxtDescription;
    widgets::Grid* MSHFlexGrid1;
    widgets::CommandLabel *LblAdd, *LblEdit, *LblDelete, *LblClear;
};

}  // namespace mirtal::exercise
