#include "widgets/DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>

namespace mirtal::widgets {

DatePicker::DatePicker(const QString& name, QWidget* parent) : QDateEdit(parent) {
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

}  // namespace mirtal::widgets
