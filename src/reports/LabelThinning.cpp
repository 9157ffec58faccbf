#include "reports/LabelThinning.h"

#include <algorithm>
#include <cmath>

namespace mirtal::reports {

QList<int> thinnedRows(int rowCount, double axisWidth, double labelWidth) {
    if (rowCount <= 0) {
        return {};
    }
    const double rowWidth = axisWidth / rowCount;
    // The fewest rows between two drawn labels.
    const int step =
        rowWidth > 0 ? std::max(1, static_cast<int>(std::ceil(labelWidth / rowWidth))) : rowCount;
    const int last = rowCount - 1;
    const int gaps = last / step;
    if (gaps == 0) {
        return {0};
    }
    // Gap j ends at the nearest row to j * last / gaps; since last / gaps >= step, every gap
    // spans at least step rows.
    QList<int> rows;
    rows.reserve(gaps + 1);
    for (qint64 j = 0; j <= gaps; ++j) {
        rows.append(static_cast<int>((2 * j * last + gaps) / (2 * qint64{gaps})));
    }
    return rows;
}

}  // namespace mirtal::reports
