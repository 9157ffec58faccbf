#include "app/Resources.h"

#include <QImageReader>
#include <QtGlobal>

// The resource initialiser must be named outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace mirtal::app {

void loadResources() {
    initResources();
}

QPixmap resourcePicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace mirtal::app
