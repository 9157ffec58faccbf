#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include "store/Session.h"

namespace mirtal::testing {

// A fresh delivered database in a folder of its own, opened through the program's own
// connection string, with every statement the store is handed recorded in `statements`.
class TestDatabase {
  public:
    TestDatabase();

    store::Session& session() { return session_; }
    store::Database& db() { return session_.db(); }
    QString directory() const { return dir_.path(); }
    QString file() const { return dir_.filePath(QStringLiteral("Mirtal.mdb")); }

    // Runs SQLite text as it stands and returns the first column of the first row.
    QVariant scalar(const std::string& sqliteStatement);

    QStringList statements;

  private:
    QTemporaryDir dir_;
    store::Session session_;
};

}  // namespace mirtal::testing
