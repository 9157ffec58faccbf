#include "widgets/DatePickerAccessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "widgets/AccessibleFactory.h"
#include "widgets/DatePicker.h"

namespace mirtal::widgets {

namespace {

class DatePickerAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DatePickerAccessible(DatePicker* picker)
        : QAccessibleWidget(picker, QAccessible::SpinBox) {}

    using QAccessibleWidget::text;
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return picker()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        const bool up = action == increaseAction();
        if (!up && action != decreaseAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // The keys step nothing in a field that is off or read only; neither do the actions.
        DatePicker* field = picker();
        if (field->isEnabled() && !field->isReadOnly()) {
            up ? field->stepUp() : field->stepDown();
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // The date read as text, with the caret and the selection of the field inside.
    QString text(int startOffset, int endOffset) const override {
        return field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const bool has = selectionIndex == 0 && field()->hasSelectedText();
        *startOffset = has ? field()->selectionStart() : 0;
        *endOffset = has ? field()->selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override {
        const QString shown = field()->text();
        const QFontMetrics metrics = field()->fontMetrics();
        const QRect area = field()->contentsRect();
        const QRect inField(area.left() + metrics.horizontalAdvance(shown.left(offset)), area.top(),
                            metrics.horizontalAdvance(shown.mid(offset, 1)), area.height());
        return QRect(field()->mapToGlobal(inField.topLeft()), inField.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    DatePicker* picker() const { return static_cast<DatePicker*>(widget()); }
    QLineEdit* field() const { return picker()->findChild<QLineEdit*>(); }
};

}  // namespace

void installDatePickerAccessibility() {
    installAccessibleInterface<DatePicker, DatePickerAccessible>();
}

}  // namespace mirtal::widgets
