#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTableView>
#include <algorithm>
#include <optional>

namespace mirtal::store {
class ResultSet;
}

namespace mirtal::widgets {

class GridModel;

// The data grid of the windows, addressed in the grid's own numbering: row 0 is the header row
// (Qt's horizontal header) and data row i is Qt row i - 1; column k is Qt column k. Column 0 is
// a narrow fixed column and column 1 holds the row's key, hidden. Cells hold read-only texts.
//
// A click colours the clicked cell light green; leaving the cell puts its own colour back,
// unless the window keeps the marks (setRestoreColourOnLeave(false)).
//
// By keyboard: Tab enters and leaves the grid as one stop, the arrows move the current cell,
// Space on it is a click and Enter a double-click (after its click, as the pointer gives it).
class Grid : public QTableView {
    Q_OBJECT
  public:
    explicit Grid(const QString& name, QWidget* parent = nullptr);

    // Columns from a format string: "|"-separated captions, the first one for column 0. A
    // caption's trailing blanks widen its column: a column is as wide as its caption's
    // characters, blanks included, in the grid font's average character width, plus the cell
    // margins, but no column is narrower than narrowColumnWidth(). The data rows are kept,
    // column 1 is hidden.
    void setFormatString(const QString& format);

    // Shows a query's rows: its column names head columns 1 to n (column 0 stays empty), one
    // data row per row of cell texts. Columns are as wide as their contents; column 1 is hidden.
    void showRows(const QStringList& columnNames, const QList<QStringList>& rows);
    // The same for the rows of a select, each field shown as its text.
    void showRows(const store::ResultSet& rows);

    // Counts in the grid's numbering: rows() includes the header row.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // Empties every cell's text and colour; the header, rows and columns stay.
    void clearCells();

    // Row 0 is the header caption.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // A width of 0 hides the column.
    int colWidth(int col) const { return columnWidth(col); }
    void setColWidth(int col, int width);
    static int narrowColumnWidth();

    QColor cellBackColour(int row, int col) const;
    void setCellBackColour(int row, int col, const QColor& colour);

    // The current cell, 0 when there is none.
    int currentGridRow() const { return currentIndex().row() + 1; }
    int currentGridCol() const { return std::max(currentIndex().column(), 0); }
    // Moves the current cell there; row 0 leaves the grid without a current cell.
    void setCurrentGridCell(int row, int col) {
        setCurrentIndex(row < 1 ? QModelIndex() : model()->index(row - 1, col));
    }
    // Where a data cell is drawn, in the grid's own coordinates.
    QRect cellRect(int row, int col) const;

    void setRestoreColourOnLeave(bool restore) { restoreOnLeave_ = restore; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  signals:
    // All in the grid's numbering. A double-click comes after the click on the same cell.
    void clicked(int row, int col);
    void doubleClicked(int row, int col);
    void enterCell(int row, int col);
    void leaveCell(int row, int col);

  private:
    void setColumnWidths(const QStringList& longestTexts);
    void hideKeyColumn();
    void markClicked(int qtRow, int col);
    void clickAt(const QModelIndex& index);
    void leave(int qtRow, int col);

    GridModel* model_;
    bool restoreOnLeave_ = true;
    // The cell the last click coloured and the colour it had of its own before, put back on
    // leaving it.
    int markedRow_ = -1;
    int markedCol_ = -1;
    std::optional<QColor> markedColour_;
};

}  // namespace mirtal::widgets
