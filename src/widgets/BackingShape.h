#pragma once

#include <QColor>
#include <QFrame>

namespace mirtal::widgets {

// The plain rectangle drawn behind a command label; its fill is the label's face. It is only
// drawn, never hit: the pointer over it is over the window beneath, as it would be over a
// painted rectangle.
class BackingShape : public QFrame {
    Q_OBJECT
  public:
    BackingShape(const QString& name, QWidget* parent);

    QColor fillColour() const;
    void setFillColour(const QColor& colour);
};

}  // namespace mirtal::widgets
