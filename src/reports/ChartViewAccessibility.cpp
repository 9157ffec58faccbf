#include "reports/ChartViewAccessibility.h"

#include <QAccessibleWidget>

#include "reports/ChartView.h"
#include "widgets/AccessibleFactory.h"

namespace mirtal::reports {

namespace {

class ChartViewAccessible final : public QAccessibleWidget {
  public:
    explicit ChartViewAccessible(ChartView* view) : QAccessibleWidget(view, QAccessible::Chart) {}

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            // The menu waits for its answer: it opens right after the call returns, so the
            // tool is not held until then.
            auto* view = static_cast<ChartView*>(widget());
            QMetaObject::invokeMethod(view, &ChartView::showMenu, Qt::QueuedConnection);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

}  // namespace

void installChartViewAccessibility() {
    widgets::installAccessibleInterface<ChartView, ChartViewAccessible>();
}

}  // namespace mirtal::reports
