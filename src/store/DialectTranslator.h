#pragma once

#include <string>
#include <string_view>

namespace mirtal::store {

// Turns the statements the windows write (day literals between "#", CDate, Format, names in
// square brackets, days as quoted short-date text) into SQLite. Every day is stored as ISO
// 8601 text, so equality, ranges, grouping and ordering agree however a day was written.
// Numbers for numeric columns of inserts and updates are checked and written bare.
// Throws StoreError with a description for a statement it will not run.
std::string translateStatement(std::string_view statement);

}  // namespace mirtal::store
