#include "widgets/CommandLabelAccessibility.h"

#include <QAccessibleWidget>
#include <QKeySequence>

#include "widgets/AccessibleFactory.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CommandLabel.h"

namespace mirtal::widgets {

namespace {

class CommandLabelAccessible final : public QAccessibleWidget {
  public:
    explicit CommandLabelAccessible(CommandLabel* label)
        : QAccessibleWidget(label, label->isLink() ? QAccessible::Link : QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const CommandLabel* label = commandLabel();
        if (t == QAccessible::Name && label->accessibleName().isEmpty()) {
            return spokenCaption(label->text());
        }
        if (t == QAccessible::Accelerator) {
            return QKeySequence::mnemonic(label->text()).toString(QKeySequence::NativeText);
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            // The command runs right after the press returns: a message box it shows would
            // otherwise hold the screen reader's call until the box is answered.
            QMetaObject::invokeMethod(commandLabel(), &CommandLabel::click, Qt::QueuedConnection);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    CommandLabel* commandLabel() const { return static_cast<CommandLabel*>(widget()); }
};

}  // namespace

void installCommandLabelAccessibility() {
    installAccessibleInterface<CommandLabel, CommandLabelAccessible>();
}

}  // namespace mirtal::widgets
