#pragma once

#include <QAccessible>

namespace mirtal::widgets {

// Gives every widget of class Widget the screen reader's view Interface, registered once per
// run however many widgets are built.
template <class Widget, class Interface>
void installAccessibleInterface() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* widget = qobject_cast<Widget*>(object);
            return widget ? new Interface(widget) : nullptr;
        });
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace mirtal::widgets
