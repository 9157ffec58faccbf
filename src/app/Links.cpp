#include "app/Links.h"

#include <QDesktopServices>
#include <QDir>

namespace mirtal::app {

void DesktopLinkOpener::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QUrl sitePage(const QString& applicationDirectory, const QString& path) {
    const QString page = path == u"/" ? QStringLiteral("/index.html") : path;
    return QUrl::fromLocalFile(QDir(applicationDirectory).filePath(QStringLiteral("site") + page));
}

}  // namespace mirtal::app
