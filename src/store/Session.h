#pragma once

#include <QString>
#include <future>
#include <memory>
#include <optional>

#include "store/Database.h"

namespace mirtal::store {

// An opening of the database running on another thread.
using DatabaseOpening = std::future<std::unique_ptr<Database>>;

// The state every window shares for the whole run: the one connection, the current user
// and the number of the window being opened.
class Session {
  public:
    enum class UserLoad { Loaded, Duplicate, Missing };

    explicit Session(QString applicationDirectory);

    // Opens the database once per run. The flag is set before the attempt, so a failed open
    // is not tried again; throws StoreError on that failure. An opening begun by
    // beginOpening is left to finishOpening.
    void OpenConnection();
    // Opening the file derives its key, most of the program's start: the start begins it
    // on another thread (or hands over an opening begun earlier, `begun`), builds the user
    // window meanwhile and then waits for it with finishOpening, which throws StoreError when
    // the open failed.
    void beginOpening(DatabaseOpening begun = {});
    void finishOpening();
    bool isOpen() const { return db_ != nullptr; }
    // Waits for an opening in progress; throws StoreError before a successful open.
    Database& db();

    std::optional<qint64> currentUserId() const { return currentUserId_; }
    void setCurrentUserId(std::optional<qint64> id) { currentUserId_ = id; }
    // The number as statements carry it after "UserID=".
    QString userIdText() const;

    // Reloads the current user's name: one row sets it, none empties it, more than one
    // keeps the old name (the caller shows vocabulary::duplicateUserMessage).
    UserLoad LoadCurrentUser();
    const QString& currentUserName() const { return currentUserName_; }

    int windowNumber() const { return windowNumber_; }
    void setWindowNumber(int number) { windowNumber_ = number; }

  private:
    QString applicationDirectory_;
    bool connectionOpened_ = false;
    DatabaseOpening opening_;
    std::unique_ptr<Database> db_;
    std::optional<qint64> currentUserId_;
    QString currentUserName_;
    int windowNumber_ = 0;
};

}  // namespace mirtal::store
