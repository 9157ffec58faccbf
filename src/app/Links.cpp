#include "app/Links.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "app/Messages.h"

namespace mirtal::app {

void DesktopLinkOpener::open(const QUrl& url) {
    const QString page =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        messages_.inform(
            QStringLiteral("The page %1 cannot be shown: the file is missing.").arg(page));
        return;
    }
    // The desktop says no more than that nothing could be started to show it.
    if (!QDesktopServices::openUrl(url)) {
        messages_.inform(QStringLiteral("The page %1 cannot be shown: no web browser or other "
                                        "program to open it could be started.")
                             .arg(page));
    }
}

QUrl sitePage(const QString& applicationDirectory, const QString& path) {
    const QString page = path == u"/" ? QStringLiteral("/index.html") : path;
    return QUrl::fromLocalFile(QDir(applicationDirectory).filePath(QStringLiteral("site") + page));
}

}  // namespace mirtal::app
