#include "widgets/NumericField.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "widgets/SelectedNumber.h"

namespace mirtal::widgets {

NumericField::NumericField(const QString& name, app::Messages& messages, QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(name);
    SelectedNumber::install(this, messages);
    // The key filter sees typed characters only; the validator turns away any edit, a paste or
    // a drop among them, that would leave anything but digits and points in the field.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
}

bool isWellFormedNumber(const QString& text) {
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+\\.?[0-9]*|\\.[0-9]+")));
    return number.match(text).hasMatch();
}

}  // namespace mirtal::widgets
