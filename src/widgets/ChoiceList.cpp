#include "widgets/ChoiceList.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace mirtal::widgets {

ChoiceList::ChoiceList(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    // Only an editable box can show a text that is not one of its entries; its field is read
    // only and its keys are filtered, so the person can still only pick.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    installEventFilter(this);
    // Filling an empty list would make its first entry current and show it; the text stays
    // what it was until a pick or setText.
    setPlaceholderText(QStringLiteral(" "));
    // Emptying the list empties its text, also a text that was not one of its entries.
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] {
        if (count() == 0) {
            setEditText(QString());
        }
    });
    connect(this, &QComboBox::activated, this, &ChoiceList::picked);
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChoiceList::pickSelectedByTool);
}

void ChoiceList::setText(const QString& text) {
    const int listed = findText(text, Qt::MatchExactly);
    setCurrentIndex(listed);
    setEditText(text);
}

void ChoiceList::showPopup() {
    const QScopedValueRollback opening(movingSelection_, true);
    emit dropDown();
    QComboBox::showPopup();
}

void ChoiceList::step(int rows) {
    if (count() == 0) {
        return;
    }
    const int entry = currentIndex() < 0 ? 0 : qBound(0, currentIndex() + rows, count() - 1);
    if (entry != currentIndex()) {
        pick(entry);
    }
}

void ChoiceList::pickSelectedByTool(const QItemSelection& selected) {
    const QModelIndexList entries = selected.indexes();
    if (movingSelection_ || entries.size() != 1) {
        return;
    }
    // The pointer and the keys move the open list's cursor along with its selection; a tool
    // selects an entry alone (its Toggle), also in a closed list.
    if (view()->isVisible() && entries.first() == view()->currentIndex()) {
        return;
    }
    pick(entries.first().row());
}

void ChoiceList::pick(int index) {
    const QScopedValueRollback picking(movingSelection_, true);
    if (view()->isVisible()) {
        hidePopup();
    }
    setCurrentIndex(index);
    emit activated(index);
    emit textActivated(itemText(index));
}

bool ChoiceList::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // Focus still moves on; opening the list or stepping through it are the ways to
            // choose.
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                return false;
            }
            const bool arrow = key == Qt::Key_Down || key == Qt::Key_Up;
            const bool alt = static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier;
            if (key == Qt::Key_F4 || (arrow && alt)) {
                showPopup();
            } else if (arrow) {
                step(key == Qt::Key_Down ? 1 : -1);
            }
            return true;
        }
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::InputMethod:
            return true;
        default:
            return QComboBox::eventFilter(watched, event);
    }
}

}  // namespace mirtal::widgets
