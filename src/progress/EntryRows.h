#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

class QLabel;
class QLineEdit;
class QWidget;

namespace mirtal::app {
class DataWindowFrame;
class Messages;
struct EditHandlers;
}  // namespace mirtal::app

namespace mirtal::widgets {
class CommandLabel;
class Grid;
class NumericField;
}  // namespace mirtal::widgets

namespace mirtal::progress {

// The entry fields of the progress windows: two to a row below the user's name, each right
// after its caption, which also names it for screen readers. The first field of a row is 130
// pixels wide, the second as wide as the window asks.
class EntryRows {
  public:
    EntryRows(QWidget* window, int captionWidth, int secondFieldWidth);

    // The caption, then its field, built from the field's own arguments and the window.
    template <class Field, class... Arguments>
    std::pair<QLabel*, Field*> add(const char* captionName, const char* caption,
                                   Arguments&&... arguments) {
        QLabel* label = addCaption(captionName, caption);
        auto* field = new Field(std::forward<Arguments>(arguments)..., window_);
        place(label, field);
        return {label, field};
    }

  private:
    QLabel* addCaption(const char* name, const char* text);
    void place(QLabel* caption, QWidget* field);

    QWidget* window_;
    int captionWidth_;
    int secondFieldWidth_;
    int placed_ = 0;
};

// What both progress windows build below their first row of entries: the row of pulse and
// weight, the key of the picked row, the grid and the column of edit commands under Help.
// The window's own members receive them.
struct MeasureControls {
    QLabel*& pulseCaption;
    widgets::NumericField*& pulse;
    QLabel*& weightCaption;
    widgets::NumericField*& weight;
    QLineEdit*& key;
    widgets::Grid*& grid;
    widgets::CommandLabel*& add;
    widgets::CommandLabel*& edit;
    widgets::CommandLabel*& remove;
    widgets::CommandLabel*& clear;

    // Builds them in the window, reading the window in the order of its first row, then
    // these; the commands join the window's hover reset and run the handlers.
    void build(EntryRows& rows, app::DataWindowFrame& frame, const char* weightCaptionName,
               const QList<QWidget*>& firstRow, const app::EditHandlers& handlers,
               const std::function<void(const QString&)>& refuse);
};

// The checks before both windows write pulse and weight: no field empty (refused in the
// window's words), a picked row when the write changes it, and well-formed numbers.
bool measuresReady(app::Messages& messages, bool fieldEmpty, const QString& emptyRefusal,
                   const QLineEdit* pickedKey, widgets::NumericField* pulse,
                   widgets::NumericField* weight);

}  // namespace mirtal::progress
