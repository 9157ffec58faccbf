#pragma once

#include <QDate>
#include <QString>

class QWidget;
class QLabel;

namespace mirtal::widgets {
class ChoiceList;
class DatePicker;
class Grid;
class ItemList;
}  // namespace mirtal::widgets

namespace mirtal::sweep {

// Feeds a control what a person's keyboard, clipboard and mouse would, through the events Qt
// delivers for them, so that every filter and override of the control takes part.

// Each character as a key press and release; characters outside the basic plane arrive as
// one key with both halves of their pair in its text, as the platform sends them.
void typeText(QWidget* target, const QString& text);
void pressKey(QWidget* target, int key, int modifiers);
// The clipboard set, then Ctrl+V.
void pasteText(QWidget* target, const QString& text);
// The clipboard set, then Paste from the control's own context menu, where it has one.
void menuPasteText(QWidget* target, const QString& text);
// A drag with the text entering the control, moving over it and dropped on its middle.
void dropText(QWidget* target, const QString& text);

// Closes any list or menu still open, as a click elsewhere would.
void closePopups();

// Opens the list, as a click on its arrow does, and clicks the entry in that row.
void pickEntry(widgets::ChoiceList* list, int row);
void clickEntry(widgets::ItemList* list, int row);
// Opens the calendar from the picker's arrow, moves to the day and takes it with Enter.
void pickDay(widgets::DatePicker* picker, QDate day);
// Cells in the grid's numbering (data rows from 1).
void clickCell(widgets::Grid* grid, int row, int col);
void doubleClickCell(widgets::Grid* grid, int row, int col);
void click(QWidget* target);

}  // namespace mirtal::sweep
