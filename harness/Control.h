#pragma once

#include <QLatin1String>
#include <QWidget>

namespace mirtal::harness {

// A control of a window found by its object name, as a screen reader or a test finds it: the
// window's members are its own. nullptr when it has no control of that name and class.
template <class T>
T* control(const QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

}  // namespace mirtal::harness
