#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "app/DataCommands.h"
#include "app/Installation.h"
#include "app/SingleCopyLock.h"
#include "store/Backup.h"
#include "store/CsvExport.h"
#include "store/StoreError.h"

namespace mirtal::app {

namespace {

const QString command = QStringLiteral("mirtal");

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and end.")};
    QCommandLineOption exportCsv{
        QStringLiteral("export-csv"),
        QStringLiteral("Write each table as a CSV file into DIR (made when missing): days as "
                       "ISO dates, numbers as stored."),
        QStringLiteral("DIR")};
    QCommandLineOption user{
        QStringLiteral("user"),
        QStringLiteral("With --export-csv: only the rows of the user NAME. With --import-csv "
                       "FILE: the user whose progress log takes the measurements."),
        QStringLiteral("NAME")};
    QCommandLineOption importCsv{
        QStringLiteral("import-csv"),
        QStringLiteral("Read a folder written by --export-csv into a database without users, "
                       "or the CSV FILE of another tracker (columns date, weight and optionally "
                       "pulse and morale) into the progress log of --user NAME. All or nothing."),
        QStringLiteral("DIR|FILE")};
    QCommandLineOption pulse{
        QStringLiteral("pulse"),
        QStringLiteral("With --import-csv FILE: the pulse of rows without one."),
        QStringLiteral("N")};
    QCommandLineOption morale{
        QStringLiteral("morale"),
        QStringLiteral("With --import-csv FILE: the morale of rows without one, one of the "
                       "progress log's choices (e.g. Average)."),
        QStringLiteral("CHOICE")};
    QCommandLineOption backup{
        QStringLiteral("backup"),
        QStringLiteral("Write an encrypted copy of the database to FILE (its folder made when "
                       "missing) and check it."),
        QStringLiteral("FILE")};
    QCommandLineOption restore{
        QStringLiteral("restore"),
        QStringLiteral("Put the copy FILE in place of the database; the database so far is "
                       "kept beside it as Mirtal.mdb.bak, or Mirtal.mdb.1.bak, ... when that "
                       "name is taken. Takes any file of --list-backups too."),
        QStringLiteral("FILE")};
    QCommandLineOption listBackups{
        QStringLiteral("list-backups"),
        QStringLiteral("List the daily copies kept in the backups folder beside the database, "
                       "newest first, with their sizes.")};
    QCommandLineOption force{
        QStringLiteral("force"),
        QStringLiteral("With --export-csv or --backup: replace files that are there already.")};
    QCommandLineOption quitWhenShown{QStringLiteral("quit-when-shown")};
    QCommandLineParser parser;

    Options() {
        quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.setApplicationDescription(QStringLiteral(
            "Mirtal, a coach for fitness and diet. Without options it opens its windows; each "
            "option below does its work on the terminal and ends without a window."));
        parser.addOptions({help, version, exportCsv, importCsv, user, pulse, morale, backup,
                           restore, listBackups, force, quitWhenShown});
    }

    // Reads the arguments; tells `err` what is wrong with them and gives false.
    bool read(const QStringList& arguments, QTextStream& err) {
        if (!parser.parse(arguments)) {
            return usage(err, parser.errorText());
        }
        if (!parser.positionalArguments().isEmpty()) {
            return usage(err, QStringLiteral("Unexpected argument '%1'.")
                                  .arg(parser.positionalArguments().front()));
        }
        return true;
    }

