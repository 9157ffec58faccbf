#pragma once

#include <QString>

namespace mirtal::app {

// Keeps a second copy of the program off the database file while this one runs. Two copies
// would each allocate keys as the maximum plus one and check "one entry per day" on their own,
// so the same moment could give two rows one key or two entries one day. The lock is the
// system's advisory lock on the file itself: it writes nothing, leaves SQLite's own locks
// alone (backup tools and the like still only wait for those), and ends with the process.
class SingleCopyLock {
  public:
    enum class Outcome { Taken, HeldByAnotherCopy, NoFile };

    SingleCopyLock() = default;
    ~SingleCopyLock();
    SingleCopyLock(const SingleCopyLock&) = delete;
    SingleCopyLock& operator=(const SingleCopyLock&) = delete;

    // NoFile when the file cannot be opened for reading; the store then says why.
    Outcome take(const QString& file);

  private:
    int descriptor_ = -1;
};

}  // namespace mirtal::app
