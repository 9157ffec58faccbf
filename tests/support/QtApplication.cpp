#include "support/QtApplication.h"

#include <QApplication>

namespace mirtal::testing {

void ensureQtApplication() {
    if (QApplication::instance()) {
        return;
    }
    static int argc = 1;
    static char name[] = "mirtal-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics are gone before ours would be, and tearing
    // the application down then crashes. The process ending frees it.
    new QApplication(argc, argv);
    // Tests close windows freely; only the test decides when the program is over.
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace mirtal::testing