    static bool usage(QTextStream& err, const QString& problem) {
        err << command << ": " << problem << "\nTry '" << command << " --help'.\n";
        return false;
    }
};

// A tracker's file goes to a user's progress log; a folder is a whole export.
bool importCombination(Options& o, QTextStream& err) {
    const QCommandLineParser& p = o.parser;
    const bool fileImport = p.isSet(o.importCsv) && !QFileInfo(p.value(o.importCsv)).isDir();
    if ((p.isSet(o.pulse) || p.isSet(o.morale)) && !fileImport) {
        return Options::usage(err,
                              QStringLiteral("--pulse and --morale go with --import-csv FILE."));
    }
    if (fileImport && !p.isSet(o.user)) {
        return Options::usage(err, QStringLiteral("--import-csv FILE needs --user NAME, the user "
                                                  "whose progress log takes the measurements."));
    }
    if (p.isSet(o.importCsv) && !fileImport && p.isSet(o.user)) {
        return Options::usage(err, QStringLiteral("An export folder holds every user; --user goes "
                                                  "with --import-csv FILE."));
    }
    return true;
}

// One of the actions, and only the options that go with it.
bool checkCombination(Options& o, QTextStream& err) {
    const QCommandLineParser& p = o.parser;
    const int actions = int(p.isSet(o.exportCsv)) + int(p.isSet(o.importCsv)) +
                        int(p.isSet(o.backup)) + int(p.isSet(o.restore)) +
                        int(p.isSet(o.listBackups));
    if (actions != 1) {
        return Options::usage(err, QStringLiteral("Give one of --export-csv, --import-csv, "
                                                  "--backup, --restore and --list-backups."));
    }
    if (p.isSet(o.user) && !p.isSet(o.exportCsv) && !p.isSet(o.importCsv)) {
        return Options::usage(err,
                              QStringLiteral("--user goes with --export-csv or --import-csv."));
    }
    if (p.isSet(o.force) && !p.isSet(o.exportCsv) && !p.isSet(o.backup)) {
        return Options::usage(err, QStringLiteral("--force goes with --export-csv or --backup."));
    }
    if (!importCombination(o, err)) {
        return false;
    }
    if (p.isSet(o.quitWhenShown)) {
        return Options::usage(err, QStringLiteral("--quit-when-shown starts the windows."));
    }
    for (const QCommandLineOption* valued :
         {&o.exportCsv, &o.importCsv, &o.backup, &o.restore, &o.user, &o.pulse, &o.morale}) {
        if (p.isSet(*valued) && p.value(*valued).isEmpty()) {
            return Options::usage(
                err, QStringLiteral("--%1 needs a value.").arg(valued->names().front()));
        }
    }
    return true;
}

QString absolute(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString whose(const store::CsvExportResult& result, const std::optional<QString>& userName) {
    if (userName && result.users == 1) {
        return QStringLiteral("of the user %1").arg(*userName);
    }
    if (userName) {
        return QStringLiteral("of the %1 users named %2").arg(result.users).arg(*userName);
    }
    return result.users == 1 ? QStringLiteral("of 1 user")
                             : QStringLiteral("of %1 users").arg(result.users);
}

std::optional<QString> optionalValue(const QCommandLineParser& p, const QCommandLineOption& o) {
    return p.isSet(o) ? std::optional(p.value(o)) : std::nullopt;
}

QSet<QString> names(const char* words) {
    const QStringList list = QString::fromLatin1(words).split(u' ');
    return {list.begin(), list.end()};
}

// The usage line names the program as people type it rather than by its full path.
QString helpText(const QCommandLineParser& parser) {
    QString help = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    const qsizetype at = program.isEmpty() ? -1 : help.indexOf(program);
    return at < 0 ? help : help.replace(at, program.size(), command);
}

}  // namespace

bool asksForTerminalWork(int argc, const char* const* argv) {
    static const QSet<QString> longNames{
        QStringLiteral("help"),    QStringLiteral("version"),      QStringLiteral("export-csv"),
        QStringLiteral("user"),    QStringLiteral("import-csv"),   QStringLiteral("pulse"),
        QStringLiteral("morale"),  QStringLiteral("list-backups"), QStringLiteral("backup"),
        QStringLiteral("restore"), QStringLiteral("force")};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--") {
            break;
        }
        if (argument == u"-h" || argument == u"-v" || argument == u"-?") {
            return true;
        }
        if (argument.startsWith(u"--") && longNames.contains(argument.mid(2).section(u'=', 0, 0))) {
            return true;
        }
    }
    return false;
}

