#include "store/DurableFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/StoreError.h"

namespace mirtal::store {

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A rename or a new file is only lasting once its folder's entry is on the disk too.
void syncFolderOf(const QString& file) {
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

int renameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return -1;
    }
    // The file system cannot refuse in the rename itself; a hard link refuses just as surely.
    if (::link(from.constData(), to.constData()) == 0) {
        return ::unlink(from.constData());
    }
    if (errno != EPERM && errno != EOPNOTSUPP) {
        return -1;
    }
    // Neither (exFAT and the like): look, then rename.
    if (::access(to.constData(), F_OK) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

}  // namespace

QString unusedSiblingName(const QString& file) {
    const QFileInfo info(file);
    for (;;) {
        const QString candidate = info.dir().filePath(
            QStringLiteral(".%1.part-%2")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (!QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
}

void copyToNewFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        throw StoreError(
            QStringLiteral("%1 cannot be read: %2.").arg(native(from), source.errorString()));
    }
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        throw StoreError(
            QStringLiteral("%1 cannot be written: %2.").arg(native(to), target.errorString()));
    }
    QByteArray chunk;
    while (!(chunk = source.read(1 << 20)).isEmpty()) {
        if (target.write(chunk) != chunk.size()) {
            throw StoreError(
                QStringLiteral("%1 cannot be written: %2.").arg(native(to), target.errorString()));
        }
    }
    if (source.error() != QFileDevice::NoError) {
        throw StoreError(
            QStringLiteral("%1 cannot be read: %2.").arg(native(from), source.errorString()));
    }
    if (!target.flush() || ::fsync(target.handle()) != 0) {
        const QString cause = systemError();
        throw StoreError(QStringLiteral("%1 cannot be written: %2.").arg(native(to), cause));
    }
    syncFolderOf(to);
}

void moveIntoPlace(const QString& from, const QString& to, Replace replace) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int rc = replace == Replace::Allowed ? ::rename(source.constData(), target.constData())
                                               : renameWithoutReplacing(source, target);
    if (rc != 0) {
        if (errno == EEXIST) {
            throw ExistingFile(QStringLiteral("%1 exists already.").arg(native(to)));
        }
        const QString cause = systemError();
        throw StoreError(QStringLiteral("%1 cannot be put in place: %2.").arg(native(to), cause));
    }
    syncFolderOf(to);
}

RemovedUnlessKept::~RemovedUnlessKept() {
    if (!kept_) {
        QFile::remove(file_);
        QFile::remove(file_ + QStringLiteral("-journal"));
    }
}

}  // namespace mirtal::store
