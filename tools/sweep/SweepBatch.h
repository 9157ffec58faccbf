#pragma once

#include <QTextStream>

#include "app/WindowTable.h"

namespace mirtal::sweep {

struct BatchSettings {
    app::WindowId window = app::WindowId::User;
    int inputs = 0;
    unsigned seed = 1;
};

// Starts the program on a fresh copy of the delivered database with a week of entries, opens
// one window and feeds its fields and lists the generated inputs, running every command of the
// window after each round of inputs. Writes what it saw to out, one finding a line, as the
// sweep reads it back (see BatchReport.h). Returns false when the program could not start.
bool runBatch(const BatchSettings& settings, QTextStream& out);

}  // namespace mirtal::sweep
