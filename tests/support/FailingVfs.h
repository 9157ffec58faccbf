#pragma once

#include <sqlite3.h>

namespace mirtal::testing {

// Wraps the default SQLite file system and fails one chosen write or sync with an I/O error,
// as a full disk or a pulled stick would. Registered as the default while it lives, so every
// connection opened meanwhile goes through it; writes and syncs are counted together, in the
// order the connections issue them.
class FailingVfs {
  public:
    enum class Fault {
        Once,        // only the chosen operation fails
        FromThenOn,  // it and every write and sync after it fail, until heal()
    };

    FailingVfs();
    ~FailingVfs();
    FailingVfs(const FailingVfs&) = delete;
    FailingVfs& operator=(const FailingVfs&) = delete;

    // Counting starts again; the n-th write or sync from now fails (n >= 1).
    void failAt(int n, Fault fault = Fault::Once);
    // No more failures; counting goes on.
    void heal();
    // Writes and syncs seen since the last failAt() or heal().
    int operations() const { return operations_; }
    bool failed() const { return failed_; }

  private:
    struct File;
    static int open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                    int* outFlags);
    static int write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset);
    static int sync(sqlite3_file* file, int flags);
    bool shouldFail();

    sqlite3_vfs vfs_{};
    sqlite3_vfs* real_ = nullptr;
    int operations_ = 0;
    int failAt_ = 0;
    Fault fault_ = Fault::Once;
    bool failed_ = false;
};

}  // namespace mirtal::testing
