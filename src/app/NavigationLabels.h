#pragma once

#include <QList>
#include <functional>

#include "app/WindowTable.h"
#include "widgets/NavigationBar.h"

namespace mirtal::app {

// The labels of the navigation bar on window `own`, in bar order: every label but its own.
// USER and the windows open through `open`; START closes the window that carries the bar.
QList<widgets::NavigationBar::Entry> navigationLabels(WindowId own,
                                                      std::function<void(WindowId)> open,
                                                      std::function<void()> closeOwn);

}  // namespace mirtal::app
