#include "fuzz/StatementCheck.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QLocale>

#include "store/ConnectionString.h"
#include "store/DateText.h"
#include "store/DialectTranslator.h"
#include "store/KeyedOpen.h"
#include "store/SqlTokenizer.h"
#include "store/StoreError.h"
#include "store/schema/DeliveredDatabase.h"

namespace mirtal::fuzz {

namespace {

struct RollBack {};

[[noreturn]] void broken(const char* promise, const QString& text, const std::string& sqlite) {
    std::fprintf(stderr, "BROKEN PROMISE: %s\n  statement: %s\n  as SQLite: %s\n", promise,
                 text.toUtf8().constData(), sqlite.c_str());
    std::abort();
}

// The first word of a text, lower-cased: the kind of statement it announces.
std::string firstWord(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && store::isBlank(text[i])) {
        ++i;
    }
    std::string word;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
    }
    return word;
}

// A little of everything a household keeps, written with the windows' own statements.
constexpr const char* sampleRows[] = {
    "Insert Into User1 Values(1, 'Ann')",
    "Insert Into User1 Values(2, 'O`Neil')",
    "Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')",
    "Insert Into SetExercise Values(2, 1, 'Push ups', 'Light', 'On the knees')",
    "Insert Into SetExercise Values(3, 2, 'Running', 'Difficult', '')",
    "Insert Into Exercise Values(1, 1, 2, '12/9/2026', 10)",
    "Insert Into Exercise Values(2, 2, 3, '12/10/2026', 3)",
    "Insert Into PulseWeight Values(1, 1, '12/9/2026', 62, 73.5, 'Good')",
    "Insert Into PulseWeightTarget Values( 1, 1, '12/1/2026', '12/31/2026', 58, 72.5)",
    "Insert Into DailyMealInput Values(1, 1, '12/9/2026', '1B', -8, 0, 0, 0, 0, 0, 0, 0, 0)",
    "Insert Into DailyMealInput Values(2, 1, '12/9/2026', '2L', 0, 3, -1, 1, 3, 2, 3, 1, 5)",
    "Insert Into DailySnackingInput Values(1, 1, '12/9/2026', -2, 4)",
};

}  // namespace

StatementCheck::StatementCheck() {
    // The corpus writes days as the month/day/year short dates of this locale.
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    store::DateText::setDateSeparator(QStringLiteral("/"));
    const QString file = dir_.filePath(QStringLiteral("Mirtal.mdb"));
    store::createDeliveredDatabase(file);
    db_ = store::Database::open(store::connectionSettingsFor(dir_.path()));
    for (const char* row : sampleRows) {
        db_->execute(QString::fromUtf8(row));
    }
    QString cause;
    observer_ = store::openKeyed(file, store::databasePassword(), &cause);
    if (!observer_) {
        std::fprintf(stderr, "The scratch database cannot be opened: %s\n", qPrintable(cause));
        std::abort();
    }
}

StatementCheck::~StatementCheck() = default;

void StatementCheck::check(std::string_view input) {
    const QString text = QString::fromUtf8(input.data(), static_cast<qsizetype>(input.size()));
    // The translator on its own: a translation or a StoreError, never anything else. What it
    // refuses, the store refuses before it touches the database.
    try {
        store::translateStatement(text.toStdString());
    } catch (const store::StoreError&) {
        return;
    }
    throughStore(text, Call::Select);
    throughStore(text, Call::Execute);
}

qint64 StatementCheck::totalChanges() {
    return db_->selectNative("SELECT total_changes()").field(0).toLongLong();
}

void StatementCheck::throughStore(const QString& text, Call call) {
    bool accepted = false;
    qint64 changes = 0;
    try {
        db_->inTransaction([&] {
            const qint64 before = totalChanges();
            if (call == Call::Select) {
                db_->select(text);
            } else {
                db_->execute(text);
            }
            accepted = true;
            changes = totalChanges() - before;
            throw RollBack{};
        });
    } catch (const RollBack&) {
    } catch (const store::StoreError&) {
    }
    if (accepted) {
        checkAccepted(text, call, changes);
    }
}

void StatementCheck::checkAccepted(const QString& text, Call call, qint64 changes) {
    const std::string sqlite = store::translateStatement(text.toStdString());
    const std::string kind = firstWord(text.toStdString());
    if (kind != "select" && kind != "insert" && kind != "update" && kind != "delete") {
        broken("only a select, insert, update or delete runs", text, sqlite);
    }
    if (firstWord(sqlite) != kind) {
        broken("the statement run is of the kind the text starts with", text, sqlite);
    }
    const char* tail = nullptr;
    const store::StatementHandle stmt =
        store::prepareStatement(observer_.get(), sqlite.c_str(), &tail);
    if (!stmt) {
        broken("what the store ran compiles", text, sqlite);
    }
    for (const char* c = tail; c != nullptr && c < sqlite.data() + sqlite.size(); ++c) {
        if (!store::isBlank(*c)) {
            broken("one text runs as one statement", text, sqlite);
        }
    }
    const bool reads = kind == "select" || call == Call::Select;
    if (reads && (changes != 0 || sqlite3_stmt_readonly(stmt.get()) == 0)) {
        broken("a select changes no row", text, sqlite);
    }
}

}  // namespace mirtal::fuzz
