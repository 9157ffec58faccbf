#include "support/FailingVfs.h"

#include <cstdlib>

namespace mirtal::testing {

// Our file record comes first; the real file system's record follows it in the same block.
struct FailingVfs::File {
    sqlite3_file base;
    sqlite3_file* real;
    FailingVfs* owner;

    static File* of(sqlite3_file* file) { return reinterpret_cast<File*>(file); }
    static sqlite3_file* realOf(sqlite3_file* file) { return of(file)->real; }
};

FailingVfs::FailingVfs() {
    real_ = sqlite3_vfs_find(nullptr);
    vfs_ = *real_;
    vfs_.zName = "mirtal-failing";
    vfs_.szOsFile = static_cast<int>(sizeof(File)) + real_->szOsFile;
    vfs_.xOpen = &FailingVfs::open;
    vfs_.pAppData = this;
    if (sqlite3_vfs_register(&vfs_, 1) != SQLITE_OK) {
        std::abort();
    }
}

FailingVfs::~FailingVfs() {
    sqlite3_vfs_register(real_, 1);
    sqlite3_vfs_unregister(&vfs_);
}

void FailingVfs::failAt(int n, Fault fault) {
    operations_ = 0;
    failAt_ = n;
    fault_ = fault;
    failed_ = false;
}

void FailingVfs::heal() {
    operations_ = 0;
    failAt_ = 0;
}

bool FailingVfs::shouldFail() {
    ++operations_;
    const bool fail = failAt_ > 0 && (operations_ == failAt_ ||
                                      (fault_ == Fault::FromThenOn && operations_ > failAt_));
    failed_ = failed_ || fail;
    return fail;
}

int FailingVfs::write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    if (File::of(file)->owner->shouldFail()) {
        return SQLITE_IOERR_WRITE;
    }
    sqlite3_file* real = File::realOf(file);
    return real->pMethods->xWrite(real, data, amount, offset);
}

int FailingVfs::sync(sqlite3_file* file, int flags) {
    if (File::of(file)->owner->shouldFail()) {
        return SQLITE_IOERR_FSYNC;
    }
    sqlite3_file* real = File::realOf(file);
    return real->pMethods->xSync(real, flags);
}

int FailingVfs::open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                     int* outFlags) {
    auto* self = static_cast<FailingVfs*>(vfs->pAppData);
    auto* ours = reinterpret_cast<File*>(file);
    ours->real = reinterpret_cast<sqlite3_file*>(ours + 1);
    ours->owner = self;
    const int rc = self->real_->xOpen(self->real_, name, ours->real, flags, outFlags);
    if (rc != SQLITE_OK || ours->real->pMethods == nullptr) {
        ours->base.pMethods = nullptr;
        return rc;
    }
    // Everything but writes and syncs goes straight to the real file. Version 1 methods
    // leave out shared memory and memory mapping, which the rollback journal does not use.
    static sqlite3_io_methods methods = [] {
        sqlite3_io_methods m{};
        m.iVersion = 1;
        m.xClose = [](sqlite3_file* f) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xClose(real);
        };
        m.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xRead(real, data, amount, offset);
        };
        m.xWrite = &FailingVfs::write;
        m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xTruncate(real, size);
        };
        m.xSync = &FailingVfs::sync;
        m.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xFileSize(real, size);
        };
        m.xLock = [](sqlite3_file* f, int lock) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xLock(real, lock);
        };
        m.xUnlock = [](sqlite3_file* f, int lock) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xUnlock(real, lock);
        };
        m.xCheckReservedLock = [](sqlite3_file* f, int* reserved) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xCheckReservedLock(real, reserved);
        };
        m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xFileControl(real, op, arg);
        };
        m.xSectorSize = [](sqlite3_file* f) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xSectorSize(real);
        };
        m.xDeviceCharacteristics = [](sqlite3_file* f) {
            sqlite3_file* real = File::realOf(f);
            return real->pMethods->xDeviceCharacteristics(real);
        };
        return m;
    }();
    ours->base.pMethods = &methods;
    return SQLITE_OK;
}

}  // namespace mirtal::testing
