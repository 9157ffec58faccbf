#include "widgets/NumericField.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace mirtal::widgets {

NumericField::NumericField(const QString& name, const QString& caption,
                           SelectedNumber::Refuse refuse, QWidget* parent)
    : QLineEdit(parent), caption_(caption), refuse_(refuse) {
    setObjectName(name);
    SelectedNumber::install(this, std::move(refuse));
    // The key filter sees typed characters only; the validator turns away any edit, a paste or
    // a drop among them, that would leave anything but digits and points in the field.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
}

bool NumericField::checkNumber() {
    if (isAcceptableNumber(text())) {
        return true;
    }
    refuse_(QStringLiteral("%1 must be a number such as 72 or 80.5: digits with at most one "
                           "point and at most %2 digits before it. \"%3\" is not.")
                .arg(caption_)
                .arg(maxWholeDigits)
                .arg(text()));
    setFocus();
    return false;
}

bool checkNumbers(std::initializer_list<NumericField*> fields) {
    for (NumericField* field : fields) {
        if (!field->checkNumber()) {
            return false;
        }
    }
    return true;
}

bool isWellFormedNumber(const QString& text) {
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+\\.?[0-9]*|\\.[0-9]+")));
    return number.match(text).hasMatch();
}

bool isAcceptableNumber(const QString& text) {
    return isWellFormedNumber(text) && text.indexOf(u'.') <= maxWholeDigits &&
           (text.contains(u'.') || text.size() <= maxWholeDigits);
}

}  // namespace mirtal::widgets
