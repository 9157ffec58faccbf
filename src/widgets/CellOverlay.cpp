#include "widgets/CellOverlay.h"

#include <QWidget>

#include "widgets/Grid.h"

namespace mirtal::widgets {

void placeOverCell(QWidget* editor, const Grid& grid, int row, int col, int raise) {
    const QRect cell = grid.cellRect(row, col);
    QWidget* frame = editor->parentWidget();
    const QPoint topLeft = frame->mapFromGlobal(grid.mapToGlobal(cell.topLeft()));
    editor->setGeometry(topLeft.x(), topLeft.y() - raise, cell.width(), editor->height());
}

}  // namespace mirtal::widgets
