#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace mirtal::app {

class WindowSwitcher;

// Stands in for a data window that is not built yet: its caption, border, user label,
// navigation bar and help button, so that every way of opening and closing windows works.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
  public:
    PlaceholderWindow(WindowSwitcher& switcher, int windowNumber);

    QLabel* LabelUser;
    QPushButton* CmdHelp;
};

}  // namespace mirtal::app
