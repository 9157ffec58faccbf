#include "widgets/NumericField.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace mirtal::widgets {

namespace {

// What was given, as far as a message box shows it readably: a pasted page of digits would
// make a box wider than the screen.
QString shortened(const QString& given) {
    return given.size() > 40 ? given.left(40) + QStringLiteral("...") : given;
}

}  // namespace

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
                .arg(shortened(text())));
    setFocus();
    return false;
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::dropEvent(QDropEvent* event) {
    if (event->mimeData()->hasText() && !takes(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void NumericField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, &NumericField::pasteChecked);
    }
    menu->popup(event->globalPos());
}

void NumericField::pasteChecked() {
    if (takes(QGuiApplication::clipboard()->text())) {
        paste();
    }
}

bool NumericField::takes(const QString& given) {
    static const QRegularExpression digitsAndPoints(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9.]*")));
    if (digitsAndPoints.match(given).hasMatch()) {
        return true;
    }
    refuse_(QStringLiteral("Only digits and a point can go into %1: \"%2\" was not taken.")
                .arg(caption_, shortened(given)));
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
