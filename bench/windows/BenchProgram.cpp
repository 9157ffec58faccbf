#include "windows/BenchProgram.h"

#include <QApplication>
#include <QPixmap>

namespace mirtal::bench {

BenchProgram& BenchProgram::twentyYears() {
    // Never destroyed: its windows must not outlive the QApplication that main() owns.
    static BenchProgram* program = new BenchProgram;
    return *program;
}

BenchProgram::BenchProgram()
    : data_(GeneratorSettings{}), program_(data_.directory(), messages_, links_) {
    program_.start();
    program_.enterAs(1);
    closeAll();
}

QWidget* BenchProgram::openAndPaint(app::WindowId id) {
    switcher().openWindow(id);
    QWidget* window = switcher().loadedWindow(id);
    paintOnce(window);
    return window;
}

void BenchProgram::closeAll() {
    app::WindowSwitcher& s = switcher();
    for (const app::WindowRow& row : app::windowTable()) {
        if (row.id != app::WindowId::User) {
            s.closeWindow(row.id);
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void paintOnce(QWidget* widget) {
    QApplication::processEvents();
    QPixmap picture(widget->size());
    widget->render(&picture);
}

void settle() {
    QApplication::processEvents();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace mirtal::bench
