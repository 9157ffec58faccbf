#pragma once

#include <QString>
#include <QTemporaryDir>

namespace mirtal::harness {

// A temporary folder of its own that holds a fresh copy of the delivered database, as the
// program's folder holds Mirtal.mdb; it goes, with everything in it, when this goes.
class DeliveredFolder {
  public:
    DeliveredFolder();

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // The database file, Mirtal.mdb.
    QString file() const;

  private:
    QTemporaryDir dir_;
};

}  // namespace mirtal::harness
