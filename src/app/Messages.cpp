#include "app/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <algorithm>

namespace mirtal::app {

namespace {

QMessageBox::Icon boxIcon(Messages::Icon icon) {
    switch (icon) {
        case Messages::Icon::Information:
            return QMessageBox::Information;
        case Messages::Icon::Exclamation:
            return QMessageBox::Warning;
        case Messages::Icon::Critical:
            return QMessageBox::Critical;
        case Messages::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Qt centres a box on the top-level window of its parent, which for a window inside the main
// window is the main window as a whole; this one is centred on the window itself.
class OwnedBox final : public QMessageBox {
  public:
    OwnedBox(QMessageBox::Icon icon, const QString& title, const QString& text,
             StandardButtons buttons, QWidget* owner)
        : QMessageBox(icon, title, text, buttons, owner ? owner->window() : nullptr),
          owner_(owner) {}

  protected:
    // The box has its final size only once QMessageBox has laid it out for showing.
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (owner_) {
            move(centredOn(*owner_));
        }
    }

  private:
    QPoint centredOn(const QWidget& owner) const {
        const QRect area = owner.isWindow() ? owner.frameGeometry()
                                            : QRect(owner.mapToGlobal(QPoint(0, 0)), owner.size());
        QRect box = frameGeometry();
        box.moveCenter(area.center());
        if (const QScreen* screen = owner.screen()) {
            const QRect room = screen->availableGeometry();
            box.moveLeft(
                std::max(room.left(), std::min(box.left(), room.right() - box.width() + 1)));
            box.moveTop(
                std::max(room.top(), std::min(box.top(), room.bottom() - box.height() + 1)));
        }
        return box.topLeft();
    }

    QPointer<QWidget> owner_;
};

}  // namespace

QWidget* DialogMessages::owner() const {
    return owner_ ? owner_() : QApplication::activeWindow();
}

void DialogMessages::inform(const QString& text, const QString& title, Icon icon) {
    OwnedBox box(boxIcon(icon), title, text, QMessageBox::Ok, owner());
    box.exec();
}

bool DialogMessages::ask(const QString& text, const QString& title) {
    OwnedBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner());
    return box.exec() == QMessageBox::Yes;
}

}  // namespace mirtal::app
