#include "app/QuitWhenShown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace mirtal::app {

QuitWhenShown::QuitWhenShown(QWidget& window) {
    window.windowHandle()->installEventFilter(this);
}

bool QuitWhenShown::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && !shown_) {
        shown_ = true;
        // The paint that the exposure asks for is queued before this quit.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mirtal::app
