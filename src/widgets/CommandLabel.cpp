#include "widgets/CommandLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "widgets/Colours.h"
#include "widgets/CommandLabelAccessibility.h"

namespace mirtal::widgets {

CommandLabel::CommandLabel(const QString& name, const QString& caption, QWidget* parent, bool link)
    : QLabel(parent), link_(link) {
    // Before the caption is set: a screen reader that is listening resolves the label when
    // the caption changes and keeps what it got then, which must already be a button.
    installCommandLabelAccessibility();
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setText(caption);
    // QLabel shows and grabs its "&" access key only when it has a buddy; being its own buddy
    // lets the label take the key itself (see event()).
    setBuddy(this);
    // Hover follows the pointer moving over the label, not only entering it.
    setMouseTracking(true);
    // Only Tab and the access key give the focus: a click leaves it where the person was
    // typing, as it always has.
    setFocusPolicy(Qt::TabFocus);
}

CommandLabel::CommandLabel(const QString& name, const QString& caption, const QString& shapeName,
                           QWidget* parent)
    : CommandLabel(name, caption, parent, false) {
    shape_ = new BackingShape(shapeName, parent);
    shape_->stackUnder(this);
    showAtRest();
}

CommandLabel* CommandLabel::link(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new CommandLabel(name, caption, parent, true);
    label->setAutoFillBackground(true);
    label->showAtRest();
    return label;
}

CommandLabel::~CommandLabel() {
    delete shape_.data();
}

QColor CommandLabel::textColour() const {
    return palette().color(QPalette::WindowText);
}

QColor CommandLabel::faceColour() const {
    return shape_ ? shape_->fillColour() : palette().color(QPalette::Window);
}

void CommandLabel::showHover() {
    paint(colours::red, colours::white);
}

void CommandLabel::showAtRest() {
    paint(link_ ? colours::blue : colours::black, colours::lightGrey);
}

void CommandLabel::paint(const QColor& text, const QColor& face) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    if (shape_) {
        shape_->setFillColour(face);
    } else {
        p.setColor(QPalette::Window, face);
    }
    setPalette(p);
}

void CommandLabel::setVisible(bool visible) {
    QLabel::setVisible(visible);
    if (shape_) {
        shape_->setVisible(visible);
    }
}

bool CommandLabel::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        // A letter shared by two labels of one window would click whichever Qt picks; like a
        // push button, an ambiguous access key clicks nothing but takes the focus to the next
        // label that carries it, where Enter or Space clicks.
        if (static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
            setFocus(Qt::ShortcutFocusReason);
        } else {
            click();
        }
        return true;
    }
    return QLabel::event(e);
}

void CommandLabel::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const bool clicks = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!clicks || (e->modifiers() & ~Qt::KeypadModifier)) {
        QLabel::keyPressEvent(e);
        return;
    }
    e->accept();
    // A held key clicks once.
    if (!e->isAutoRepeat()) {
        click();
    }
}

void CommandLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(2, 2, -2, -2);
    frame.backgroundColor = faceColour();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void CommandLabel::mouseMoveEvent(QMouseEvent* e) {
    showHover();
    QLabel::mouseMoveEvent(e);
}

void CommandLabel::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void CommandLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool isClick =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (isClick) {
        // Last: a click may close the window and with it this label.
        click();
    }
}

void CommandLabel::moveEvent(QMoveEvent* e) {
    QLabel::moveEvent(e);
    if (shape_) {
        shape_->setGeometry(geometry());
    }
}

void CommandLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (shape_) {
        shape_->setGeometry(geometry());
    }
}

}  // namespace mirtal::widgets
