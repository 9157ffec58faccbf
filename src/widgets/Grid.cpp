#include "widgets/Grid.h"

#include <QHeaderView>

#include "store/ResultSet.h"
#include "widgets/Colours.h"
#include "widgets/Twips.h"

namespace mirtal::widgets {

namespace {

constexpr int keyColumn = 1;
// Room on either side of a caption, as the header draws it.
const int cellMargin = 4;

// The blanks after a caption only widen its column.
QString withoutTrailingBlanks(QString caption) {
    while (caption.endsWith(u' ')) {
        caption.chop(1);
    }
    return caption;
}

}  // namespace

Grid::Grid(const QString& name, QWidget* parent) : QTableWidget(parent) {
    setObjectName(name);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell shows by its focus frame; a selection highlight would hide the colour
    // that a click gives the cell.
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(false);
    // Column 0 is the row selector, so Qt's row numbers are not shown.
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    // The style's own minimum is wider than a short caption asks for.
    horizontalHeader()->setMinimumSectionSize(narrowColumnWidth());

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int previousRow, int previousCol) {
                if (previousRow >= 0 && previousCol >= 0) {
                    leave(previousRow, previousCol);
                }
                if (row >= 0 && col >= 0) {
                    emit enterCell(row + 1, col);
                }
            });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        markClicked(row, col);
        emit clicked(row + 1, col);
    });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int col) { emit doubleClicked(row + 1, col); });
}

int Grid::narrowColumnWidth() {
    return twips(250);
}

void Grid::setFormatString(const QString& format) {
    const QStringList segments = format.split(u'|');
    QStringList captions;
    for (const QString& segment : segments) {
        captions << withoutTrailingBlanks(segment);
    }
    setColumnCount(segments.size());
    setColumnCaptions(captions);
    const int charWidth = fontMetrics().averageCharWidth();
    for (int col = 0; col < segments.size(); ++col) {
        setColWidth(col, segments[col].size() * charWidth + 2 * cellMargin);
    }
    fillEmptyCells();
    hideKeyColumn();
}

void Grid::showRows(const QStringList& columnNames, const QList<QStringList>& rows) {
    fillRows(columnNames, static_cast<int>(rows.size()), [&rows](int row, int col) {
        return col < rows[row].size() ? rows[row][col] : QString();
    });
}

void Grid::showRows(const store::ResultSet& rows) {
    fillRows(rows.columnNames(), rows.recordCount(),
             [&rows](int row, int col) { return rows.value(row, col).toString(); });
}

void Grid::fillRows(const QStringList& columnNames, int rowCount, const CellText& text) {
    // Thousands of rows go in at once: one repaint when they are all there.
    setUpdatesEnabled(false);
    clearContents();
    markedRow_ = -1;
    setColumnCount(static_cast<int>(columnNames.size()) + 1);
    setRowCount(rowCount);
    setColumnCaptions(QStringList{QString()} + columnNames);
    // The widest text of a column is nearly always its longest one, so only that one is
    // measured; measuring every cell would cost more than filling them.
    QStringList longest = columnNames;
    for (int row = 0; row < rowCount; ++row) {
        setItem(row, 0, newCell(QString(), 0));
        for (int col = 0; col < columnNames.size(); ++col) {
            QString cellText = text(row, col);
            if (cellText.size() > longest[col].size()) {
                longest[col] = cellText;
            }
            setItem(row, col + 1, newCell(cellText, col + 1));
        }
    }
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    const QFontMetrics metrics = fontMetrics();
    for (int col = 1; col < columnCount(); ++col) {
        setColumnHidden(col, false);
        setColumnWidth(
            col,
            std::max(metrics.horizontalAdvance(longest[col - 1]),
                     horizontalHeader()->fontMetrics().horizontalAdvance(columnNames[col - 1])) +
                4 * cellMargin);
    }
    setColWidth(0, narrowColumnWidth());
    hideKeyColumn();
    setUpdatesEnabled(true);
}

void Grid::setRows(int rows) {
    setRowCount(std::max(rows - 1, 0));
    if (markedRow_ >= rowCount()) {
        markedRow_ = -1;
    }
    fillEmptyCells();
}

void Grid::clearCells() {
    clearContents();
    markedRow_ = -1;
    fillEmptyCells();
}

QString Grid::textMatrix(int row, int col) const {
    if (row == 0) {
        const QTableWidgetItem* header = horizontalHeaderItem(col);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* item = cell(row, col);
    return item ? item->text() : QString();
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    if (row == 0) {
        if (col >= 0 && col < columnCount()) {
            QStringList captions;
            for (int c = 0; c < columnCount(); ++c) {
                captions << (c == col ? text : textMatrix(0, c));
            }
            setColumnCaptions(captions);
        }
    } else if (QTableWidgetItem* item = cell(row, col)) {
        item->setText(text);
    }
}

void Grid::setColWidth(int col, int width) {
    setColumnHidden(col, width <= 0);
    if (width > 0) {
        setColumnWidth(col, width);
    }
}

QColor Grid::cellBackColour(int row, int col) const {
    const QTableWidgetItem* item = cell(row, col);
    if (!item || item->background().style() == Qt::NoBrush) {
        return palette().color(QPalette::Base);
    }
    return item->background().color();
}

void Grid::setCellBackColour(int row, int col, const QColor& colour) {
    if (QTableWidgetItem* item = cell(row, col)) {
        item->setBackground(colour);
    }
}

QRect Grid::cellRect(int row, int col) const {
    return visualRect(model()->index(row - 1, col)).translated(viewport()->pos());
}

QTableWidgetItem* Grid::cell(int row, int col) const {
    if (row < 1 || row > rowCount() || col < 0 || col >= columnCount()) {
        return nullptr;
    }
    return item(row - 1, col);
}

QTableWidgetItem* Grid::newCell(const QString& text, int col) const {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    // Column 0 is drawn like the header it stands beside.
    if (col == 0) {
        item->setBackground(palette().brush(QPalette::Button));
    }
    return item;
}

void Grid::fillEmptyCells() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col) {
            if (!item(row, col)) {
                setItem(row, col, newCell(QString(), col));
            }
        }
    }
    if (columnCount() > 0) {
        horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    }
}

void Grid::setColumnCaptions(const QStringList& captions) {
    for (int col = 0; col < captions.size(); ++col) {
        auto* header = new QTableWidgetItem(captions[col]);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(col, header);
    }
}

void Grid::hideKeyColumn() {
    if (columnCount() > keyColumn) {
        setColWidth(keyColumn, 0);
    }
}

void Grid::markClicked(int qtRow, int col) {
    QTableWidgetItem* item = this->item(qtRow, col);
    if (!item) {
        return;
    }
    if (qtRow != markedRow_ || col != markedCol_) {
        markedRow_ = qtRow;
        markedCol_ = col;
        markedBrush_ = item->background();
    }
    item->setBackground(colours::lightGreen);
}

void Grid::leave(int qtRow, int col) {
    if (restoreOnLeave_ && qtRow == markedRow_ && col == markedCol_) {
        if (QTableWidgetItem* item = this->item(qtRow, col)) {
            item->setBackground(markedBrush_);
        }
        markedRow_ = -1;
    }
    emit leaveCell(qtRow + 1, col);
}

}  // namespace mirtal::widgets
