#pragma once

namespace mirtal::store {
class Database;
}

namespace mirtal::tools {

// User 1, "Ann", with the last seven days of entries: target values, a catalogue with the
// rest-day row, exercises, meals, snacking and water, and progress. For the tools that start
// the program on a small household file.
void addSampleWeek(store::Database& db);

}  // namespace mirtal::tools
