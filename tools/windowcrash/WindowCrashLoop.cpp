// The window crash loop: starts mirtal-window-crash-writer (the program driven through its
// windows) on one database file again and again, kills it with SIGKILL at a random moment, and
// checks the file after each kill: the program's key opens it, PRAGMA integrity_check says
// "ok", every action whose window had told of its success is there, and a removal is whole or
// absent: a removed user has no row left in any table, and a user still there has every
// acknowledged entry.
//
//   mirtal-window-crash-loop ROUNDS [SEED]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <cstdio>
#include <random>

#include "DeliveredFolder.h"
#include "KilledRun.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace {

using mirtal::store::Database;

// A row the file must hold for a user: its table and what it matches.
struct Fact {
    QString table;
    QString where;
};

// What the writer said in one run.
struct Transcript {
    QHash<QString, QList<Fact>> acknowledged;  // by user
    QSet<QString> removed;
    QString pendingRemoval;  // begun and not told of
    int actions = 0;
    int begun = 0;

    void take(const QByteArray& line) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(u"B ")) {
            ++begun;
            pendingRemoval = text.startsWith(u"B remove ") ? text.mid(9) : QString();
        } else if (text.startsWith(u"A ")) {
            const QStringList parts = text.mid(2).split(u' ');
            acknowledged[parts[0]] << Fact{parts[1], parts.mid(2).join(u' ')};
            ++actions;
        } else if (text.startsWith(u"R ")) {
            removed.insert(text.mid(2));
            pendingRemoval.clear();
            ++actions;
        }
    }
};

qint64 count(Database& db, const QString& table, const QString& user, const QString& where) {
    const QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE UserID = %2%3")
                            .arg(table, user, where.isEmpty() ? QString() : " AND " + where);
    return db.selectNative(sql.toStdString()).field(0).toLongLong();
}

qint64 rowsOfUser(Database& db, const QString& user) {
    qint64 rows = 0;
    for (const mirtal::store::Table& table : mirtal::store::tables()) {
        if (mirtal::store::findColumn(table, "UserID")) {
            rows += count(
                db,
                QString::fromLatin1(table.name.data(), static_cast<qsizetype>(table.name.size())),
                user, QString());
        }
    }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mirtal-window-crash-loop ROUNDS [SEED]\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                   : std::random_device{}();
    const QString writer =
        QCoreApplication::applicationDirPath() + QStringLiteral("/mirtal-window-crash-writer");
    std::mt19937 random(seed);
    const mirtal::harness::DeliveredFolder written;

    // Every acknowledged entry of the users there are, kept over the rounds.
    QHash<QString, QList<Fact>> held;
    long acknowledged = 0;
    long begun = 0;
    int removals = 0;
    int removalsCut = 0;
    int failures = 0;
    QElapsedTimer total;
    total.start();
    for (int round = 1; round <= rounds; ++round) {
        Transcript said;
        // The program starts in about half a second; the kill comes at any moment of its
        // start or of the few seconds of work after it.
        const int killAfter = std::uniform_int_distribution(0, 3000)(random);
        mirtal::crashloop::runAndKill(writer, {written.path(), QString::number(random())},
                                      killAfter, [&](const QByteArray& line) { said.take(line); });
        acknowledged += said.actions;
        begun += said.begun;
        const auto fail = [&](const QString& what) {
            ++failures;
            std::fprintf(stderr, "round %d: %s\n", round, qPrintable(what));
        };

        std::unique_ptr<Database> file;
        try {
            file = Database::open(mirtal::store::connectionSettingsFor(written.path()));
        } catch (const mirtal::store::StoreError& e) {
            fail(QStringLiteral("the file does not open: ") + e.description());
            break;
        }
        const QString integrity = file->selectNative("PRAGMA integrity_check").field(0).toString();
        if (integrity != QStringLiteral("ok")) {
            fail(QStringLiteral("integrity check: ") + integrity);
        }
        for (auto it = said.acknowledged.cbegin(); it != said.acknowledged.cend(); ++it) {
            // A new user may take the key of one removed before.
            if (it->front().table == u"User1") {
                held[it.key()].clear();
            }
            held[it.key()] << *it;
        }
        QSet<QString> gone = said.removed;
        if (!said.pendingRemoval.isEmpty()) {
            ++removalsCut;
            if (count(*file, QStringLiteral("User1"), said.pendingRemoval, QString()) == 0) {
                gone.insert(said.pendingRemoval);
            }
        }
        for (const QString& user : gone) {
            ++removals;
            if (const qint64 left = rowsOfUser(*file, user); left != 0) {
                fail(QStringLiteral("user %1 was removed, but %2 of their rows are left")
                         .arg(user)
                         .arg(left));
            }
            held.remove(user);
        }
        for (auto it = held.cbegin(); it != held.cend(); ++it) {
            for (const Fact& fact : *it) {
                if (count(*file, fact.table, it.key(), fact.where) == 0) {
                    fail(QStringLiteral("the acknowledged row of user %1 in %2 where %3 is lost")
                             .arg(it.key(), fact.table, fact.where));
                }
            }
        }
    }
    std::printf(
        "rounds %d (seed %u) in %.1f s: %ld actions begun, %ld acknowledged through "
        "the windows, %d removals (%d cut by a kill), %d failures\n",
        rounds, seed, static_cast<double>(total.elapsed()) / 1000.0, begun, acknowledged, removals,
        removalsCut, failures);
    return failures == 0 ? 0 : 1;
}
