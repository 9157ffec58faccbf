#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include "app/WindowTable.h"

class QLabel;
class QPushButton;
class QWidget;

namespace mirtal::widgets {
class NavigationBar;
}

namespace mirtal::app {

class WindowSwitcher;

// What every data window but the user window carries around its own controls: its name and
// caption from the window table on a light grey surface of a fixed size, the border pictures laid
// out, "User Name" with the current user's name in the top-left corner, the Help button in the
// top-right corner and the navigation bar along the bottom. The window builds its own controls in
// between and decides which surface resets the hover colours.
class DataWindowFrame {
  public:
    DataWindowFrame(QWidget* window, WindowSwitcher& switcher, WindowId id, QSize size);

    // LoadCurrentUser and the name into LabelUser; a store failure is shown, not thrown.
    void loadCurrentUser();

    // The top of the navigation bar: the window's own controls end above it.
    int barTop() const;

    // Tab visits the window's controls, Help among them, in the order given, which is the
    // order a person reads them, and then the bar. The first of them that is not Help has the
    // focus when the window opens. A grid among them is named after what the window is about
    // ("Progress Log").
    void setReadingOrder(const QList<QWidget*>& controls);

    QLabel* Label1;
    QLabel* LabelUser;
    QPushButton* CmdHelp;
    widgets::NavigationBar* bar;

  private:
    WindowSwitcher& switcher_;
    QString caption_;
};

}  // namespace mirtal::app
