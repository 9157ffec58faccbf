#include "store/Session.h"

#include "store/StoreError.h"

namespace mirtal::store {

Session::Session(QString applicationDirectory)
    : applicationDirectory_(std::move(applicationDirectory)) {}

void Session::OpenConnection() {
    if (connectionOpened_) {
        return;
    }
    connectionOpened_ = true;
    db_ = Database::open(connectionSettingsFor(applicationDirectory_));
}

void Session::beginOpening(DatabaseOpening begun) {
    if (connectionOpened_) {
        return;
    }
    connectionOpened_ = true;
    if (begun.valid()) {
        opening_ = std::move(begun);
        return;
    }
    const ConnectionSettings settings = connectionSettingsFor(applicationDirectory_);
    opening_ = std::async(std::launch::async, [settings] { return Database::open(settings); });
}

void Session::finishOpening() {
    if (opening_.valid()) {
        db_ = opening_.get();
    }
}

Database& Session::db() {
    finishOpening();
    if (!db_) {
        throw StoreError(QStringLiteral("The database is not open."));
    }
    return *db_;
}

QString Session::userIdText() const {
    return currentUserId_ ? QString::number(*currentUserId_) : QString();
}

Session::UserLoad Session::LoadCurrentUser() {
    if (!currentUserId_) {
        currentUserName_.clear();
        return UserLoad::Missing;
    }
    const ResultSet rs = db().select(
        QStringLiteral(" Select UserID, UserName From User1 Where UserID=") + userIdText());
    if (rs.recordCount() > 1) {
        return UserLoad::Duplicate;
    }
    if (rs.recordCount() == 1) {
        currentUserName_ = rs.field(u"UserName").toString();
        return UserLoad::Loaded;
    }
    currentUserName_.clear();
    return UserLoad::Missing;
}

}  // namespace mirtal::store
