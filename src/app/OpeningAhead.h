#pragma once

#include <QString>

#include "store/Session.h"

namespace mirtal::app {

// Deriving the database's key is most of the program's start. Begun before the windowing
// system starts, on a thread of its own, it runs while Qt loads and the user window is built;
// the start takes the opening over (Application::start) instead of beginning its own.
class OpeningAhead {
  public:
    // Begins opening the database of the program in `programFolder` (empty: the running
    // program's), found as the start finds it; an installed program's first start copies the
    // delivered database into place first. What fails here is left to the start, which tries
    // again and tells the person.
    explicit OpeningAhead(QString programFolder = {});

    // The opening begun for `file`; nothing when it was begun for another file or not at all.
    store::DatabaseOpening takeFor(const QString& file);

  private:
    QString file_;
    store::DatabaseOpening opening_;
};

}  // namespace mirtal::app
