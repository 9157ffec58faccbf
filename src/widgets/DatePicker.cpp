#include "widgets/DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "widgets/DatePickerAccessibility.h"

namespace mirtal::widgets {

DatePicker::DatePicker(const QString& name, QWidget* parent) : QDateEdit(parent) {
    installDatePickerAccessibility();
    setObjectName(name);
    setDisplayFormat(displayFormatText);
    setCalendarPopup(true);
    // The calendar sits in a popup window of its own; its hiding is the close-up. Asking for the
    // calendar makes the popup now, so it can be watched from the start.
    calendarWidget()->window()->installEventFilter(this);
}

void DatePicker::setDateText(const QString& text) {
    const QDate day = QDate::fromString(text, displayFormatText);
    if (day.isValid()) {
        setDate(day);
    }
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == calendarWidget()->window()) {
        emit closeUp();
    }
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_F4 ||
        ((key == Qt::Key_Down || key == Qt::Key_Up) && (event->modifiers() & Qt::AltModifier))) {
        event->accept();
        openCalendar();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void DatePicker::openCalendar() {
    // The field opens its calendar only for a press on its arrow; the keys give it that press.
    QStyleOptionComboBox field;
    field.initFrom(this);
    field.editable = true;
    field.subControls = QStyle::SC_All;
    const QPoint arrow =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &field, QStyle::SC_ComboBoxArrow, this)
            .center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

bool DatePicker::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            // The date field's own Tab would stop at each part of the date first.
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            QWidget::focusNextPrevChild(!back);
            return true;
        }
    }
    return QDateEdit::event(event);
}

}  // namespace mirtal::widgets
