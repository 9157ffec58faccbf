#include "app/WindowSwitcher.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "app/Form8.h"
#include "app/MDIForm1.h"

namespace mirtal::app {

WindowSwitcher::WindowSwitcher(store::Session& session, Messages& messages, LinkOpener& links,
                               QString applicationDirectory)
    : session_(session),
      messages_(messages),
      links_(links),
      applicationDirectory_(std::move(applicationDirectory)),
      quit_([] { QApplication::quit(); }) {}

WindowSwitcher::~WindowSwitcher() {
    delete loaded_[userWindow];
    delete mainWindow_;
}

void WindowSwitcher::registerWindow(int number, Factory factory) {
    factories_.at(static_cast<std::size_t>(number)) = std::move(factory);
}

QWidget* WindowSwitcher::loadedWindow(int number) const {
    return loaded_.at(static_cast<std::size_t>(number));
}

MDIForm1& WindowSwitcher::mainWindow() {
    if (!mainWindow_) {
        mainWindow_ = new MDIForm1(*this);
        mainWindow_->show();
    }
    return *mainWindow_;
}

QWidget* WindowSwitcher::load(int number) {
    QPointer<QWidget>& slot = loaded_.at(static_cast<std::size_t>(number));
    if (slot) {
        return slot;
    }
    QWidget* window = factories_.at(static_cast<std::size_t>(number))(*this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (number != userWindow) {
        QMdiSubWindow* frame = addChild(window);
        // Closing the window from inside (a START label) takes its frame along.
        connect(window, &QObject::destroyed, frame, &QObject::deleteLater);
    }
    slot = window;
    return window;
}

QMdiSubWindow* WindowSwitcher::addChild(QWidget* window) {
    // A window is built at its own size; its frame grows around it.
    const QSize size = window->size();
    QMdiSubWindow* frame = mainWindow().area()->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->ensurePolished();
    frame->resize(size.grownBy(frame->contentsMargins()));
    return frame;
}

void WindowSwitcher::show(int number, Placement placement) {
    QWidget* window = load(number);
    QWidget* frame = number == userWindow ? window : window->parentWidget();
    if (number != userWindow && placement == Placement::FrontTopLeft) {
        frame->move(0, 0);
    }
    frame->show();
    window->show();
    if (placement != Placement::ShowOnly) {
        frame->raise();
        frame->activateWindow();
        if (number != userWindow) {
            mainWindow().area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frame));
        }
    }
}

void WindowSwitcher::openWindow(int number) {
    session_.setWindowNumber(number);
    CloseOtherWindows();
    show(number, number == userWindow ? Placement::Front : Placement::FrontTopLeft);
}

void WindowSwitcher::openUserWindowFromMenu() {
    session_.setWindowNumber(userWindow);
    CloseOtherWindows();
    show(userWindow, Placement::ShowOnly);
}

void WindowSwitcher::CloseOtherWindows() {
    for (int number = 1; number <= 7; ++number) {
        if (number != session_.windowNumber()) {
            closeWindow(number);
        }
    }
    session_.setWindowNumber(0);
}

void WindowSwitcher::closeWindow(int number) {
    QPointer<QWidget>& slot = loaded_.at(static_cast<std::size_t>(number));
    QWidget* window = slot;
    if (!window) {
        return;
    }
    slot = nullptr;
    // The window may be closing itself from one of its own handlers (a START label), so it
    // goes once the current event is over; it is gone from view and from the switcher now.
    QWidget* frame = number == userWindow ? window : window->parentWidget();
    frame->close();
}

void WindowSwitcher::showStartWindow() {
    show(targetValuesWindow, Placement::FrontTopLeft);
}

void WindowSwitcher::showUserWindowCentred() {
    QWidget* window = load(userWindow);
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
}

void WindowSwitcher::showHelp(const QString& title, const QString& text) {
    if (!help_) {
        help_ = new Form8;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        addChild(help_)->show();
    }
    help_->showText(title, text);
}

void WindowSwitcher::closeMainWindow() {
    if (mainWindow_) {
        mainWindow_->close();
    }
}

void WindowSwitcher::quit() {
    quit_();
}

}  // namespace mirtal::app
