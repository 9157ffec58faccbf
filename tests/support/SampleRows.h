#pragma once

#include "store/Database.h"

namespace mirtal::testing {

// A few rows in every table for two users, Ann (1) and O`Neil (2), with the awkward values
// that files written for other programs must carry intact: commas, double quotes and a line
// break in texts, letters beyond ASCII, whole and fractional numbers, and a skipped meal.
void addSampleRows(store::Database& db);

}  // namespace mirtal::testing
