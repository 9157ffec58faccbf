#pragma once

#include <QDate>
#include <QString>

class QLabel;

namespace mirtal::widgets {
class ChoiceList;
class DatePicker;
class Grid;
}  // namespace mirtal::widgets

namespace mirtal::testing {

// Drives controls the way a person does, with the mouse.
void clickLabel(QLabel* label);
// Opens the list, as a click on its arrow does; the window refills it first.
void dropDown(widgets::ChoiceList* list);
// Opens the list and clicks the entry with this text.
void pickEntry(widgets::ChoiceList* list, const QString& text);
// Clicks a data cell, in the grid's numbering (data rows from 1).
void clickCell(widgets::Grid* grid, int row, int col);
// What the platform delivers for a double-click: a click, then a second press that is the
// double-click, then its release.
void doubleClickCell(widgets::Grid* grid, int row, int col);
// Opens the calendar from the picker's arrow, moves to the day and takes it with Enter.
void pickDay(widgets::DatePicker* picker, QDate day);

}  // namespace mirtal::testing
