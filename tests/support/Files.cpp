#include "support/Files.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace mirtal::testing {

QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
    f.write(bytes);
}

QStringList folderState(const QString& folder) {
    QStringList state;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(
             QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (entry.isDir()) {
            state << entry.fileName() + u'/';
            continue;
        }
        QFile f(entry.filePath());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << entry.filePath().toStdString();
        state << entry.fileName() + u' ' +
                     QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
    }
    return state;
}

}  // namespace mirtal::testing
