#include "app/SingleCopyLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>

namespace mirtal::app {

SingleCopyLock::~SingleCopyLock() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

SingleCopyLock::Outcome SingleCopyLock::take(const QString& file) {
    const int descriptor = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return Outcome::NoFile;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return Outcome::HeldByAnotherCopy;
    }
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    descriptor_ = descriptor;
    return Outcome::Taken;
}

}  // namespace mirtal::app
