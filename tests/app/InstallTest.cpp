#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/Installation.h"
#include "store/Session.h"
#include "support/DatabaseDump.h"
#include "support/QtPrinters.h"
#include "support/SampleRows.h"

namespace mirtal {
namespace {

struct Finished {
    int code;
    QString out;
    QString err;
};

Finished runProcess(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(180000)) {
        return {-1, {}, QStringLiteral("did not finish")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Installed into a prefix of its own and started by a person whose home is empty: the
// program, pages, desktop entry, icons, metainfo and manual page are in their places, the
// desktop entry starts the program by its full path (the prefix is on no one's PATH), the
// first start copies the delivered database into the person's data folder and shows the user
// window, and later starts and the command line work on that copy and never replace it.
TEST(Install, RunsFromThePrefixWithTheDatabaseInThePersonsDataFolder) {
    QTemporaryDir prefix;
    QTemporaryDir home;
    const Finished install =
        runProcess(QStringLiteral(MIRTAL_CMAKE),
                   {QStringLiteral("--install"), QStringLiteral(MIRTAL_BUILD_DIR),
                    QStringLiteral("--prefix"), prefix.path()});
    ASSERT_EQ(install.code, 0) << install.err.toStdString();

    const QDir installed(prefix.path());
    QStringList expected{QStringLiteral("bin/mirtal"),
                         QStringLiteral("share/mirtal/Mirtal.mdb"),
                         QStringLiteral("share/mirtal/site/index.html"),
                         QStringLiteral("share/mirtal/site/MirtalHelp.html"),
                         QStringLiteral("share/metainfo/io.github.mirtal.Mirtal.metainfo.xml"),
                         QStringLiteral("share/man/man1/mirtal.1.gz"),
                         QStringLiteral("share/icons/hicolor/scalable/apps/mirtal.svg")};
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/mirtal.png").arg(size);
    }
    for (const QString& file : expected) {
        EXPECT_TRUE(installed.exists(file)) << file.toStdString();
    }
    QFile desktopEntry(
        installed.filePath(QStringLiteral("share/applications/io.github.mirtal.Mirtal.desktop")));
    ASSERT_TRUE(desktopEntry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(desktopEntry.readAll().contains(
        "\nExec=" + installed.filePath(QStringLiteral("bin/mirtal")).toUtf8() + "\n"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString program = installed.filePath(QStringLiteral("bin/mirtal"));
    const QString dataFolder = QDir(home.path()).filePath(QStringLiteral(".local/share/Mirtal"));
    const QString database = QDir(dataFolder).filePath(QStringLiteral("Mirtal.mdb"));

    const Finished first = runProcess(program, {QStringLiteral("--quit-when-shown")}, env);
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("1. frm User\n"));
    EXPECT_EQ(testing::databaseDump(database),
              testing::databaseDump(installed.filePath(QStringLiteral("share/mirtal/Mirtal.mdb"))));
    EXPECT_FALSE(installed.exists(QStringLiteral("bin/Mirtal.mdb")));

    {
        store::Session session(dataFolder);
        session.OpenConnection();
        testing::addSampleRows(session.db());
    }
    const std::string withEntries = testing::databaseDump(database);
    const Finished second = runProcess(program, {QStringLiteral("--quit-when-shown")}, env);
    ASSERT_EQ(second.code, 0) << second.err.toStdString();
    EXPECT_EQ(testing::databaseDump(database), withEntries);

    const QString csv = QDir(home.path()).filePath(QStringLiteral("csv"));
    const Finished exported = runProcess(
        program,
        {QStringLiteral("--export-csv"), csv, QStringLiteral("--user"), QStringLiteral("O'Neil")},
        env);
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    QFile users(QDir(csv).filePath(QStringLiteral("User1.csv")));
    ASSERT_TRUE(users.open(QIODevice::ReadOnly));
    EXPECT_EQ(users.readAll(), "UserID,UserName\r\n2,O`Neil\r\n");
}

void touch(const QString& file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile(file).open(QIODevice::WriteOnly);
}

// A database beside the program wins, as in the build folder; an installed program without
// one uses the person's data folder and finds its pages with the template.
TEST(Install, TheProgramsFolderDecidesWhereTheFilesAre) {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString shared = root.filePath(QStringLiteral("share/mirtal"));
    touch(QDir(shared).filePath(QStringLiteral("Mirtal.mdb")));
    QDir().mkpath(bin);

    const app::Installation installed = app::locateInstallation(bin);
    EXPECT_EQ(installed.dataFolder,
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_EQ(installed.pagesFolder, shared);
    EXPECT_EQ(installed.templateFile, QDir(shared).filePath(QStringLiteral("Mirtal.mdb")));

    touch(QDir(bin).filePath(QStringLiteral("Mirtal.mdb")));
    const app::Installation beside = app::locateInstallation(bin);
    EXPECT_EQ(beside.dataFolder, bin);
    EXPECT_EQ(beside.pagesFolder, bin);
    EXPECT_EQ(beside.templateFile, QString());

    const app::Installation buildFolder = app::locateInstallation(shared);
    EXPECT_EQ(buildFolder.dataFolder, shared);
    EXPECT_EQ(buildFolder.templateFile, QString());
}

}  // namespace
}  // namespace mirtal
