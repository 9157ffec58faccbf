#include "app/Resources.h"

#include <QtGlobal>

// The resource initialiser must be named outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace mirtal::app {

void loadResources() {
    initResources();
}

}  // namespace mirtal::app
