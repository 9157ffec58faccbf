#include "widgets/ReadingOrder.h"

#include <QWidget>

namespace mirtal::widgets {

void setReadingOrder(const QList<QWidget*>& controls) {
    for (qsizetype i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

}  // namespace mirtal::widgets
