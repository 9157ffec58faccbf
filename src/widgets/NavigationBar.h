#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

namespace mirtal::widgets {

class CommandLabel;

// The row of labels that leads from a data window to the others. The bar knows the windows only
// by number; the owning window says how to open one and how to close itself. A window has no
// label for itself, and the backing shapes are numbered Shape1, Shape2, ... in bar order over
// the labels it does have. Labels and shapes are children of the window itself.
class NavigationBar : public QObject {
    Q_OBJECT
  public:
    using Open = std::function<void(int windowNumber)>;
    using CloseOwn = std::function<void()>;

    // ownWindow is the number of the window that carries the bar (2 to 7).
    NavigationBar(QWidget* window, int ownWindow, Open open, CloseOwn closeOwn);

    // In bar order, for the window's hover reset surfaces.
    const QList<CommandLabel*>& labels() const { return labels_; }

    // Lays the labels out in one row whose top-left corner is at topLeft in the window.
    void moveTo(QPoint topLeft);
    // The extent of that row.
    QSize size() const;

  private:
    QList<CommandLabel*> labels_;
    Open open_;
    CloseOwn closeOwn_;
};

}  // namespace mirtal::widgets
