#pragma once

#include <QMainWindow>

class QMdiArea;
class QPushButton;
class QToolBar;

namespace mirtal::app {

class WindowSwitcher;

// The main window: the frame whose client area hosts the data windows and the help window,
// with the menu and the toolbar that open them.
class MDIForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit MDIForm1(WindowSwitcher& switcher);

    QMdiArea* area() const { return area_; }

    // A toolbar button by its key (the window table's "A" to "G"); any other key does nothing.
    void toolbarButtonClicked(const QString& key);

  private:
    void buildMenu();
    void buildToolbar();
    void keepRoomForMenuAndToolbar();
    void showManual();

    QToolBar* Toolbar1;
    QPushButton* Command1;
    WindowSwitcher& switcher_;
    QMdiArea* area_;
};

}  // namespace mirtal::app
