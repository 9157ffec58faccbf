#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace mirtal::testing {

// A file that must be refused where a Mirtal database is expected: `make` puts it at the path
// given (a backup's over the sound copy that lies there), and the refusal must hold the words
// of `cause`.
struct BadFile {
    const char* name;
    std::function<void(const QString& file)> make;
    const char* cause;
};

void PrintTo(const BadFile& file, std::ostream* os);
// The case's name, as the last part of the test's name.
std::string badFileName(const ::testing::TestParamInfo<BadFile>& info);

// Files that do not open as the program's file, each made where nothing was; the cause is
// what the refusal to open them says.
std::vector<BadFile> filesThatDoNotOpen();
// Backups that are not restored, each made by spoiling a sound copy; the cause is what the
// refusal to restore them says.
std::vector<BadFile> copiesThatDoNotRestore();

// A test of one bad file, put as Mirtal.mdb into a folder of its own before the test runs.
class BadFileInFolder : public ::testing::TestWithParam<BadFile> {
  protected:
    BadFileInFolder();

    // The refusal names the file and holds the words of the cause.
    void expectNamesFileAndCause(const QString& refusal) const;
    // Nothing in the folder was written since the bad file was put there.
    void expectFolderAsItWas() const;

    QTemporaryDir dir;
    const QString file;

  private:
    QStringList before_;
};

// Runs SQLite text on the file, keyed with the program's password.
void executeOnFile(const QString& file, const char* sql);

}  // namespace mirtal::testing
