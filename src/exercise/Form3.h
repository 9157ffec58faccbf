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
class Database;
class ResultSet;
}  // namespace mirtal::store

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseExercise(widgets::ItemList* list, int row);
    void submit();
    void restDayBoxToggled(bool checked);
    void pickEntry(int row);
    void removeEntry();
    void deleteEntry(const QString& key);
    void enterCell(int row, int col);
    void timesKeyReleased();
    QString user() const;
    store::Database& db();

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

    // The controls, by the names the window has always given them.
    QLabel *Label10, *Label3, *Label7, *Label9, *Label2;
    widgets::DatePicker* DTPicker1;
    QCheckBox* ChkNoExercise;
    QGroupBox *Frame2, *Frame1;
    widgets::ItemList *ListLight, *ListModerate, *ListDifficult;
    widgets::NumericField *TxtCount, *txtMark;
    QPushButton *CmdUp, *CmdDown;
    widgets::CommandLabel* LblOK;
    QLineEdit* TxtHidID;
    widgets::Grid* MSHFlexGrid1;
    QLabel *Label11, *Label12, *Label14, *Label15;
    QLineEdit *TxtLight, *TxtModerate, *TxtDifficult, *TxtTotal;
};

}  // namespace mirtal::exercise
