// The crash loop: starts mirtal-crash-writer on one database file again and again, kills it
// with SIGKILL at a random moment, and checks the file each time: the program's key opens
// it, PRAGMA integrity_check says "ok", every action the writer acknowledged is there, and
// the action it was in the middle of is there wholly or not at all. The acknowledged writes
// are replayed into a second database, which the file must match row for row.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "DeliveredFolder.h"
#include "KilledRun.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace {

using mirtal::store::Database;

struct RollBack {};

std::unique_ptr<Database> openIn(const QString& folder) {
    return Database::open(mirtal::store::connectionSettingsFor(folder));
}

std::string everything(Database& db) {
    std::string rows;
    for (const mirtal::store::Table& table : mirtal::store::tables()) {
        auto rs = db.selectNative("SELECT * FROM " + std::string(table.name) + " ORDER BY 1");
        for (; !rs.eof(); rs.moveNext()) {
            rows += table.name;
            for (int c = 0; c < rs.fieldCount(); ++c) {
                rows += '|' + rs.field(c).toString().toStdString();
            }
            rows += '\n';
        }
    }
    return rows;
}

void apply(Database& db, const std::vector<QString>& writes) {
    db.inTransaction([&] {
        for (const QString& statement : writes) {
            db.execute(statement);
        }
    });
}

// What the writer said before it died: its acknowledged actions, and the writes of the
// action it had announced but not acknowledged.
struct Transcript {
    std::vector<std::vector<QString>> acknowledged;
    std::vector<QString> pending;

    void take(const QByteArray& line) {
        if (line == "A") {
            acknowledged.push_back(std::move(pending));
            pending.clear();
        } else if (line.startsWith("S ")) {
            pending.push_back(QString::fromUtf8(line.mid(2)));
        }
    }
};

Transcript runAndKill(const QString& writer, const QString& folder, unsigned seed,
                      int killAfterMs) {
    Transcript transcript;
    mirtal::crashloop::runAndKill(writer, {folder, QString::number(seed)}, killAfterMs,
                                  [&](const QByteArray& line) { transcript.take(line); });
    return transcript;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mirtal-crash-loop ROUNDS [SEED]\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                   : std::random_device{}();
    const QString writer =
        QCoreApplication::applicationDirPath() + QStringLiteral("/mirtal-crash-writer");
    std::mt19937 random(seed);

    // The file the writer works on, and its twin on which the acknowledged actions are
    // replayed.
    const mirtal::harness::DeliveredFolder written;
    const mirtal::harness::DeliveredFolder replayed;
    const QString fileFolder = written.path();
    const auto replay = openIn(replayed.path());

    long acknowledged = 0;
    int killedMidAction = 0;
    int landedUnacknowledged = 0;
    int keyFailures = 0;
    int integrityFailures = 0;
    int lostOrHalf = 0;
    QElapsedTimer total;
    total.start();
    for (int round = 1; round <= rounds; ++round) {
        const Transcript said =
            runAndKill(writer, fileFolder, random(), std::uniform_int_distribution(0, 600)(random));
        for (const auto& action : said.acknowledged) {
            apply(*replay, action);
        }
        acknowledged += static_cast<long>(said.acknowledged.size());
        killedMidAction += said.pending.empty() ? 0 : 1;

        std::unique_ptr<Database> file;
        try {
            file = openIn(fileFolder);
        } catch (const mirtal::store::StoreError& e) {
            ++keyFailures;
            std::fprintf(stderr, "round %d: the file does not open: %s\n", round,
                         qPrintable(e.description()));
            return 1;
        }
        const QString integrity = file->selectNative("PRAGMA integrity_check").field(0).toString();
        if (integrity != QStringLiteral("ok")) {
            ++integrityFailures;
            std::fprintf(stderr, "round %d: integrity check: %s\n", round, qPrintable(integrity));
        }
        const std::string inFile = everything(*file);
        bool matches = inFile == everything(*replay);
        if (!matches && !said.pending.empty()) {
            // The kill came after the action's writes returned and before its "A".
            try {
                replay->inTransaction([&] {
                    for (const QString& statement : said.pending) {
                        replay->execute(statement);
                    }
                    matches = inFile == everything(*replay);
                    if (!matches) {
                        throw RollBack{};
                    }
                });
                ++landedUnacknowledged;
            } catch (const RollBack&) {
            }
        }
        if (!matches) {
            ++lostOrHalf;
            std::fprintf(stderr,
                         "round %d: the file does not hold exactly the acknowledged "
                         "actions (and the unfinished one wholly or not at all)\n",
                         round);
        }
    }
    std::printf(
        "rounds %d (seed %u) in %.1f s: %ld acknowledged actions, %d kills in the middle "
        "of an action (%d of those actions complete), %d files the key did not open, "
        "%d integrity failures, %d files with lost or half-done actions\n",
        rounds, seed, static_cast<double>(total.elapsed()) / 1000.0, acknowledged, killedMidAction,
        landedUnacknowledged, keyFailures, integrityFailures, lostOrHalf);
    return keyFailures + integrityFailures + lostOrHalf == 0 ? 0 : 1;
}
