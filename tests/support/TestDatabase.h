#pragma once

#include <QStringList>

#include "DeliveredFolder.h"
#include "store/Session.h"

namespace mirtal::testing {

// A fresh delivered database in a folder of its own, opened through the program's own
// connection string, with every statement the store is handed recorded in `statements`.
class TestDatabase {
  public:
    TestDatabase();

    store::Session& session() { return session_; }
    store::Database& db() { return session_.db(); }
    QString directory() const { return folder_.path(); }
    QString file() const { return folder_.file(); }

    // Runs SQLite text as it stands and returns the first column of the first row.
    QVariant scalar(const std::string& sqliteStatement);

    QStringList statements;

  private:
    harness::DeliveredFolder folder_;
    store::Session session_;
};

}  // namespace mirtal::testing
