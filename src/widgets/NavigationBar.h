#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

namespace mirtal::widgets {

class CommandLabel;

// The row of labels that leads from a data window to the others. The owning window says which
// labels it carries and what each does; the backing shapes are numbered Shape1, Shape2, ... in
// bar order. Labels and shapes are children of the window itself.
class NavigationBar : public QObject {
    Q_OBJECT
  public:
    struct Entry {
        QString name;
        QString caption;
        // May unload the window that carries the bar.
        std::function<void()> action;
    };

    NavigationBar(QWidget* window, const QList<Entry>& entries);

    // In bar order, for the window's hover reset surfaces.
    const QList<CommandLabel*>& labels() const { return labels_; }

    // Lays the labels out in one row whose top-left corner is at topLeft in the window.
    void moveTo(QPoint topLeft);
    // The extent of that row.
    QSize size() const;

  private:
    QList<CommandLabel*> labels_;
};

}  // namespace mirtal::widgets
