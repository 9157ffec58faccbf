#pragma once

#include <QString>

namespace mirtal::app {

// Where the program finds its files. Run from its build folder, or from any folder that
// holds Mirtal.mdb beside the program, everything stays beside the program. Installed
// (the delivered database lies as a template in the installed data files, share/mirtal),
// the pages stay there and each person's database lives in their own data folder, whatever
// the program's folder allows: a database in a bin folder would be wrong for root and for a
// home install alike.
struct Installation {
    QString dataFolder;    // holds Mirtal.mdb; the connection string is built with it
    QString pagesFolder;   // holds the site/ folder of web pages and the manual
    QString templateFile;  // the delivered database to start from; empty beside the program
};

Installation locateInstallation(const QString& programFolder);

// The first start of an installed program copies the template into the data folder; a file
// that is already there is never replaced. Throws StoreError when the copy cannot be made.
void provideDatabase(const Installation& installation);

}  // namespace mirtal::app
