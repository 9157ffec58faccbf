#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "app/Messages.h"

class QLineEdit;
class QPlainTextEdit;

namespace mirtal::store {
class Database;
class Session;
}  // namespace mirtal::store

namespace mirtal::widgets {
class ChoiceList;
class DatePicker;
class Grid;
}  // namespace mirtal::widgets

// How the grid windows edit their rows, the same steps in the same order in every window: a
// click picks a row into the key field and the entry fields, a removal asks before it deletes
// the picked row, and a dated entry refuses a second entry for its day. Each window brings its
// own statements and its own words; the flow only runs them.
namespace mirtal::app {

// A message as the window words it.
struct Notice {
    QString text;
    QString title = Messages::defaultTitle;
    Messages::Icon icon = Messages::Icon::None;
};

// An entry field that a picked row fills from one grid column.
struct RowField {
    RowField(int column, QLineEdit* field);
    RowField(int column, QPlainTextEdit* field);
    RowField(int column, widgets::ChoiceList* field);
    RowField(int column, widgets::DatePicker* field);

    int column;
    std::function<void(const QString&)> take;
};

// The key of a grid row into the key field, for a window whose click picks the key alone.
void pickKey(const widgets::Grid& grid, int row, QLineEdit& keyField, int keyColumn = 1);

// Picks the grid's current row into the key field (column 1) and the entry fields, provided
// the user has any rows at all, which the window's statement finds out. A store failure is
// shown. True when the row was picked.
bool pickRow(Messages& messages, store::Session& session, const QString& userRows,
             const widgets::Grid& grid, QLineEdit& keyField, const QList<RowField>& fields);

// The removal of the picked row.
struct Removal {
    // Shown, and nothing else done, when no row is picked.
    Notice nothingPicked;
    // Asked before anything is deleted; on No nothing happens. Empty: removed without asking.
    QString question = QStringLiteral("Confirm removal?");
    // The window's own delete statements for the picked key.
    std::function<void(const QString& key)> deleteRow;
    // What the window shows afterwards (ClearData, RefreshData).
    std::function<void()> afterwards;
};

// Removes the picked row; a store failure is shown and the window stays usable.
void removePicked(Messages& messages, const QLineEdit& keyField, const Removal& removal);
// The same for a caller that handles a store failure itself: it is let through.
void removePickedOrThrow(Messages& messages, const QLineEdit& keyField, const Removal& removal);

// Updates the picked row: asks "Confirm update?", writes on Yes and reloads after Yes and No
// alike. The window may first refuse (showing its own message) and then nothing else happens.
// A store failure is shown.
struct Update {
    std::function<bool()> refused;
    std::function<void()> write;
    std::function<void()> afterwards;
};
void updatePicked(Messages& messages, const Update& update);

// One entry per day: when the window's same-day statement finds an entry already, the
// refusal is shown and the answer is true. Store failures are let through.
bool refuseTakenDay(Messages& messages, store::Database& db, const QString& sameDay,
                    const QString& refusal);
// On update: the same when the statement, which selects the keys of the day's entries first,
// finds an entry other than the picked one, since moving the picked entry there would leave
// two for one day.
bool refuseDayOfAnotherEntry(Messages& messages, store::Database& db, const QString& sameDay,
                             const QString& pickedKey, const QString& refusal);

}  // namespace mirtal::app
