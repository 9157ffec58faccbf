#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"
#include "app/SingleCopyLock.h"
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
    EXPECT_TRUE(exported.out.endsWith(QStringLiteral(" rows of all 2 users to %1.\n").arg(csv)));

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
         QStringLiteral("Give one of --export-csv, --backup and --restore.")},
        {{QStringLiteral("--user"), QStringLiteral("Ann")},
         2,
         QStringLiteral("Give one of --export-csv, --backup and --restore.")},
        {{QStringLiteral("--backup"), out, QStringLiteral("--user"), QStringLiteral("Ann")},
         2,
         QStringLiteral("--user goes with --export-csv.")},
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
    for (const char* option : {"--export-csv <DIR>", "--user <NAME>", "--backup <FILE>",
                               "--restore <FILE>", "--force", "--version"}) {
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

// The program itself: work on the terminal starts no windowing system, so it runs where
// there is no display at all.
TEST(CommandLine, TheProgramDoesItsTerminalWorkWithoutADisplay) {
    ProgramFolder home;
    const QString program = home.dir.filePath(QStringLiteral("mirtal"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MIRTAL_PROGRAM), program));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QLatin1String(name));
    }
    const QString copy = home.dir.filePath(QStringLiteral("saved.mdb"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, {QStringLiteral("--backup"), copy});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(testing::databaseDump(copy), testing::databaseDump(home.database()));

    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {QStringLiteral("--bogus")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("Unknown option 'bogus'."));
}

}  // namespace
}  // namespace mirtal
