#pragma once

#include <QObject>
#include <QWidget>

namespace mirtal::app {

// Ends the event loop as soon as a window has been exposed on screen and its first paint has
// run: how a start-up is timed, and how an installed program shows that it starts.
class QuitWhenShown final : public QObject {
  public:
    // The window must have been shown, so that it has its native window.
    explicit QuitWhenShown(QWidget& window);

    bool shown() const { return shown_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool shown_ = false;
};

}  // namespace mirtal::app
