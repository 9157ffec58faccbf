#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>

#include "widgets/BackingShape.h"

namespace mirtal::widgets {

// A label that acts as a button: a transparent caption over its backing shape, whose fill is
// the button's face. A link label has no shape and shows its own background instead. The
// caption's "&" marks the access key: the letter shows underlined and Alt+letter clicks.
// Tab reaches the label too, which then shows a focus frame inside its face, and Enter or
// Space clicks it; the colours stay as the pointer left them.
//
// The pointer moving over the label lights it (red caption on a white face) and nothing else;
// only a hover reset surface (HoverReset) puts it back to rest, so several labels can stay lit.
class CommandLabel : public QLabel {
    Q_OBJECT
  public:
    // A command label over its shape; both become children of parent, the label on top.
    CommandLabel(const QString& name, const QString& caption, const QString& shapeName,
                 QWidget* parent);
    // A link label: blue at rest, no shape.
    static CommandLabel* link(const QString& name, const QString& caption, QWidget* parent);
    ~CommandLabel() override;

    bool isLink() const { return link_; }
    // The backing shape; null for a link label.
    BackingShape* shape() const { return shape_; }

    QColor textColour() const;
    // The colour behind the caption: the shape's fill, or a link label's own background.
    QColor faceColour() const;

    void showHover();
    void showAtRest();

    void setVisible(bool visible) override;

    // What a press of the pointer, a key or an assistive tool comes to.
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    CommandLabel(const QString& name, const QString& caption, QWidget* parent, bool link);
    void paint(const QColor& text, const QColor& face);

    QPointer<BackingShape> shape_;
    bool link_ = false;
    bool pressed_ = false;
};

}  // namespace mirtal::widgets
