#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::widgets {
class ChoiceList;
class CommandLabel;
}  // namespace mirtal::widgets

namespace mirtal::users {

// The user window: pick, add or remove a user, and START the day's work with the one picked.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(app::WindowSwitcher& switcher);

    // Empties the list and closes the main window when the current user no longer exists.
    void RefreshData();

  private slots:
    void fillUserList();
    void userPicked(int index);
    void addUser();
    void removeUser();
    void start();
    void openWebSite();
    void showHelp();

  private:
    void buildControls();

    QLabel* bak;
    QLabel* Label1;
    widgets::ChoiceList* CmbUser;
    widgets::CommandLabel* LblStart;
    widgets::CommandLabel* LblDelete;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* TxtUser;
    widgets::CommandLabel* LblAdd;
    widgets::CommandLabel* LblURL;
    QPushButton* CmdHelp;

    app::WindowSwitcher& switcher_;
};

}  // namespace mirtal::users
