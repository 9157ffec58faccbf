#include "widgets/SelectedNumber.h"

#include <QKeyEvent>

namespace mirtal::widgets {

namespace {

// The keys that carry a character but only move or delete.
bool typesNothing(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete;
}

}  // namespace

SelectedNumber::SelectedNumber(QObject* field, Refuse refuse)
    : QObject(field), refuse_(std::move(refuse)) {
    field->installEventFilter(this);
}

SelectedNumber* SelectedNumber::install(QObject* field, Refuse refuse) {
    return new SelectedNumber(field, std::move(refuse));
}

bool SelectedNumber::passes(QChar typed) {
    return (typed >= u'0' && typed <= u'9') || typed == u'.' || typed == u'\b';
}

bool SelectedNumber::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->text().isEmpty() || typesNothing(key->key()) ||
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    if (passes(key->text().front())) {
        return false;
    }
    refuse_(refusal);
    return true;
}

}  // namespace mirtal::widgets
