#include "widgets/HoverReset.h"

#include <QMouseEvent>
#include <QWidget>

namespace mirtal::widgets {

HoverReset::HoverReset(QWidget* surface) : QObject(surface), surface_(surface) {
    // Without tracking a widget only hears of the pointer while a button is held.
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

HoverReset* HoverReset::install(QWidget* surface, const QList<CommandLabel*>& labels) {
    auto* reset = new HoverReset(surface);
    reset->add(labels);
    return reset;
}

void HoverReset::add(const QList<CommandLabel*>& labels) {
    for (CommandLabel* label : labels) {
        labels_.append(label);
    }
}

bool HoverReset::eventFilter(QObject* watched, QEvent* event) {
    if (watched == surface_ && event->type() == QEvent::MouseMove) {
        // A move that a child control left unhandled reaches its parent too; only a move over
        // the bare surface counts.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!surface_->childAt(at)) {
            for (const QPointer<CommandLabel>& label : labels_) {
                if (label) {
                    label->showAtRest();
                }
            }
        }
    }
    return false;
}

}  // namespace mirtal::widgets
