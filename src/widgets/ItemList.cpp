#include "widgets/ItemList.h"

#include <QKeyEvent>

namespace mirtal::widgets {

ItemList::ItemList(const QString& name, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem* item) { emit picked(row(item)); });
}

void ItemList::addEntry(const QString& text, const QVariant& data) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(Qt::UserRole, data);
}

QVariant ItemList::itemData(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(Qt::UserRole) : QVariant();
}

void ItemList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        currentRow() >= 0) {
        // Space takes the entry the focus frame is on, as a click on it does: Tab into the
        // list frames its first entry without choosing it.
        event->accept();
        if (!event->isAutoRepeat()) {
            setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
            emit picked(currentRow());
        }
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) {
        // The keys move the highlight; the entry they land on is chosen, as with a click.
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        emit picked(currentRow());
    }
}

}  // namespace mirtal::widgets
