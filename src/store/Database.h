#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "store/ConnectionString.h"
#include "store/ResultSet.h"
#include "store/SqliteHandles.h"

namespace mirtal::store {

// The one connection to the password-protected database file. Windows hand it statements
// as text in their own dialect; it translates, runs exactly one statement per call, and
// reports every failure as a StoreError with a description.
class Database {
  public:
    using StatementObserver = std::function<void(const QString& statement)>;

    // Opens an existing file read-write; never creates one. Throws StoreError naming the
    // file and the cause when it is missing, keyed with another password, not a database
    // or cannot be written. Nothing is written to the file by a failed open.
    static std::unique_ptr<Database> open(const ConnectionSettings& settings);

    void execute(const QString& statement);
    ResultSet select(const QString& statement);

    // Runs related writes as one: either all of them are kept or, when `work` throws,
    // none of them (the exception goes on to the caller).
    void inTransaction(const std::function<void()>& work);

    // Sees the text of every statement handed to execute() and select(), as written.
    void setStatementObserver(StatementObserver observer) { observer_ = std::move(observer); }

    // Runs SQLite text as it stands, with no translation; for checks and measurements.
    ResultSet selectNative(const std::string& sqliteStatement);

  private:
    explicit Database(SqliteHandle handle);

    // What a statement may do: a select only reads, a write may change rows, native text
    // (checks and measurements) is run as it stands.
    enum class Access { Read, Write, Native };

    ResultSet run(const std::string& sqliteStatement, Access access);
    void runControl(const char* statement);
    [[noreturn]] void fail() const;
    QString failureDescription() const;

    SqliteHandle db_;
    StatementObserver observer_;
};

}  // namespace mirtal::store
