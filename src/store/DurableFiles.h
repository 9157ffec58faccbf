#pragma once

#include <QString>

#include "store/StoreError.h"

namespace mirtal::store {

// File steps for putting a whole database file in place so that a crash or power cut at any
// moment leaves either the old file or the new one, never half of one.

// A name in the folder of `file` that nothing uses yet, for writing a file beside it.
QString unusedSiblingName(const QString& file);

// Copies `from` to the new file `to` (which must not exist) with its bytes on the disk when
// it returns; only the owner may read or write the copy. Throws StoreError.
void copyToNewFile(const QString& from, const QString& to);

// Renames `from` to `to`. Replace::Never refuses when `to` exists (also when it appears in the
// meantime); Replace::Allowed swaps the new file in at once. The rename is on the disk when it
// returns. Throws StoreError.
enum class Replace { Never, Allowed };
// What Replace::Never refuses with: a file of that name is there.
class ExistingFile : public StoreError {
  public:
    using StoreError::StoreError;
};
void moveIntoPlace(const QString& from, const QString& to, Replace replace);

// Removes the file (and its journal) when it goes out of scope unless kept: what a failed
// step leaves behind beside the user's files.
class RemovedUnlessKept {
  public:
    explicit RemovedUnlessKept(QString file) : file_(std::move(file)) {}
    ~RemovedUnlessKept();
    RemovedUnlessKept(const RemovedUnlessKept&) = delete;
    RemovedUnlessKept& operator=(const RemovedUnlessKept&) = delete;

    void keep() { kept_ = true; }

  private:
    QString file_;
    bool kept_ = false;
};

}  // namespace mirtal::store
