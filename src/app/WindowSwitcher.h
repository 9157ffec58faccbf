#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

#include "app/Form8.h"
#include "app/Links.h"
#include "app/MDIForm1.h"
#include "app/Messages.h"
#include "app/WindowTable.h"
#include "store/Session.h"

class QMdiSubWindow;
class QWidget;

namespace mirtal::app {

// Opens the windows of the window table and keeps only one data window loaded at a time.
// Windows never include each other: they reach one another through this class.
class WindowSwitcher : public QObject {
    Q_OBJECT
  public:
    // Builds a window afresh; its constructor is the window's load.
    using Factory = std::function<QWidget*(WindowSwitcher&)>;

    WindowSwitcher(store::Session& session, Messages& messages, LinkOpener& links,
                   QString applicationDirectory);
    ~WindowSwitcher() override;

    void registerWindow(WindowId window, Factory factory);

    store::Session& session() { return session_; }
    Messages& messages() { return messages_; }
    LinkOpener& links() { return links_; }
    // The folder that holds the site/ pages: the program's own, or the installed data files.
    const QString& applicationDirectory() const { return applicationDirectory_; }

    // The menu, the toolbar and the navigation bars: store its number, CloseOtherWindows, show the
    // window in front at the top-left corner of the main window. The user window is a
    // window of its own; from the menu it is only shown, elsewhere also brought to front.
    void openWindow(WindowId window);
    void openUserWindowFromMenu();

    // Unloads every data window but the one whose number is stored, then clears the number.
    void CloseOtherWindows();
    void closeWindow(WindowId window);

    // The user window's START: the target values window as the first child of the main
    // window, which is loaded first if needed. No CloseOtherWindows here.
    void showStartWindow();

    // The user window at start-up: built first, then shown centred on the screen, as it is
    // each time it is opened again.
    void buildUserWindow() { load(WindowId::User); }
    void showUserWindowCentred();

    // Shows the help window with a window's title and text. Opened, it lies wholly inside the
    // main window's client area where it covers least of the data window (at the area's
    // top-left corner when the area is too small for it); open, it keeps its place and size.
    void showHelp(const QString& title, const QString& text);

    // The window the person is working in, which a message box belongs to: the data window
    // (its frame inside the main window), else the user window, else the main window.
    QWidget* windowInUse() const;

    void closeMainWindow();
    void quit();
    void setQuitHandler(std::function<void()> handler) { quit_ = std::move(handler); }

    QWidget* loadedWindow(WindowId window) const;
    MDIForm1* mainWindowIfLoaded() const { return mainWindow_; }
    Form8* helpWindowIfLoaded() const { return help_; }

  private:
    enum class Placement { ShowOnly, Front, FrontTopLeft };

    MDIForm1& mainWindow();
    QWidget* load(WindowId window);
    QMdiSubWindow* addChild(QWidget* window);
    void show(WindowId window, Placement placement);
    static void centreOnScreen(QWidget& window);
    // The frame of the loaded data window inside the main window, if one is loaded.
    QWidget* dataWindowFrame() const;

    store::Session& session_;
    Messages& messages_;
    LinkOpener& links_;
    QString applicationDirectory_;
    // By window index.
    std::array<Factory, windowCount> factories_{};
    std::array<QPointer<QWidget>, windowCount> loaded_{};
    QPointer<MDIForm1> mainWindow_;
    QPointer<Form8> help_;
    std::function<void()> quit_;
};

}  // namespace mirtal::app
