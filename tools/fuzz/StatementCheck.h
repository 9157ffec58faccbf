#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "store/Database.h"
#include "store/SqliteHandles.h"

namespace mirtal::fuzz {

// Hands any text to the dialect translator and to the store's select and execute on a
// scratch database, and checks what the store promises: a text it accepts runs as exactly one
// statement of the kind it starts with, and a select changes no row. Each text's writes are
// rolled back, so every text meets the same data. A broken promise ends the process with a
// description on standard error, which the fuzzer and the corpus replay report as a failure.
class StatementCheck {
  public:
    StatementCheck();
    ~StatementCheck();
    StatementCheck(const StatementCheck&) = delete;
    StatementCheck& operator=(const StatementCheck&) = delete;

    void check(std::string_view input);

  private:
    enum class Call { Select, Execute };

    void throughStore(const QString& text, Call call);
    void checkAccepted(const QString& text, Call call, qint64 changes);
    qint64 totalChanges();

    QTemporaryDir dir_;
    std::unique_ptr<store::Database> db_;
    store::SqliteHandle observer_;  // a second connection that prepares what the store accepted
};

}  // namespace mirtal::fuzz
