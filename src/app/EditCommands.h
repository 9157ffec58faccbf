#pragma once

#include <QList>
#include <QPoint>
#include <functional>

class QObject;
class QWidget;

namespace mirtal::widgets {
class CommandLabel;
class Grid;
}  // namespace mirtal::widgets

namespace mirtal::app {

// The commands of a window that edits the rows of its grid, stacked in one column: SUBMIT,
// UPDATE, REMOVE and CLEAR (LblAdd, LblEdit, LblDelete, LblClear over Shape10 to Shape13).
struct EditCommands {
    widgets::CommandLabel* add;
    widgets::CommandLabel* edit;
    widgets::CommandLabel* remove;
    widgets::CommandLabel* clear;

    // The column starts at topLeft; step is the distance from one command's top to the next.
    static EditCommands build(QWidget* parent, QPoint topLeft, int step);
    QList<widgets::CommandLabel*> all() const;
};

// What the commands and the grid do. A click on the grid picks its row and a double-click
// removes it: the click before it has picked the row.
struct EditHandlers {
    std::function<void()> submit;
    std::function<void()> update;
    std::function<void()> remove;
    std::function<void()> clear;
    std::function<void()> pick;
};
void connectEdits(const EditCommands& commands, widgets::Grid& grid, QObject* context,
                  const EditHandlers& handlers);

}  // namespace mirtal::app
