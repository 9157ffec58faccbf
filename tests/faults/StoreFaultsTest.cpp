#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <string>

#include "store/ConnectionString.h"
#include "store/DateText.h"
#include "store/KeyAllocator.h"
#include "store/Session.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "support/FailingVfs.h"
#include "support/TestDatabase.h"
#include "users/UserRemoval.h"

// Each write and each sync of an action fails in turn, as a full or failing disk would make
// them fail: the action is then wholly in the file or not at all, the file stays sound, the
// failure comes back as a StoreError with a description, and the next action works.

namespace mirtal {
namespace {

using testing::FailingVfs;

QString day(int month, int dayOfMonth) {
    return store::DateText::shortDate(QDate(2026, month, dayOfMonth));
}

// Two users with a little of everything, written with the windows' own statements.
void addHousehold(store::Database& db) {
    for (const QString& row :
         {QStringLiteral("Insert Into User1 Values(1, 'Ann')"),
          QStringLiteral("Insert Into User1 Values(2, 'Bob')"),
          QStringLiteral("Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', "
                         "'I rested today.')"),
          QStringLiteral("Insert Into SetExercise Values(2, 1, 'Push ups', 'Light', '')"),
          QStringLiteral("Insert Into SetExercise Values(3, 2, 'Running', 'Difficult', '')"),
          "Insert Into Exercise Values(1, 1, 2, '" + day(12, 9) + "', 10)",
          "Insert Into Exercise Values(2, 1, 2, '" + day(12, 10) + "', 12)",
          "Insert Into Exercise Values(3, 1, 1, '" + day(12, 11) + "', 0)",
          "Insert Into Exercise Values(4, 2, 3, '" + day(12, 9) + "', 3)",
          "Insert Into PulseWeight Values(1, 1, '" + day(12, 9) + "', 62, 73.5, 'Good')",
          "Insert Into PulseWeightTarget Values( 1, 1, '" + day(12, 1) + "', '" + day(12, 31) +
              "', 58, 72.5)",
          "Insert Into DailyMealInput Values(1, 1, '" + day(12, 9) +
              "', '1B', -8, 0, 0, 0, 0, 0, 0, 0, 0)",
          "Insert Into DailySnackingInput Values(1, 1, '" + day(12, 9) + "', -2, 4)",
          "Insert Into DailySnackingInput Values(2, 2, '" + day(12, 9) + "', 3, 0)"}) {
        db.execute(row);
    }
}

// Every row of every table, as SQLite holds them.
std::string everything(store::Database& db) {
    std::string rows;
    for (const store::Table& table : store::tables()) {
        store::ResultSet rs =
            db.selectNative("SELECT * FROM " + std::string(table.name) + " ORDER BY 1");
        for (; !rs.eof(); rs.moveNext()) {
            rows += std::string(table.name) + ":";
            for (int c = 0; c < rs.fieldCount(); ++c) {
                rows += ' ';
                rows += rs.field(c).toString().toStdString();
            }
            rows += "\n";
        }
    }
    return rows;
}

// An insert as the windows make it: the next key, then the statement with it.
std::function<void(store::Database&)> insert(const char* key, const char* table,
                                             const QString& values) {
    return [=](store::Database& db) {
        const qint64 next =
            store::nextKey(db, QStringLiteral("  Select Max(%1) From %2").arg(key, table));
        db.execute(QStringLiteral("Insert Into %1 Values(").arg(table) + QString::number(next) +
                   values + QStringLiteral(")"));
    };
}

struct Action {
    const char* name;
    std::function<void(store::Database&)> run;
};

void PrintTo(const Action& action, std::ostream* os) {
    *os << action.name;
}

const std::vector<Action>& actions() {
    static const std::vector<Action> all = {
        {"RemoveUser", [](store::Database& db) { users::removeUserData(db, QStringLiteral("1")); }},
        {"RemoveCatalogueExercise",
         [](store::Database& db) {
             db.inTransaction([&] {
                 db.execute(QStringLiteral("Delete From Exercise Where SEID=2 And UserID=1"));
                 db.execute(QStringLiteral("Delete From SetExercise Where SEID=2 And UserID=1"));
             });
         }},
        {"InsertUser", insert("UserID", "User1", QStringLiteral(", 'Cleo'"))},
        {"InsertCatalogueExercise",
         insert("SEID", "SetExercise", QStringLiteral(", 2, 'Rowing', 'Moderate', 'Slowly'"))},
        {"InsertDailyExercise", insert("EID", "Exercise", ", 2, 3, '" + day(12, 10) + "', 4")},
        {"InsertProgressEntry",
         insert("PWID", "PulseWeight", ", 1, '" + day(12, 10) + "', 61, 73.25, 'Excellent'")},
        {"InsertTargetValues", insert("TPWID", "PulseWeightTarget",
                                      ", 2, '" + day(12, 1) + "', '" + day(12, 31) + "', 60, 88")},
        {"InsertMealEvaluation",
         insert("DMID", "DailyMealInput",
                ", 1, '" + day(12, 10) + "', '2L', 0, 3, -1, 1, 3, 2, 3, 1, 5")},
        {"InsertSnacking",
         insert("DSID", "DailySnackingInput", ", 1, '" + day(12, 10) + "', 0, 2")},
    };
    return all;
}

// The household written once; each run starts on a copy of its file.
class FaultInjection : public ::testing::TestWithParam<Action> {
  protected:
    void SetUp() override {
        addHousehold(household.db());
        before = everything(household.db());
    }