int runTerminalWork(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                    QTextStream& err) {
    Options o;
    if (!o.read(arguments, err)) {
        return 2;
    }
    const QCommandLineParser& p = o.parser;
    if (p.isSet(o.help)) {
        out << helpText(p);
        return 0;
    }
    if (p.isSet(o.version)) {
        out << "Mirtal " << MIRTAL_VERSION << '\n';
        return 0;
    }
    if (!checkCombination(o, err)) {
        return 2;
    }
    const store::ConnectionSettings database =
        store::connectionSettingsFor(locateInstallation(programFolder).dataFolder);
    const store::Replace replace =
        p.isSet(o.force) ? store::Replace::Allowed : store::Replace::Never;
    try {
        if (p.isSet(o.importCsv)) {
            importCsvCommand(database, absolute(p.value(o.importCsv)), optionalValue(p, o.user),
                             optionalValue(p, o.pulse), optionalValue(p, o.morale), out);
        } else if (p.isSet(o.listBackups)) {
            listBackupsCommand(database, out);
        } else if (p.isSet(o.exportCsv)) {
            const QString folder = absolute(p.value(o.exportCsv));
            const std::optional<QString> userName = optionalValue(p, o.user);
            const store::CsvExportResult result =
                store::exportCsv(database, folder, userName, replace);
            out << "Wrote " << result.files << " CSV files with " << result.rows << " rows "
                << whose(result, userName) << " to " << folder << ".\n";
        } else if (p.isSet(o.backup)) {
            const QString file = absolute(p.value(o.backup));
            store::backupDatabase(database, file, replace);
            out << "Wrote an encrypted copy of " << QDir::toNativeSeparators(database.dataSource)
                << " to " << file << " and checked it.\n";
        } else {
            const QString file = absolute(p.value(o.restore));
            // A running program would go on writing to the file it opened, which the restore
            // takes away; held here, the lock also keeps the program from starting meanwhile.
            SingleCopyLock running;
            if (running.take(database.dataSource) == SingleCopyLock::Outcome::HeldByAnotherCopy) {
                err << command << ": " << QDir::toNativeSeparators(database.dataSource)
                    << " is open in Mirtal. Close the program first, then restore.\n";
                return 1;
            }
            const std::optional<QString> kept = store::restoreDatabase(database, file);
            out << "Restored " << file << " as " << QDir::toNativeSeparators(database.dataSource);
            if (kept) {
                out << "; the database so far is kept as " << QDir::toNativeSeparators(*kept);
            }
            out << ".\n";
        }
    } catch (const store::ExistingFile& e) {
        err << command << ": " << e.description() << " Add --force to replace it.\n";
        return 1;
    } catch (const store::StoreError& e) {
        err << command << ": " << e.description() << '\n';
        return 1;
    }
    return 0;
}

std::optional<WindowStart> windowStart(int argc, const char* const* argv, QTextStream& err) {
    // The windowing system's own options, which it takes out of the arguments when it starts;
    // it reads them with one dash or two.
    static const QSet<QString> withValue = names(
        "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
        "qwindowtitle session display geometry title icon name visual style stylesheet");
    static const QSet<QString> flags = names("reverse widgetcount testability nograb dograb sync");
    static const QSet<QString> withEquals = names("style stylesheet qmljsdebugger");
    QStringList arguments{argc > 0 ? QString::fromLocal8Bit(argv[0]) : command};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString name = argument.startsWith(u"--")  ? argument.mid(2)
                             : argument.startsWith(u'-') ? argument.mid(1)
                                                         : QString();
        if (withValue.contains(name) && i + 1 < argc) {
            ++i;
        } else if (!flags.contains(name) && !withEquals.contains(name.section(u'=', 0, 0))) {
            arguments << argument;
        }
    }
    Options o;
    if (!o.read(arguments, err)) {
        return std::nullopt;
    }
    return WindowStart{o.parser.isSet(o.quitWhenShown)};
}

}  // namespace mirtal::app
