#include "app/Installation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/DurableFiles.h"
#include "store/StoreError.h"

namespace mirtal::app {

namespace {

const QString databaseName = QStringLiteral("Mirtal.mdb");

}  // namespace

Installation locateInstallation(const QString& programFolder) {
    const QDir program(programFolder);
    // Set by the build: where the installed data files lie, seen from the installed program.
    const QString shared =
        QDir::cleanPath(program.filePath(QStringLiteral(MIRTAL_SHARED_FROM_PROGRAM)));
    const QString templateFile = QDir(shared).filePath(databaseName);
    if (program.exists(databaseName) || !QFileInfo::exists(templateFile)) {
        return {programFolder, programFolder, QString()};
    }
    return {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), shared,
            templateFile};
}

void provideDatabase(const Installation& installation) {
    const QString file = QDir(installation.dataFolder).filePath(databaseName);
    if (installation.templateFile.isEmpty() || QFileInfo::exists(file)) {
        return;
    }
    if (!QDir().mkpath(installation.dataFolder)) {
        throw store::StoreError(QStringLiteral("The data folder %1 cannot be made.")
                                    .arg(QDir::toNativeSeparators(installation.dataFolder)));
    }
    const QString copy = store::unusedSiblingName(file);
    store::RemovedUnlessKept copyUntilDone(copy);
    store::copyToNewFile(installation.templateFile, copy);
    // Another start may have put a file there meanwhile; that one is kept.
    try {
        store::moveIntoPlace(copy, file, store::Replace::Never);
        copyUntilDone.keep();
    } catch (const store::StoreError&) {
        if (!QFileInfo::exists(file)) {
            throw;
        }
    }
}

}  // namespace mirtal::app