    // A fresh copy of the household, opened as the program opens it.
    struct Copy {
        explicit Copy(const QString& from) : session(dir.path()) {
            QFile::copy(from, file());
            session.OpenConnection();
        }
        QString file() const { return dir.filePath(QStringLiteral("Mirtal.mdb")); }
        store::Database& db() { return session.db(); }

        QTemporaryDir dir;
        store::Session session;
    };

    testing::TestDatabase household;
    std::string before;
    FailingVfs vfs;
};

TEST_P(FaultInjection, EveryWriteAndSyncFailingInTurnKeepsTheActionWholeOrAbsent) {
    const Action& action = GetParam();

    // A run without faults: how many writes and syncs the action makes and what it leaves.
    std::string after;
    int operations = 0;
    {
        Copy c(household.file());
        vfs.failAt(0);
        action.run(c.db());
        operations = vfs.operations();
        after = everything(c.db());
    }
    ASSERT_GT(operations, 0);
    ASSERT_NE(before, after);

    for (const FailingVfs::Fault fault : {FailingVfs::Fault::Once, FailingVfs::Fault::FromThenOn}) {
        for (int n = 1; n <= operations; ++n) {
            SCOPED_TRACE("operation " + std::to_string(n) + " of " + std::to_string(operations) +
                         (fault == FailingVfs::Fault::Once ? ", once" : ", from then on"));
            Copy c(household.file());
            std::optional<QString> failure;
            vfs.failAt(n, fault);
            try {
                action.run(c.db());
            } catch (const store::StoreError& e) {
                failure = e.description();
            }
            vfs.heal();
            ASSERT_TRUE(vfs.failed());
            ASSERT_TRUE(failure.has_value()) << "a failed write was reported as success";
            EXPECT_TRUE(failure->contains(c.file())) << failure->toStdString();

            // The running program reads the file as it was; so does a fresh start.
            EXPECT_EQ(c.db().selectNative("PRAGMA integrity_check").field(0).toString(), "ok");
            EXPECT_EQ(everything(c.db()), before);
            {
                const auto restart =
                    store::Database::open(store::connectionSettingsFor(c.dir.path()));
                EXPECT_EQ(restart->selectNative("PRAGMA integrity_check").field(0).toString(),
                          "ok");
                EXPECT_EQ(everything(*restart), before);
            }

            // The same action tried again works and does all of its work.
            action.run(c.db());
            EXPECT_EQ(everything(c.db()), after);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Actions, FaultInjection, ::testing::ValuesIn(actions()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirtal
