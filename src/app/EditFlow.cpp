#include "app/EditFlow.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/StoreGuard.h"
#include "store/Database.h"
#include "store/Session.h"
#include "widgets/ChoiceList.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"

namespace mirtal::app {

RowField::RowField(int column, QLineEdit* field)
    : column(column), take([field](const QString& text) { field->setText(text); }) {}

RowField::RowField(int column, QPlainTextEdit* field)
    : column(column), take([field](const QString& text) { field->setPlainText(text); }) {}

RowField::RowField(int column, widgets::ChoiceList* field)
    : column(column), take([field](const QString& text) { field->setText(text); }) {}

RowField::RowField(int column, widgets::DatePicker* field)
    : column(column), take([field](const QString& text) { field->setDateText(text); }) {}

void pickKey(const widgets::Grid& grid, int row, QLineEdit& keyField, int keyColumn) {
    keyField.setText(grid.textMatrix(row, keyColumn));
}

bool pickRow(Messages& messages, store::Session& session, const QString& userRows,
             const widgets::Grid& grid, QLineEdit& keyField, const QList<RowField>& fields) {
    bool picked = false;
    guarded(messages, [&] {
        if (session.db().select(userRows).recordCount() == 0) {
            return;
        }
        const int row = grid.currentGridRow();
        pickKey(grid, row, keyField);
        for (const RowField& field : fields) {
            field.take(grid.textMatrix(row, field.column));
        }
        picked = true;
    });
    return picked;
}

void removePickedOrThrow(Messages& messages, const QLineEdit& keyField, const Removal& removal) {
    if (keyField.text().isEmpty()) {
        const Notice& notice = removal.nothingPicked;
        messages.inform(notice.text, notice.title, notice.icon);
        return;
    }
    if (!removal.question.isEmpty() && !messages.ask(removal.question)) {
        return;
    }
    removal.deleteRow(keyField.text());
    removal.afterwards();
}

void removePicked(Messages& messages, const QLineEdit& keyField, const Removal& removal) {
    guarded(messages, [&] { removePickedOrThrow(messages, keyField, removal); });
}

void updatePicked(Messages& messages, const Update& update) {
    guarded(messages, [&] {
        if (update.refused && update.refused()) {
            return;
        }
        if (messages.ask(QStringLiteral("Confirm update?"))) {
            update.write();
        }
        update.afterwards();
    });
}

bool refuseTakenDay(Messages& messages, store::Database& db, const QString& sameDay,
                    const QString& refusal) {
    if (db.select(sameDay).recordCount() == 0) {
        return false;
    }
    messages.inform(refusal);
    return true;
}

bool refuseDayOfAnotherEntry(Messages& messages, store::Database& db, const QString& sameDay,
                             const QString& pickedKey, const QString& refusal) {
    for (store::ResultSet rs = db.select(sameDay); !rs.eof(); rs.moveNext()) {
        if (rs.field(0).toString() != pickedKey) {
            messages.inform(refusal);
            return true;
        }
    }
    return false;
}

}  // namespace mirtal::app
