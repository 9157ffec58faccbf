#include "widgets/BackingShape.h"

#include "widgets/Colours.h"

namespace mirtal::widgets {

BackingShape::BackingShape(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFillColour(colours::lightGrey);
}

QColor BackingShape::fillColour() const {
    return palette().color(QPalette::Window);
}

void BackingShape::setFillColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

}  // namespace mirtal::widgets
