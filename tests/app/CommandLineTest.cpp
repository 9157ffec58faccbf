#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"
#include "app/SingleCopyLock.h"
#include "store/BackupSchedule.h"
#include "store/Session.h"
#include "store/schema/DeliveredDatabase.h"
#include "support/DatabaseDump.h"
#include "support/QtApplication.h"
#include "support/QtPrinters.h"
#include "support/SampleRows.h"

namespace mirtal {
namespace {

// A folder that a program could run from, with a fresh delivered database beside it.
struct ProgramFolder {
    ProgramFolder() { store::createDeliveredDatabase(database()); }

    QString path() const { return dir.path(); }
    QString database() const { return dir.filePath(QStringLiteral("Mirtal.mdb")); }
    void addSampleRows() const {
        store::Session session(path());
        session.OpenConnection();
        testing::addSampleRows(session.db());
    }

    QTemporaryDir dir;
};

struct Outcome {
    int code;
    QString out;
    QString err;
};

Outcome run(const QString& programFolder, const QStringList& arguments) {
    testing::ensureQtApplication();
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int code = app::runTerminalWork(QStringList{QStringLiteral("mirtal")} + arguments,
                                          programFolder, out, err);
    out.flush();
    err.flush();
    return {code, outText, errText};
}

QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

TEST(CommandLine, ExportBackupAndRestoreCarryEveryRowIntoAFreshFile) {
    ProgramFolder home;
    home.addSampleRows();
    QTemporaryDir work;
    const QString csv = work.filePath(QStringLiteral("csv"));
    const QString copy = work.filePath(QStringLiteral("saved.mdb"));

    const Outcome exported = run(home.path(), {QStringLiteral("--export-csv"), csv});
    EXPECT_EQ(exported.code, 0);
    EXPECT_EQ(exported.err, QString());
    EXPECT_TRUE(exported.out.startsWith(QStringLiteral("Wrote 8 CSV files with ")));
    EXPECT_TRUE(exported.out.endsWith(QStringLiteral(" rows of 2 users to %1.\n").arg(csv)));

    const Outcome backedUp = run(home.path(), {QStringLiteral("--backup"), copy});
    EXPECT_EQ(backedUp.code, 0);
    EXPECT_EQ(backedUp.err, QString());
    EXPECT_EQ(backedUp.out, QStringLiteral("Wrote an encrypted copy of %1 to %2 and checked it.\n")
                                .arg(home.database(), copy));

    ProgramFolder fresh;
    const std::string delivered = testing::databaseDump(fresh.database());
    const Outcome restored = run(fresh.path(), {QStringLiteral("--restore"), copy});
    EXPECT_EQ(restored.code, 0);
    EXPECT_EQ(restored.err, QString());
    EXPECT_EQ(restored.out,
              QStringLiteral("Restored %1 as %2; the database so far is kept as %2.bak.\n")
                  .arg(copy, fresh.database()));
    EXPECT_EQ(testing::databaseDump(fresh.database()), testing::databaseDump(home.database()));
    EXPECT_EQ(testing::databaseDump(fresh.database() + QStringLiteral(".bak")), delivered);

    const QString csvAgain = work.filePath(QStringLiteral("csv-again"));
    ASSERT_EQ(run(fresh.path(), {QStringLiteral("--export-csv"), csvAgain}).code, 0);
    const QStringList files = QDir(csv).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 8);
    for (const QString& name : files) {
        EXPECT_EQ(readFile(QDir(csvAgain).filePath(name)), readFile(QDir(csv).filePath(name)))
            << name.toStdString();
    }
}

// Work that cannot be done says why in one line and ends with 1; arguments that make no sense
// end with 2. Nothing is written either way.
TEST(CommandLine, ReportsWhatWentWrongAndLeavesEverythingAsItWas) {
    ProgramFolder home;
    home.addSampleRows();
    QTemporaryDir work;
    const QString taken = work.filePath(QStringLiteral("taken.mdb"));
    QFile(taken).open(QIODevice::WriteOnly);
    const QString junk = work.filePath(QStringLiteral("junk.mdb"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(9000, 'j'));
    f.close();
    const QString out = work.filePath(QStringLiteral("out"));
    const std::string before = testing::databaseDump(home.database());

    struct Case {
        QStringList arguments;
        int code;
        QString message;
    };
    const Case cases[] = {
        {{QStringLiteral("--backup"), taken},
         1,
         QStringLiteral("mirtal: %1 exists already. Add --force to replace it.\n").arg(taken)},
        {{QStringLiteral("--restore"), junk}, 1, QStringLiteral(" cannot be restored: ")},
        {{QStringLiteral("--export-csv"), out, QStringLiteral("--user"), QStringLiteral("Zed")},
         1,
         QStringLiteral("mirtal: No user is named Zed.\n")},
        {{QStringLiteral("--backup")}, 2, QStringLiteral("Missing value after '--backup'.")},
        {{QStringLiteral("--backup"), out, QStringLiteral("--restore"), junk},
         2,
         QStringLiteral("Give one of --export-csv, --import-csv, --backup, --restore and "
                        "--list-backups.")},
        {{QStringLiteral("--user"), QStringLiteral("Ann")},
         2,
         QStringLiteral("Give one of --export-csv, --import-csv, --backup, --restore and "
                        "--list-backups.")},
        {{QStringLiteral("--backup"), out, QStringLiteral("--user"), QStringLiteral("Ann")},
         2,
         QStringLiteral("--user goes with --export-csv or --import-csv.")},
        {{QStringLiteral("--import-csv"), work.path()},
         1,
         QStringLiteral(" holds users or their entries already; an export is read only into a "
                        "database without them. Nothing was imported.\n")},
        {{QStringLiteral("--import-csv"), junk},
         2,
         QStringLiteral("--import-csv FILE needs --user NAME, the user whose progress log takes "
                        "the measurements.")},
        {{QStringLiteral("--import-csv"), work.path(), QStringLiteral("--morale"),
          QStringLiteral("Low")},
         2,
         QStringLiteral("--pulse and --morale go with --import-csv FILE.")},
        {{QStringLiteral("--import-csv"), junk, QStringLiteral("--user"), QStringLiteral("Ann")},
         1,
         QStringLiteral("junk.mdb has no header naming its columns")},
        {{QStringLiteral("--restore"), junk, QStringLiteral("--force")},
         2,
         QStringLiteral("--force goes with --export-csv or --backup.")},
        {{QStringLiteral("--backup"), out, QStringLiteral("extra")},
         2,
         QStringLiteral("Unexpected argument 'extra'.")},
        {{QStringLiteral("--backup"), out, QStringLiteral("--bogus")},
         2,
         QStringLiteral("Unknown option 'bogus'.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const Outcome outcome = run(home.path(), c.arguments);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_EQ(outcome.out, QString());
        EXPECT_TRUE(outcome.err.startsWith(QStringLiteral("mirtal: ")));
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        if (c.code == 2) {
            EXPECT_TRUE(outcome.err.endsWith(QStringLiteral("Try 'mirtal --help'.\n")));
        } else {
            EXPECT_EQ(outcome.err.count(u'\n'), 1);
        }
    }
    {
        app::SingleCopyLock runningProgram;
        ASSERT_EQ(runningProgram.take(home.database()), app::SingleCopyLock::Outcome::Taken);
        const QString copy = work.filePath(QStringLiteral("copy.mdb"));
        ASSERT_EQ(run(home.path(), {QStringLiteral("--backup"), copy}).code, 0);
        const Outcome refused = run(home.path(), {QStringLiteral("--restore"), copy});
        EXPECT_EQ(refused.code, 1);
        EXPECT_EQ(refused.err, QStringLiteral("mirtal: %1 is open in Mirtal. Close the program "
                                              "first, then restore.\n")
                                   .arg(home.database()));
    }
    EXPECT_EQ(readFile(taken), QByteArray());
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(testing::databaseDump(home.database()), before);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Mirtal.mdb")});
}

TEST(CommandLine, HelpAndVersion) {
    ProgramFolder home;
    const Outcome version = run(home.path(), {QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, QStringLiteral("Mirtal 1.02\n"));

    const Outcome help = run(home.path(), {QStringLiteral("-h")});
    EXPECT_EQ(help.code, 0);
    for (const char* option : {"--export-csv <DIR>", "--import-csv <DIR|FILE>", "--user <NAME>",
                               "--pulse <N>", "--morale <CHOICE>", "--backup <FILE>",
                               "--restore <FILE>", "--list-backups", "--force", "--version"}) {
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    }
    EXPECT_FALSE(help.out.contains(QStringLiteral("quit-when-shown")));
}

// The windowing system's own options (-platform, -reverse, ...) leave the windows to start.
TEST(CommandLine, OnlyTheProgramsOwnOptionsKeepTheWindowsClosed) {
    struct Case {
        std::vector<const char*> argv;
        bool terminal;
    };
    const Case cases[] = {
        {{"mirtal"}, false},
        {{"mirtal", "-platform", "offscreen"}, false},
        {{"mirtal", "-reverse"}, false},
        {{"mirtal", "--quit-when-shown"}, false},
        {{"mirtal", "--", "--help"}, false},
        {{"mirtal", "-h"}, true},
        {{"mirtal", "-v"}, true},
        {{"mirtal", "--backup=/tmp/x"}, true},
        {{"mirtal", "-platform", "offscreen", "--restore", "x"}, true},
        {{"mirtal", "--user", "Ann"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::asksForTerminalWork(static_cast<int>(c.argv.size()), c.argv.data()),
                  c.terminal)
            << c.argv.back();
    }
}

// The program itself, copied beside a database of its own and run where there is no display.
struct InstalledProgram {
    InstalledProgram() {
        EXPECT_TRUE(QFile::copy(QStringLiteral(MIRTAL_PROGRAM), path()));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QLatin1String(name));
        }
    }
    QString path() const { return home.dir.filePath(QStringLiteral("mirtal")); }

    Outcome run(const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(path(), arguments);
        if (!process.waitForFinished(60000)) {
            return {-1, {}, QStringLiteral("did not finish")};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    ProgramFolder home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

// Work on the terminal starts no windowing system, so it runs where there is no display at
// all; and arguments the program does not know are told on the terminal before anything
// needs one, whatever else they hold.
TEST(CommandLine, TheProgramDoesItsTerminalWorkWithoutADisplay) {
    const InstalledProgram program;
    const QString copy = program.home.dir.filePath(QStringLiteral("saved.mdb"));
    const Outcome backedUp = program.run({QStringLiteral("--backup"), copy});
    EXPECT_EQ(backedUp.code, 0) << backedUp.err.toStdString();
    EXPECT_EQ(testing::databaseDump(copy), testing::databaseDump(program.home.database()));

    struct Case {
        QStringList arguments;
        QString message;
    };
    const Case cases[] = {
        {{QStringLiteral("--bogus")}, QStringLiteral("Unknown option 'bogus'.")},
        {{QStringLiteral("-x")}, QStringLiteral("Unknown option 'x'.")},
        {{QStringLiteral("extra")}, QStringLiteral("Unexpected argument 'extra'.")},
        {{QStringLiteral("--quit-when-shown"), QStringLiteral("extra")},
         QStringLiteral("Unexpected argument 'extra'.")},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")},
         QStringLiteral("Unknown option 'bogus'.")},
        {{QStringLiteral("-reverse"), QStringLiteral("-style=fusion"), QStringLiteral("--bogus=1")},
         QStringLiteral("Unknown option 'bogus'.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const Outcome outcome = program.run(c.arguments);
        EXPECT_EQ(outcome.code, 2);
        EXPECT_EQ(outcome.out, QString());
        EXPECT_EQ(outcome.err, QStringLiteral("mirtal: %1\nTry 'mirtal --help'.\n").arg(c.message));
    }
}

// The windowing system's own options, with one dash or two and their values, are left to it;
// what is left must be the program's own.
TEST(CommandLine, AStartWithWindowsLeavesTheWindowingSystemItsOwnOptions) {
    struct Case {
        std::vector<const char*> argv;
        std::optional<bool> quitWhenShown;  // nothing: refused
    };
    const Case cases[] = {
        {{"mirtal"}, false},
        {{"mirtal", "--quit-when-shown"}, true},
        {{"mirtal", "-platform", "offscreen", "--quit-when-shown"}, true},
        {{"mirtal", "--platform", "xcb", "-reverse", "-style", "fusion"}, false},
        {{"mirtal", "-stylesheet=a.qss", "-qwindowgeometry", "400x300", "-widgetcount"}, false},
        {{"mirtal", "-platform"}, std::nullopt},
        {{"mirtal", "offscreen"}, std::nullopt},
        {{"mirtal", "--bogus"}, std::nullopt},
        {{"mirtal", "-reverse", "--", "x"}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argv.back());
        QString errText;
        QTextStream err(&errText);
        const std::optional<app::WindowStart> start =
            app::windowStart(static_cast<int>(c.argv.size()), c.argv.data(), err);
        err.flush();
        ASSERT_EQ(start.has_value(), c.quitWhenShown.has_value()) << errText.toStdString();
        if (start) {
            EXPECT_EQ(start->quitWhenShown, *c.quitWhenShown);
            EXPECT_EQ(errText, QString());
        } else {
            EXPECT_TRUE(errText.endsWith(QStringLiteral("Try 'mirtal --help'.\n")));
        }
    }
}

// Each restore keeps the database it replaces under a name of its own and says which; a
// backup into a folder that is not there yet makes it.
TEST(CommandLine, EveryRestoreKeepsTheDatabaseItReplacesUnderANewName) {
    const InstalledProgram program;
    program.home.addSampleRows();
    QTemporaryDir work;
    const QString copy = work.filePath(QStringLiteral("new/folder/saved.mdb"));
    const Outcome backedUp = program.run({QStringLiteral("--backup"), copy});
    ASSERT_EQ(backedUp.code, 0) << backedUp.err.toStdString();
    EXPECT_EQ(backedUp.out, QStringLiteral("Wrote an encrypted copy of %1 to %2 and checked it.\n")
                                .arg(program.home.database(), copy));
    EXPECT_EQ(testing::databaseDump(copy), testing::databaseDump(program.home.database()));

    const QString database = program.home.database();
    for (const char* kept : {".bak", ".1.bak", ".2.bak"}) {
        SCOPED_TRACE(kept);
        {
            store::Session session(program.home.path());
            session.OpenConnection();
            session.db().execute(QStringLiteral("Insert Into User1 Values(%1, 'Before %2')")
                                     .arg(10 + QByteArray(kept).size())
                                     .arg(QLatin1String(kept)));
        }
        const std::string before = testing::databaseDump(database);
        const Outcome restored = program.run({QStringLiteral("--restore"), copy});
        EXPECT_EQ(restored.code, 0) << restored.err.toStdString();
        EXPECT_EQ(restored.out,
                  QStringLiteral("Restored %1 as %2; the database so far is kept as %2%3.\n")
                      .arg(copy, database, QLatin1String(kept)));
        EXPECT_EQ(testing::databaseDump(database + QLatin1String(kept)), before);
        EXPECT_EQ(testing::databaseDump(database), testing::databaseDump(copy));
    }
    EXPECT_EQ(QDir(program.home.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("Mirtal.mdb"), QStringLiteral("Mirtal.mdb.1.bak"),
                           QStringLiteral("Mirtal.mdb.2.bak"), QStringLiteral("Mirtal.mdb.bak"),
                           QStringLiteral("mirtal")}));
}

// The export's summary counts the users in words a person would use.
TEST(CommandLine, TheExportSummaryCountsTheUsers) {
    struct Case {
        QStringList users;
        QStringList options;
        QString whose;
    };
    const Case cases[] = {
        {{QStringLiteral("Ann")}, {}, QStringLiteral("of 1 user")},
        {{QStringLiteral("Ann"), QStringLiteral("Bob")}, {}, QStringLiteral("of 2 users")},
        {{}, {}, QStringLiteral("of 0 users")},
        {{QStringLiteral("Ann"), QStringLiteral("Bob")},
         {QStringLiteral("--user"), QStringLiteral("Bob")},
         QStringLiteral("of the user Bob")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.whose.toStdString());
        ProgramFolder home;
        {
            store::Session session(home.path());
            session.OpenConnection();
            for (qsizetype i = 0; i < c.users.size(); ++i) {
                session.db().execute(QStringLiteral("Insert Into User1 Values(%1, '%2')")
                                         .arg(i + 1)
                                         .arg(c.users[i]));
            }
        }
        QTemporaryDir work;
        const QString folder = work.filePath(QStringLiteral("csv"));
        const Outcome exported =
            run(home.path(), QStringList{QStringLiteral("--export-csv"), folder} + c.options);
        EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
        const QRegularExpression summary(
            QStringLiteral("^Wrote 8 CSV files with \\d+ rows %1 to %2\\.\n$")
                .arg(QRegularExpression::escape(c.whose), QRegularExpression::escape(folder)));
        EXPECT_TRUE(summary.match(exported.out).hasMatch()) << exported.out.toStdString();
    }
}

}  // namespace
}  // namespace mirtal

namespace mirtal {
namespace {

TEST(CommandLine, ImportsAnExportAndATrackersFileAndListsTheDailyBackups) {
    ProgramFolder home;
    home.addSampleRows();
    QTemporaryDir work;
    const QString csv = work.filePath(QStringLiteral("csv"));
    ASSERT_EQ(run(home.path(), {QStringLiteral("--export-csv"), csv}).code, 0);

    ProgramFolder fresh;
    const Outcome imported = run(fresh.path(), {QStringLiteral("--import-csv"), csv});
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.startsWith(QStringLiteral("Imported ")));
    EXPECT_TRUE(imported.out.endsWith(
        QStringLiteral(" rows of 2 users from %1 into %2.\n").arg(csv, fresh.database())));
    EXPECT_EQ(testing::databaseDump(fresh.database()), testing::databaseDump(home.database()));

    const QString weights = work.filePath(QStringLiteral("weights.csv"));
    QFile f(weights);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("date;weight\n2026-12-10;70,5\n2026-12-08;71\n");
    f.close();
    const Outcome added =
        run(home.path(), {QStringLiteral("--import-csv"), weights, QStringLiteral("--user"),
                          QStringLiteral("Ann"), QStringLiteral("--pulse"), QStringLiteral("60"),
                          QStringLiteral("--morale"), QStringLiteral("Low")});
    EXPECT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("Added 1 progress entry from %1 to the progress log of "
                                        "Ann; skipped 1 row for days that had an entry already.\n")
                             .arg(weights));

    const QString backups = store::backupsFolderOf(home.database());
    EXPECT_EQ(run(home.path(), {QStringLiteral("--list-backups")}).out,
              QStringLiteral("No daily backups in %1 yet.\n").arg(backups));
    const store::ConnectionSettings database = store::connectionSettingsFor(home.path());
    store::writeDailyBackup(database, QDate(2026, 12, 10));
    store::writeDailyBackup(database, QDate(2026, 12, 11));
    const Outcome listed = run(home.path(), {QStringLiteral("--list-backups")});
    EXPECT_EQ(listed.code, 0);
    const QRegularExpression lines(QRegularExpression::anchoredPattern(
        QStringLiteral("%1/Mirtal 2026-12-11\\.mdb  [0-9.]+ KiB\n%1/Mirtal 2026-12-10\\.mdb  "
                       "[0-9.]+ KiB\n")
            .arg(QRegularExpression::escape(backups))));
    EXPECT_TRUE(lines.match(listed.out).hasMatch()) << listed.out.toStdString();
    // Any of them can be restored.
    EXPECT_EQ(run(home.path(),
                  {QStringLiteral("--restore"), backups + QStringLiteral("/Mirtal 2026-12-10.mdb")})
                  .code,
              0);
}

}  // namespace
}  // namespace mirtal
