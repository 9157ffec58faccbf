#include "widgets/Grid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "store/ResultSet.h"
#include "widgets/Colours.h"
#include "widgets/GridModel.h"
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

Grid::Grid(const QString& name, QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setObjectName(name);
    model_->setFixedColumnBrush(palette().brush(QPalette::Button));
    setModel(model_);
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
    // Tab goes on to the window's next control; the arrows move between cells.
    setTabKeyNavigation(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (previous.isValid()) {
                    leave(previous.row(), previous.column());
                }
                if (current.isValid()) {
                    emit enterCell(current.row() + 1, current.column());
                }
            });
    connect(this, &QAbstractItemView::clicked, this, &Grid::clickAt);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        emit doubleClicked(index.row() + 1, index.column());
    });
}

int Grid::narrowColumnWidth() {
    return twips(250);
}

void Grid::setFormatString(const QString& format) {
    const QStringList segments = format.split(u'|');
    model_->resize(model_->rowCount(), static_cast<int>(segments.size()));
    const int charWidth = fontMetrics().averageCharWidth();
    for (int col = 0; col < segments.size(); ++col) {
        model_->setCaption(col, withoutTrailingBlanks(segments[col]));
        setColWidth(col, static_cast<int>(segments[col].size()) * charWidth + 2 * cellMargin);
    }
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    hideKeyColumn();
}

void Grid::showRows(const QStringList& columnNames, const QList<QStringList>& rows) {
    const qsizetype cols = columnNames.size() + 1;
    QList<QString> cells(rows.size() * cols);
    QStringList longest = columnNames;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (qsizetype col = 1; col < cols && col <= rows[row].size(); ++col) {
            const QString& text = rows[row][col - 1];
            cells[row * cols + col] = text;
            if (text.size() > longest[col - 1].size()) {
                longest[col - 1] = text;
            }
        }
    }
    markedRow_ = -1;
    model_->replaceAll(QStringList{QString()} + columnNames, static_cast<int>(rows.size()),
                       std::move(cells));
    setColumnWidths(longest);
}

void Grid::showRows(const store::ResultSet& rows) {
    const int fields = rows.fieldCount();
    const qsizetype cols = fields + 1;
    QList<QString> cells(rows.recordCount() * cols);
    QStringList longest = rows.columnNames();
    for (int row = 0; row < rows.recordCount(); ++row) {
        for (int field = 0; field < fields; ++field) {
            QString text = rows.value(row, field).toString();
            if (text.size() > longest[field].size()) {
                longest[field] = text;
            }
            cells[row * cols + field + 1] = std::move(text);
        }
    }
    markedRow_ = -1;
    model_->replaceAll(QStringList{QString()} + rows.columnNames(), rows.recordCount(),
                       std::move(cells));
    setColumnWidths(longest);
}

void Grid::setColumnWidths(const QStringList& longestTexts) {
    // The widest text of a column is nearly always its longest one, so only that one is
    // measured; measuring every cell would cost more than showing them.
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics captions = horizontalHeader()->fontMetrics();
    for (int col = 1; col < cols(); ++col) {
        const int text = cells.horizontalAdvance(longestTexts[col - 1]);
        const int caption = captions.horizontalAdvance(model_->caption(col));
        setColWidth(col, std::max(text, caption) + 4 * cellMargin);
    }
    setColWidth(0, narrowColumnWidth());
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    hideKeyColumn();
}

int Grid::rows() const {
    return model_->rowCount() + 1;
}

void Grid::setRows(int rows) {
    model_->resize(rows - 1, model_->columnCount());
    if (markedRow_ >= model_->rowCount()) {
        markedRow_ = -1;
    }
}

int Grid::cols() const {
    return model_->columnCount();
}

void Grid::setCols(int cols) {
    model_->resize(model_->rowCount(), cols);
    markedRow_ = -1;
}

void Grid::clearCells() {
    model_->clearCells();
    markedRow_ = -1;
}

QString Grid::textMatrix(int row, int col) const {
    return row == 0 ? model_->caption(col) : model_->text(row - 1, col);
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    if (row == 0) {
        model_->setCaption(col, text);
    } else {
        model_->setText(row - 1, col, text);
    }
}

void Grid::setColWidth(int col, int width) {
    setColumnHidden(col, width <= 0);
    if (width > 0) {
        setColumnWidth(col, width);
    }
}

QColor Grid::cellBackColour(int row, int col) const {
    const QVariant brush = model_->data(model_->index(row - 1, col), Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : palette().color(QPalette::Base);
}

void Grid::setCellBackColour(int row, int col, const QColor& colour) {
    model_->setColour(row - 1, col, colour);
}

QRect Grid::cellRect(int row, int col) const {
    return visualRect(model_->index(row - 1, col)).translated(viewport()->pos());
}

void Grid::hideKeyColumn() {
    if (cols() > keyColumn) {
        setColWidth(keyColumn, 0);
    }
}

void Grid::clickAt(const QModelIndex& index) {
    markClicked(index.row(), index.column());
    emit clicked(index.row() + 1, index.column());
}

void Grid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool space = key == Qt::Key_Space;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const QModelIndex current = currentIndex();
    if (!(space || enter) || (event->modifiers() & ~Qt::KeypadModifier) || !current.isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    clickAt(current);
    if (enter) {
        emit doubleClicked(current.row() + 1, current.column());
    }
}

void Grid::markClicked(int qtRow, int col) {
    if (qtRow != markedRow_ || col != markedCol_) {
        markedRow_ = qtRow;
        markedCol_ = col;
        markedColour_ = model_->colour(qtRow, col);
    }
    model_->setColour(qtRow, col, colours::lightGreen);
}

void Grid::leave(int qtRow, int col) {
    if (restoreOnLeave_ && qtRow == markedRow_ && col == markedCol_) {
        model_->setColour(qtRow, col, markedColour_);
        markedRow_ = -1;
    }
    emit leaveCell(qtRow + 1, col);
}

}  // namespace mirtal::widgets
