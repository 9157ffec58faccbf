#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace mirtal::app {

// The program's command line. Without arguments the program opens its windows as always;
// --help, --version, --export-csv, --import-csv, --backup, --restore and --list-backups do
// their work on the terminal, print what they did (or the help) and end without opening a
// window, so they need no display.

// True when the arguments name one of the terminal options; the program then starts no
// windows. Decided before anything else, on the arguments as given.
bool asksForTerminalWork(int argc, const char* const* argv);

// Does the work the arguments ask for on the database of the program in `programFolder`.
// Returns the exit code: 0 done, 1 the work failed, 2 the arguments are wrong.
int runTerminalWork(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                    QTextStream& err);

// What the arguments ask of a start with windows, read before anything needs a display: the
// windowing system's own options (-platform NAME, -reverse, ...) are left to it, and any other
// option or argument the program does not know is refused. Tells `err` what is wrong and gives
// nothing back when they make no sense.
struct WindowStart {
    // The user window's caption goes to the terminal once it is on screen, and the program
    // ends: shows that an installed program starts, without anyone to close it.
    bool quitWhenShown = false;
};
std::optional<WindowStart> windowStart(int argc, const char* const* argv, QTextStream& err);

}  // namespace mirtal::app
