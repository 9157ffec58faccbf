#pragma once

#include <QWidget>

#include "app/DataWindowFrame.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mirtal::app {
class WindowSwitcher;
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

    QLabel* Label1;
    QLabel* LabelUser;
    QPushButton* CmdHelp;
    QGroupBox* Frame1;
    QLineEdit* TxtHidID;
    QLabel* Label2;
    QLineEdit* TxtName;
    QLabel* Label3;
    widgets::ChoiceList* CmbIntensity;
    QLabel* lblDescription;
    QPlainTextEdit* TxtDescription;
    widgets::Grid* MSHFlexGrid1;
    widgets::CommandLabel* LblAdd;
    widgets::CommandLabel* LblEdit;
    widgets::CommandLabel* LblDelete;
    widgets::CommandLabel* LblClear;

  private slots:
    void addExercise();
    void updateExercise();
    void removeExercise();
    void pickRow();

  private:
    void buildControls();
    // Names and descriptions are written between single quotes, so their apostrophes become
    // backquotes, in the fields too.
    void replaceApostrophes();

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;
};

}  // namespace mirtal::exercise
