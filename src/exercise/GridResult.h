#pragma once

namespace mirtal::store {
class ResultSet;
}

namespace mirtal::widgets {
class Grid;
}

namespace mirtal::exercise {

// Shows the rows of a select, from its current row on, in the grid under the select's column
// names, each field as its text; the result set itself is not moved.
void showResult(widgets::Grid& grid, const store::ResultSet& rows);

}  // namespace mirtal::exercise
