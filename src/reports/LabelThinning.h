#pragma once

#include <QList>

namespace mirtal::reports {

// The rows (from 0) whose labels a horizontal axis draws so that no two overlap, when
// `rowCount` rows share `axisWidth` pixels and a label needs `labelWidth` pixels: all rows
// when they fit; otherwise as many as fit, evenly spaced at least k rows apart (k the fewest
// rows a label spans), the first and the last row always among them. When not even those two
// fit, the first row alone.
QList<int> thinnedRows(int rowCount, double axisWidth, double labelWidth);

}  // namespace mirtal::reports
