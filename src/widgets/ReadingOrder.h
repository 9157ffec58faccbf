#pragma once

#include <QList>

class QWidget;

namespace mirtal::widgets {

// Makes Tab visit a window's controls in the order given, which is the order a person reads
// them: top-left to bottom-right, group by group. Shift+Tab goes back the same way.
void setReadingOrder(const QList<QWidget*>& controls);

}  // namespace mirtal::widgets
