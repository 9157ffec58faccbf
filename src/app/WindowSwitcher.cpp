#include "app/WindowSwitcher.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>

#include "app/Form8.h"
#include "app/LeastCoveringPlace.h"
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
    delete loaded_[windowIndex(WindowId::User)];
    delete mainWindow_;
}

void WindowSwitcher::registerWindow(WindowId window, Factory factory) {
    factories_.at(windowIndex(window)) = std::move(factory);
}

QWidget* WindowSwitcher::loadedWindow(WindowId window) const {
    return loaded_.at(windowIndex(window));
}

MDIForm1& WindowSwitcher::mainWindow() {
    if (!mainWindow_) {
        mainWindow_ = new MDIForm1(*this);
        mainWindow_->show();
    }
    return *mainWindow_;
}

QWidget* WindowSwitcher::load(WindowId id) {
    QPointer<QWidget>& slot = loaded_.at(windowIndex(id));
    if (slot) {
        return slot;
    }
    QWidget* window = factories_.at(windowIndex(id))(*this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (id != WindowId::User) {
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

void WindowSwitcher::show(WindowId id, Placement placement) {
    QWidget* window = load(id);
    QWidget* frame = id == WindowId::User ? window : window->parentWidget();
    if (id == WindowId::User) {
        centreOnScreen(*window);
    } else if (placement == Placement::FrontTopLeft) {
        // The corner in view: a scrolled area first goes back to where it began, or it would
        // scroll the window away once the one before it is gone.
        QMdiArea* area = mainWindow().area();
        area->horizontalScrollBar()->setValue(0);
        area->verticalScrollBar()->setValue(0);
        frame->move(0, 0);
    }
    frame->show();
    window->show();
    if (placement != Placement::ShowOnly) {
        frame->raise();
        frame->activateWindow();
        if (id != WindowId::User) {
            mainWindow().area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frame));
        }
    }
}

void WindowSwitcher::openWindow(WindowId window) {
    session_.setWindowNumber(windowNumber(window));
    CloseOtherWindows();
    show(window, window == WindowId::User ? Placement::Front : Placement::FrontTopLeft);
}

void WindowSwitcher::openUserWindowFromMenu() {
    session_.setWindowNumber(windowNumber(WindowId::User));
    CloseOtherWindows();
    show(WindowId::User, Placement::ShowOnly);
}

void WindowSwitcher::CloseOtherWindows() {
    for (const WindowRow& row : windowTable()) {
        if (windowNumber(row.id) != session_.windowNumber()) {
            closeWindow(row.id);
        }
    }
    session_.setWindowNumber(0);
}

void WindowSwitcher::closeWindow(WindowId id) {
    QPointer<QWidget>& slot = loaded_.at(windowIndex(id));
    QWidget* window = slot;
    if (!window) {
        return;
    }
    slot = nullptr;
    // The window may be closing itself from one of its own handlers (a START label), so it
    // goes once the current event is over; it is gone from view and from the switcher now.
    QWidget* frame = id == WindowId::User ? window : window->parentWidget();
    frame->close();
}

void WindowSwitcher::showStartWindow() {
    show(WindowId::TargetValues, Placement::FrontTopLeft);
}

void WindowSwitcher::showUserWindowCentred() {
    QWidget* window = load(WindowId::User);
    centreOnScreen(*window);
    window->show();
}

void WindowSwitcher::centreOnScreen(QWidget& window) {
    window.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

QWidget* WindowSwitcher::dataWindowFrame() const {
    for (const WindowRow& row : windowTable()) {
        const QWidget* window = row.id == WindowId::User ? nullptr : loadedWindow(row.id);
        if (window) {
            return window->parentWidget();
        }
    }
    return nullptr;
}

QWidget* WindowSwitcher::windowInUse() const {
    if (QWidget* frame = dataWindowFrame()) {
        return frame;
    }
    QWidget* user = loadedWindow(WindowId::User);
    if (user && (!mainWindow_ || QApplication::activeWindow() != mainWindow_)) {
        return user;
    }
    return mainWindow_;
}

void WindowSwitcher::showHelp(const QString& title, const QString& text) {
    if (!help_) {
        help_ = new Form8;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        QMdiSubWindow* frame = addChild(help_);
        // Where the person sees it whole, beside the data window rather than over it; from
        // then on it stays where the person puts it.
        const QWidget* dataWindow = dataWindowFrame();
        frame->move(leastCoveringPlace(mainWindow().area()->viewport()->rect(), frame->size(),
                                       dataWindow ? dataWindow->geometry() : QRect()));
        frame->show();
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
