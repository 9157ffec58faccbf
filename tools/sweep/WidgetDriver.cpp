#include "WidgetDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include "widgets/ChoiceList.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/ItemList.h"

namespace mirtal::sweep {

namespace {

// The key a keyboard would report with the text: letters and digits their own key, every
// other character the key of its code, as the platform's key mapping gives them.
int keyFor(const QString& character) {
    const QChar first = character.at(0);
    if (first.isLetter() && first.toUpper().unicode() < 128) {
        return first.toUpper().unicode();
    }
    if (character.size() == 1 && first.unicode() >= 0x20 && first.unicode() < 0x7f) {
        return first.unicode();
    }
    if (first == u'\n' || first == u'\r') {
        return Qt::Key_Return;
    }
    if (first == u'\t') {
        return Qt::Key_Tab;
    }
    return Qt::Key_unknown;
}

// A key can close the window that holds the control (Enter on a command, say).
void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const QPointer<QWidget> alive(target);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    if (!alive) {
        return;
    }
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

}  // namespace

void typeText(QWidget* target, const QString& text) {
    QPointer<QWidget> alive(target);
    for (int i = 0; i < text.size() && alive; ++i) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        sendKey(alive, keyFor(character), Qt::NoModifier, character);
    }
}

void pressKey(QWidget* target, int key, int modifiers) {
    sendKey(target, key, Qt::KeyboardModifiers(modifiers), QString());
}

void pasteText(QWidget* target, const QString& text) {
    QApplication::clipboard()->setText(text);
    sendKey(target, Qt::Key_V, Qt::ControlModifier, QString());
}

void menuPasteText(QWidget* target, const QString& text) {
    QApplication::clipboard()->setText(text);
    const QPoint middle = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, middle, target->mapToGlobal(middle));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        return;
    }
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        paste && paste->isEnabled()) {
        menu->close();
        paste->trigger();
    }
    closePopups();
}

void dropText(QWidget* target, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return;
    }
    QDragMoveEvent move(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

void pickEntry(widgets::ChoiceList* list, int row) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (row < list->count() && view->isVisible()) {
        // A long list shows part of its entries: the entry is scrolled into sight first.
        view->scrollTo(view->model()->index(row, 0));
        const QPoint where = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where);
    }
    closePopups();
}

void clickEntry(widgets::ItemList* list, int row) {
    if (QListWidgetItem* item = list->item(row)) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
}

void pickDay(widgets::DatePicker* picker, QDate day) {
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 4, picker->height() / 2));
    QCalendarWidget* calendar = picker->calendarWidget();
    if (calendar && calendar->isVisible()) {
        calendar->setSelectedDate(day);
        QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Return);
    }
    closePopups();
}

namespace {

QPoint cellCentre(widgets::Grid* grid, int row, int col) {
    return grid->cellRect(row, col).translated(-grid->viewport()->pos()).center();
}

}  // namespace

void clickCell(widgets::Grid* grid, int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
}

void doubleClickCell(widgets::Grid* grid, int row, int col) {
    QPointer<QWidget> viewport(grid->viewport());
    const QPoint where = cellCentre(grid, row, col);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, where);
    if (viewport) {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, where);
    }
    if (viewport) {
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, where);
    }
}

void click(QWidget* target) {
    QTest::mouseClick(target, Qt::LeftButton);
}

}  // namespace mirtal::sweep
