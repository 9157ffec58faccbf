#include "app/Links.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "app/Messages.h"

namespace mirtal::app {

DesktopLinkOpener::~DesktopLinkOpener() {
    // A run that ends while the opener goes away has nobody left to tell.
    for (QObject* run : runs_.children()) {
        run->disconnect();
    }
}

void DesktopLinkOpener::open(const QUrl& url) {
    const QString page =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        messages_.inform(
            QStringLiteral("The page %1 cannot be shown: the file is missing.").arg(page));
        return;
    }
    // Qt hands a page to xdg-open without waiting for its answer, so a desktop whose xdg-open
    // finds no browser would fail silently: run it here and listen.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty()) {
        openWithXdgOpen(xdgOpen, url, page);
        return;
    }
    // Elsewhere the desktop says no more than that nothing could be started to show it.
    if (!QDesktopServices::openUrl(url)) {
        tellCannotShow(page);
    }
}

void DesktopLinkOpener::openWithXdgOpen(const QString& xdgOpen, const QUrl& url,
                                        const QString& page) {
    auto* run = new QProcess(&runs_);
    run->setProgram(xdgOpen);
    run->setArguments({url.toString(QUrl::FullyEncoded)});
    run->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(run, &QProcess::finished, run,
                     [this, run, page](int exitCode, QProcess::ExitStatus status) {
                         run->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             tellCannotShow(page);
                         }
                     });
    QObject::connect(run, &QProcess::errorOccurred, run,
                     [this, run, page](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             run->deleteLater();
                             tellCannotShow(page);
                         }
                     });
    run->start();
}

void DesktopLinkOpener::tellCannotShow(const QString& page) {
    messages_.inform(QStringLiteral("The page %1 cannot be shown: no web browser or other "
                                    "program to open it could be started.")
                         .arg(page));
}

QUrl sitePage(const QString& applicationDirectory, const QString& path) {
    const QString page = path == u"/" ? QStringLiteral("/index.html") : path;
    return QUrl::fromLocalFile(QDir(applicationDirectory).filePath(QStringLiteral("site") + page));
}

}  // namespace mirtal::app
