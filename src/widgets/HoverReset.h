#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "widgets/CommandLabel.h"

class QWidget;

namespace mirtal::widgets {

// A hover reset surface: the pointer moving over the surface itself (a window, its background
// picture or a frame) puts the given labels back to rest. Over one of the surface's own
// controls it does nothing, since the pointer is then over that control and not the surface;
// a background picture that covers the window is therefore a surface of its own.
class HoverReset : public QObject {
    Q_OBJECT
  public:
    // The reset lives as long as the surface. Several resets may share one surface.
    static HoverReset* install(QWidget* surface, const QList<CommandLabel*>& labels);

    // Lets a window register labels it builds after the surface (its own command labels).
    void add(const QList<CommandLabel*>& labels);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit HoverReset(QWidget* surface);

    QWidget* surface_;
    QList<QPointer<CommandLabel>> labels_;
};

}  // namespace mirtal::widgets
