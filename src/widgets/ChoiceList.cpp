#include "widgets/ChoiceList.h"

#include <QKeyEvent>
#include <QLineEdit>

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
}

void ChoiceList::setText(const QString& text) {
    const int listed = findText(text, Qt::MatchExactly);
    setCurrentIndex(listed);
    setEditText(text);
}

void ChoiceList::showPopup() {
    emit dropDown();
    QComboBox::showPopup();
}

bool ChoiceList::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // Focus still moves on; opening the list is the one way to choose.
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                return false;
            }
            if (key == Qt::Key_F4 ||
                ((key == Qt::Key_Down || key == Qt::Key_Up) &&
                 static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)) {
                showPopup();
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
