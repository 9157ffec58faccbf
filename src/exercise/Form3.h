#pragma once

#include <QWidget>
#include <optional>

#include "app/DataWindowFrame.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::store {
class ResultSet;
}

namespace mirtal::widgets {
class CommandLabel;
class DatePicker;
class Grid;
class ItemList;
class NumericField;
}  // namespace mirtal::widgets

namespace mirtal::exercise {

// The daily exercise log: for a chosen day, which catalogue exercises the current user did and
// how many times, or that the day was a rest day, with the day's points.
class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(app::WindowSwitcher& switcher);

    // Reloads the chosen day: the grid, the points and the rest-day box.
    void RefreshData();
    // Stores a rest-day entry for the chosen day.
    void Test();
    // Deletes the picked entry; the rest-day box does it when it is unchecked.
    void RemoveChk();

    QLabel* Label1;
    QLabel* LabelUser;
    QPushButton* CmdHelp;
    QLabel* Label10;
    widgets::DatePicker* DTPicker1;
    QCheckBox* ChkNoExercise;
    QGroupBox* Frame2;
    QLabel* Label3;
    widgets::ItemList* ListLight;
    QLabel* Label7;
    widgets::ItemList* ListModerate;
    QLabel* Label9;
    widgets::ItemList* ListDifficult;
    QLabel* Label2;
    widgets::NumericField* TxtCount;
    QPushButton* CmdUp;
    QPushButton* CmdDown;
    widgets::CommandLabel* LblOK;
    QLineEdit* TxtHidID;
    widgets::NumericField* txtMark;
    widgets::Grid* MSHFlexGrid1;
    QGroupBox* Frame1;
    QLabel* Label11;
    QLineEdit* TxtLight;
    QLabel* Label12;
    QLineEdit* TxtModerate;
    QLabel* Label14;
    QLineEdit* TxtDifficult;
    QLabel* Label15;
    QLineEdit* TxtTotal;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void chooseExercise(widgets::ItemList* list, int row);
    void submit();
    void restDayBoxToggled(bool checked);
    void pickEntry(int row);
    void removeEntry();
    void enterCell(int row, int col);
    void timesKeyReleased();

  private:
    // Who changed the rest-day box: the program while it shows a day, the person once the box
    // has the focus.
    enum class BoxChange { Program, User };

    void buildControls();
    void fillList(widgets::ItemList* list, const QString& intensity);
    // Sums the day's entries into the three displays and the total.
    void showPoints(store::ResultSet rows);
    // After a reload the editor of "Times" stays over the cell of the entry it edits, which
    // stays the current cell; when that entry is no longer shown the editor goes away.
    void keepTimesEditorOnItsEntry();
    // Stores a daily entry of a catalogue exercise of the current user, with the next key;
    // notFound is the message when the exercise is not in the user's catalogue.
    void insertEntry(const QString& seid, const QString& times, const QString& notFound);

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;
    std::optional<qint64> selectedExercise_;
    // The EID of the entry whose "Times" the editor stands over.
    QString timesEntry_;
    BoxChange boxChange_ = BoxChange::Program;
};

}  // namespace mirtal::exercise
