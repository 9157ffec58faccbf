#pragma once

class QWidget;

namespace mirtal::widgets {

class Grid;

// Lays an editor over a data cell of a grid, as an in-place editor stands over the cell it
// edits: the editor's left and width are the cell's, its top is `raise` pixels above the
// cell's top, its height stays its own. The editor may be a child of any widget that holds
// the grid, such as the frame the grid lies in.
void placeOverCell(QWidget* editor, const Grid& grid, int row, int col, int raise);

}  // namespace mirtal::widgets
