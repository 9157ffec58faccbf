#include "app/Messages.h"

#include <QApplication>
#include <QMessageBox>

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

}  // namespace

void DialogMessages::inform(const QString& text, const QString& title, Icon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool DialogMessages::ask(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

}  // namespace mirtal::app
